// Fuzz target of the binary position loader. The input is a packed
// position (fuzz_support.h): its files are written into a position
// directory, the position is loaded as at start-up, rebuilt (the model
// holding no infinity and no NaN after either step), and its echo file
// with all companion files written.
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

constexpr const char* kName = "001";

std::string gDataPath;

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
  rerore::fuzz::UnpackPosition(session.paths, data, size);
  rerore::RemoveFile(session.paths.echoFile());
  rerore::fuzz::SilentMessages messages;
  if (rerore::LoadPosition(session, messages) == 0) return 0;
  rerore::fuzz::RequireFiniteModel(session);
  rerore::RebuildModel(session, messages);
  rerore::fuzz::RequireFiniteModel(session);
  rerore::WriteEcho(session, session.paths.echoFile());
  return 0;
}
