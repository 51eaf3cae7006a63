// Fuzz target of the binary position loader. The input is a packed
// position: for each of the files below a 16-bit little-endian length and
// that many bytes (the length 0xFFFF: the file is missing). The files are
// written into a position directory, the position is loaded as at
// start-up, rebuilt (the model holding no infinity and no NaN after either
// step), and its echo file with all companion files written.
#include <array>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>

#include "check/rebuild.h"
#include "commands/startup.h"
#include "echo/echo_writer.h"
#include "finite_model.h"
#include "fuzz_support.h"
#include "model/file_io.h"

namespace {

constexpr std::array<const char*, 8> kPackedFiles = {"PARAMR", "ELEMENTS", "NODES",     "LKNOTENR",
                                                     "CROSS",  "MATR",     "EXTENSIOR", "GEOMETRY"};
constexpr uint16_t kMissingFile = 0xFFFF;
constexpr const char* kName = "001";

std::string gDataPath;

// Writes the packed files; what the input does not reach stays missing.
void Unpack(const rerore::PositionPaths& paths, const uint8_t* data, size_t size) {
  size_t at = 0;
  for (const char* name : kPackedFiles) {
    const std::string path = paths.file(name);
    rerore::RemoveFile(path);
    if (at + 2 > size) continue;
    const uint16_t length = static_cast<uint16_t>(data[at] | data[at + 1] << 8);
    at += 2;
    if (length == kMissingFile) continue;
    const size_t take = std::min<size_t>(length, size - at);
    rerore::WriteFileAtomically(path, std::string(reinterpret_cast<const char*>(data + at), take));
    at += take;
  }
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  gDataPath = rerore::fuzz::ScratchDataPath("rerore-position-fuzz");
  std::filesystem::create_directories(gDataPath + "SDIR" + kName);
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  rerore::Session session;
  session.paths.dataPath = gDataPath;
  session.paths.extension = std::string(".") + kName;
  rerore::BuildPositionPaths(session.paths, kName);
  Unpack(session.paths, data, size);
  rerore::RemoveFile(session.paths.echoFile());
  rerore::fuzz::SilentMessages messages;
  if (rerore::LoadPosition(session, messages) == 0) return 0;
  rerore::fuzz::RequireFiniteModel(session);
  rerore::RebuildModel(session, messages);
  rerore::fuzz::RequireFiniteModel(session);
  rerore::WriteEcho(session, session.paths.echoFile());
  return 0;
}
