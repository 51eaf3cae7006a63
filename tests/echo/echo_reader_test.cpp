#include "echo/echo_reader.h"

#include <cmath>

#include "commands/startup.h"
#include "echo/echo_writer.h"
#include "support/test_support.h"

namespace rerore {
namespace {

using test::ReadFile;
using test::TempDir;

template <class... T>
std::vector<double> Values(T... values) {
  return {double(values)...};
}

// What the echo file carries of a row, and what the rebuild derives from it.
auto Carried(const MaterialRecord& m) { return Values(m.number, m.modulus, m.secondConstant); }
auto Carried(const CrossSectionRecord& c) {
  return Values(c.number, c.width, c.height, c.area, std::round(c.inertia * 1e7));
}
auto Carried(const ElementRecord& e) {
  return Values(e.xa, e.ya, e.za, e.xb, e.yb, e.zb, e.hingeLeft, e.hingeRight, e.material,
                e.crossSection, e.compression, e.tension, e.nodeLeft, e.nodeRight, e.endDofs[0],
                e.endDofs[1], e.endDofs[2], e.endDofs[3], e.endDofs[4], e.endDofs[5]);
}
auto Carried(const NodeRecord& n) {
  return Values(n.number, n.x, n.y, n.z, n.supportU, n.supportV, n.supportPhi, n.supportedU,
                n.supportedV, n.rotationCount);
}
auto Carried(const SupportRecord& r) { return Values(r.node, r.givenU, r.givenV, r.givenPhi); }

auto Counts(const ModelTables& m) {
  return Values(m.params.materialCount, m.params.crossSectionCount, m.params.elementCount,
                m.params.nodeCount, m.params.supportCount);
}

template <class Record, size_t N>
void ExpectSameRows(const std::array<Record, N>& read, const std::array<Record, N>& written,
                    int rows) {
  for (int r = 1; r <= rows; ++r) EXPECT_EQ(Carried(read[r]), Carried(written[r])) << "row " << r;
}

Session LoadFromText(const std::string& dataPath, const std::string& text,
                     test::RecordingMessages* messages = nullptr) {
  Session t;
  test::UsePosition(t, dataPath, "007");
  std::filesystem::create_directories(t.paths.positionDirectory);
  EchoLineStore store;
  store.fill(text);
  test::RecordingMessages ignored;
  ParseEcho(t, messages ? *messages : ignored, store);
  return t;
}

// Hand-written cards (commas, comments, annotations, short rows), then a round trip.
TEST(EchoReader, HandWrittenCardsAndTheirRoundTrip) {
  TempDir data;
  Session t = LoadFromText(data.path(),
                           "; written by hand\n"
                           "TITLE\nHalle Nord\n"
                           "MATERIAL\n2 materials\n1 30000000\n2 2,5 0\n"
                           "CROSSECTIONS\n2\n1 b=0.2 0.3 0.5 1.5E-01 3,125E-03\n"
                           "7 0.3 0.55 1.65E-01 4.1594E-03\n"
                           "ELEMENTS\n2\n1 0 0 0 4,5 1\n2 0 4,5 6 4,5 0 0 2 1 0 1\n"
                           "NODES\n3\n11 0 0 1 1 0\n12 0 4.5 0 0 0\n13 6 4.5 0 5,0E-01 0\n"
                           "SUPPORTS\n2\n11 1.0 1.0\n13 0 1\n"
                           "PARABOLA\n12,5 3 6\n");
  const ModelTables& m = t.model;
  EXPECT_EQ(m.params.titleText(), "Halle Nord");
  ASSERT_EQ(Counts(m), Values(2, 2, 2, 3, 2));
  EXPECT_EQ(Carried(m.materials[2]), Values(2, 2.5, 0));
  EXPECT_EQ(Carried(m.crossSections[1]), Values(1, 0.3f, 0.5f, 0.15f, 31250));
  EXPECT_EQ(Carried(m.crossSections[2]), Values(7, 0.3f, 0.55f, 0.165f, 41594));
  const ElementRecord& e1 = m.elements[1];
  // A material missing in the row reads as 0 and is written as 1.
  EXPECT_EQ(Values(e1.yb, e1.hingeLeft, e1.material, m.elements[2].material), Values(4.5, 1, 1, 2));
  EXPECT_FLOAT_EQ(m.elements[2].ea, 2.5f * 0.15f);
  // Node numbers stay as read; node 11 has one hinged end, so one rotation.
  EXPECT_EQ(Values(m.nodes[1].number, m.nodes[3].number, m.nodes[1].rotationCount,
                   m.params.equationCount, m.nodes[3].supportV, m.nodes[3].supportedV),
            Values(11, 13, 1, 9, 0.5, 1));
  // The given flags are read, the factors are not.
  EXPECT_EQ(Values(m.supports[2].node, m.supports[2].givenU, m.supports[2].givenV,
                   m.supports[1].givenU, m.supports[1].factorU),
            Values(13, 0, 1, 1, 0));
  EXPECT_EQ(Values(m.parabola.span, m.parabola.rise, m.parabola.elements), Values(12.5, 3, 6));

  // The file gives a support's flags from its factors, not the factors.
  t.model.supports[1].factorU = t.model.supports[1].factorV = 1.0f;
  t.model.supports[2].factorV = 0.5f;
  WriteEcho(t, t.paths.echoFile());
  const Session u = LoadFromText(data.path(), ReadFile(t.paths.echoFile()));
  const ModelTables& b = u.model;
  EXPECT_EQ(b.params.titleText(), "");  // the writer's "TITEL" is not read: PARAMR gives it
  ASSERT_EQ(Counts(b), Counts(m));
  ExpectSameRows(b.materials, m.materials, 2);
  ExpectSameRows(b.crossSections, m.crossSections, 2);
  ExpectSameRows(b.elements, m.elements, 2);
  ExpectSameRows(b.nodes, m.nodes, 3);
  ExpectSameRows(b.supports, m.supports, 2);
  EXPECT_EQ(Values(b.params.equationCount, b.params.equationCount2), Values(9, 9));
  EXPECT_EQ(Values(b.parabola.span, b.parabola.rise, b.parabola.elements), Values(12.5, 3, 6));
  EXPECT_EQ(ReadFile(u.paths.file("NODES")).size(), 2u + 3 * sizeof(NodeRecord));  // and written
}

std::string Cards(const char* keyword, int count, int lines, const std::string& pattern) {
  std::string text = std::string(keyword) + "\n" + std::to_string(count) + "\n";
  for (int i = 1; i <= lines; ++i) text += Format(pattern.c_str(), i, i - 1, i) + "\n";
  return text;
}

TEST(EchoReader, CountsAboveTheLimitsAndBeyondTheLines) {
  TempDir data;
  const Session t = LoadFromText(
      data.path(), Cards("ELEMENTS", 150, 150, "%i %i 0 %i 0 0 0 1 1 1 1") +
                       Cards("NODES", 150, 150, "%i %i 0 0 0 %i") + "SUPPORTS\n5\n1 1 1 1\n");
  const ModelTables& m = t.model;
  // No MATERIAL keyword: line 1 holds no digits. One support line follows its count.
  EXPECT_EQ(Counts(m), Values(0, 0, 100, 101, 1));
  EXPECT_EQ(m.elements[100].xb, 100.0f);
}

// A row with a number beyond float is refused; numbered rows stay without values.
TEST(EchoReader, RowsWithNumbersBeyondTheFloatRangeAreRefused) {
  TempDir data;
  test::RecordingMessages messages;
  const std::string huge = "1" + std::string(39, '0');  // a decimal field takes no exponent
  const std::string far = "3" + std::string(38, '0');   // fits, twice it does not
  const std::vector<std::string> sections = {
      "MATERIAL\n2\n1 3E7 0\n2 " + huge + " 0",
      "CROSSECTIONS\n1\n1 0.2 0.4 8E-2 1E50",
      "ELEMENTS\n4\n1 0 0 0 4 0 0 1 1 1 1\n2 0 4 " + huge + " 4 0 0 1 1 1 1",
      "3 -" + far + " 4 " + far + " 4 0 0 1 1 1 1\n4 0 4 6 4 0 0 1 1 1 1",
      "NODES\n3\n1 0 0 1 1 1\n2 0 4 0 0 9E99\n3 6 4 0 0 0",
      "SUPPORTS\n2\n1 1 1 1\n2 " + huge + " 0 0",
      "PARABOLA\n1E39 2 4"};
  std::string text;
  for (const std::string& lines : sections) text += lines + "\n";
  const Session t = LoadFromText(data.path(), text, &messages);
  const auto refusal = [](const char* section, int row, const std::string& number) {
    return Format("Error: %s row %i: the number %s is too large; the row is refused", section, row,
                  number.c_str());
  };
  EXPECT_EQ(messages.texts(), (std::vector<std::string>{
                                  refusal("MATERIAL", 2, huge), refusal("CROSSECTIONS", 1, "1E50"),
                                  refusal("ELEMENTS", 2, huge), refusal("ELEMENTS", 3, "-" + far),
                                  refusal("NODES", 2, "9E99"), refusal("SUPPORTS", 2, huge),
                                  refusal("PARABOLA", 1, "1E39")}));
  const ModelTables& m = t.model;
  EXPECT_EQ(Counts(m), Values(2, 1, 2, 3, 1));
  EXPECT_EQ(Carried(m.materials[2]), Values(2, 0, 0));
  EXPECT_EQ(Carried(m.crossSections[1]), Values(1, 0, 0, 0, 0));
  EXPECT_EQ(Values(m.elements[2].xa, m.elements[2].ya, m.elements[2].xb), Values(0, 4, 6));
  EXPECT_EQ(Values(m.nodes[2].y, m.nodes[2].supportPhi, m.nodes[1].supportPhi), Values(4, 0, 1));
  EXPECT_EQ(m.parabola.elements, 0);
}

// At start-up an echo file without sections is refused; the binary model stays.
TEST(EchoReader, StartUpWithAnEchoFileWithoutSectionsKeepsTheBinaryModel) {
  for (const char* text : {"garbage text\r\n", "; nothing but a comment\r\n", "TITEL\r\n"}) {
    TempDir data;
    test::SettingsHome home;
    Session s;
    test::MakeCantileverFrame(s, data.path(), "007");
    WriteEcho(s, s.paths.echoFile());
    const std::string elements = ReadFile(s.paths.file("ELEMENTS"));
    test::WriteFile(s.paths.echoFile(), text);
    test::WriteFile(s.paths.file("ELEMENTS"), elements.substr(0, 2 + sizeof(ElementRecord)));
    const auto tables = [&s] {
      std::string bytes;
      for (const char* name : {"ELEMENTS", "NODES", "LKNOTENR", "CROSS", "PARAMR"})
        bytes += ReadFile(s.paths.file(name)) + '|';
      return bytes;
    };
    const std::string before = tables();
    Session loaded;
    test::RecordingMessages messages;
    ASSERT_EQ(StartProgram(loaded, messages, ".007 @" + data.path()), StartResult::Started);
    EXPECT_EQ(messages.texts(),
              std::vector<std::string>{"Error: The echo text holds no frame; nothing was loaded."});
    EXPECT_EQ(Values(loaded.model.elements[1].yb, loaded.model.elements[2].yb), Values(4, 0));
    EXPECT_TRUE(tables() == before) << text;  // the table files stay as they were
    EXPECT_EQ(ReadFile(s.paths.echoFile()), text);
    EXPECT_FALSE(test::Exists(s.paths.file("GEOMETRY")));
  }
}

}  // namespace
}  // namespace rerore
