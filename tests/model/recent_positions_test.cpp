#include "model/recent_positions.h"

#include <tuple>

#include "support/test_support.h"

namespace rerore {
namespace {

TEST(RecentPositions, LatestFirstWithoutTwiceAndAtMostEight) {
  std::vector<RecentPosition> list;
  for (int i = 1; i <= 10; ++i) PutFirst(list, {Format("%03i", i), "/data/"});
  PutFirst(list, {"005", "/data/"});
  ASSERT_EQ(list.size(), 8u);
  EXPECT_EQ(std::tuple(list[0].name, list[1].name, list[7].name), std::tuple("005", "010", "003"));
  PutFirst(list, {"005", "/other data/"});  // the same name elsewhere is another position
  EXPECT_EQ(std::tuple(list[0].folder(), list[1].folder()),
            std::tuple("/other data/SDIR005", "/data/SDIR005"));
}

TEST(RecentPositions, KeptInTheSettingsDirectory) {
  test::SettingsHome home;
  test::TempDir data;
  Session s;
  test::UsePosition(s, data.path(), "001");
  ASSERT_EQ(s.paths.settingsDirectoryPresent, 1);
  EXPECT_TRUE(ReadRecentPositions(s.paths).empty());
  const std::vector<RecentPosition> list = {{"002", "/a b/"}, {"001", data.path()}};
  ASSERT_TRUE(WriteRecentPositions(s.paths, list));
  EXPECT_EQ(test::ReadFile(home.dir() / "VELTRANIX/RECENTPOS"),
            "002\t/a b/\r\n001\t" + data.path() + "\r\n");
  EXPECT_EQ(ReadRecentPositions(s.paths), list);
  // Lines without a name or a path are left out.
  test::WriteFile(home.dir() / "VELTRANIX/RECENTPOS", "003\t/x/\n\t/y/\n004\n005\t/z/\n");
  EXPECT_EQ(ReadRecentPositions(s.paths),
            (std::vector<RecentPosition>{{"003", "/x/"}, {"005", "/z/"}}));
}

}  // namespace
}  // namespace rerore
