#include "echo/echo_writer.h"

#include "support/test_support.h"

namespace rerore {
namespace {

using test::At;
using test::ReadFile;
using test::TempDir;

TEST(EchoWriter, SmallFrameLineByLineThenASecondSupport) {
  TempDir data;
  Session s;
  test::MakeCantileverFrame(s, data.path(), "007");
  s.model.params.setTitle("   ");
  WriteEcho(s, s.paths.echoFile());
  EXPECT_EQ(ReadFile(s.paths.echoFile()),
            "TITEL\r\n"
            "Position 007\r\n"
            "MATERIAL\r\n1\r\n"
            "1 26700000.00 0.000000\r\n"
            "CROSSECTIONS\r\n1\r\n"
            "1 0.200 0.400 8.0000E-02 1.0667E-03\r\n"
            "ELEMENTS\r\n2\r\n"
            "1 0.00 0.00 0.00 4.00 0 0 1 1 1 1\r\n"
            "2 0.00 4.00 6.00 3.50 0 1 1 1 0 0\r\n"
            "NODES\r\n3\r\n"
            "1 0.00 0.00  1.0000E+00  1.0000E+00  5.0000E-01\r\n"
            "2 0.00 4.00  0.0000E+00  0.0000E+00  0.0000E+00\r\n"
            "3 6.00 3.50  0.0000E+00  0.0000E+00  0.0000E+00\r\n"
            "SUPPORTS\r\n1\r\n"
            "1 1.00 0.00 0.50\r\n");
  EXPECT_EQ(std::tuple(s.model.params.titleText(), s.model.params.singleSupport),
            std::tuple("Position 007", 1));

  s.model.params.supportCount = 2;  // a second support clears the single-support flag
  WriteEcho(s, s.paths.echoFile());
  EXPECT_EQ(s.model.params.singleSupport, 0);
}

TEST(EchoWriter, CompanionFiles) {
  TempDir data;
  Session s;
  test::MakeCantileverFrame(s, data.path(), "007");
  ASSERT_EQ(s.model.params.equationCount, 9);
  // A second rotation at node 2 shifts DOFSK's later equations, nothing else.
  s.model.nodes[2].rotationCount = 2;
  WriteEcho(s, s.paths.echoFile());

  const std::string params = ReadFile(s.paths.file("PARAMR"));
  ASSERT_EQ(params.size(), sizeof(ModelParameters));
  EXPECT_EQ(std::tuple(At<int32_t>(ReadFile(s.paths.file("GRAFIKGO")), 0),
                       std::string(params.c_str() + offsetof(ModelParameters, title)),
                       At<uint8_t>(params, offsetof(ModelParameters, singleSupport))),
            std::tuple(1, "Position 007", 1));

  // DOFSK: node, equation and kind of each equation.
  const int32_t dofs[9][3] = {{1, 1, 1}, {1, 2, 2}, {1, 3, 3}, {2, 4, 1}, {2, 5, 2},
                              {2, 6, 3}, {2, 7, 3}, {3, 8, 1}, {3, 9, 2}};
  EXPECT_EQ(ReadFile(s.paths.file("DOFSK")),
            std::string(reinterpret_cast<const char*>(dofs), sizeof dofs));
  const ModelTables& m = s.model;
  EXPECT_EQ(std::vector<int>({m.nodes[3].dofU, m.nodes[2].dofCount, m.params.equationCount,
                              m.elements[2].endDofs[3]}),
            std::vector<int>({8, 4, 9, 7}));
}

}  // namespace
}  // namespace rerore
