// Preloaded into the kill test's reference runs: every file renamed into place is
// copied to $RERORE_CAPTURE_DIR/<target>#<serial>; a removal leaves <name>#<serial>#removed.
#include <dlfcn.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>

namespace {

// The capture file for the file at `path`; empty when nothing is captured.
std::string CapturePath(const char* path, const char* suffix = "") {
  const char* directory = std::getenv("RERORE_CAPTURE_DIR");
  if (!directory) return "";
  static int serial = 0;
  const std::string target(path);
  return std::string(directory) + "/" + target.substr(target.find_last_of('/') + 1) + "#" +
         std::to_string(serial++) + suffix;
}

}  // namespace

extern "C" int rename(const char* from, const char* to) {
  using Rename = int (*)(const char*, const char*);
  static const Rename next = reinterpret_cast<Rename>(dlsym(RTLD_NEXT, "rename"));
  if (const std::string copy = CapturePath(to); !copy.empty()) {
    std::ifstream in(from, std::ios::binary);
    std::ofstream(copy, std::ios::binary) << in.rdbuf();
  }
  return next(from, to);
}

extern "C" int remove(const char* path) {
  using Remove = int (*)(const char*);
  static const Remove next = reinterpret_cast<Remove>(dlsym(RTLD_NEXT, "remove"));
  if (const std::string mark = CapturePath(path, "#removed"); !mark.empty()) std::ofstream{mark};
  return next(path);
}
