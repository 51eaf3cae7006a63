// Fuzz target of the echo reader: any bytes as an echo file, read into the
// line store, parsed into a model with its rebuild (which must hold no
// infinity and no NaN), and written back as echo text and dimensions report.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "echo/dimensions_report.h"
#include "echo/echo_lines.h"
#include "echo/echo_reader.h"
#include "echo/echo_writer.h"
#include "finite_model.h"
#include "fuzz_support.h"

namespace {

std::string gDataPath;

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  // The position directory is never created: the table files the reader
  // writes are skipped quietly, which keeps every run fast.
  gDataPath = rerore::fuzz::ScratchDataPath("rerore-echo-fuzz");
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  rerore::Session session;
  session.paths.dataPath = gDataPath;
  session.paths.extension = ".001";
  session.paths.positionName = "001";
  rerore::BuildPositionPaths(session.paths, "001");
  rerore::EchoLineStore store;
  store.fill(std::string_view(reinterpret_cast<const char*>(data), size));
  rerore::fuzz::SilentMessages messages;
  if (store.count() > 0) rerore::ParseEcho(session, messages, store);
  rerore::fuzz::RequireFiniteModel(session);
  rerore::TextOut echo;
  rerore::PrintEcho(echo, session.model);
  rerore::WriteDimensions(session);
  return 0;
}
