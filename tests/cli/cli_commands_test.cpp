// rerore-cli on a copy of the examples: one call per path and exit status.
#include <sys/stat.h>

#include <tuple>

#include "support/test_support.h"

// Through a POSIX shell; on Windows the round trip under Wine runs it.
#ifdef _WIN32
#define SKIP_WITHOUT_POSIX_SHELL() GTEST_SKIP() << "runs rerore-cli through a POSIX shell"
#else
#define SKIP_WITHOUT_POSIX_SHELL() static_cast<void>(0)
#endif

namespace rerore::test {
namespace {

struct ExampleData {
  TempDir data;
  TempDir home;
  ExampleData() {
    test::CopyExamples(data);
    std::filesystem::create_directories(home / "VELTRANIX");  // EXTR goes there
  }
  // "rerore-cli ARGUMENTS" with this settings home.
  CommandResult cli(const std::string& arguments) const {
    return RunCommand("XDG_DATA_HOME=" + home.path() + " QT_QPA_PLATFORM=offscreen " + RERORE_CLI +
                      " " + arguments);
  }
  // "rerore-cli COMMAND .POSITION @DATAPATH MORE"
  CommandResult run(const std::string& command, const std::string& position,
                    const std::string& more = "") const {
    return cli(command + " ." + position + " @" + data.path() + " " + more);
  }
  std::string file(const std::string& position, const std::string& name) const {
    return data / ("SDIR" + position + "/" + name);
  }
  // A file holding one 32-bit number (GEOMETRY), or -1.
  int32_t number(const std::string& position, const std::string& name) const {
    const std::string bytes = ReadFile(file(position, name));
    int32_t value = -1;
    if (bytes.size() == sizeof value) std::memcpy(&value, bytes.data(), sizeof value);
    return value;
  }
  // No command leaves a temporary file in the position directory.
  void expectNoTemporaryFiles(const std::string& position) const {
    for (const std::string& name : ListDirectory(data / ("SDIR" + position))) {
      EXPECT_EQ(name.find("~tmp"), std::string::npos) << name;
      EXPECT_NE(name, "ECHO_G.TMP.TXT");
    }
  }
};

// Each frame in a fresh position (no inherited supports); only Store writes GEOMETRY 1.
TEST(CliGenerate, GeneratedFramesAreStoredSoundOrAsMechanisms) {
  SKIP_WITHOUT_POSIX_SHELL();
  ExampleData examples;
  const std::tuple<std::string, std::string, std::string, int, int> runs[] = {
      {"011", "beam", "4.0 7.5 12.3", 3, 0},
      {"012", "frame", "3.0:2:5.0 3.0:3:2.5", 9, 0},
      {"013", "arc", "10 180 0 2", 2, 2},
      {"014", "parabola", "10 2 6.7", 6, 2},
  };
  for (const auto& [position, kind, values, elements, status] : runs) {
    std::filesystem::create_directories(examples.data / ("SDIR" + position));
    SCOPED_TRACE(kind);
    ASSERT_EQ(examples.run("generate " + kind, position, values).status, 0);
    const std::string x = "." + position;
    EXPECT_EQ(At<int16_t>(ReadFile(examples.file(position, "ELEMENTS" + x)), 0), elements);
    EXPECT_EQ(examples.number(position, "GEOMETRY" + x), 0);
    const auto result = examples.run("store", position);
    EXPECT_EQ(result.status, status) << result.err;
    EXPECT_EQ(examples.number(position, "GEOMETRY" + x), status == 0 ? 1 : 0);
    EXPECT_EQ(result.out == "checkResult 0\n", status == 0) << result.out;
  }
  EXPECT_EQ(At<int16_t>(ReadFile(examples.file("011", "DLT.011")), 0), 3);
  EXPECT_EQ(At<int16_t>(ReadFile(examples.file("012", "RAHMENDAT.012")), 0), 2);
}

// A missing folder is made, and the next start loads the generated frame.
TEST(CliGenerate, TheFolderIsMadeAndTheNextStartLoadsTheGeneratedFrame) {
  SKIP_WITHOUT_POSIX_SHELL();
  ExampleData examples;
  auto result = examples.run("generate beam", "008", "4 8");
  ASSERT_EQ(result.status, 0) << result.err;
  EXPECT_TRUE(Exists(examples.file("008", "ECHO_G.008.TXT")));
  result = examples.run("generate beam", "001", "4 8");
  ASSERT_EQ(result.status, 0) << result.err;
  result = examples.run("load", "001");
  ASSERT_EQ(result.status, 0) << result.err;
  EXPECT_EQ(At<int16_t>(ReadFile(examples.file("001", "ELEMENTS.001")), 0), 2);
}

// Status and message ("..." ends a prefix); a refused generator writes nothing.
TEST(CliRefusals, ExitStatusAndMessage) {
  SKIP_WITHOUT_POSIX_SHELL();
  ExampleData ex;
  const std::string d = " @" + ex.data.path();
  const std::string deep = ex.data / (std::string(240, 'd') + "/"), none = ex.data / "none.txt";
  std::filesystem::create_directories(deep);
  for (const char* folder : {"SDIR011", "SDIRNEW"})
    std::filesystem::create_directories(ex.data / folder);
  const std::string usage = "usage: rerore-cli generate...";
  const std::tuple<std::string, int, std::string> cases[] = {
      {"", 1, "usage: rerore-cli..."},
      {"load .001 @" + deep, 4, "Error: The path " + deep + " is too long\n"},
      {"generate arc .012" + d + " abc 180 0 48", 5, "Error: The radius must be positive\n"},
      {"generate beam .011" + d + " 5 1e39", 5, "Error: The number 1e39 is too large\n"},
      {"generate circle .011" + d + " 1", 1, usage},
      {"generate arc .011" + d + " 10 180 0", 1, usage},
      {"store .NEW" + d, 1, "Store: The position NEW has no name yet: Store as needs one.\n"},
      {"echo .002" + d + " " + none, 1, "Attention: File " + none + " not found!\n"},
  };
  for (const auto& [arguments, status, message] : cases) {
    const CommandResult result = ex.cli(arguments);
    EXPECT_EQ(result.status, status) << arguments;
    if (message.ends_with("..."))
      EXPECT_TRUE(result.err.starts_with(message.substr(0, message.size() - 3))) << result.err;
    else
      EXPECT_EQ(result.err, message) << arguments;
  }
  EXPECT_FALSE(Exists(ex.file("011", "ELEMENTS.011")));
  EXPECT_FALSE(Exists(ex.data / "SDIR012"));
  EXPECT_FALSE(Exists(ex.file("NEW", "ECHO_G.NEW.TXT")));
  EXPECT_TRUE(ListDirectory(deep).empty());
}

// Exit 0 (sound), 2 (singular), 3 (refused); store writes all, GEOMETRY 1 if sound.
TEST(CliCheckAndStore, ResultAndExitStatusForSoundSingularAndRefusedFrames) {
  SKIP_WITHOUT_POSIX_SHELL();
  for (const std::string command : {"check", "store"}) {
    ExampleData ex;
    std::filesystem::create_directories(ex.data / "SDIR005");  // no elements
    const std::tuple<std::string, int, const char*, const char*> runs[] = {
        {"001", 0, "checkResult 0\n", ""},
        {"003", 2, "checkResult 14\n",  // a hinged portal
         "Error: Singularity in row 14\nEquation 14 is the rotation of node 4: the frame can move "
         "there.\n"},
        {"003", 3, "checkResult -1\n",  // and a section without area
         "RERORE: Error in the stiffness of element 1. Check E, A and I\n"},
        {"005", 3, "checkResult -1\n", "Error: No elements: there is nothing to check.\n"}};
    for (const auto& [position, status, out, err] : runs) {
      SCOPED_TRACE(command + " " + position);
      if (status == 3 && position == "003") {
        std::string echo = ReadFile(ex.file("003", "ECHO_G.003.TXT"));
        echo.replace(echo.find("1.2000E-01"), 10, "0.0000E+00");
        WriteFile(ex.file("003", "ECHO_G.003.TXT"), echo);
      }
      const CommandResult result = ex.run(command, position);
      EXPECT_EQ(std::tie(result.status, result.out), std::tuple(status, out));
      EXPECT_NE(result.err.find(err), std::string::npos) << result.err;
      EXPECT_EQ(ex.number(position, "GEOMETRY." + position) == 1, command == "store" && !status);
    }
    for (const char* name :
         {"FILES", "D1.TXT", "DEFSUP.TXT", "MATH_KMATRIX.TXT", "FLEXMAX.TXT", "ECHO_G.001.TXT",
          "DOFSK.001", "GRAFIKGO.001", "MATRIX.001", "MATRIXORI.001", "MATRIXP.001", "LU.001",
          "INVERSE.001", "FLEXMAX.001", "LKNOTENR.001", "MATR.001", "PARAMR.001", "EXTENSIOR.001"})
      EXPECT_TRUE(command == "check" || Exists(ex.file("001", name))) << name;
    EXPECT_TRUE(Exists(ex.file("001", "FLEXDIA.001"))) << command;
    ex.expectNoTemporaryFiles("001");
    ex.expectNoTemporaryFiles("003");
  }
}

// Store as takes every table along (the portal's two sections): its Store is sound.
TEST(CliStoreAs, TheNewPositionHoldsEveryTableAndItsStoreIsSound) {
  SKIP_WITHOUT_POSIX_SHELL();
  ExampleData examples;
  auto result = examples.run("store-as", "001", "009");
  ASSERT_EQ(result.status, 0) << result.err;
  EXPECT_EQ(At<int16_t>(ReadFile(examples.file("009", "CROSS.009")), 0), 2);
  result = examples.run("store", "009");
  EXPECT_EQ(result.status, 0) << result.err;
  EXPECT_EQ(examples.number("009", "GEOMETRY.009"), 1);
}

TEST(CliEcho, TheEditedTextIsLoadedAndKeptForTheNextStart) {
  SKIP_WITHOUT_POSIX_SHELL();
  ExampleData examples;
  std::string text = ReadFile(examples.file("002", "ECHO_G.002.TXT"));
  text.replace(text.find("Continuous beam, three spans"), 28, "Edited beam");
  const std::string edited = examples.data / "edited.txt";
  WriteFile(edited, text);
  auto result = examples.run("echo", "002", edited);
  ASSERT_EQ(result.status, 0) << result.err;
  EXPECT_TRUE(
      ReadFile(examples.file("002", "ECHO_G.002.TXT")).starts_with("TITEL\r\nEdited beam\r\n"));
}

// The data path is one argument: a separator added, "@" and blanks kept.
TEST(CliPaths, TheDataPathIsTakenWholeOrRefused) {
  SKIP_WITHOUT_POSIX_SHELL();
  ExampleData examples;
  const std::string plain = examples.data.path().substr(0, examples.data.path().size() - 1);
  auto result = examples.cli("store .001 @" + plain);
  EXPECT_EQ(result.status, 0) << result.err;
  EXPECT_EQ(examples.number("001", "GEOMETRY.001"), 1);

  const std::string odd = examples.data / "a @b c/";
  std::filesystem::create_directories(odd + "SDIR002");
  std::filesystem::copy(examples.file("002", "ECHO_G.002.TXT"), odd + "SDIR002/");
  result = examples.cli("store .002 '@" + odd + "'");
  EXPECT_EQ(result.status, 0) << result.err;
  EXPECT_EQ(ReadFile(odd + "SDIR002/GEOMETRY.002"), kGeometryOne);
}

// A killed run's leftovers go at the next start; a FIFO counts as missing.
TEST(CliLoad, StartUpRemovesLeftoversAndNeverWaitsOnAFifo) {
  SKIP_WITHOUT_POSIX_SHELL();
  ExampleData examples;
  WriteFile(examples.file("001", "ELEMENTS.001.~tmp"), "half a file");
  WriteFile(examples.data / "TEST", "");
  auto result = examples.run("load", "001");
  EXPECT_EQ(result.status, 0) << result.err;
  examples.expectNoTemporaryFiles("001");
  EXPECT_FALSE(Exists(examples.data / "TEST"));

  for (const char* name : {"ECHO_G.001.TXT", "ELEMENTS.001"}) {
    std::filesystem::remove(examples.file("001", name));
#ifndef _WIN32
    ASSERT_EQ(mkfifo(examples.file("001", name).c_str(), 0600), 0);
#endif
  }
  result = RunCommand("XDG_DATA_HOME=" + examples.home.path() + " timeout 20 " + RERORE_CLI +
                      " load .001 @" + examples.data.path());
  EXPECT_EQ(result.status, 0) << result.err;
}

// End rewrites the echo file; a file that cannot be written makes any command fail with 6.
TEST(CliEnd, RewritesTheEchoFileOrEndsWith6NamingTheFile) {
  SKIP_WITHOUT_POSIX_SHELL();
  ExampleData examples;
  auto result = examples.run("end", "001");
  EXPECT_EQ(std::tie(result.status, result.err), std::tuple(0, ""));
  EXPECT_TRUE(ReadFile(examples.file("001", "ECHO_G.001.TXT"))
                  .starts_with("TITEL\r\nPortal frame 6 m x 4 m\r\n"));
  EXPECT_EQ(examples.number("001", "GEOMETRY.001"), 0);  // loaded from the echo file
  examples.expectNoTemporaryFiles("001");

  std::filesystem::remove(examples.file("001", "PARAMR.001"));
  std::filesystem::create_directories(examples.file("001", "PARAMR.001"));
  result = examples.run("end", "001");
  EXPECT_EQ(result.status, 6);
  EXPECT_NE(result.err.find("Error: The file " + examples.file("001", "PARAMR.001") +
                            " cannot be stored!\n"),
            std::string::npos)
      << result.err;
  WriteFile(examples.data / "SDIR008", "a file where the folder belongs");
  result = examples.run("generate beam", "008", "4 8");
  EXPECT_EQ(result.status, 6);
  EXPECT_NE(result.err.find("SDIR008/ELEMENTS.008 cannot be stored!\n"), std::string::npos);
}

// CI runs .ci/run; it must run exactly the test command the README gives.
TEST(Readme, CiRunsTheReadmesTestCommand) {
  const std::string readme = ReadFile(std::string(RERORE_SOURCE_DIR) + "/README.md");
  const std::string ci = ReadFile(std::string(RERORE_SOURCE_DIR) + "/.ci/run");
  const std::string marker = "Install, build and run every test:\n\n```sh\n";
  const size_t start = readme.find(marker);
  ASSERT_NE(start, std::string::npos);
  const size_t from = start + marker.size();
  const std::string command = readme.substr(from, readme.find('\n', from) - from);
  EXPECT_NE(command.find("ctest"), std::string::npos);
  EXPECT_NE(ci.find(command + "\n"), std::string::npos) << command;
}

}  // namespace
}  // namespace rerore::test
