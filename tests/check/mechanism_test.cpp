#include "check/mechanism.h"

#include <bit>
#include <cfloat>
#include <cmath>
#include <cstdio>
#include <limits>
#include <random>
#include <tuple>

#include "check/matrix_text.h"
#include "check_fixture.h"
#include "plain_reference.h"

namespace rerore {
namespace {

class MechanismTest : public test::CheckFixture {
 protected:
  // Marks the earlier results, so that a test sees what the analysis changed.
  void Analyse() {
    for (Pole& p : session.check.poleTable) p = Pole{-7.0f, -8.0f, 5};
    session.check.kinematicVector.fill(-99.0);
    AnalyseMechanism(session, Assembled());
  }
  void ExpectPole(int element, float x, float y) const {
    const Pole& p = session.check.poleTable[element];
    EXPECT_TRUE(!p.atInfinity && std::fabs(p.x - x) < 1e-4 && std::fabs(p.y - y) < 1e-4)
        << element << ": " << p.atInfinity << " " << p.x << " " << p.y;
  }
  // Post (0, 0)-(0, h), link hinged at both ends to (x, h), post to (foot, 0); pinned feet.
  void PostsAndHingedLink(float h, float x, float foot) {
    Frame({{0, 0, 0, h}, {0, h, x, h, 1, 1}, {x, h, foot, 0}}, {{1, 1, 1, 0}, {4, 1, 1, 0}});
  }
  bool HasLine(const std::string& line) const {
    return Plain("MATH_UKINEMATIC.TXT").find(line + "\r\n") != std::string::npos;
  }
};

TEST_F(MechanismTest, SimplySupportedBeamIsNoMechanism) {
  Frame({{0, 0, 5, 0}}, {{1, 1, 1, 0}, {2, 0, 1, 0}});
  Analyse();
  EXPECT_FALSE(test::Exists(session.paths.plainFile("MATH_UKINEMATIC.TXT")));
  EXPECT_EQ(session.check.kinematicVector[1], -99.0);
  EXPECT_EQ(session.check.poleTable[1].atInfinity, 5);
}

TEST_F(MechanismTest, BeamOnTwoRollersOnlyTranslates) {
  Frame({{0, 0, 3, 0}, {3, 0, 6, 0}}, {{1, 0, 1, 0}, {3, 0, 1, 0}});
  Analyse();
  for (int e = 1; e <= 2; ++e)  // at infinity, the old point kept
    EXPECT_EQ(std::tuple(session.check.poleTable[e].atInfinity, session.check.poleTable[e].x),
              std::tuple(1, -7.0f));
  // The elimination meets the zero pivot at node 3's u; every u moves by 1.
  EXPECT_EQ(Plain("MATH_UKINEMATIC.TXT")
                .find("First eigenvector, from column 7 in the echelon matrix, entries are "
                      "displacements of nodes\r\n\r\n 1    1.00\r\n"),
            0u);
  const auto& mode = session.check.kinematicVector;
  for (int node = 1; node <= 3; ++node)
    EXPECT_LT(std::fabs(mode[Node(node).dofU] - 1.0) + std::fabs(mode[Node(node).dofV]), 1e-9);
  for (const char* line :
       {"Element does not rotate, pole lies on a line normal to the element at infinity",
        "Number of nodes = 3 Number of elements = 2  Number of equations = 9\r\n"})
    EXPECT_TRUE(HasLine(line)) << line;
}

TEST_F(MechanismTest, PinnedColumnTurnsAboutItsFootWhicheverEndItIs) {
  // Feet: the left end of 1 (node 1), the right end of 2 (node 4); 2 held at its head.
  Frame({{0, 0, 0, 3}, {5, 3, 5, 0}}, {{1, 1, 1, 0}, {4, 1, 1, 0}, {3, 1, 0, 0}});
  Analyse();
  ExpectPole(1, 0.0f, 0.0f);
  // The head moves 3 m against +x per unit turn.
  for (const char* line :
       {"---> Pole at left node x = 0.00 y = 0.00", " 4   -3.00",
        "Element 1  Node L = 1  Node R = 2", "Right dof u = 4 dof v = 5 dof phi = 6 "})
    EXPECT_TRUE(HasLine(line)) << line;

  Support(1, 1, 1, 1);  // now only the second one can turn
  Support(3, 0, 0, 0);
  Analyse();
  ExpectPole(2, 5.0f, 0.0f);
  EXPECT_TRUE(HasLine("---> Pole at right node x = 5.00 y = 0.00"));
}

// The link turns about the crossing of the posts' lines x = 0 and (6, 0)-(4, 4).
TEST_F(MechanismTest, LinkOfAFourBarChainTurnsAboutTheCrossingOfThePosts) {
  PostsAndHingedLink(4.0f, 4.0f, 6.0f);
  Analyse();
  ExpectPole(2, 0.0f, 12.0f);
  EXPECT_TRUE(HasLine("---> Pole x = 0.00 y = 12.00"));
}

TEST_F(MechanismTest, PortalWithHingedBeamSwaysAboutTheFeetAndKeepsItsMatrix) {
  PostsAndHingedLink(3.0f, 6.0f, 6.0f);  // posts of 3 m, the beam hinged to both heads
  StiffnessMatrix checked(Equations());
  ASSERT_EQ(AssembleAndCheck(session, checked, messages), 1);
  ExpectPole(1, 0.0f, 0.0f);
  ExpectPole(3, 6.0f, 0.0f);
  EXPECT_EQ(session.check.poleTable[2].atInfinity, 1);
  const auto& u = session.check.kinematicVector;
  EXPECT_NEAR(u[model.nodes[2].dofU], -3.0, 1e-9);  // per unit turn of the right post
  EXPECT_NEAR(u[model.nodes[3].dofU], -3.0, 1e-9);
  EXPECT_EQ(checked.rowsImage(), Assembled().rowsImage());
  std::vector<std::string> written;  // and no scratch file is left
  for (const std::string& name : test::ListDirectory(session.paths.positionDirectory))
    if (name.find(".001") == std::string::npos) written.push_back(name);
  EXPECT_EQ(written, (std::vector<std::string>{"DEFSUP.TXT", "MATH_KMATRIX.TXT", "MATH_RREF.TXT",
                                               "MATH_TRIANGULAR.TXT", "MATH_UKINEMATIC.TXT"}));
}

// The listings and the mode equal those of the whole-row loops byte for byte.
void ExpectSameAsPlain(Session& s, const StiffnessMatrix& k) {
  const test::PlainEchelon plain = test::PlainEchelonReduction(test::ToDense(k));
  AnalyseMechanism(s, k);
  EXPECT_EQ(test::ReadFile(s.paths.plainFile("MATH_KMATRIX.TXT")), plain.kmatrix);
  EXPECT_EQ(test::ReadFile(s.paths.plainFile("MATH_TRIANGULAR.TXT")), plain.triangular);
  EXPECT_EQ(test::ReadFile(s.paths.plainFile("MATH_RREF.TXT")), plain.rref);
  for (int i = 1; plain.zeroPivots > 0 && i <= k.size(); ++i)
    EXPECT_EQ(s.check.kinematicVector[i], plain.mode[i]) << i;
}

TEST_F(MechanismTest, ReductionIsThatOfTheWholeRowLoops) {
  for (int storey = 0; storey < 2; ++storey) {  // two storeys, hinged beams, no supports
    for (int c = 0; c < 3; ++c) Add(4.0f * c, 3.0f * storey, 4.0f * c, 3.0f * storey + 3.0f);
    for (int c = 0; c < 2; ++c)
      Add(4.0f * c, 3.0f * storey + 3, 4.0f * c + 4, 3.0f * storey + 3, 1, c);
  }
  Rebuild();
  ExpectSameAsPlain(session, Assembled());
  std::mt19937 random(7);  // zero pivots, zero entries, both signs, small pivots
  std::uniform_real_distribution<double> value(-5.0, 5.0);
  for (int n : {2, 12, 30}) {
    model.params.setEquationCount(static_cast<int16_t>(n));
    StiffnessMatrix m(n);
    for (int i = 1; i <= n; ++i)
      for (int j = i; j <= n; ++j)
        if (value(random) > 2.0 || i == j)
          m(i, j) = m(j, i) = value(random) > 0 ? 0.0 : value(random);
    m(1, 1) = 0.0;
    m(n, n) = 0.5;  // counts as a zero pivot, yet is no free column
    ExpectSameAsPlain(session, m);
  }
}

TEST_F(MechanismTest, PolesWidenTheDrawingExtentUnlessTheFileCannotBeWritten) {
  Add(0.0f, 0.0f, 10.0f, 0.0f);
  Add(10.0f, 0.0f, 10.0f, 5.0f);
  session.check.poleTable[1] = Pole{25.0f, 2.0f, 0};
  session.check.poleTable[2] = Pole{3.0f, -1.0f, 1};  // counts although at infinity
  WritePolesExtent(session);
  const DrawingExtents& e = session.view.extents;
  EXPECT_EQ(std::vector<float>({e.xmin, e.ymin, e.xmax, e.ymax}),
            std::vector<float>({0.0f, -1.0f, 25.0f, 5.0f}));
  EXPECT_EQ(test::ValuesOf<float>(File("EXTENSIOPOLESR")),
            std::vector<float>({0.0f, -1.0f, 25.0f, 5.0f}));
  std::filesystem::remove_all(session.paths.positionDirectory);
  session.check.poleTable[1].x = 40.0f;
  WritePolesExtent(session);
  EXPECT_EQ(session.view.extents.xmax, 25.0f);
}

std::string Printf(const char* format, double value) {
  char buffer[512];
  return std::string(buffer, std::snprintf(buffer, sizeof buffer, format, value));
}

std::string Fast(double value, int width) {
  std::string out;
  AppendFixed(out, value, 2, width);
  return out;
}

// Ties, tiny, signed zero, huge, subnormal, non-finite, random halves of cents and bits.
TEST(MatrixText, ToCharsGivesTheBytesOfPrintf) {
  const double inf = std::numeric_limits<double>::infinity();
  const double nan = std::numeric_limits<double>::quiet_NaN();
  std::vector<double> values = {0.0,    -0.0,    0.005, -0.005,  0.004,   -0.004,     0.0049999,
                                0.015,  0.125,   2.675, -1.115,  99.995,  999999.995, 1e-300,
                                5e-324, -5e-324, 1e22,  1e300,   DBL_MAX, -DBL_MAX,   inf,
                                -inf,   nan,     -nan,  1.0 / 3, -2.0 / 3};
  std::mt19937_64 random(3);
  std::uniform_int_distribution<int> cents(-2000000, 2000000);
  for (int i = 0; i < 100000; ++i) values.push_back(cents(random) / 200.0);  // many ties
  for (int i = 0; i < 50000; ++i) values.push_back(std::bit_cast<double>(random()));
  for (double x : values) {
#ifdef _WIN32
    // MinGW's printf drops the sign of a NaN; the files keep it, as on Linux.
    if (std::isnan(x) && std::signbit(x)) {
      ASSERT_EQ(Fast(x, 0), "-nan");
      ASSERT_EQ(Fast(x, 5), " -nan");
      continue;
    }
#endif
    ASSERT_EQ(Fast(x, 0), Printf("%.2f", x)) << std::hexfloat << x;
    ASSERT_EQ(Fast(x, 5), Printf("%5.2lf", x)) << std::hexfloat << x;
  }
}

}  // namespace
}  // namespace rerore
