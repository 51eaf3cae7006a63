#include "check/live_check.h"

#include <algorithm>
#include <map>

#include "check_fixture.h"

namespace rerore {
namespace {

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

// Live verdict = Store's (outcome, warnings, mode, poles); model and files untouched.
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
  const std::vector<std::string> t = store.texts();
  const auto said = [&t](const std::string& text) { return std::count(t.begin(), t.end(), text); };
  EXPECT_EQ(live->warnings.rollsSideways, said("Error: Frame can roll sideways!") > 0);
  EXPECT_EQ(live->warnings.notAnchored, said("Error: Frame is not anchored at the ground!") > 0);
  if (outcome.isRefused()) {
    ASSERT_FALSE(store.messages.empty());
    EXPECT_EQ(live->refusal, store.messages.back().text);
  }
  if (!outcome.isMechanism() || !live->mechanism) return;
  const CheckResults& mode = live->mechanism->mode;
  for (int i = 1; i <= s.model.params.equationCount; ++i)
    EXPECT_EQ(mode.kinematicVector[i], s.check.kinematicVector[i]) << "equation " << i;
  for (int k = 1; k <= s.model.params.elementCount; ++k) {
    const Pole &a = mode.poleTable[k], &b = s.check.poleTable[k];
    EXPECT_TRUE(a.atInfinity == b.atInfinity && (a.atInfinity || (a.x == b.x && a.y == b.y))) << k;
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

TEST_F(LiveCheckTest, VerdictsOfSoundAndMovingFramesAgreeWithStore) {
  const struct {
    const char* verdict;
    std::vector<std::array<float, 6>> bars;  // rebuilt only when supported
    std::vector<std::array<float, 4>> held;
    float modulus = 1.0e4f;
  } frames[] = {
      {"Sound", {{0, 0, 4, 0}}, {{1, 1, 1, 1}}},
      // A pinned column falls over; the solver finds the head's rotation last.
      {"Mechanism: node 2 can rotate", {{0, 0, 0, 4}}, {{1, 1, 1, 0}}},
      // The hinged portal sways; the solver stops at the free foot rotation.
      {"Mechanism: node 4 can rotate",
       {{0, 0, 0, 4}, {0, 4, 6, 4, 1, 1}, {6, 4, 6, 0}},
       {{1, 1, 1, 0}, {4, 1, 1, 0}}},
      {"Can roll sideways", {{0, 0, 6, 0}}, {{1, 0, 1, 0}, {2, 0, 1, 0}}},
      {"Not anchored", {{0, 0, 6, 0}}, {}},
      {"Not checked: Error in the stiffness of element 1. Check E, A and I", {{0, 0, 6, 0}}, {}, 0},
      {"No elements", {}, {}},
  };
  for (const auto& f : frames) {
    SCOPED_TRACE(f.verdict);
    model = ModelTables{};
    SetDefaultMaterial(model);
    model.materials[1].modulus = f.modulus;
    for (const auto& b : f.bars) Add(b[0], b[1], b[2], b[3], int16_t(b[4]), int16_t(b[5]));
    if (!f.held.empty()) Rebuild();
    for (const auto& h : f.held) Support(static_cast<int>(h[0]), h[1], h[2], h[3]);
    EXPECT_EQ(Verdict(), f.verdict);
    ExpectLiveAgreesWithStore(session);
  }
}

// The live check numbers its copy as the rebuild would, also when not rebuilt.
TEST_F(LiveCheckTest, NumbersItsCopyAsTheRebuildWouldAndUsesTheSectionsOfCross) {
  Frame({{0, 0, 0, 4}, {0, 4, 6, 4, 0, 1}}, {{1, 1, 1, 1}});
  Add(6, 4, 6, 0);  // drawn, not yet rebuilt: its foot has no support
  EXPECT_EQ(Verdict(), "Mechanism: node 4 can rotate");
  ExpectLiveAgreesWithStore(session);

  // A section of no stiffness in CROSS refuses the frame, whatever memory says.
  CrossSectionRecord weak = model.crossSections[1];
  model.crossSections[1].area = 0.0f;
  WriteCrossSectionsFile(session.paths, model);
  model.crossSections[1] = weak;
  EXPECT_EQ(Live().kind, LiveVerdictKind::NotChecked);
}

TEST_F(LiveCheckTest, ACancelledRunGivesNoVerdict) {
  Frame({{0, 0, 4, 0}});
  int asked = 0;
  const auto cancelled = [&asked] { return ++asked >= 2; };
  EXPECT_FALSE(RunLiveCheck(PrepareLiveCheck(session), cancelled).has_value());
  EXPECT_EQ(asked, 2);
}

}  // namespace
}  // namespace rerore
