#include "model/position_files.h"

#include <gtest/gtest.h>

#include <cstring>

#include "support/test_support.h"

namespace rerore {
namespace {

using test::ReadFile;
using test::TempDir;
using test::WriteFile;

using test::At;

class PositionFiles : public ::testing::Test {
 protected:
  void SetUp() override {
    test::UsePosition(session, dir.path(), "001");
    std::filesystem::create_directories(session.paths.positionDirectory);
  }
  TempDir dir;
  Session session;
  ModelTables& model = session.model;
  const PositionPaths& paths = session.paths;
};

TEST_F(PositionFiles, ElementsFileHoldsEachFieldAtItsOffsetAndReadsBack) {
  model.materials[1].modulus = 3.0e7f;
  model.crossSections[1].area = 0.1f;
  model.crossSections[1].inertia = 0.002f;
  model.params.elementCount = 2;
  ElementRecord& e = model.elements[2];
  SetElementLeft(e, 1.5f, 2.5f);
  SetElementRight(e, 4.0f, -1.0f);
  e.hingeLeft = 1;
  e.material = 0;  // becomes 1 in the full writer
  e.crossSection = 1;
  e.compression = 1;
  e.tension = 0;
  e.endDofs[5] = 17;
  e.runTime[0] = 0xDEADBEEF;
  ASSERT_TRUE(WriteElementsFile(paths, model));

  const std::string bytes = ReadFile(paths.file("ELEMENTS"));
  ASSERT_EQ(bytes.size(), 2u + 2 * 148);
  EXPECT_EQ(At<int16_t>(bytes, 0), 2);
  const size_t base = 2 + 148;
  EXPECT_EQ(At<float>(bytes, base + 20), 1.5f);
  EXPECT_EQ(At<float>(bytes, base + 24), -2.5f);
  EXPECT_EQ(At<float>(bytes, base + 28), 2.5f);
  EXPECT_EQ(At<float>(bytes, base + 32), 4.0f);
  EXPECT_EQ(At<float>(bytes, base + 36), 1.0f);
  EXPECT_EQ(At<float>(bytes, base + 40), -1.0f);
  EXPECT_EQ(At<int16_t>(bytes, base + 104), 1);
  EXPECT_EQ(At<int16_t>(bytes, base + 112), 1);  // material 0 written as 1
  EXPECT_EQ(At<int16_t>(bytes, base + 126), 17);
  EXPECT_EQ(At<int16_t>(bytes, base + 128), 1);
  EXPECT_EQ(At<uint32_t>(bytes, base + 0), 0xDEADBEEF);  // the full writer keeps run-time words
  EXPECT_FLOAT_EQ(At<float>(bytes, base + 140), 3.0e7f * 0.1f);
  EXPECT_FLOAT_EQ(At<float>(bytes, base + 144), 3.0e7f * 0.002f);
  EXPECT_EQ(model.elements[2].material, 1);  // the record in memory keeps the 1

  ASSERT_TRUE(WriteElementsZeroingRunTime(paths, model));
  EXPECT_EQ(At<uint32_t>(ReadFile(paths.file("ELEMENTS")), base + 0), 0u);

  Session other;
  test::UsePosition(other, dir.path(), "001");
  ASSERT_TRUE(ReadElementsFile(other.paths, other.model));
  EXPECT_EQ(other.model.params.elementCount, 2);
  EXPECT_EQ(0, std::memcmp(&other.model.elements[2], &model.elements[2], sizeof(ElementRecord)));
}

TEST_F(PositionFiles, NodeSupportMaterialAndSectionRecordsKeepTheirOffsets) {
  model.params.nodeCount = 1;
  NodeRecord& n = model.nodes[1];
  n.supportedV = 1;
  n.x = 3.0f;
  n.z = -2.0f;
  n.y = 7.0f;  // the numbering writer refreshes y from z
  n.supportPhi = 0.5f;
  n.dofPhi[1] = 9;
  n.nodeElements[1] = 4;
  n.number = 1;
  n.mixedHinges = 1;
  ASSERT_TRUE(WriteNodesNumbering(paths, model));
  std::string bytes = ReadFile(paths.file("NODES"));
  ASSERT_EQ(bytes.size(), 2u + 204);
  EXPECT_EQ(At<uint8_t>(bytes, 2 + 1), 1);
  EXPECT_EQ(At<float>(bytes, 2 + 8), 3.0f);
  EXPECT_EQ(At<float>(bytes, 2 + 16), 2.0f);
  EXPECT_EQ(At<float>(bytes, 2 + 28), 0.5f);
  EXPECT_EQ(At<int16_t>(bytes, 2 + 116), 9);
  EXPECT_EQ(At<int16_t>(bytes, 2 + 162), 4);
  EXPECT_EQ(At<int16_t>(bytes, 2 + 192), 1);
  EXPECT_EQ(At<int16_t>(bytes, 2 + 194), 1);

  model.params.supportCount = 1;
  model.supports[1] = SupportRecord{};
  model.supports[1].node = 5;
  model.supports[1].factorV = 0.25f;
  model.supports[1].givenV = 1;
  ASSERT_TRUE(WriteSupportsFile(paths, model));
  bytes = ReadFile(paths.file("LKNOTENR"));
  ASSERT_EQ(bytes.size(), 2u + 32);
  EXPECT_EQ(At<int16_t>(bytes, 2), 5);
  EXPECT_EQ(At<float>(bytes, 2 + 20), 0.25f);
  EXPECT_EQ(At<uint8_t>(bytes, 2 + 29), 1);

  SetDefaultMaterial(model);
  ASSERT_TRUE(WriteMaterialsFile(paths, model));
  bytes = ReadFile(paths.file("MATR"));
  ASSERT_EQ(bytes.size(), 2u + 112);
  EXPECT_EQ(At<float>(bytes, 2 + 84), 26700000.0f);
  EXPECT_EQ(At<int16_t>(bytes, 2 + 104), 1);

  SetDefaultCrossSection(model);
  ASSERT_TRUE(WriteCrossSectionsFile(paths, model));
  bytes = ReadFile(paths.file("CROSS"));
  ASSERT_EQ(bytes.size(), 2u + 140);
  EXPECT_EQ(At<float>(bytes, 2 + 84), 0.2f);
  EXPECT_EQ(At<float>(bytes, 2 + 88), 0.4f);
  EXPECT_EQ(At<float>(bytes, 2 + 96), 0.0010666667f);
  EXPECT_EQ(At<float>(bytes, 2 + 100), 0.08f);
  EXPECT_EQ(At<float>(bytes, 2 + 104), 50000.0f);
  EXPECT_EQ(At<int16_t>(bytes, 2 + 132), 1);
}

TEST_F(PositionFiles, NodeNumberingWriterNeverWritesMoreThan200Nodes) {
  model.params.nodeCount = 250;
  ASSERT_TRUE(WriteNodesNumbering(paths, model));
  EXPECT_EQ(model.params.nodeCount, 200);
  const std::string bytes = ReadFile(paths.file("NODES"));
  EXPECT_EQ(At<int16_t>(bytes, 0), 200);
  EXPECT_EQ(bytes.size(), 2u + 200 * 204);
}

TEST_F(PositionFiles, HugeNegativeAndTruncatedCountsNeverReadPastTheTable) {
  // 32767 elements announced, 3 records present.
  std::string bytes(2 + 3 * 148, '\x11');
  const int16_t huge = 32767;
  std::memcpy(bytes.data(), &huge, 2);
  WriteFile(paths.file("ELEMENTS"), bytes);
  ASSERT_TRUE(ReadElementsFile(paths, model));
  EXPECT_EQ(model.params.elementCount, 100);
  EXPECT_EQ(model.elements[3].runTime[0], 0x11111111u);
  EXPECT_EQ(model.elements[4].runTime[0], 0u);  // beyond the file: left as it was

  const int16_t negative = -5;
  std::memcpy(bytes.data(), &negative, 2);
  WriteFile(paths.file("MATR"), bytes);
  ASSERT_TRUE(ReadMaterialsFile(paths, model));
  EXPECT_EQ(model.params.materialCount, 0);

  // A record cut in the middle fills what is there and keeps the rest.
  model.params.supportCount = 0;
  model.supports[1].factorPhi = 9.0f;
  std::string cut(2 + 10, '\0');
  const int16_t one = 1;
  std::memcpy(cut.data(), &one, 2);
  cut[2] = 7;
  WriteFile(paths.file("LKNOTENR"), cut);
  ASSERT_TRUE(ReadSupportsFile(paths, model));
  EXPECT_EQ(model.params.supportCount, 1);
  EXPECT_EQ(model.supports[1].node, 7);
  EXPECT_EQ(model.supports[1].factorPhi, 9.0f);

  // An empty file keeps the count it found; a missing file is reported.
  model.params.nodeCount = 3;
  WriteFile(paths.file("NODES"), "");
  ASSERT_TRUE(ReadNodesFile(paths, model));
  EXPECT_EQ(model.params.nodeCount, 3);
  std::filesystem::remove(paths.file("NODES"));
  EXPECT_FALSE(ReadNodesFile(paths, model));
}

TEST_F(PositionFiles, ExtentParametersAndSmallFiles) {
  model.params.elementCount = 0;
  const DrawingExtents none = ElementExtents(model);
  ASSERT_TRUE(WriteExtentFile(paths, none));
  std::string bytes = ReadFile(paths.file("EXTENSIOR"));
  ASSERT_EQ(bytes.size(), 16u);
  EXPECT_EQ(At<float>(bytes, 0), 1.0e20f);
  EXPECT_EQ(At<float>(bytes, 4), 1.0e20f);
  EXPECT_EQ(At<float>(bytes, 8), -1.0e20f);
  EXPECT_EQ(At<float>(bytes, 12), -1.0e20f);

  model.params.elementCount = 2;
  SetElementLeft(model.elements[1], 0.0f, 0.0f);
  SetElementRight(model.elements[1], 0.0f, 3.0f);
  SetElementLeft(model.elements[2], 0.0f, 3.0f);
  SetElementRight(model.elements[2], 5.0f, 3.0f);
  const DrawingExtents e = ElementExtents(model);
  EXPECT_EQ(e.xmin, 0.0f);
  EXPECT_EQ(e.ymin, 0.0f);
  EXPECT_EQ(e.xmax, 5.0f);
  EXPECT_EQ(e.ymax, 3.0f);

  model.params.setTitle("Hall 3");
  model.params.nodeCount = 12;
  ASSERT_TRUE(WriteParametersFile(paths, model));
  bytes = ReadFile(paths.file("PARAMR"));
  ASSERT_EQ(bytes.size(), 744u);
  EXPECT_EQ(At<int16_t>(bytes, 130), 12);
  EXPECT_EQ(bytes.substr(136, 7), std::string("Hall 3\0", 7));

  ASSERT_TRUE(WriteGeometryFile(paths, 1));
  EXPECT_EQ(ReadFile(paths.file("GEOMETRY")), std::string("\1\0\0\0", 4));
  ASSERT_TRUE(WriteGrafikgoFile(paths));
  EXPECT_EQ(ReadFile(paths.file("GRAFIKGO")), std::string("\1\0\0\0", 4));

  model.params.setEquationCount(2);
  model.dofs[1] = {1, 1, 1};
  model.dofs[2] = {1, 2, 2};
  ASSERT_TRUE(WriteDofFile(paths, model));
  bytes = ReadFile(paths.file("DOFSK"));
  ASSERT_EQ(bytes.size(), 24u);
  EXPECT_EQ(At<int32_t>(bytes, 12 + 8), 2);
}

TEST_F(PositionFiles, FilesListIsCreatedOnceAndNeverRewritten) {
  WriteFilesListIfMissing(paths);
  EXPECT_EQ(ReadFile(paths.plainFile("FILES")),
            std::string(14, ' ') + "D1" + std::string(32, ' ') + "Dimensions\r\n");
  WriteFile(paths.plainFile("FILES"), "mine");
  WriteFilesListIfMissing(paths);
  EXPECT_EQ(ReadFile(paths.plainFile("FILES")), "mine");
}

TEST_F(PositionFiles, GeneratorInputFiles) {
  GeneratorTables tables;
  model.params.floorCount = 2;
  tables.floors[1] = {3.0f, 5.0f, 2, 1};
  tables.floors[2] = {2.5f, 4.0f, 3, 2};
  ASSERT_TRUE(WriteFloorFile(paths, model, tables.floors));
  std::string bytes = ReadFile(paths.file("RAHMENDAT"));
  ASSERT_EQ(bytes.size(), 2u + 32);
  EXPECT_EQ(At<float>(bytes, 2 + 16), 2.5f);
  EXPECT_EQ(At<int32_t>(bytes, 2 + 16 + 8), 3);
  EXPECT_EQ(At<int32_t>(bytes, 2 + 16 + 12), 2);

  GeneratorTables back;
  model.params.floorCount = 0;
  ASSERT_TRUE(ReadFloorFile(paths, model, back.floors));
  EXPECT_EQ(model.params.floorCount, 2);
  EXPECT_EQ(back.floors[2].spacing, 4.0f);

  EXPECT_FALSE(ReadArcFile(paths).has_value());
  ASSERT_TRUE(WriteArcFile(paths, ArcInput{12.0f, 150.0f, 30.0f, 8}));
  bytes = ReadFile(paths.file("BOGEN"));
  ASSERT_EQ(bytes.size(), 16u);
  EXPECT_EQ(At<float>(bytes, 4), 150.0f);
  EXPECT_EQ(At<int32_t>(bytes, 12), 8);
  EXPECT_EQ(ReadArcFile(paths)->angleRight, 30.0f);
}

TEST_F(PositionFiles, WritesLeaveNoTemporaryFileBehind) {
  WriteElementsFile(paths, model);
  WriteParametersFile(paths, model);
  for (const std::string& name : test::ListDirectory(paths.positionDirectory))
    EXPECT_EQ(name.find("tmp"), std::string::npos) << name;
  // A directory that does not exist: the write is skipped without a trace.
  PositionPaths missing = paths;
  missing.positionDirectory = dir / "nowhere/";
  EXPECT_FALSE(WriteElementsFile(missing, model));
}

}  // namespace
}  // namespace rerore
