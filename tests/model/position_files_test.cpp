#include "model/position_files.h"

#include <cmath>
#include <tuple>

#include "support/test_support.h"

namespace rerore {
namespace {

using test::At;
using test::ReadFile;
using test::WriteFile;

class PositionFiles : public test::PositionTest {
 protected:
  void SetUp() override {
    PositionTest::SetUp();
    test::UsePosition(other, data.path(), "001");
  }
  Session other;  // a fresh reader of the position
  ModelTables& model = session.model;
  const PositionPaths& paths = session.paths;
};

// Sets every byte of rows 1 and 2, so that a lost or shifted byte shows.
template <class Table>
void FillTwoRows(Table& table, uint8_t seed) {
  for (int r = 1; r <= 2; ++r) {
    auto* bytes = reinterpret_cast<uint8_t*>(&table[r]);
    for (size_t i = 0; i < sizeof table[r]; ++i) bytes[i] = static_cast<uint8_t>(seed + 31 * r + i);
  }
}

template <class Table>
bool SameTwoRows(const Table& a, const Table& b) {
  return std::memcmp(&a[1], &b[1], 2 * sizeof a[1]) == 0;
}

TEST_F(PositionFiles, TableFilesAreTheCountAndTheRecordsAndReadBack) {
  ModelParameters& p = model.params;
  p.nodeCount = p.supportCount = p.materialCount = p.crossSectionCount = 2;
  FillTwoRows(model.nodes, 1);
  FillTwoRows(model.supports, 2);
  FillTwoRows(model.materials, 3);
  FillTwoRows(model.crossSections, 4);
  ASSERT_TRUE(WriteNodesFile(paths, model) && WriteSupportsFile(paths, model) &&
              WriteMaterialsFile(paths, model) && WriteCrossSectionsFile(paths, model));
  for (const auto& [stem, size] :
       {std::pair{"NODES", 204}, {"LKNOTENR", 32}, {"MATR", 112}, {"CROSS", 140}}) {
    const std::string bytes = ReadFile(paths.file(stem));
    EXPECT_EQ(std::tuple(bytes.size(), At<int16_t>(bytes, 0)), std::tuple(2 + 2 * size, 2)) << stem;
  }
  ModelTables& back = other.model;
  ASSERT_TRUE(ReadNodesFile(paths, back) && ReadSupportsFile(paths, back) &&
              ReadMaterialsFile(paths, back) && ReadCrossSectionsFile(paths, back));
  EXPECT_EQ(0, std::memcmp(&back.params, &model.params, sizeof model.params));  // the counts
  EXPECT_TRUE(SameTwoRows(back.nodes, model.nodes) && SameTwoRows(back.supports, model.supports) &&
              SameTwoRows(back.materials, model.materials) &&
              SameTwoRows(back.crossSections, model.crossSections));
}

TEST_F(PositionFiles, ElementsWritersRefreshTheStiffnessOrZeroTheRunTimeWords) {
  SetDefaultCrossSection(model);
  model.materials[1].modulus = 3.0e7f;
  model.params.elementCount = 2;
  ElementRecord& e = model.elements[2];
  SetElementLeft(e, 1.5f, 2.5f);
  e.material = 0;  // becomes 1 in the full writer
  e.crossSection = 1;
  e.runTime[0] = 0xDEADBEEF;
  ASSERT_TRUE(WriteElementsFile(paths, model));
  const std::string bytes = ReadFile(paths.file("ELEMENTS"));
  ASSERT_EQ(bytes.size(), 2u + 2 * 148);
  const size_t base = 2 + 148;  // z = -y; material 0 written as 1; run time kept by the full writer
  EXPECT_EQ(std::tuple(At<float>(bytes, base + 20), At<float>(bytes, base + 24),
                       At<int16_t>(bytes, base + 112), At<uint32_t>(bytes, base + 0)),
            std::tuple(1.5f, -2.5f, 1, 0xDEADBEEF));
  EXPECT_FLOAT_EQ(At<float>(bytes, base + 140), 3.0e7f * 0.08f);
  EXPECT_FLOAT_EQ(At<float>(bytes, base + 144), 3.0e7f * 0.0010666667f);

  model.crossSections[1].area = 10.0f;
  model.materials[1].modulus = 3.0e38f;  // E A beyond the float range: no usable product
  ASSERT_TRUE(WriteElementsFile(paths, model));
  EXPECT_EQ(At<float>(ReadFile(paths.file("ELEMENTS")), base + 140), 0.0f);

  ASSERT_TRUE(WriteElementsZeroingRunTime(paths, model));
  EXPECT_EQ(At<uint32_t>(ReadFile(paths.file("ELEMENTS")), base + 0), 0u);
  ASSERT_TRUE(ReadElementsFile(paths, other.model));
  EXPECT_EQ(other.model.params.elementCount, 2);
  EXPECT_EQ(0, std::memcmp(&other.model.elements[2], &e, sizeof e));
}

TEST_F(PositionFiles, NodeNumberingWriterRefreshesYAndNeverWritesMoreThan200Nodes) {
  model.params.nodeCount = 250;
  model.nodes[1].z = -2.0f;
  model.nodes[1].y = 7.0f;
  ASSERT_TRUE(WriteNodesNumbering(paths, model));
  const std::string bytes = ReadFile(paths.file("NODES"));
  EXPECT_EQ(std::tuple(model.params.nodeCount, At<int16_t>(bytes, 0), bytes.size(),
                       At<float>(bytes, 2 + 16)),
            std::tuple(200, 200, 2u + 200 * 204, 2.0f));
}

TEST_F(PositionFiles, HugeNegativeAndTruncatedCountsNeverReadPastTheTable) {
  // 32767 elements announced, 3 records present.
  std::string bytes(2 + 3 * 148, '\x11');
  const int16_t huge = 32767;
  std::memcpy(bytes.data(), &huge, 2);
  WriteFile(paths.file("ELEMENTS"), bytes);
  ASSERT_TRUE(ReadElementsFile(paths, model));  // beyond the file: left as it was
  EXPECT_EQ(std::tuple(model.params.elementCount, model.elements[3].runTime[0],
                       model.elements[4].runTime[0]),
            std::tuple(100, 0x11111111u, 0u));

  const int16_t negative = -5;
  std::memcpy(bytes.data(), &negative, 2);
  WriteFile(paths.file("MATR"), bytes);
  ASSERT_TRUE(ReadMaterialsFile(paths, model));
  EXPECT_EQ(model.params.materialCount, 0);

  // A record cut in the middle fills what is there and keeps the rest.
  model.supports[1].factorPhi = 9.0f;
  WriteFile(paths.file("LKNOTENR"), std::string("\1\0\7", 3) + std::string(9, '\0'));
  ASSERT_TRUE(ReadSupportsFile(paths, model));
  EXPECT_EQ(
      std::tuple(model.params.supportCount, model.supports[1].node, model.supports[1].factorPhi),
      std::tuple(1, 7, 9.0f));

  // An empty file keeps the count it found; a missing file is reported.
  model.params.nodeCount = 3;
  WriteFile(paths.file("NODES"), "");
  ASSERT_TRUE(ReadNodesFile(paths, model));
  EXPECT_EQ(model.params.nodeCount, 3);
  std::filesystem::remove(paths.file("NODES"));
  EXPECT_FALSE(ReadNodesFile(paths, model));
}

TEST_F(PositionFiles, ExtentParametersAndSmallFiles) {
  ASSERT_TRUE(WriteExtentFile(paths, ElementExtents(model)));  // no elements
  std::string bytes = ReadFile(paths.file("EXTENSIOR"));
  EXPECT_EQ(std::tuple(bytes.size(), At<float>(bytes, 4), At<float>(bytes, 8)),
            std::tuple(16u, 1.0e20f, -1.0e20f));
  model.params.elementCount = 2;
  SetElementRight(model.elements[1], 0.0f, 3.0f);
  SetElementLeft(model.elements[2], 5.0f, -1.0f);
  const DrawingExtents e = ElementExtents(model);
  EXPECT_EQ(std::vector<float>({e.xmin, e.ymin, e.xmax, e.ymax}),
            std::vector<float>({0.0f, -1.0f, 5.0f, 3.0f}));

  model.params.setTitle("Hall 3");
  model.params.nodeCount = 12;
  ASSERT_TRUE(WriteParametersFile(paths, model));
  bytes = ReadFile(paths.file("PARAMR"));
  EXPECT_EQ(std::tuple(bytes.size(), At<int16_t>(bytes, 130), bytes.substr(136, 7)),
            std::tuple(744u, 12, std::string("Hall 3\0", 7)));

  ASSERT_TRUE(WriteGeometryFile(paths, 1));
  EXPECT_EQ(ReadFile(paths.file("GEOMETRY")), test::kGeometryOne);
  EXPECT_FALSE(ReadArcFile(paths).has_value());
  ASSERT_TRUE(WriteArcFile(paths, ArcInput{12.0f, 150.0f, 30.0f, 8}));
  EXPECT_EQ(ReadFile(paths.file("BOGEN")).size(), 16u);
  EXPECT_EQ(ReadArcFile(paths)->angleRight, 30.0f);
}

// No inf or NaN reaches the model: rows are dropped or kept without values.
TEST_F(PositionFiles, RowsWithNumbersThatAreNotFiniteAreRefused) {
  const float inf = HUGE_VALF;
  ModelParameters& p = model.params;
  p.elementCount = 3;
  for (int k = 1; k <= 3; ++k) {
    model.elements[k] = test::MakeElement(k, 0, k + 1.0f, 0);
    model.elements[k].material = 2;  // the writer takes E A and E I from the rows
    model.elements[k].crossSection = 2;
  }
  model.elements[2].xb = std::nanf("");
  p.supportCount = 2;
  model.supports[1].factorU = inf;
  model.supports[2].node = 7;
  p.materialCount = 2;
  model.materials[1] = {};
  model.materials[1].number = 1;
  model.materials[1].modulus = -inf;
  model.materials[2].modulus = 3.0e7f;
  p.crossSectionCount = 1;
  model.crossSections[1].number = 1;
  model.crossSections[1].area = 0.08f;
  model.crossSections[1].inertia = inf;
  p.nodeCount = 2;
  model.nodes[2].x = 4.0f;
  model.nodes[2].supportU = std::nanf("");
  model.nodes[2].supportedU = 1;
  p.defaultModulus = 1.0e300;  // no float can hold it
  p.rigidStiffness = std::nanf("");
  ASSERT_TRUE(WriteElementsFile(paths, model) && WriteSupportsFile(paths, model) &&
              WriteMaterialsFile(paths, model) && WriteCrossSectionsFile(paths, model) &&
              WriteNodesFile(paths, model) && WriteParametersFile(paths, model) &&
              WriteExtentFile(paths, {0.0f, 0.0f, inf, 1.0f}) &&
              WriteArcFile(paths, ArcInput{inf, 180.0f, 0.0f, 4}));

  test::RecordingMessages messages;
  ModelTables& back = other.model;
  ASSERT_TRUE(ReadParametersFile(paths, back, &messages));
  ASSERT_TRUE(
      ReadElementsFile(paths, back, &messages) && ReadSupportsFile(paths, back, &messages) &&
      ReadMaterialsFile(paths, back, &messages) && ReadCrossSectionsFile(paths, back, &messages) &&
      ReadNodesFile(paths, back, &messages));
  DrawingExtents extents;
  EXPECT_FALSE(ReadExtentFile(paths, extents, &messages));
  EXPECT_FALSE(ReadArcFile(paths).has_value());
  const char* const refused = "a number is not finite; the row is refused";
  EXPECT_EQ(
      messages.texts(),
      (std::vector<std::string>{
          "Error: PARAMR: a number is not finite; the start value is taken",
          Format("Error: ELEMENTS row 2: %s", refused),
          Format("Error: LKNOTENR row 1: %s", refused), Format("Error: MATR row 1: %s", refused),
          Format("Error: CROSS row 1: %s", refused), Format("Error: NODES row 2: %s", refused),
          Format("Error: EXTENSIOR row 1: %s", refused)}));
  EXPECT_EQ(std::tuple(back.params.defaultModulus, back.params.rigidStiffness),
            std::tuple(26700000.0, 0.0f));
  // The third element row moved up; the refused material row keeps its number.
  EXPECT_EQ(std::tuple(back.params.elementCount, back.elements[2].xb, back.params.supportCount,
                       back.supports[1].node),
            std::tuple(2, 4.0f, 1, 7));
  EXPECT_EQ(
      std::vector<float>({back.materials[1].modulus, back.materials[2].modulus,
                          back.crossSections[1].area, back.nodes[2].x, back.nodes[2].supportU}),
      std::vector<float>({0.0f, 3.0e7f, 0.0f, 0.0f, 0.0f}));
  EXPECT_EQ(std::tuple(back.materials[1].number, back.nodes[2].supportedU, extents.xmax),
            std::tuple(1, 0, DrawingExtents{}.xmax));
}

TEST_F(PositionFiles, FilesListIsCreatedOnceAndNeverRewritten) {
  WriteFilesListIfMissing(paths);
  EXPECT_EQ(ReadFile(paths.plainFile("FILES")),
            std::string(14, ' ') + "D1" + std::string(32, ' ') + "Dimensions\r\n");
  WriteFile(paths.plainFile("FILES"), "mine");
  WriteFilesListIfMissing(paths);
  EXPECT_EQ(ReadFile(paths.plainFile("FILES")), "mine");
}

TEST_F(PositionFiles, WritesLeaveNoTemporaryFileBehindAndAWatchNamesTheFailedOnes) {
  WriteElementsFile(paths, model);
  WriteParametersFile(paths, model);
  EXPECT_EQ(test::ListDirectory(paths.positionDirectory),
            (std::vector<std::string>{"ELEMENTS.001", "PARAMR.001"}));
  // No directory: skipped, reported to every live watch.
  PositionPaths missing = paths;
  missing.positionDirectory = data / "nowhere/";
  EXPECT_FALSE(WriteElementsFile(missing, model));
  const FileWriteWatch outer;
  {
    const FileWriteWatch inner;
    EXPECT_FALSE(WriteMaterialsFile(missing, model));
    EXPECT_FALSE(WriteMaterialsFile(missing, model));
    EXPECT_EQ(inner.failedFiles(), std::vector<std::string>{missing.file("MATR")});
    EXPECT_EQ(inner.firstFailureIn(paths.positionDirectory), "");
  }
  EXPECT_TRUE(WriteMaterialsFile(paths, model));
  EXPECT_EQ(outer.failedFiles(), std::vector<std::string>{missing.file("MATR")});
}

TEST_F(PositionFiles, ParametersNeverPromiseMoreRowsThanTheTablesHold) {
  ModelParameters& p = model.params;
  p.elementCount = p.nodeCount = p.supportCount = p.materialCount = 32767;
  p.crossSectionCount = p.spanCount = p.floorCount = 32767;
  p.setEquationCount(-4);
  ASSERT_TRUE(WriteParametersFile(paths, model));
  const std::string bytes = ReadFile(paths.file("PARAMR"));
  const std::pair<size_t, int> counts[] = {{124, 20},  {126, 50},  {128, 100},
                                           {130, 200}, {702, 100}, {698, 50},
                                           {700, 100}, {38, 0},    {132, 0}};
  for (const auto& [offset, count] : counts) EXPECT_EQ(At<int16_t>(bytes, offset), count) << offset;
  EXPECT_EQ(p.elementCount, 32767);  // the model itself is left alone
}

TEST_F(PositionFiles, ATableWriteWithdrawsGeometryOneFirst) {
  ASSERT_TRUE(WriteMaterialsFile(paths, model));
  EXPECT_FALSE(test::Exists(paths.file("GEOMETRY")));  // nothing to withdraw
  for (const auto& write : {WriteNodesFile, WriteSupportsFile, WriteCrossSectionsFile}) {
    ASSERT_TRUE(WriteGeometryFile(paths, 1));
    ASSERT_TRUE(write(paths, model));
    EXPECT_EQ(ReadFile(paths.file("GEOMETRY")), test::kGeometryZero);
  }
  ASSERT_TRUE(WriteGeometryFile(paths, 1));
  ASSERT_TRUE(WriteExtentFile(paths, ElementExtents(model)));
  EXPECT_EQ(ReadFile(paths.file("GEOMETRY")), test::kGeometryZero);
}

}  // namespace
}  // namespace rerore
