#include "check/solver.h"

#include <cmath>
#include <random>

#include "check_fixture.h"
#include "plain_reference.h"

namespace rerore {
namespace {

// Solves every column in panels and compares with the plain column-by-column solve.
void ExpectSameAsPlain(const StiffnessMatrix& k) {
  const int n = k.size();
  std::vector<double> fast(static_cast<size_t>(n) * n + 1, 0.0);
  FlexibilitySolver solver(k);
  fast[1] = 1.0;  // column 1 in place 1..n, the others after it
  const int singular = solver.Solve(fast.data());
  if (singular == 0 && n > 1) solver.SolveUnitColumns(2, n, fast.data() + n + 1);
  int plainSingular = 0;
  const std::vector<double> plain = test::PlainInverse(test::ToDense(k), plainSingular);
  ASSERT_EQ(singular, plainSingular);
  for (size_t i = 0; singular == 0 && i < plain.size(); ++i)
    ASSERT_LE(std::fabs(fast[i + 1] - plain[i]), 1e-12 * std::fabs(plain[i])) << i;
}

class SolverTest : public test::CheckFixture {};

TEST_F(SolverTest, ColumnsAreThoseOfTheStraightforwardSolve) {
  for (int storey = 0; storey < 2; ++storey) {  // three bays, two storeys, hinged beams
    for (int c = 0; c < 4; ++c) Add(5.0f * c, 3.5f * storey, 5.0f * c, 3.5f * storey + 3.5f);
    for (int c = 0; c < 3; ++c)
      Add(5.0f * c, 3.5f * storey + 3.5f, 5.0f * c + 5, 3.5f * storey + 3.5f, 1, c % 2);
  }
  Rebuild();
  for (int node : {1, 3, 5, 7}) Support(node, 1, 0.7f, node == 1);
  ExpectSameAsPlain(Assembled());
  for (int node : {1, 3, 5, 7}) Support(node, 1.0e-6f, 1.0e-6f, 0);  // more refinement
  ExpectSameAsPlain(Assembled());

  std::mt19937 random(11);
  std::uniform_real_distribution<double> value(-1.0, 1.0);
  for (int n : {1, 9, 40}) {
    StiffnessMatrix k(n);
    for (int i = 1; i <= n; ++i) {
      for (int j = i + 1; j <= n; ++j)
        if (value(random) > 0.3) k(i, j) = k(j, i) = 1.0e4 * value(random);
      k(i, i) = 1.0e5 * (2.0 + value(random));
    }
    ExpectSameAsPlain(k);
  }
}

TEST_F(SolverTest, ZeroFirstPivotIsSwappedOnceAndEveryColumnReusesTheSwap) {
  StiffnessMatrix k(3);
  k(1, 2) = k(2, 1) = 4.0;
  k(2, 2) = 1.0;
  k(2, 3) = k(3, 2) = 2.0;
  k(3, 3) = 8.0;
  ExpectSameAsPlain(k);
  FlexibilitySolver solver(k);
  double unit[4] = {0.0, 1.0, 0.0, 0.0};
  ASSERT_EQ(solver.Solve(unit), 0);
  double b[4] = {0.0, 1.0, -2.0, 3.0};  // any right-hand side, on the kept factors
  ASSERT_EQ(solver.Solve(b), 0);
  const PivotRecord& p = solver.pivots();
  EXPECT_TRUE(p.pivotSwapped && p.swappedWith[1] == 2 && p.swappedWith[2] == 0);
  EXPECT_NEAR(4.0 * b[2], 1.0, 1e-12);
  EXPECT_NEAR(4.0 * b[1] + b[2] + 2.0 * b[3], -2.0, 1e-12);
  EXPECT_NEAR(2.0 * b[2] + 8.0 * b[3], 3.0, 1e-12);
}

TEST_F(SolverTest, PivotThatIsNotANumberIsNoUsablePivot) {
  StiffnessMatrix k(2);
  k(1, 1) = std::nan("");
  k(2, 2) = 1.0;
  PivotRecord pivots;
  double b[3] = {0.0, 1.0, 0.0};
  EXPECT_EQ(Factorise(k, pivots, b), 1);
}

}  // namespace
}  // namespace rerore
