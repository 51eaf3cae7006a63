#include "tables/core/table_files.h"

#include <filesystem>
#include <system_error>

namespace rerore {

void EnsurePositionDirectory(const PositionPaths& paths) {
  std::error_code error;
  std::filesystem::create_directories(paths.positionDirectory, error);
}

bool RowsWithoutGaps(int gapRow, UserMessages& messages) {
  if (gapRow == 0) return true;
  messages.message(Format("Row %i is incomplete", gapRow), "Error");
  return false;
}

}  // namespace rerore
