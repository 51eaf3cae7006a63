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

}  // namespace
}  // namespace rerore
