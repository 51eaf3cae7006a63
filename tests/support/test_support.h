// Shared helpers of the tests: a temporary data directory, a recorder of
// the messages the core shows, and small file helpers.
#pragma once

#include <gtest/gtest.h>

#include <cstring>
#include <deque>
#include <filesystem>
#include <ostream>
#include <string>
#include <vector>

#include "model/check_outcome.h"
#include "model/session.h"
#include "model/user_messages.h"

namespace rerore {

// A failed expectation names the outcome, not its bytes.
inline void PrintTo(const CheckOutcome& outcome, std::ostream* out) {
  static const char* const kKinds[] = {"sound", "mechanism at ", "refused"};
  *out << kKinds[static_cast<int>(outcome.kind)];
  if (outcome.isMechanism()) *out << outcome.equation;
}

}  // namespace rerore

namespace rerore::test {

// The separator of the platform's paths; a TempDir's path ends with it.
#ifdef _WIN32
inline constexpr char kSeparator = '\\';
#else
inline constexpr char kSeparator = '/';
#endif

// A fresh directory under the system's temporary folder, removed again at
// the end of the test. Its path ends with a separator, like a data path.
class TempDir {
 public:
  TempDir();
  ~TempDir();
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;
  const std::string& path() const { return path_; }
  std::string operator/(const std::string& name) const { return path_ + name; }

 private:
  std::string path_;
};

struct RecordedMessage {
  std::string text;
  std::string title;
};

class RecordingMessages : public UserMessages {
 public:
  void message(const std::string& text, const std::string& title, MessageIcon icon) override;
  Answer ask(const std::string& text, const std::string& title, MessageButtons buttons) override;
  // Every message and question so far as "TITLE: TEXT", in order.
  std::vector<std::string> texts() const;
  std::vector<RecordedMessage> messages;  // messages and questions in order
  std::deque<Answer> answers;             // answers to the next questions
};

// Points the session at position `name` of `dataPath` (paths built, no load).
void UsePosition(Session& session, const std::string& dataPath, const std::string& name);

// Position 001 in a fresh data directory, its folder made.
class PositionTest : public ::testing::Test {
 protected:
  void SetUp() override;

  TempDir data;
  Session session;
  RecordingMessages messages;
};

// An element from (xa, ya) to (xb, yb) with its length and angle.
ElementRecord MakeElement(float xa, float ya, float xb, float yb);
// Appends that element with material, section, compression and tension 1;
// returns its number.
int AddElement(ModelTables& model, float xa, float ya, float xb, float yb);

// Position `name` of `dataPath`, its folder made and the frame rebuilt: a
// column from (0, 0) to (0, 4) and a beam on to (6, 3.5) hinged at its
// right end; the default material and section; node 1 supported in u and
// phi (factor 0.5), its v factor set but not given.
void MakeCantileverFrame(Session& s, const std::string& dataPath, const std::string& name);

// GEOMETRY of a position stored sound, and of one changed since.
inline const std::string kGeometryOne("\1\0\0\0", 4);
inline const std::string kGeometryZero(4, '\0');

// The value of type T at a byte offset of a file image.
template <class T>
T At(const std::string& bytes, size_t offset) {
  T value{};
  EXPECT_LE(offset + sizeof(T), bytes.size());
  if (offset + sizeof(T) <= bytes.size()) std::memcpy(&value, bytes.data() + offset, sizeof(T));
  return value;
}

std::string ReadFile(const std::string& path);
void WriteFile(const std::string& path, const std::string& bytes);
bool Exists(const std::string& path);
// The files a directory holds, sorted.
std::vector<std::string> ListDirectory(const std::string& path);
// The example data directory of the repository (SDIR001 ...) copied into
// `data`, file by file: std::filesystem::copy of a whole tree copies
// nothing under Wine.
void CopyExamples(const TempDir& data);

// Runs a command through the shell; returns its exit status and collects
// stdout and stderr.
struct CommandResult {
  int status = -1;
  std::string out;
  std::string err;
};
CommandResult RunCommand(const std::string& command);

// Makes `path` the current directory for its lifetime.
class CurrentDirectory {
 public:
  explicit CurrentDirectory(const std::string& path);
  ~CurrentDirectory();
  CurrentDirectory(const CurrentDirectory&) = delete;
  CurrentDirectory& operator=(const CurrentDirectory&) = delete;

 private:
  std::filesystem::path saved_;
};

// Keeps the settings directory of the tests out of the user's home.
class SettingsHome {
 public:
  SettingsHome();
  ~SettingsHome();
  const TempDir& dir() const { return dir_; }

 private:
  TempDir dir_;
  std::string saved_;
  bool hadValue_ = false;
};

}  // namespace rerore::test
