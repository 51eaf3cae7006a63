#include "support/test_support.h"

#include <gtest/gtest.h>

#ifdef _WIN32
#include <process.h>
#else
#include <unistd.h>
#endif

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>

#include "check/rebuild.h"
#include "model/native_path.h"
#include "model/position_files.h"

namespace fs = std::filesystem;

namespace rerore::test {

namespace {

#ifdef _WIN32
int ProcessId() { return _getpid(); }
void SetVariable(const char* name, const char* value) { _putenv_s(name, value); }
void UnsetVariable(const char* name) { _putenv_s(name, ""); }
// The user's application-data folder, which holds the settings folder.
constexpr const char* kSettingsHomeVariable = "APPDATA";
#else
int ProcessId() { return getpid(); }
void SetVariable(const char* name, const char* value) { setenv(name, value, 1); }
void UnsetVariable(const char* name) { unsetenv(name); }
constexpr const char* kSettingsHomeVariable = "XDG_DATA_HOME";
#endif

}  // namespace

TempDir::TempDir() {
  static std::atomic<int> counter{0};
  const fs::path base = fs::temp_directory_path() / ("rerore-test-" + std::to_string(ProcessId()) +
                                                     "-" + std::to_string(counter++));
  fs::remove_all(base);
  fs::create_directories(base);
  path_ = PathText(base) + kSeparator;
}

TempDir::~TempDir() {
  std::error_code error;
  fs::remove_all(NativePath(path_), error);
}

void RecordingMessages::message(const std::string& text, const std::string& title, MessageIcon) {
  messages.push_back({text, title});
}

Answer RecordingMessages::ask(const std::string& text, const std::string& title, MessageButtons) {
  messages.push_back({text, title});
  if (answers.empty()) {
    ADD_FAILURE() << "unexpected question: " << text;
    return Answer::Cancel;
  }
  const Answer answer = answers.front();
  answers.pop_front();
  return answer;
}

std::vector<std::string> RecordingMessages::texts() const {
  std::vector<std::string> result;
  for (const RecordedMessage& m : messages) result.push_back(m.title + ": " + m.text);
  return result;
}

void UsePosition(Session& session, const std::string& dataPath, const std::string& name) {
  session.paths.dataPath = dataPath;
  session.paths.extension = "." + name;
  session.paths.positionName = name;
  BuildPositionPaths(session.paths, name);
}

void PositionTest::SetUp() {
  UsePosition(session, data.path(), "001");
  fs::create_directories(session.paths.positionDirectory);
}

ElementRecord MakeElement(float xa, float ya, float xb, float yb) {
  ElementRecord e{};
  SetElementLeft(e, xa, ya);
  SetElementRight(e, xb, yb);
  ComputeElementGeometry(e, true);
  return e;
}

int AddElement(ModelTables& model, float xa, float ya, float xb, float yb) {
  ElementRecord& e = model.elements[++model.params.elementCount];
  e = MakeElement(xa, ya, xb, yb);
  e.material = e.crossSection = e.compression = e.tension = 1;
  return model.params.elementCount;
}

void MakeCantileverFrame(Session& s, const std::string& dataPath, const std::string& name) {
  UsePosition(s, dataPath, name);
  fs::create_directories(s.paths.positionDirectory);
  ModelTables& m = s.model;
  SetDefaultMaterial(m);
  SetDefaultCrossSection(m);
  WriteCrossSectionsFile(s.paths, m);
  m.params.elementCount = 0;
  AddElement(m, 0, 0, 0, 4);
  ElementRecord& beam = m.elements[AddElement(m, 0, 4, 6, 3.5f)];
  beam.compression = beam.tension = 0;
  beam.hingeRight = 1;
  RecordingMessages messages;
  RebuildModel(s, messages);
  m.nodes[1].supportU = m.nodes[1].supportV = 1.0f;
  m.nodes[1].supportPhi = 0.5f;
  m.params.supportCount = 1;
  SupportRecord& r = m.supports[1];
  r.node = r.givenU = r.givenPhi = 1;
  r.factorU = r.factorV = 1.0f;
  r.factorPhi = 0.5f;
}

std::string ReadFile(const std::string& path) {
  std::ifstream in(NativePath(path), std::ios::binary);
  std::ostringstream out;
  out << in.rdbuf();
  return out.str();
}

void WriteFile(const std::string& path, const std::string& bytes) {
  std::ofstream out(NativePath(path), std::ios::binary | std::ios::trunc);
  out << bytes;
}

bool Exists(const std::string& path) { return fs::exists(NativePath(path)); }

std::vector<std::string> ListDirectory(const std::string& path) {
  std::vector<std::string> names;
  for (const auto& entry : fs::directory_iterator(NativePath(path)))
    names.push_back(PathText(entry.path().filename()));
  std::sort(names.begin(), names.end());
  return names;
}

void CopyExamples(const TempDir& data) {
  const fs::path from = NativePath(std::string(RERORE_SOURCE_DIR) + "/examples/DATA");
  const fs::path to = NativePath(data.path());
  for (const auto& entry : fs::recursive_directory_iterator(from)) {
    const fs::path target = to / fs::relative(entry.path(), from);
    if (entry.is_directory())
      fs::create_directories(target);
    else
      fs::copy_file(entry.path(), target);
  }
}

CommandResult RunCommand(const std::string& command) {
  TempDir dir;
  const std::string out = dir / "out";
  const std::string err = dir / "err";
  const int raw = std::system((command + " >" + out + " 2>" + err).c_str());
  CommandResult result;
#ifdef _WIN32
  result.status = raw;
#else
  result.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
#endif
  result.out = ReadFile(out);
  result.err = ReadFile(err);
  return result;
}

CurrentDirectory::CurrentDirectory(const std::string& path) : saved_(fs::current_path()) {
  fs::current_path(NativePath(path));
}

CurrentDirectory::~CurrentDirectory() {
  std::error_code error;
  fs::current_path(saved_, error);
}

SettingsHome::SettingsHome() {
  if (const char* value = std::getenv(kSettingsHomeVariable)) {
    saved_ = value;
    hadValue_ = true;
  }
  SetVariable(kSettingsHomeVariable, dir_.path().c_str());
  fs::create_directories(NativePath(dir_ / "VELTRANIX"));
}

SettingsHome::~SettingsHome() {
  if (hadValue_)
    SetVariable(kSettingsHomeVariable, saved_.c_str());
  else
    UnsetVariable(kSettingsHomeVariable);
}

}  // namespace rerore::test
