// Fuzz target of Store: a packed position (fuzz_support.h) is loaded as at
// start-up and stored as the Store command stores it (every table, the
// rebuild, the echo file with its companions, the check and its matrix
// files). No file may then hold an infinite or NaN number, neither in a
// binary number field nor as a number in a text file, and a check that
// finds the frame sound must come with a finite flexibility diagonal.
#include <cctype>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <initializer_list>
#include <string>

#include "commands/position_commands.h"
#include "commands/startup.h"
#include "fuzz_support.h"
#include "model/file_io.h"
#include "model/records.h"

namespace {

namespace fs = std::filesystem;

constexpr const char* kName = "001";
constexpr const char* kExtension = ".001";

std::string gDataPath;

[[noreturn]] void Report(const std::string& file, const std::string& what) {
  std::fprintf(stderr, "non-finite number in %s: %s\n", file.c_str(), what.c_str());
  std::abort();
}

template <class T>
void ExpectFinite(T value, const std::string& file, const char* field) {
  if (!std::isfinite(value)) Report(file, field);
}

// Every value of a file that is nothing but doubles (the matrix files).
void ScanDoubles(const std::string& file, const std::string& bytes) {
  for (size_t at = 0; at + sizeof(double) <= bytes.size(); at += sizeof(double)) {
    double value;
    std::memcpy(&value, bytes.data() + at, sizeof value);
    ExpectFinite(value, file, "a matrix entry");
  }
}

// The records of a table file (i16 count, then the records), each handed
// to `check`.
template <class Record, class Check>
void ScanTable(const std::string& bytes, Check check) {
  int16_t count = 0;
  if (bytes.size() < sizeof count) return;
  std::memcpy(&count, bytes.data(), sizeof count);
  for (int row = 0; row < count; ++row) {
    const size_t at = sizeof count + row * sizeof(Record);
    if (at + sizeof(Record) > bytes.size()) return;
    Record record;
    std::memcpy(&record, bytes.data() + at, sizeof record);
    check(record);
  }
}

void ScanFloats(const std::string& file, std::initializer_list<float> values) {
  for (float value : values) ExpectFinite(value, file, "a number field");
}

void ScanBinary(const std::string& stem, const std::string& file, const std::string& bytes) {
  using namespace rerore;
  if (stem == "ELEMENTS")
    ScanTable<ElementRecord>(bytes, [&](const ElementRecord& e) {
      ScanFloats(file, {e.xa, e.za, e.ya, e.xb, e.zb, e.yb, e.axis[0], e.axis[1], e.axis[2],
                        e.axis[3], e.dx, e.dz, e.length, e.angle, e.ea, e.ei});
    });
  else if (stem == "NODES")
    ScanTable<NodeRecord>(bytes, [&](const NodeRecord& n) {
      ScanFloats(file, {n.x, n.z, n.y, n.supportU, n.supportV, n.supportPhi});
    });
  else if (stem == "LKNOTENR")
    ScanTable<SupportRecord>(bytes, [&](const SupportRecord& r) {
      ScanFloats(file, {r.factorU, r.factorV, r.factorPhi});
    });
  else if (stem == "MATR")
    ScanTable<MaterialRecord>(bytes, [&](const MaterialRecord& m) {
      ScanFloats(file, {m.modulus, m.secondConstant});
    });
  else if (stem == "CROSS")
    ScanTable<CrossSectionRecord>(bytes, [&](const CrossSectionRecord& c) {
      ScanFloats(file, {c.width, c.height, c.inertia, c.area, c.defaultOnly});
    });
  else if (stem == "PARAMR" && bytes.size() == sizeof(ModelParameters)) {
    ModelParameters p;
    std::memcpy(&p, bytes.data(), sizeof p);
    ScanFloats(file, {p.rigidStiffness, p.sectionDefaultOnly});
    for (double value : {p.materialConstant, p.tolerance, p.defaultModulus})
      ExpectFinite(value, file, "a parameter");
  } else if (stem == "EXTENSIOR" || stem == "EXTENSIOPOLESR") {
    for (size_t at = 0; at + sizeof(float) <= bytes.size(); at += sizeof(float)) {
      float value;
      std::memcpy(&value, bytes.data() + at, sizeof value);
      ExpectFinite(value, file, "an extent");
    }
  } else if (stem == "FLEXMAX") {
    constexpr size_t kRecord = 2 * sizeof(int32_t) + sizeof(float);
    for (size_t at = 2 * sizeof(int32_t); at + sizeof(float) <= bytes.size(); at += kRecord) {
      float value;
      std::memcpy(&value, bytes.data() + at, sizeof value);
      ExpectFinite(value, file, "a flexibility");
    }
  } else {
    ScanDoubles(file, bytes);  // MATRIX, MATRIXP, MATRIXORI, LU, INVERSE, FLEXDIA
  }
}

// A text file: no word may be a number printed as infinite or NaN ("inf",
// "-nan", "INF", ...; the reports' own word "infinity" is no number). The
// title, the only free text, is empty in these positions.
void ScanText(const std::string& file, const std::string& text) {
  std::string word;
  for (size_t i = 0; i <= text.size(); ++i) {
    const char c = i < text.size() ? text[i] : ' ';
    if (std::isalnum(static_cast<unsigned char>(c)) || c == '.' || c == '+' || c == '-') {
      word += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
      continue;
    }
    const std::string bare = word.find_first_not_of("+-") == std::string::npos
                                 ? std::string()
                                 : word.substr(word.find_first_not_of("+-"));
    if (bare == "inf" || bare == "nan") Report(file, word);
    word.clear();
  }
}

// Binary files without a floating-point field.
bool HoldsOnlyIntegers(const std::string& stem) {
  return stem == "DOFSK" || stem == "GEOMETRY" || stem == "GRAFIKGO";
}

void ScanPosition(const std::string& directory) {
  for (const auto& entry : fs::directory_iterator(directory)) {
    const std::string name = entry.path().filename();
    const std::string file = entry.path();
    const std::string bytes = rerore::ReadFilePrefix(file, SIZE_MAX).value_or("");
    if (!name.ends_with(kExtension)) {
      ScanText(file, bytes);  // the echo file, D1.TXT and the listings
      continue;
    }
    const std::string stem = name.substr(0, name.size() - std::strlen(kExtension));
    if (!HoldsOnlyIntegers(stem)) ScanBinary(stem, file, bytes);
  }
}

// Every entry of a sound frame's flexibility diagonal is a number.
void ExpectFiniteFlexibility(const rerore::PositionPaths& paths) {
  const std::string bytes = rerore::ReadFilePrefix(paths.file("FLEXDIA"), SIZE_MAX).value_or("");
  for (size_t at = 0; at + sizeof(double) <= bytes.size(); at += sizeof(double)) {
    double value;
    std::memcpy(&value, bytes.data() + at, sizeof value);
    if (!std::isfinite(value)) Report(paths.file("FLEXDIA"), "flexibility of a sound frame");
  }
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  gDataPath = rerore::fuzz::ScratchDataPath("rerore-store-fuzz");
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  rerore::Session session;
  session.paths.dataPath = gDataPath;
  session.paths.extension = kExtension;
  rerore::BuildPositionPaths(session.paths, kName);
  // Nothing of the last input may stay: the scan looks at every file.
  std::error_code error;
  fs::remove_all(session.paths.positionDirectory, error);
  fs::create_directories(session.paths.positionDirectory);
  rerore::fuzz::UnpackPosition(session.paths, data, size);
  rerore::fuzz::SilentMessages messages;
  if (rerore::LoadPosition(session, messages) == 0) return 0;
  try {
    const rerore::StoreOutcome outcome =
        rerore::Store(session, messages, [](const std::string&) { return std::nullopt; });
    if (outcome.check.isSound()) ExpectFiniteFlexibility(session.paths);
  } catch (const rerore::ProgramExit&) {
    return 0;  // a matrix file that could not be written ends the program
  }
  ScanPosition(session.paths.positionDirectory);
  return 0;
}
