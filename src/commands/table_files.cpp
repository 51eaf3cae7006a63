#include "commands/table_files.h"

#include <filesystem>
#include <system_error>

namespace rerore {

void EnsurePositionDirectory(const PositionPaths& paths) {
  std::error_code error;
  std::filesystem::create_directories(paths.positionDirectory, error);
}

}  // namespace rerore
