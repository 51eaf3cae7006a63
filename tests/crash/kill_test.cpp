// Stores killed at spread-out moments: every file is old, new or removed as a
// Store does, GEOMETRY 1 only beside checked tables, no leftovers after a start.
#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <map>
#include <set>
#include <thread>

#include "support/test_support.h"

extern char** environ;

namespace rerore::test {
namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;
using Files = std::map<std::string, std::string>;  // name -> content

constexpr int kKills = 200;
const char* const kPositions[] = {"001", "002", "003"};
const char* const kTables[] = {"ELEMENTS",  "NODES",  "LKNOTENR", "CROSS", "MATR",
                               "EXTENSIOR", "PARAMR", "DOFSK"};  // what GEOMETRY vouches for

// The regular files of a directory, by name.
Files Snapshot(const std::string& directory) {
  Files files;
  for (const auto& entry : fs::directory_iterator(directory))
    if (entry.is_regular_file()) files[entry.path().filename()] = ReadFile(entry.path());
  return files;
}

bool IsTemporary(const std::string& name) { return name.ends_with(".~tmp"); }

// One example position in a data directory and settings home of its own.
class KilledStore {
 public:
  explicit KilledStore(const std::string& position)
      : ext_("." + position), folder_(data_ / ("SDIR" + position + "/")) {
    fs::create_directories(home_ / "VELTRANIX");
    fs::create_directories(folder_);
    fs::copy(std::string(RERORE_SOURCE_DIR) + "/examples/DATA/SDIR" + position + "/ECHO_G" + ext_ +
                 ".TXT",
             folder_);
    setenv("XDG_DATA_HOME", home_.path().c_str(), 1);
  }

  const std::string& folder() const { return folder_; }
  std::string file(const std::string& stem) const { return folder_ + stem + ext_; }

  // Starts "rerore-cli COMMAND EXT @DATAPATH" quietly; returns its process id.
  pid_t start(const char* command) const {
    std::string program = RERORE_CLI, name = command, ext = ext_, dataPath = "@" + data_.path();
    char* argv[] = {program.data(), name.data(), ext.data(), dataPath.data(), nullptr};
    posix_spawn_file_actions_t quiet;
    posix_spawn_file_actions_init(&quiet);
    posix_spawn_file_actions_addopen(&quiet, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&quiet, 2, "/dev/null", O_WRONLY, 0);
    pid_t pid = -1;
    EXPECT_EQ(posix_spawn(&pid, program.c_str(), &quiet, nullptr, argv, environ), 0);
    posix_spawn_file_actions_destroy(&quiet);
    return pid;
  }
  int run(const char* command) const {  // to its end; the exit status
    int status = 0;
    waitpid(start(command), &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  }
  // The position folder and the data directory hold exactly `files`.
  void restore(const Files& files) const {
    for (const std::string& directory : {folder_, data_.path()})
      for (const auto& entry : fs::directory_iterator(directory))
        if (entry.is_regular_file()) fs::remove(entry.path());
    for (const auto& [name, content] : files) WriteFile(folder_ + name, content);
  }
  bool dataDirectoryEmpty() const { return Snapshot(data_.path()).empty(); }

 private:
  TempDir data_, home_;
  std::string ext_, folder_;
};

std::string Tables(const Files& files, const std::string& ext) {
  std::string tables;
  for (const char* stem : kTables)
    tables += (files.count(stem + ext) ? files.at(stem + ext) : "missing") + '\0';
  return tables;
}

struct Tally {
  int geometryOne = 0, temporaries = 0, changedFiles = 0;
};

void KillStores(const std::string& position, int kills, Tally& tally) {
  SCOPED_TRACE(position);
  KilledStore store(position);
  const std::string ext = "." + position;
  ASSERT_LE(store.run("store"), 2);  // a Store that went through: its tables checked
  // The user edits the echo file: the next Store changes every table.
  std::string echo = ReadFile(store.file("ECHO_G") + ".TXT");
  const size_t modulus = echo.find("30000000.00");
  ASSERT_NE(modulus, std::string::npos);
  echo.replace(modulus, 11, "31000000.00");
  WriteFile(store.file("ECHO_G") + ".TXT", echo);
  const Files before = Snapshot(store.folder());

  // Every version an uninterrupted Store writes, and how long it takes.
  TempDir capture;
  store.restore(before);
  setenv("LD_PRELOAD", RERORE_RENAME_CAPTURE, 1);
  setenv("RERORE_CAPTURE_DIR", capture.path().c_str(), 1);
  store.run("store");
  unsetenv("LD_PRELOAD");
  const Files after = Snapshot(store.folder());
  std::map<std::string, std::set<std::string>> versions;
  std::set<std::string> removed;
  for (const auto& [name, content] : Snapshot(capture.path())) {
    const std::string target = name.substr(0, name.find('#'));
    if (name.ends_with("#removed"))
      removed.insert(target);
    else
      versions[target].insert(content);
  }
  store.restore(before);
  const auto started = Clock::now();
  store.run("store");
  const auto duration = Clock::now() - started;
  ASSERT_EQ(Snapshot(store.folder()), after) << "a Store must write the same files every time";

  for (int i = 0; i < kills; ++i) {
    store.restore(before);
    const pid_t pid = store.start("store");
    std::this_thread::sleep_for(duration * (i + 0.5) / kills);
    kill(pid, SIGKILL);
    waitpid(pid, nullptr, 0);

    const Files left = Snapshot(store.folder());
    for (const auto& [name, content] : left) {
      if (IsTemporary(name)) {
        ++tally.temporaries;
        continue;
      }
      const auto old = before.find(name);
      const bool unchanged = old != before.end() && old->second == content;
      tally.changedFiles += unchanged ? 0 : 1;
      EXPECT_TRUE(unchanged || versions[name].count(content)) << name << " after kill " << i;
    }
    for (const auto& [name, content] : before)
      EXPECT_TRUE(left.count(name) || removed.count(name)) << name << " after kill " << i;
    if (left.count("GEOMETRY" + ext) && left.at("GEOMETRY" + ext) == kGeometryOne) {
      ++tally.geometryOne;
      const std::string tables = Tables(left, ext);
      EXPECT_TRUE(tables == Tables(before, ext) || tables == Tables(after, ext))
          << "GEOMETRY 1 beside tables no Store checked, kill " << i;
    }

    EXPECT_LE(store.run("load"), 0);
    for (const auto& [name, content] : Snapshot(store.folder()))
      EXPECT_FALSE(IsTemporary(name)) << name << " after kill " << i;
    EXPECT_TRUE(store.dataDirectoryEmpty()) << "after kill " << i;
  }
}

TEST(KilledStore, LeavesWholeFilesAndGeometryOneOnlyBesideCheckedTables) {
  Tally tally;
  const int positions = static_cast<int>(std::size(kPositions));
  for (int p = 0; p < positions; ++p)
    KillStores(kPositions[p], kKills / positions + (p < kKills % positions ? 1 : 0), tally);
  // The kills must have hit the Store at work, not only before or after it.
  EXPECT_GT(tally.changedFiles, 0);
  std::printf("%d kills: %d left GEOMETRY 1, %d left a temporary file, %d files changed\n", kKills,
              tally.geometryOne, tally.temporaries, tally.changedFiles);
}

}  // namespace
}  // namespace rerore::test
