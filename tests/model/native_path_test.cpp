#include "model/native_path.h"

#ifdef _WIN32
#define WIN32_LEAN_AND_MEAN
#include <windows.h>
#endif

#include "model/file_io.h"
#include "support/test_support.h"

namespace rerore {
namespace {

namespace fs = std::filesystem;

// "Übung" and "Ä€.001" in Windows-1252 (€ differs from Latin-1).
const std::string kFolder = std::string("\xDC") + "bung";
const std::string kFile = "\xC4\x80.001";

TEST(NativePath, NamesInTheWindowsCodePageKeepTheirCharacters) {
  test::TempDir dir;
  const std::string folder = dir / kFolder + test::kSeparator;
  ASSERT_TRUE(fs::create_directory(NativePath(folder)));
  ASSERT_TRUE(WriteFileAtomically(folder + kFile, "old"));
  ASSERT_TRUE(WriteFileAtomically(folder + kFile, "new"));  // replaces the existing file
  EXPECT_EQ(ReadFilePrefix(folder + kFile, 16), "new");
  EXPECT_EQ(test::ListDirectory(dir.path()), std::vector<std::string>{kFolder});
  EXPECT_EQ(test::ListDirectory(folder), std::vector<std::string>{kFile});
#ifdef _WIN32
  if (GetACP() != 1252) GTEST_SKIP() << "the ANSI code page is " << GetACP() << ", not 1252";
  // What every other Windows program sees: the Unicode names.
  const fs::path wide = NativePath(dir.path()) / L"\u00DCbung" / L"\u00C4\u20AC.001";
  EXPECT_TRUE(fs::is_regular_file(wide)) << PathText(wide);
#endif
}

// 270 characters: longer than the classic Windows calls take.
TEST(NativePath, PathsBeyondTheClassicWindowsLimit) {
  test::TempDir dir;
  std::string folder = dir.path();
  while (folder.size() < 200) folder += std::string(40, 'd') + test::kSeparator;
  ASSERT_TRUE(fs::create_directories(NativePath(folder)));
  const std::string file = folder + std::string(270 - folder.size(), 'f');
  ASSERT_TRUE(WriteFileAtomically(file, "long"));
  ASSERT_TRUE(WriteFileAtomically(file, "longer"));
  EXPECT_EQ(ReadFilePrefix(file, 16), "longer");
  EXPECT_TRUE(fs::is_regular_file(NativePath(file)));
  RemoveFile(file);
  EXPECT_FALSE(FileReadable(file));
  EXPECT_TRUE(test::ListDirectory(folder).empty());
}

}  // namespace
}  // namespace rerore
