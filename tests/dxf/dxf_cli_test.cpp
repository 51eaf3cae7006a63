// rerore-cli import-dxf and export-dxf: exit codes, messages and the files.
#include "support/test_support.h"

namespace rerore::test {
namespace {

namespace fs = std::filesystem;

struct DxfCli : ::testing::Test {
  TempDir data;
  TempDir home;
  void SetUp() override {
    fs::copy(std::string(RERORE_SOURCE_DIR) + "/examples/DATA", data.path(),
             fs::copy_options::recursive);
    fs::create_directories(home / "VELTRANIX");
  }
  CommandResult run(const std::string& command, const std::string& position,
                    const std::string& more) const {
    return RunCommand("XDG_DATA_HOME=" + home.path() + " " + RERORE_CLI + " " + command + " ." +
                      position + " @" + data.path() + " " + more);
  }
  static std::string fixture(const std::string& name) {
    return std::string(RERORE_SOURCE_DIR) + "/tests/dxf/fixtures/" + name;
  }
  std::vector<std::string> files(const std::string& position) const {
    std::vector<std::string> bytes;
    const std::string folder = data / ("SDIR" + position + "/");
    for (const std::string& name : ListDirectory(folder))
      bytes.push_back(name + ":" + ReadFile(folder + name));
    return bytes;
  }
};

TEST_F(DxfCli, ImportedFrameIsWhatTheNextStartLoads) {
  CommandResult result = run("import-dxf", "002", fixture("portal-mm.dxf") + " --layer SYSTEM");
  ASSERT_EQ(result.status, 0) << result.err;
  EXPECT_EQ(result.out, "3 elements from 3 segments (mm, the drawing's unit)\n");
  EXPECT_EQ(At<int32_t>(ReadFile(data / "SDIR002/GEOMETRY.002"), 0), 0);
  // The echo file holds the portal without supports: the next start finds a mechanism.
  EXPECT_NE(ReadFile(data / "SDIR002/ECHO_G.002.TXT")
                .find("ELEMENTS\r\n3\r\n1 0.00 0.00 0.00 4.00 0 0 1 1 1 1\r\n"
                      "2 0.00 4.00 6.00 4.00 0 0 1 1 1 1\r\n3 6.00 4.00 6.00 0.00"),
            std::string::npos);
  EXPECT_EQ(run("check", "002", "").status, 2);
}

// A refused import exits with 5 and adds nothing to what the start-up wrote.
TEST_F(DxfCli, RefusedImportsExitWith5AndTouchNothing) {
  ASSERT_EQ(run("load", "001", "").status, 0);
  const std::vector<std::string> before = files("001");
  const CommandResult result = run("import-dxf", "001", fixture("loads-list.dxf"));
  EXPECT_EQ(result.status, 5);
  EXPECT_EQ(result.err,
            "Error: " + fixture("loads-list.dxf") + " is not a DXF file the program can read\n");
  EXPECT_EQ(files("001"), before);
  EXPECT_EQ(run("import-dxf", "001", fixture("portal-mm.dxf") + " --unit km").status, 1);
}

TEST_F(DxfCli, ExportWritesTheDrawingOrNamesTheFile) {
  const std::string out = data / "portal.dxf";
  CommandResult result = run("export-dxf", "001", out);
  ASSERT_EQ(result.status, 0) << result.err;
  EXPECT_NE(ReadFile(out).find("ELEMENT-NUMBERS"), std::string::npos);
  const std::string missing = data / "no-folder/portal.dxf";
  result = run("export-dxf", "001", missing);
  EXPECT_EQ(result.status, 6);
  EXPECT_EQ(result.err, "Error: The file " + missing + " cannot be stored!\n");
}

}  // namespace
}  // namespace rerore::test
