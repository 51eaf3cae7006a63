#include "check/live_check.h"

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <functional>
#include <map>

#include "check_fixture.h"
#include "commands/startup.h"

namespace rerore {
namespace {

namespace fs = std::filesystem;

// Every file of a directory with its bytes.
std::map<std::string, std::string> Snapshot(const std::string& directory) {
  std::map<std::string, std::string> files;
  for (const std::string& name : test::ListDirectory(directory))
    files[name] = test::ReadFile(directory + name);
  return files;
}

bool SameBytes(const ModelTables& a, const ModelTables& b) {
  return std::memcmp(&a, &b, sizeof a) == 0;
}

// The live verdict and what Store's rebuild and check say about the same
// frame must agree: the outcome, the warnings and, for a mechanism, the
// mode and the poles. The live check itself changes neither the model nor
// a file.
void ExpectLiveAgreesWithStore(Session& s) {
  const auto before = Snapshot(s.paths.positionDirectory);
  const ModelTables model = s.model;
  const std::optional<LiveCheckResult> live = RunLiveCheck(PrepareLiveCheck(s));
  ASSERT_TRUE(live.has_value());
  EXPECT_TRUE(SameBytes(model, s.model));
  EXPECT_EQ(Snapshot(s.paths.positionDirectory), before);

  test::RecordingMessages store;
  RebuildModel(s, store);
  const CheckOutcome outcome = CheckStructure(s, store);
  EXPECT_EQ(live->outcome, outcome);
  const std::vector<std::string> texts = store.texts();
  const auto said = [&texts](const std::string& text) {
    return std::find(texts.begin(), texts.end(), text) != texts.end();
  };
  EXPECT_EQ(live->warnings.rollsSideways, said("Error: Frame can roll sideways!"));
  EXPECT_EQ(live->warnings.notAnchored, said("Error: Frame is not anchored at the ground!"));
  if (outcome.isRefused()) {
    ASSERT_FALSE(store.messages.empty());
    EXPECT_EQ(live->refusal, store.messages.back().text);
  }
  if (!outcome.isMechanism() || !live->mechanism) return;
  const CheckResults& mode = live->mechanism->mode;
  for (int i = 1; i <= s.model.params.equationCount; ++i)
    EXPECT_EQ(mode.kinematicVector[i], s.check.kinematicVector[i]) << "equation " << i;
  for (int k = 1; k <= s.model.params.elementCount; ++k) {
    EXPECT_EQ(mode.poleTable[k].atInfinity, s.check.poleTable[k].atInfinity) << "element " << k;
    if (mode.poleTable[k].atInfinity) continue;
    EXPECT_EQ(mode.poleTable[k].x, s.check.poleTable[k].x) << "element " << k;
    EXPECT_EQ(mode.poleTable[k].y, s.check.poleTable[k].y) << "element " << k;
  }
}

class LiveCheckTest : public test::CheckFixture {
 protected:
  LiveCheckResult Live() {
    std::optional<LiveCheckResult> result = RunLiveCheck(PrepareLiveCheck(session));
    EXPECT_TRUE(result.has_value());
    return result.value_or(LiveCheckResult{});
  }
  std::string Verdict() { return LiveVerdictText(Live()); }
};

TEST_F(LiveCheckTest, ExamplePositionsGetStoresVerdict) {
  test::SettingsHome home;
  for (const char* name : {"001", "002", "003"}) {
    SCOPED_TRACE(name);
    test::TempDir data;
    test::CopyExamples(data);
    Session s;
    test::RecordingMessages start;
    ASSERT_EQ(StartProgram(s, start, std::string(".") + name + " @" + data.path()),
              StartResult::Started);
    ExpectLiveAgreesWithStore(s);
  }
}

TEST_F(LiveCheckTest, VerdictsOfSoundAndMovingFramesAgreeWithStore) {
  struct Frame {
    const char* verdict;
    std::function<void()> make;
  };
  const Frame frames[] = {
      {"Sound",
       [this] {
         Add(0, 0, 4, 0);
         Rebuild();
         Support(1, 1, 1, 1);
       }},
      // A column pinned at its foot falls over about it; the solver finds
      // the head's rotation last of the moving unknowns.
      {"Mechanism: node 2 can rotate",
       [this] {
         Add(0, 0, 0, 4);
         Rebuild();
         Support(1, 1, 1, 0);
       }},
      // The hinged portal sways; the solver stops at the free foot rotation.
      {"Mechanism: node 4 can rotate",
       [this] {
         Add(0, 0, 0, 4);
         Add(0, 4, 6, 4, 1, 1);
         Add(6, 4, 6, 0);
         Rebuild();
         Support(1, 1, 1, 0);
         Support(4, 1, 1, 0);
       }},
      // Three hinges in a line: the middle one sinks.
      {"Mechanism: node 3 can rotate",
       [this] {
         Add(0, 0, 3, 0, 0, 1);
         Add(3, 0, 6, 0, 1, 0);
         Rebuild();
         Support(1, 1, 1, 0);
         Support(3, 1, 1, 0);
       }},
      {"Can roll sideways",
       [this] {
         Add(0, 0, 6, 0);
         Rebuild();
         Support(1, 0, 1, 0);
         Support(2, 0, 1, 0);
       }},
      {"Not anchored", [this] { Add(0, 0, 6, 0); }},
      {"Not checked: Error in the stiffness of element 1. Check E, A and I",
       [this] {
         Add(0, 0, 6, 0);
         model.materials[1].modulus = 0.0f;
       }},
      {"No elements", [] {}},
  };
  for (const Frame& frame : frames) {
    SCOPED_TRACE(frame.verdict);
    model = ModelTables{};
    SetDefaultMaterial(model);
    model.materials[1].modulus = 1.0e4f;
    frame.make();
    EXPECT_EQ(Verdict(), frame.verdict);
    ExpectLiveAgreesWithStore(session);
  }
}

// The numbering the live check works on is the rebuild's, also when the
// model on the screen has not been rebuilt since the last change.
TEST_F(LiveCheckTest, NumbersItsCopyAsTheRebuildWouldAndUsesTheSectionsOfCross) {
  Add(0, 0, 0, 4);
  Add(0, 4, 6, 4, 0, 1);
  Rebuild();
  Support(1, 1, 1, 1);
  Add(6, 4, 6, 0);  // drawn, not yet rebuilt: its foot has no support
  EXPECT_EQ(Verdict(), "Mechanism: node 4 can rotate");
  ExpectLiveAgreesWithStore(session);

  // A section of no stiffness in the CROSS file refuses the frame, whatever
  // the table in memory says.
  CrossSectionRecord weak = model.crossSections[1];
  model.crossSections[1].area = 0.0f;
  WriteCrossSectionsFile(session.paths, model);
  model.crossSections[1] = weak;
  EXPECT_EQ(Live().kind, LiveVerdictKind::NotChecked);
}

TEST_F(LiveCheckTest, LargestFramesAreCheckedAndBeyondTheLimitRefused) {
  // 100 cantilevers side by side: 600 equations, the most the check takes.
  for (int k = 0; k < kMaxElements; ++k) Add(2.0f * k, 0, 2.0f * k, 3);
  Rebuild();
  for (int j = 1; j <= model.params.nodeCount; j += 2) Support(j, 1, 1, 1);
  ASSERT_EQ(Equations(), kMaxCheckEquations);
  EXPECT_EQ(Verdict(), "Sound");
  ExpectLiveAgreesWithStore(session);

  // Eleven elements at one node are more than a node holds.
  model = ModelTables{};
  SetDefaultMaterial(model);
  for (int k = 0; k <= kMaxEndsPerNode; ++k) Add(0, 0, 1.0f + k, 3);
  EXPECT_EQ(Verdict(), "Not checked: Too many elements at node 1, max = 10");
  ExpectLiveAgreesWithStore(session);
}

TEST_F(LiveCheckTest, ACancelledRunGivesNoVerdict) {
  Add(0, 0, 4, 0);
  Rebuild();
  int asked = 0;
  const auto cancelled = [&asked] { return ++asked >= 2; };
  EXPECT_FALSE(RunLiveCheck(PrepareLiveCheck(session), cancelled).has_value());
  EXPECT_EQ(asked, 2);
}

}  // namespace
}  // namespace rerore
