#include "model/native_path.h"

#ifdef _WIN32
#define WIN32_LEAN_AND_MEAN
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>
#endif

namespace rerore {

#ifdef _WIN32

namespace {

// CreateDirectory refuses paths from MAX_PATH - 12 characters on, the other
// classic calls from MAX_PATH on; the extended form has no such limit.
constexpr size_t kClassicPathLimit = MAX_PATH - 12;
constexpr std::wstring_view kExtendedPrefix = L"\\\\?\\";
constexpr std::wstring_view kExtendedUncPrefix = L"\\\\?\\UNC\\";

std::wstring Widen(const std::string& text) {
  if (text.empty()) return {};
  const int size = static_cast<int>(text.size());
  const int length = MultiByteToWideChar(CP_ACP, 0, text.data(), size, nullptr, 0);
  std::wstring wide(static_cast<size_t>(length), L'\0');
  MultiByteToWideChar(CP_ACP, 0, text.data(), size, wide.data(), length);
  return wide;
}

std::string Narrow(const std::wstring& wide) {
  if (wide.empty()) return {};
  const int size = static_cast<int>(wide.size());
  const int length =
      WideCharToMultiByte(CP_ACP, 0, wide.data(), size, nullptr, 0, nullptr, nullptr);
  std::string text(static_cast<size_t>(length), '\0');
  WideCharToMultiByte(CP_ACP, 0, wide.data(), size, text.data(), length, nullptr, nullptr);
  return text;
}

// The extended form takes neither "/", ".." nor a relative path, so the
// path is made absolute and normalised first.
std::wstring ExtendedIfLong(std::wstring wide) {
  if (wide.size() < kClassicPathLimit || wide.starts_with(kExtendedPrefix)) return wide;
  const DWORD length = GetFullPathNameW(wide.c_str(), 0, nullptr, nullptr);
  if (length == 0) return wide;
  std::wstring full(length, L'\0');
  const DWORD written = GetFullPathNameW(wide.c_str(), length, full.data(), nullptr);
  if (written == 0 || written >= length) return wide;
  full.resize(written);
  if (full.starts_with(L"\\\\")) return std::wstring(kExtendedUncPrefix) + full.substr(2);
  return std::wstring(kExtendedPrefix) + full;
}

std::wstring WidePath(const std::string& path) { return ExtendedIfLong(Widen(path)); }

}  // namespace

std::filesystem::path NativePath(const std::string& path) { return WidePath(path); }

std::string PathText(const std::filesystem::path& path) { return Narrow(path.wstring()); }

std::FILE* OpenNativeFile(const std::string& path, const char* mode) {
  return _wfopen(WidePath(path).c_str(), Widen(mode).c_str());
}

bool MoveFileOver(const std::string& from, const std::string& to) {
  return MoveFileExW(WidePath(from).c_str(), WidePath(to).c_str(),
                     MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
}

bool DeleteNativeFile(const std::string& path) { return DeleteFileW(WidePath(path).c_str()) != 0; }

#else

std::filesystem::path NativePath(const std::string& path) { return path; }

std::string PathText(const std::filesystem::path& path) { return path.string(); }

std::FILE* OpenNativeFile(const std::string& path, const char* mode) {
  return std::fopen(path.c_str(), mode);
}

bool MoveFileOver(const std::string& from, const std::string& to) {
  return std::rename(from.c_str(), to.c_str()) == 0;
}

bool DeleteNativeFile(const std::string& path) { return std::remove(path.c_str()) == 0; }

#endif

}  // namespace rerore
