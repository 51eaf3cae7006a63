#include "dxf/dxf_text_writer.h"

#include <charconv>
#include <cstdio>
#include <string_view>

namespace rerore {

namespace {

// Group codes stand right-aligned in three places, values on their own
// line; every line ends with CR LF, as the program's text files do.
constexpr const char* kGroupCodeFormat = "%3d\r\n";
constexpr std::string_view kLineEnd = "\r\n";
constexpr size_t kNumberChars = 512;  // the widest double in fixed notation
constexpr size_t kGroupCodeChars = 16;

}  // namespace

DxfTextWriter::DxfTextWriter() : DL_WriterA("", DL_VERSION_2000) {}

void DxfTextWriter::dxfReal(int code, double value) const {
  if (value == 0.0) value = 0.0;  // no "-0"
  char text[kNumberChars];
  const auto result = std::to_chars(text, text + sizeof text, value, std::chars_format::fixed);
  std::string number(text, result.ec == std::errc() ? result.ptr : text);
  if (number.find('.') == std::string::npos) number += ".0";
  dxfString(code, number);
}

void DxfTextWriter::dxfInt(int code, int value) const { dxfString(code, std::to_string(value)); }

void DxfTextWriter::dxfHex(int code, int value) const {
  char text[sizeof(int) * 2 + 1];
  std::snprintf(text, sizeof text, "%X", static_cast<unsigned>(value));
  dxfString(code, text);
}

void DxfTextWriter::dxfString(int code, const char* value) const {
  dxfString(code, std::string(value));
}

void DxfTextWriter::dxfString(int code, const std::string& value) const {
  char text[kGroupCodeChars];
  std::snprintf(text, sizeof text, kGroupCodeFormat, code);
  bytes_ += text;
  bytes_ += value;
  bytes_ += kLineEnd;
}

double DecimalOfFloat(float value) {
  char text[kNumberChars];
  const auto written = std::to_chars(text, text + sizeof text, value);
  double decimal = value;
  if (written.ec == std::errc()) std::from_chars(text, written.ptr, decimal);
  return decimal;
}

}  // namespace rerore
