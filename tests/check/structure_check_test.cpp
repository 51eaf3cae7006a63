#include "check/structure_check.h"

#include <algorithm>
#include <cmath>

#include "check/equation_names.h"
#include "check/flexibility_ranking.h"
#include "check_fixture.h"

namespace rerore {
namespace {

using test::ValuesOf;

const std::string kStiffness =
    std::string(kApplicationTitle) + ": Error in the stiffness of element 1. Check E, A and I";

class StructureCheckTest : public test::CheckFixture {
 protected:
  // F(i, j) from INVERSE: column j is the answer to a unit load on j.
  double F(size_t i, size_t j) const {
    return ValuesOf<double>(File("INVERSE")).at((j - 1) * Equations() + (i - 1));
  }
  void MakeStaleResults() {
    for (const char* stem : {"INVERSE", "FLEXDIA", "FLEXMAX"})
      test::WriteFile(session.paths.file(stem), "stale");
    test::WriteFile(session.paths.plainFile("FLEXMAX.TXT"), "stale");
  }
  void ExpectNoResults() const {
    for (const char* stem : {"INVERSE", "FLEXDIA", "FLEXMAX"}) EXPECT_FALSE(HasFile(stem)) << stem;
    EXPECT_FALSE(test::Exists(session.paths.plainFile("FLEXMAX.TXT")));
  }
};

TEST_F(StructureCheckTest, CantileverTipFlexibilityIsTheBeamFormulaPlusTheSpringsAndItsListings) {
  Frame({{0, 0, 4, 0}}, {{1, 1, 1, 1}});  // clamped at node 1 by springs of 1.0e6
  ASSERT_EQ(Check(), CheckOutcome::sound());
  // L^3 / (3 EI), plus the settlement 1/k and the rotation's share L^2/k.
  const double expected = 64.0 / 3.0e4 + 17.0 / 1.0e6;
  EXPECT_NEAR(F(5, 5), expected, 1e-9 * expected);
  EXPECT_NE(Plain("FLEXMAX.TXT").find("min\r\n\r\n6     5   2.150E-03  uy at Node 2\r\n"),
            std::string::npos);
  EXPECT_EQ(Plain("DEFSUP.TXT"), "Support stiffness = 1.000E+06");
  EXPECT_EQ(Plain("MATH_KMATRIX.TXT"),
            "1: 1250000.00  0.00  0.00  -250000.00  0.00  0.00  \r\n\r\n"
            "2: 0.00  1001875.00  -3750.00  0.00  -1875.00  -3750.00  \r\n\r\n"
            "3: 0.00  -3750.00  1010000.00  0.00  3750.00  5000.00  \r\n\r\n"
            "4: -250000.00  0.00  0.00  250000.00  0.00  0.00  \r\n\r\n"
            "5: 0.00  -1875.00  3750.00  0.00  1875.00  3750.00  \r\n\r\n"
            "6: 0.00  -3750.00  5000.00  0.00  3750.00  10000.00  \r\n\r\n");
}

TEST_F(StructureCheckTest, SimplySupportedBeamOnSpringsAtMidSpan) {
  Frame({{0, 0, 3, 0}, {3, 0, 6, 0}}, {{1, 1, 0.01f, 0}, {3, 0, 0.01f, 0}});
  ASSERT_EQ(Check(), CheckOutcome::sound());
  const int v = model.nodes[2].dofV;
  // L^3 / (48 EI), and the mean of the two springs' settlements, 1 / (2k).
  const double expected = 216.0 / 48.0e4 + 0.5 / static_cast<double>(0.01f * 1.0e6f);
  EXPECT_NEAR(F(v, v), expected, 1e-9 * expected);
}

// MATRIX(ORI) and MATRIXP hold K, LU its factors, INVERSE its inverse.
TEST_F(StructureCheckTest, MatrixFilesHoldTheMatrixItsFactorsAndItsInverse) {
  Frame({{0, 0, 0, 3}, {0, 3, 5, 4, 1, 0}, {5, 4, 10, 3, 0, 1}, {10, 3, 10, 0}, {5, 4, 5, 0, 1, 0}},
        {{1, 1, 1, 1}, {5, 1, 1, 0}, {6, 0.5f, 1, 0}});
  ASSERT_EQ(Check(), CheckOutcome::sound());
  const size_t n = Equations();
  const std::vector<double> rows = ValuesOf<double>(File("MATRIX")),
                            k = ValuesOf<double>(File("MATRIXP")),
                            lu = ValuesOf<double>(File("LU")),
                            diagonal = ValuesOf<double>(File("FLEXDIA"));
  ASSERT_EQ(std::vector<size_t>({rows.size(), k.size(), lu.size(), diagonal.size()}),
            std::vector<size_t>({n * (n + 1), n * n, n * (n + 1), n}));
  EXPECT_EQ(File("MATRIXORI"), File("MATRIX"));
  EXPECT_EQ(File("FLEXMAX").size(), 12u * n);  // its records: see the ranking below
  const double largest = *std::max_element(diagonal.begin(), diagonal.end());
  // File row r of LU is column r of the factors; unit L times U is K again.
  auto factor = [&](size_t i, size_t j) { return lu[(j - 1) * (n + 1) + i]; };
  for (size_t i = 1; i <= n; ++i) {
    EXPECT_EQ(rows[(i - 1) * (n + 1)], 0.0);  // the unused place 0
    EXPECT_EQ(diagonal[i - 1], F(i, i));
    for (size_t j = 1; j <= n; ++j) {
      EXPECT_EQ(rows[(i - 1) * (n + 1) + j], k[(i - 1) * n + j - 1]);
      double sum = 0.0, product = 0.0;  // (L U)(i, j) and (K F)(i, j)
      for (size_t m = 1; m <= std::min(i, j); ++m)
        sum += (m == i ? 1.0 : factor(i, m)) * factor(m, j);
      for (size_t m = 1; m <= n; ++m) product += k[(i - 1) * n + (m - 1)] * F(m, j);
      EXPECT_NEAR(sum, k[(i - 1) * n + j - 1], 1e-3) << i << "," << j;
      EXPECT_NEAR(product, i == j ? 1.0 : 0.0, 1e-9) << i << "," << j;
      EXPECT_NEAR(F(i, j), F(j, i), 1e-9 * largest) << i << "," << j;
    }
  }
}

TEST_F(StructureCheckTest, MechanismIsSingularAndLeavesNoResults) {
  Frame({{0, 0, 0, 3}}, {{1, 1, 1, 0}});
  MakeStaleResults();
  EXPECT_EQ(Check(), CheckOutcome::mechanismAt(6));
  EXPECT_EQ(session.check.outcome, CheckOutcome::mechanismAt(6));
  // The solver's row on the first line; what that unknown is on the second.
  EXPECT_EQ(messages.texts(),
            std::vector<std::string>{"Error: Singularity in row 6\nEquation 6 is the rotation "
                                     "of node 2: the frame can move there."});
  ExpectNoResults();
  EXPECT_TRUE(HasFile("MATRIX"));
}

TEST_F(StructureCheckTest, ModelsTheCheckCannotTakeAreRefused) {
  for (int k = 0; k < 11; ++k)
    Add(0.0f, 0.0f, 5.0f * std::cos(0.5f * k), 5.0f * std::sin(0.5f * k));
  Rebuild();
  const struct {
    int elements, equations;
    float modulus;
    std::string message;
  } cases[] = {{11, 0, 1.0e4f, "Error: Too many elements at node 1, max = 10"},
               {1, 601, 1.0e4f, "Error: Too many equations 601, max = 600"},
               {1, 0, 0.0f, kStiffness},
               {0, 0, 1.0e4f, "Error: No elements: there is nothing to check."}};
  for (const auto& c : cases) {
    model.params.elementCount = static_cast<int16_t>(c.elements);
    if (c.equations > 0) model.params.setEquationCount(static_cast<int16_t>(c.equations));
    model.materials[1].modulus = c.modulus;
    MakeStaleResults();
    messages.messages.clear();
    EXPECT_EQ(Check(), CheckOutcome::refused());
    EXPECT_EQ(session.check.outcome, CheckOutcome::refused());
    EXPECT_EQ(messages.texts(), std::vector<std::string>{c.message});
    ExpectNoResults();
    EXPECT_FALSE(HasFile("MATRIX"));
    model.params.setEquationCount(6);
  }
}

// Values no bar can have, or whose products overflow, are refused, never sound.
TEST_F(StructureCheckTest, StiffnessThatIsNotFiniteOrNotPositiveIsRefused) {
  const std::string& stiffness = kStiffness;
  const std::string matrix = std::string("Error: ") + kNotFiniteMatrixText;
  const float inf = HUGE_VALF;
  const struct {
    float modulus, area, inertia, xb;
    std::string message;
  } cases[] = {
      {1.0e4f, -0.15f, 1.0f, 4.0f, stiffness},     // a negative area
      {-1.0e4f, -100.0f, -1.0f, 4.0f, stiffness},  // signs that cancel in EA and EI
      {-inf, 100.0f, 1.0f, 4.0f, stiffness},      {1.0e4f, 100.0f, std::nanf(""), 4.0f, stiffness},
      {1.0e30f, 0.1f, 1.0e10f, 4.0f, stiffness},  // E I does not fit the element's record
      {3.0e38f, 100.0f, 1.0f, 4.0f, stiffness},   // and E A neither
      {1.0e4f, 100.0f, 1.0f, 3.0e38f, matrix},    // the end points are not a length
  };
  for (const auto& c : cases) {
    model.params.elementCount = 0;
    Add(-c.xb, 0.0f, c.xb, 0.0f);
    model.materials[1].modulus = c.modulus;
    model.crossSections[1].area = c.area;
    model.crossSections[1].inertia = c.inertia;
    WriteCrossSectionsFile(session.paths, model);
    Rebuild();
    Support(1, 1.0f, 1.0f, 1.0f);
    MakeStaleResults();
    messages.messages.clear();
    EXPECT_EQ(Check(), CheckOutcome::refused()) << c.message;
    EXPECT_EQ(messages.texts(), std::vector<std::string>{c.message});
    ExpectNoResults();
  }
}

TEST_F(StructureCheckTest, RowsBeyondTheTablesCountsAreNoMaterialOrSection) {
  Frame({{0, 0, 4, 0}}, {{1, 1, 1, 1}});
  // Rows 2 hold the values of an older, longer table.
  model.materials[2] = model.materials[1];
  model.crossSections[2] = model.crossSections[1];
  for (const bool material : {true, false}) {
    model.elements[1].material = material ? 2 : 1;
    model.elements[1].crossSection = material ? 1 : 2;
    messages.messages.clear();
    EXPECT_EQ(Check(), CheckOutcome::refused()) << material;
    EXPECT_EQ(messages.texts(), std::vector<std::string>{kStiffness});
  }
}

// Largest first (ties: higher equation); a hinge rotation repeats the line before.
TEST_F(StructureCheckTest, FlexibilityRankingNamesEachNodeAHingeRotationRepeatsTheLineBefore) {
  // Node 2 joins a hinged and a rigid end: u 4, v 5, phi 6 (hinged end), 7.
  Frame({{0, 0, 3, 0, 0, 1}, {3, 0, 6, 0}});
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

class EquationNamesTest : public test::CheckFixture {
 protected:
  std::string Name(int equation) { return DescribeUnknown(MeaningOfEquation(model, equation)); }
};

// Beam hinged at both ends: the posts' heads have a rotation of their own.
TEST_F(EquationNamesTest, HingedPortalNamesNodesAndHingedEnds) {
  Frame({{0, 0, 0, 4}, {0, 4, 6, 4, 1, 1}, {6, 4, 6, 0}});
  ASSERT_EQ(Equations(), 14);
  EXPECT_EQ((std::vector<std::string>{Name(1), Name(5), Name(6), Name(7), Name(10)}),
            (std::vector<std::string>{
                "the horizontal displacement u of node 1", "the vertical displacement v of node 2",
                "the rotation of the left end of element 2 at node 2", "the rotation of node 2",
                "the rotation of the right end of element 2 at node 3"}));
  // The status bar's short form of the same.
  EXPECT_EQ(std::tuple(ShortMotion(model, 1), ShortMotion(model, 10)),
            std::tuple("node 1 can move in u", "the right end of element 2 can rotate at node 3"));
  for (int outside : {0, 15, -1}) {
    EXPECT_FALSE(MeaningOfEquation(model, outside).known()) << outside;
    EXPECT_EQ(SingularityExplanation(model, outside), "") << outside;
  }
  model = ModelTables{};  // a hinged free end has only the element's rotation
  Frame({{0, 0, 5, 0, 0, 1}});
  EXPECT_EQ(SingularityExplanation(model, 6),
            "Equation 6 is the rotation of the right end of element 1 at node 2: the frame can "
            "move there.");
}

}  // namespace
}  // namespace rerore
