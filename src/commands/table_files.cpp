#include "commands/table_files.h"

#include <filesystem>
#include <system_error>

#include "model/native_path.h"

namespace rerore {

void EnsurePositionDirectory(const PositionPaths& paths) {
  std::error_code error;
  std::filesystem::create_directories(NativePath(paths.positionDirectory), error);
}

}  // namespace rerore
