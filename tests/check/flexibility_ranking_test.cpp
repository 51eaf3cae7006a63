#include "check/flexibility_ranking.h"

#include <gtest/gtest.h>

#include "check_fixture.h"

namespace rerore {
namespace {

TEST(FlexibilityRanking, LargestFirstAndOfEqualValuesTheHigherEquation) {
  EXPECT_EQ(RankDescending({0.0f, 1.0f, 3.0f, 3.0f, 2.0f}), (std::vector<int>{3, 2, 4, 1}));
  EXPECT_EQ(RankDescending({0.0f, -1.0f, 0.5f, 4.0f, 0.5f, -2.0f}),
            (std::vector<int>{3, 4, 2, 1, 5}));
  EXPECT_EQ(RankDescending({0.0f}), std::vector<int>{});
}

class FlexibilityFiles : public test::CheckFixture {};

TEST_F(FlexibilityFiles, EveryLineNamesItsNodeAndAHingeRotationRepeatsTheLineBefore) {
  // Node 2 joins a hinged and a rigid end: u 4, v 5, phi 6 (hinged end), 7.
  Add(0.0f, 0.0f, 3.0f, 0.0f, 0, 1);
  Add(3.0f, 0.0f, 6.0f, 0.0f);
  Rebuild();
  ASSERT_EQ(model.nodes[2].dofPhi[2], 7);
  std::vector<float> values(11);
  for (int e = 1; e <= 10; ++e) values[e] = 0.001f * e;
  values[7] = 0.5f;  // first, with no line before it
  values[4] = 0.25f;
  values[3] = 0.001f;  // equal to equation 1's value
  WriteFlexibilityRanking(session.paths, model, values);
  EXPECT_EQ(Plain("FLEXMAX.TXT"),
            "Entries on the diagonal of the inverse (= flexibility matrix) from max --> min\r\n\r\n"
            "10     7   5.000E-01  \r\n"
            "9     4   2.500E-01  ux at Node 2\r\n"
            "8    10   1.000E-02  phi at Node 3\r\n"
            "7     9   9.000E-03  uy at Node 3\r\n"
            "6     8   8.000E-03  ux at Node 3\r\n"
            "5     6   6.000E-03  phi at Node 2\r\n"
            "4     5   5.000E-03  uy at Node 2\r\n"
            "3     2   2.000E-03  uy at Node 1\r\n"
            "2     3   1.000E-03  phi at Node 1\r\n"
            "1     1   1.000E-03  ux at Node 1\r\n");
  values[5] = 1.0f;  // now uy at node 2 comes right before the hinge rotation
  WriteFlexibilityRanking(session.paths, model, values);
  EXPECT_NE(Plain("FLEXMAX.TXT").find("9     7   5.000E-01  uy at Node 2\r\n"), std::string::npos);
  const std::string records = File("FLEXMAX");
  ASSERT_EQ(records.size(), 120u);
  EXPECT_EQ(test::ValuesOf<int32_t>(records.substr(0, 8)), (std::vector<int32_t>{2, 5}));
  EXPECT_EQ(test::ValuesOf<int32_t>(records.substr(12, 8)), (std::vector<int32_t>{2, 7}));
  EXPECT_EQ(test::ValuesOf<float>(records.substr(20, 4)), std::vector<float>{0.5f});
}

}  // namespace
}  // namespace rerore
