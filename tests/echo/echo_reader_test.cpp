#include "echo/echo_reader.h"

#include <gtest/gtest.h>

#include <cmath>

#include "echo/echo_test_frames.h"
#include "echo/echo_writer.h"
#include "model/startup.h"

namespace rerore {
namespace {

using test::ReadFile;
using test::TempDir;

// Adds a second material and section, a support at node 3 and a parabola
// to the small frame.
void Enlarge(Session& s) {
  ModelTables& m = s.model;
  m.params.setTitle("Rahmen mit Gelenk");
  m.params.materialCount = 2;
  m.materials[2].number = 2;
  m.materials[2].modulus = 210000000.0f;
  m.params.crossSectionCount = 2;
  m.crossSections[2].number = 7;
  m.crossSections[2].width = 0.3f;
  m.crossSections[2].height = 0.55f;
  m.crossSections[2].area = 0.165f;
  m.crossSections[2].inertia = 0.0041594f;
  m.elements[2].material = 2;
  m.elements[2].crossSection = 2;
  m.elements[2].tension = 1;
  m.nodes[3].supportV = 0.25f;
  m.params.supportCount = 2;
  m.supports[2].node = 3;
  m.supports[2].factorV = 0.25f;
  m.supports[2].givenV = 1;
  m.parabola = ParabolaParameters{12.5f, 3.0f, 6};
}

Session LoadFromText(const std::string& dataPath, const std::string& text) {
  Session t;
  test::UsePosition(t, dataPath, "007");
  EchoLineStore store;
  store.fill(text);
  test::RecordingMessages messages;
  ParseEcho(t, messages, store);
  return t;
}

// What the echo file carries of a row, and what the rebuild derives from it.
std::vector<double> Carried(const MaterialRecord& m) { return {double(m.number), m.modulus}; }
std::vector<double> Carried(const CrossSectionRecord& c) {
  return {double(c.number), c.width, c.height, c.area, std::round(c.inertia * 1e7)};
}
std::vector<double> Carried(const ElementRecord& e) {
  std::vector<double> v = {e.xa,
                           e.ya,
                           e.za,
                           e.xb,
                           e.yb,
                           e.zb,
                           double(e.hingeLeft),
                           double(e.hingeRight),
                           double(e.material),
                           double(e.crossSection),
                           double(e.compression),
                           double(e.tension),
                           double(e.nodeLeft),
                           double(e.nodeRight)};
  v.insert(v.end(), e.endDofs, e.endDofs + 6);
  return v;
}
std::vector<double> Carried(const NodeRecord& n) {
  return {double(n.number),
          n.x,
          n.y,
          n.z,
          n.supportU,
          n.supportV,
          n.supportPhi,
          double(n.supportedU),
          double(n.supportedV),
          double(n.rotationCount)};
}
std::vector<double> Carried(const SupportRecord& r) {
  return {double(r.node), double(r.givenU), double(r.givenV), double(r.givenPhi)};
}

template <class Record, size_t N>
void ExpectSameRows(const std::array<Record, N>& read, const std::array<Record, N>& written,
                    int rows) {
  for (int r = 1; r <= rows; ++r) EXPECT_EQ(Carried(read[r]), Carried(written[r])) << "row " << r;
}

TEST(EchoReader, RoundTripGivesTheSameTables) {
  TempDir data;
  Session s;
  test::MakeCantileverFrame(s, data.path(), "007");
  Enlarge(s);
  s.model.nodes[1].supportedU = s.model.nodes[1].supportedV = 1;
  s.model.nodes[3].supportedV = 1;
  WriteEcho(s, s.paths.echoFile());
  const Session t = LoadFromText(data.path(), ReadFile(s.paths.echoFile()));
  const ModelTables& a = s.model;
  const ModelTables& b = t.model;
  EXPECT_EQ(b.params.titleText(), "");  // the writer's "TITEL" is not read: PARAMR gives it
  ASSERT_EQ(std::vector<int>({b.params.materialCount, b.params.crossSectionCount,
                              b.params.elementCount, b.params.nodeCount, b.params.supportCount}),
            std::vector<int>({2, 2, 2, 3, 2}));
  ExpectSameRows(b.materials, a.materials, 2);
  ExpectSameRows(b.crossSections, a.crossSections, 2);
  ExpectSameRows(b.elements, a.elements, 2);
  ExpectSameRows(b.nodes, a.nodes, 3);
  ExpectSameRows(b.supports, a.supports, 2);
  EXPECT_FLOAT_EQ(b.elements[2].length, std::sqrt(6.0f * 6.0f + 0.5f * 0.5f));
  EXPECT_NEAR(b.elements[2].ei, a.elements[2].ei, 1e-4 * a.elements[2].ei);
  EXPECT_EQ(b.params.equationCount, a.params.equationCount);
  EXPECT_EQ(b.params.equationCount2, a.params.equationCount);
  EXPECT_EQ(std::vector<double>({b.parabola.span, b.parabola.rise, double(b.parabola.elements)}),
            std::vector<double>({12.5, 3.0, 6}));
  // The files hold what was read.
  EXPECT_EQ(ReadFile(t.paths.file("NODES")).size(), 2u + 3 * sizeof(NodeRecord));
  EXPECT_EQ(ReadFile(t.paths.file("CROSS")).size(), 2u + 2 * sizeof(CrossSectionRecord));
  EXPECT_EQ(ReadFile(t.paths.file("PARAMR")).size(), sizeof(ModelParameters));
  EXPECT_EQ(ReadFile(t.paths.file("EXTENSIOR")).size(), 16u);
}

TEST(EchoReader, HandWrittenCards) {
  TempDir data;
  std::filesystem::create_directories(data / "SDIR007");
  const Session t = LoadFromText(data.path(),
                                 "; written by hand\n"
                                 "TITLE\n"
                                 "Halle Nord\n"
                                 "MATERIAL\n"
                                 "2 materials\n"
                                 "1 30000000\n"
                                 "2 2,5 0\n"
                                 "CROSSECTIONS\n"
                                 "1\n"
                                 "1 b=0.2 0.3 0.5 1.5E-01 3,125E-03\n"
                                 "ELEMENTS\n"
                                 "2\n"
                                 "1 0 0 0 4,5 1\n"
                                 "2 0 4,5 6 4,5 0 0 2 1 0 1\n"
                                 "NODES\n"
                                 "3\n"
                                 "11 0 0 1 1 0\n"
                                 "12 0 4.5 0 0 0\n"
                                 "13 6 4.5 0 5,0E-01 0\n"
                                 "SUPPORTS\n"
                                 "1\n"
                                 "11 1.0 1.0\n");
  const ModelTables& m = t.model;
  EXPECT_EQ(m.params.titleText(), "Halle Nord");
  ASSERT_EQ(m.params.materialCount, 2);
  EXPECT_EQ(m.materials[1].modulus, 30000000.0f);
  EXPECT_EQ(m.materials[1].secondConstant, 0.0f);
  EXPECT_EQ(m.materials[2].modulus, 2.5f);
  ASSERT_EQ(m.params.crossSectionCount, 1);
  EXPECT_FLOAT_EQ(m.crossSections[1].width, 0.3f);
  EXPECT_FLOAT_EQ(m.crossSections[1].height, 0.5f);
  EXPECT_FLOAT_EQ(m.crossSections[1].area, 0.15f);
  EXPECT_FLOAT_EQ(m.crossSections[1].inertia, 0.003125f);
  ASSERT_EQ(m.params.elementCount, 2);
  EXPECT_EQ(m.elements[1].yb, 4.5f);
  EXPECT_EQ(m.elements[1].hingeLeft, 1);
  EXPECT_EQ(m.elements[1].material, 1);  // missing, so 0, written as 1
  EXPECT_EQ(m.elements[2].material, 2);
  EXPECT_FLOAT_EQ(m.elements[2].ea, 2.5f * 0.15f);
  ASSERT_EQ(m.params.nodeCount, 3);
  EXPECT_EQ(m.nodes[1].number, 11);  // numbers stay as read
  EXPECT_EQ(m.nodes[3].number, 13);
  EXPECT_EQ(m.nodes[3].supportV, 0.5f);
  EXPECT_EQ(m.nodes[3].supportedV, 1);
  EXPECT_EQ(m.nodes[3].supportedU, 0);
  EXPECT_EQ(m.nodes[1].rotationCount, 1);  // one end, hinged
  EXPECT_EQ(m.params.equationCount, 9);
  ASSERT_EQ(m.params.supportCount, 1);
  EXPECT_EQ(m.supports[1].node, 11);
  EXPECT_EQ(m.supports[1].givenU, 1);
  EXPECT_EQ(m.supports[1].givenPhi, 0);
  EXPECT_EQ(m.supports[1].factorU, 0.0f);  // factors are not read from the file
  EXPECT_EQ(m.parabola.elements, 0);
}

std::string Cards(const char* keyword, int count, int lines, const std::string& pattern) {
  std::string text = std::string(keyword) + "\n" + std::to_string(count) + "\n";
  for (int i = 1; i <= lines; ++i) text += Format(pattern.c_str(), i, i - 1, i) + "\n";
  return text;
}

TEST(EchoReader, CountsAboveTheLimitsAndBeyondTheLines) {
  TempDir data;
  std::filesystem::create_directories(data / "SDIR007");
  const Session t = LoadFromText(
      data.path(), Cards("ELEMENTS", 150, 150, "%i %i 0 %i 0 0 0 1 1 1 1") +
                       Cards("NODES", 150, 150, "%i %i 0 0 0 %i") + "SUPPORTS\n5\n1 1 1 1\n");
  const ModelTables& m = t.model;
  EXPECT_EQ(m.params.elementCount, 100);
  EXPECT_EQ(m.elements[100].xb, 100.0f);
  EXPECT_EQ(m.params.nodeCount, 101);
  EXPECT_EQ(m.params.supportCount, 1);   // only one line follows the count
  EXPECT_EQ(m.params.materialCount, 0);  // no MATERIAL keyword: line 1 holds no digits
}

TEST(EchoReader, StartUpReadsTheEchoFileAndAnEmptyOneChangesNothing) {
  TempDir data;
  test::SettingsHome home;
  {
    Session s;
    test::MakeCantileverFrame(s, data.path(), "007");
    WriteEcho(s, s.paths.echoFile());
  }
  Session loaded;
  test::RecordingMessages messages;
  ASSERT_EQ(StartProgram(loaded, messages, ".007 @" + data.path()), StartResult::Started);
  EXPECT_EQ(loaded.model.params.elementCount, 2);
  EXPECT_EQ(loaded.model.params.nodeCount, 3);
  EXPECT_EQ(loaded.model.params.titleText(), "Position 007");
  EXPECT_EQ(loaded.paths.loadedEchoName, "ECHO_G.007.TXT");
  EXPECT_EQ(loaded.paths.geometryPresent, 1);  // loading wrote GEOMETRY 0

  Session emptied;
  test::UsePosition(emptied, data.path(), "007");
  const std::string elements = ReadFile(emptied.paths.file("ELEMENTS"));
  test::WriteFile(emptied.paths.echoFile(), "; nothing but a comment\r\n");
  test::WriteFile(emptied.paths.file("ELEMENTS"), elements.substr(0, 2 + sizeof(ElementRecord)));
  ASSERT_EQ(StartProgram(emptied, messages, ".007 @" + data.path()), StartResult::Started);
  // The model is what the binary files hold, and no table file is written.
  EXPECT_EQ(emptied.model.elements[1].yb, 4.0f);
  EXPECT_EQ(emptied.model.elements[2].yb, 0.0f);
  EXPECT_EQ(ReadFile(emptied.paths.file("ELEMENTS")).size(), 2 + sizeof(ElementRecord));
  EXPECT_TRUE(messages.messages.empty());
}

}  // namespace
}  // namespace rerore
