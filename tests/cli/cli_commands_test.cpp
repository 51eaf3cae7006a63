// rerore-cli run as a user runs it on a copy of the example data directory
// with a settings home of its own: its exit codes, what it prints and the
// files it leaves.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cstdint>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "support/test_support.h"

// These tests run rerore-cli through a POSIX shell with its variables. On
// Windows the round trip under Wine (CTest label windows) runs the program
// instead.
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
  std::vector<std::string> files(const std::string& position) const {
    return ListDirectory(data / ("SDIR" + position));
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
    for (const std::string& name : files(position)) {
      EXPECT_EQ(name.find("~tmp"), std::string::npos) << name;
      EXPECT_NE(name, "ECHO_G.TMP.TXT");
    }
  }
};

// load gives an empty position its default section and material; end
// then writes no echo file, since there is no element or node.
TEST(CliLoad, AnEmptyPositionGetsTheDefaultTablesAndEndAddsNoEchoFile) {
  SKIP_WITHOUT_POSIX_SHELL();
  ExampleData examples;
  std::filesystem::create_directories(examples.data / "SDIR005");
  const std::vector<std::string> defaults = {"CROSS.005", "MATR.005"};
  auto result = examples.run("load", "005");
  EXPECT_EQ(result.status, 0) << result.err;
  EXPECT_EQ(examples.files("005"), defaults);  // their bytes: see the start-up test
  result = examples.run("end", "005");
  EXPECT_EQ(result.status, 0) << result.err;
  EXPECT_EQ(examples.files("005"), defaults);
}

TEST(CliLoad, UnwritableDataDirectoryAndUsageErrors) {
  SKIP_WITHOUT_POSIX_SHELL();
  ExampleData examples;
  const std::string path = examples.file("001", "ECHO_G.001.TXT/");  // a file, not a directory
  auto result = examples.cli("load .001 @" + path);
  EXPECT_EQ(result.status, 4);
  EXPECT_EQ(result.err, "Does the directory " + path + " exist?: The file " + path +
                            "TEST cannot be stored!\n");
  result = examples.cli("");
  EXPECT_EQ(result.status, 1);
  EXPECT_NE(result.err.find("usage: rerore-cli"), std::string::npos);
  result = examples.cli("load .001");
  EXPECT_EQ(result.status, 1);
  EXPECT_EQ(result.err, "Missing input: Command line: .POS @PathData\\ \n");
}

// Each frame in a fresh position of its own: arc and parabola set no
// supports, so their nodes must not inherit those of an earlier frame.
// Generating writes GEOMETRY 0: only Store writes 1.
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
    const auto generated = examples.run("generate " + kind, position, values);
    ASSERT_EQ(generated.status, 0) << kind << generated.err;
    const std::string x = "." + position;
    EXPECT_EQ(At<int16_t>(ReadFile(examples.file(position, "ELEMENTS" + x)), 0), elements) << kind;
    EXPECT_EQ(examples.number(position, "GEOMETRY" + x), 0) << kind;
    const auto result = examples.run("store", position);
    EXPECT_EQ(result.status, status) << kind << result.err;
    EXPECT_EQ(examples.number(position, "GEOMETRY" + x), status == 0 ? 1 : 0) << kind;
    EXPECT_EQ(result.out == "checkResult 0\n", status == 0) << kind << result.out;
  }
  EXPECT_EQ(At<int16_t>(ReadFile(examples.file("011", "DLT.011")), 0), 3);
  EXPECT_EQ(At<int16_t>(ReadFile(examples.file("012", "RAHMENDAT.012")), 0), 2);
}

// A frame generated in a position without a folder gets one; a frame
// generated over the portal of 001 is what the next start loads, not the
// portal of the older echo file.
TEST(CliGenerate, TheFolderIsMadeAndTheNextStartLoadsTheGeneratedFrame) {
  SKIP_WITHOUT_POSIX_SHELL();
  ExampleData examples;
  auto result = examples.run("generate beam", "008", "4 8");
  ASSERT_EQ(result.status, 0) << result.err;
  for (const char* name : {"ELEMENTS.008", "NODES.008", "EXTENSIOR.008", "ECHO_G.008.TXT"})
    EXPECT_TRUE(Exists(examples.file("008", name))) << name;
  result = examples.run("generate beam", "001", "4 8");
  ASSERT_EQ(result.status, 0) << result.err;
  result = examples.run("load", "001");
  ASSERT_EQ(result.status, 0) << result.err;
  EXPECT_EQ(At<int16_t>(ReadFile(examples.file("001", "ELEMENTS.001")), 0), 2);
}

TEST(CliGenerate, RefusedInputExitsWith5AndWrongArgumentsWith1) {
  SKIP_WITHOUT_POSIX_SHELL();
  ExampleData examples;
  std::filesystem::create_directories(examples.data / "SDIR011");
  auto result = examples.run("generate beam", "011", "4.0 4.0");
  EXPECT_EQ(result.status, 5);
  EXPECT_EQ(result.err, "Error: Coordinates of field ends must be increasing, x1 < x2 < x3 ...\n");
  result = examples.run("generate frame", "011", "3:1:5");
  EXPECT_EQ(result.status, 5);
  EXPECT_EQ(result.err, "Error: 2 piers and more make a frame\n");
  result = examples.run("generate arc", "011", "abc 180 0 48");
  EXPECT_EQ(result.status, 5);
  EXPECT_EQ(result.err, "Error: The radius must be positive\n");
  result = examples.run("generate beam", "011", "5 1e39");
  EXPECT_EQ(result.status, 5);
  EXPECT_EQ(result.err, "Error: The number 1e39 is too large\n");
  EXPECT_FALSE(Exists(examples.file("011", "ELEMENTS.011")));
  for (const auto& [kind, values] : {std::pair{"circle", "1"}, {"arc", "10 180 0"}, {"beam", ""}}) {
    result = examples.run("generate " + std::string(kind), "011", values);
    EXPECT_EQ(result.status, 1) << kind;
    EXPECT_NE(result.err.find("usage: rerore-cli generate"), std::string::npos) << kind;
  }
  // In a position that has no folder yet, a refused generator leaves none.
  result = examples.run("generate arc", "012", "0 180 0 10");
  EXPECT_EQ(result.status, 5);
  EXPECT_FALSE(Exists(examples.data / "SDIR012"));
}

// check and store print the same result and exit 0 (sound), 2 (singular)
// or 3 (the check refused the model); only store writes GEOMETRY 1.
TEST(CliCheckAndStore, ResultAndExitStatusForSoundSingularAndRefusedFrames) {
  SKIP_WITHOUT_POSIX_SHELL();
  for (const std::string command : {"check", "store"}) {
    ExampleData examples;
    auto result = examples.run(command, "001");
    EXPECT_EQ(result.status, 0) << command << result.err;
    EXPECT_EQ(result.out, "checkResult 0\n") << command;
    EXPECT_EQ(examples.number("001", "GEOMETRY.001"), command == "store" ? 1 : 0) << command;
    EXPECT_TRUE(Exists(examples.file("001", "FLEXDIA.001"))) << command;

    result = examples.run(command, "003");  // a hinged portal: a mechanism
    EXPECT_EQ(result.status, 2) << command;
    EXPECT_EQ(result.out, "checkResult 14\n") << command;
    EXPECT_NE(result.err.find("Error: Singularity in row 14\nEquation 14 is the rotation of node "
                              "4: the frame can move there.\n"),
              std::string::npos)
        << command << result.err;
    EXPECT_EQ(examples.number("003", "GEOMETRY.003"), 0) << command;

    // A section without area: the check refuses the model.
    const std::string echoPath = examples.file("003", "ECHO_G.003.TXT");
    std::string echo = ReadFile(echoPath);
    echo.replace(echo.find("1.2000E-01"), 10, "0.0000E+00");
    WriteFile(echoPath, echo);
    result = examples.run(command, "003");
    EXPECT_EQ(result.status, 3) << command;
    EXPECT_EQ(result.out, "checkResult -1\n") << command;
    EXPECT_NE(result.err.find("RERORE: Error in the stiffness of element 1. Check E, A and I\n"),
              std::string::npos)
        << command;
    EXPECT_EQ(examples.number("003", "GEOMETRY.003"), 0) << command;

    std::filesystem::create_directories(examples.data / "SDIR005");
    result = examples.run(command, "005");  // no elements
    EXPECT_EQ(result.status, 3) << command;
    EXPECT_EQ(result.out, "checkResult -1\n") << command;
    EXPECT_NE(result.err.find("Error: No elements: there is nothing to check.\n"),
              std::string::npos)
        << command << result.err;
    EXPECT_NE(examples.number("005", "GEOMETRY.005"), 1) << command;
    examples.expectNoTemporaryFiles("001");
    examples.expectNoTemporaryFiles("003");
  }
}

TEST(CliStore, SoundFramesAreStoredWithEveryFile) {
  SKIP_WITHOUT_POSIX_SHELL();
  ExampleData examples;
  for (const std::string position : {"001", "002"}) {
    const auto result = examples.run("store", position);
    EXPECT_EQ(result.status, 0) << position << result.err;
    std::vector<std::string> names = {"FILES",       "D1.TXT",
                                      "DEFSUP.TXT",  "MATH_KMATRIX.TXT",
                                      "FLEXMAX.TXT", "ECHO_G." + position + ".TXT"};
    for (const char* table : {"ELEMENTS", "NODES", "LKNOTENR", "CROSS", "MATR", "PARAMR", "DOFSK",
                              "GRAFIKGO", "EXTENSIOR", "MATRIX", "MATRIXORI", "MATRIXP", "LU",
                              "INVERSE", "FLEXDIA", "FLEXMAX", "GEOMETRY"})
      names.push_back(table + ("." + position));
    for (const std::string& name : names)
      EXPECT_TRUE(Exists(examples.file(position, name))) << name;
    examples.expectNoTemporaryFiles(position);
  }
  EXPECT_EQ(ReadFile(examples.home / "VELTRANIX/EXTR").c_str(), std::string(".002"));
  const std::string echo = ReadFile(examples.file("002", "ECHO_G.002.TXT"));
  EXPECT_EQ(echo.substr(0, 37), "TITEL\r\nContinuous beam, three spans\r\n");
}

TEST(CliStore, AnUnnamedPositionIsRefused) {
  SKIP_WITHOUT_POSIX_SHELL();
  ExampleData examples;
  std::filesystem::create_directories(examples.data / "SDIRNEW");
  const auto result = examples.run("store", "NEW");
  EXPECT_EQ(result.status, 1);
  EXPECT_EQ(result.err, "Store: The position NEW has no name yet: Store as needs one.\n");
  EXPECT_FALSE(Exists(examples.file("NEW", "ECHO_G.NEW.TXT")));
}

// Store as takes every table along: the new position has the portal's two
// sections, and its Store checks and keeps them.
TEST(CliStoreAs, TheNewPositionHoldsEveryTableAndItsStoreIsSound) {
  SKIP_WITHOUT_POSIX_SHELL();
  ExampleData examples;
  auto result = examples.run("store-as", "001", "009");
  ASSERT_EQ(result.status, 0) << result.err;
  EXPECT_EQ(At<int16_t>(ReadFile(examples.file("009", "CROSS.009")), 0), 2);
  EXPECT_EQ(At<int16_t>(ReadFile(examples.file("009", "LKNOTENR.009")), 0), 2);
  result = examples.run("store", "009");
  EXPECT_EQ(result.status, 0) << result.err;
  EXPECT_EQ(examples.number("009", "GEOMETRY.009"), 1);
  EXPECT_NE(ReadFile(examples.file("009", "ECHO_G.009.TXT")).find("CROSSECTIONS\r\n2\r\n"),
            std::string::npos);
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
  EXPECT_EQ(ReadFile(examples.file("002", "ECHO_G.002.TXT")).substr(0, 20),
            "TITEL\r\nEdited beam\r\n");
  result = examples.run("echo", "002", examples.data / "none.txt");
  EXPECT_EQ(result.status, 1);
  EXPECT_EQ(result.err, "Attention: File " + examples.data / "none.txt" + " not found!\n");
}

// The data path is one argument, taken whole: without a separator at its
// end it gets one, an "@" or a blank inside it belongs to it, and a path
// too long for the position files is refused rather than cut.
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

  const std::string deep = examples.data / (std::string(240, 'd') + "/");
  std::filesystem::create_directories(deep);
  result = examples.cli("load .001 @" + deep);
  EXPECT_EQ(result.status, 4);
  EXPECT_EQ(result.err, "Error: The path " + deep + " is too long\n");
  EXPECT_TRUE(ListDirectory(deep).empty());
}

// What a killed run can leave is gone after the next start; a FIFO where a
// position file belongs is taken as missing instead of waiting for it.
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

// A file that cannot be written makes any command fail with 6 and its name.
TEST(CliEnd, AFileThatCannotBeWrittenEndsWith6) {
  SKIP_WITHOUT_POSIX_SHELL();
  ExampleData examples;
  std::filesystem::create_directories(examples.file("001", "PARAMR.001"));
  auto result = examples.run("end", "001");
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

TEST(CliEnd, RewritesTheEchoFileOfALoadedPosition) {
  SKIP_WITHOUT_POSIX_SHELL();
  ExampleData examples;
  const auto result = examples.run("end", "001");
  EXPECT_EQ(result.status, 0) << result.err;
  EXPECT_EQ(result.err, "");
  const std::string echo = ReadFile(examples.file("001", "ECHO_G.001.TXT"));
  EXPECT_EQ(echo.substr(0, 31), "TITEL\r\nPortal frame 6 m x 4 m\r\n");
  EXPECT_NE(echo.find("\r\nNODES\r\n4\r\n1 0.00 0.00  1.0000E+00  1.0000E+00  1.0000E+00\r\n"),
            std::string::npos);
  EXPECT_EQ(examples.number("001", "GEOMETRY.001"), 0);  // loaded from the echo file
  examples.expectNoTemporaryFiles("001");
}

uint32_t BigEndian(const std::string& bytes, size_t at) {
  uint32_t value = 0;
  for (size_t i = 0; i < 4; ++i) value = value << 8 | static_cast<uint8_t>(bytes[at + i]);
  return value;
}

TEST(CliRender, ImageOfTheGivenSizeThePrintedPageAndRefusedArguments) {
  SKIP_WITHOUT_POSIX_SHELL();
  ExampleData examples;
  if (examples.cli("").err.find("render EXT") == std::string::npos)
    GTEST_SKIP() << "built without the desktop program";
  const std::string png = examples.data / "frame.png";
  auto result = examples.run("render", "001", png + " --size 640x400");
  ASSERT_EQ(result.status, 0) << result.err;
  const std::string image = ReadFile(png);
  ASSERT_GT(image.size(), 24u);
  EXPECT_EQ(image.substr(1, 3), "PNG");
  EXPECT_EQ(BigEndian(image, 16), 640u);  // IHDR width and height
  EXPECT_EQ(BigEndian(image, 20), 400u);

  const std::string pdf = examples.data / "frame.pdf";
  result = examples.run("render", "001", pdf);
  ASSERT_EQ(result.status, 0) << result.err;
  EXPECT_EQ(ReadFile(pdf).substr(0, 5), "%PDF-");

  EXPECT_EQ(examples.run("render", "001").status, 1);
  const std::string refused = examples.data / "x.png";
  result = examples.run("render", "001", refused + " --size 640");
  EXPECT_EQ(result.status, 1);
  EXPECT_NE(result.err.find("usage: rerore-cli render"), std::string::npos);
  EXPECT_FALSE(Exists(refused));
}

}  // namespace
}  // namespace rerore::test
