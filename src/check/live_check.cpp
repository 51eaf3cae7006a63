#include "check/live_check.h"

#include <algorithm>
#include <utility>

#include "check/equation_names.h"
#include "check/mechanism.h"
#include "check/rebuild.h"
#include "check/solver.h"
#include "check/stiffness_matrix.h"
#include "check/structure_check.h"

namespace rerore {

namespace {

// Nothing is shown; the first message is kept, as it says why a model was
// refused.
class SilentMessages : public UserMessages {
 public:
  void message(const std::string& text, const std::string&, MessageIcon) override {
    if (first.empty()) first = text;
  }
  Answer ask(const std::string&, const std::string&, MessageButtons) override {
    return Answer::Cancel;
  }
  std::string first;
};

LiveCheckResult NotChecked(std::string why) {
  LiveCheckResult result;
  result.kind = LiveVerdictKind::NotChecked;
  result.outcome = CheckOutcome::refused();
  result.refusal = std::move(why);
  return result;
}

LiveVerdictKind KindOf(const CheckOutcome& outcome, const StabilityWarnings& warnings) {
  if (warnings.notAnchored) return LiveVerdictKind::NotAnchored;
  if (warnings.rollsSideways) return LiveVerdictKind::RollsSideways;
  return outcome.isMechanism() ? LiveVerdictKind::Mechanism : LiveVerdictKind::Sound;
}

// The mode and the poles of a mechanism, from the assembled matrix (which
// the analysis reduces); null when the analysis finds no mode.
std::shared_ptr<const LiveMechanism> DescribeLiveMechanism(const ModelTables& model,
                                                           StiffnessMatrix& k,
                                                           const CheckOutcome& outcome) {
  auto mechanism = std::make_shared<LiveMechanism>();
  if (!FindModeAndPoles(model, k, mechanism->mode)) return nullptr;
  mechanism->model = model;
  mechanism->mode.outcome = outcome;
  return mechanism;
}

}  // namespace

LiveCheckInput PrepareLiveCheck(const Session& s) {
  LiveCheckInput input{s.model};
  TakeCrossSectionsFromFile(s.paths, input.model);
  return input;
}

std::optional<LiveCheckResult> RunLiveCheck(LiveCheckInput input,
                                            const std::function<bool()>& cancelled) {
  LiveCheckWorkspace workspace;
  return RunLiveCheck(std::move(input), workspace, cancelled);
}

// The factorisation works on the assembled matrix in place; a mechanism,
// the rarer case, has it assembled once more for the echelon analysis.
std::optional<LiveCheckResult> RunLiveCheck(LiveCheckInput input, LiveCheckWorkspace& workspace,
                                            const std::function<bool()>& cancelled) {
  const auto stop = [&] { return cancelled && cancelled(); };
  ModelTables& model = input.model;
  SilentMessages silent;
  NumberModel(model, silent);
  if (std::string limit = CheckLimitMessage(model); !limit.empty()) {
    LiveCheckResult refused = NotChecked(std::move(limit));
    if (ElementRows(model) == 0) refused.kind = LiveVerdictKind::NoElements;
    return refused;
  }
  if (stop()) return std::nullopt;

  StiffnessMatrix& k = workspace.matrix;
  k.reset(std::max<int>(0, model.params.equationCount));
  silent.first.clear();
  if (AssembleWithSupports(model, k, silent) == 0) return NotChecked(silent.first);
  LiveCheckResult result;
  result.warnings = TestStability(model, k);
  if (stop()) return std::nullopt;

  const int singular = FirstSingularEquation(k);
  if (singular > 0 && !k.allFinite()) return NotChecked(kNotFiniteMatrixText);
  result.outcome = singular > 0 ? CheckOutcome::mechanismAt(singular) : CheckOutcome::sound();
  result.kind = KindOf(result.outcome, result.warnings);
  if (singular > 0) {
    result.motion = ShortMotion(model, singular);
    if (stop()) return std::nullopt;
    AssembleWithSupports(model, k, silent);
    result.mechanism = DescribeLiveMechanism(model, k, result.outcome);
  }
  if (stop()) return std::nullopt;
  return result;
}

std::string LiveVerdictText(const LiveCheckResult& result) {
  switch (result.kind) {
    case LiveVerdictKind::NoElements:
      return "No elements";
    case LiveVerdictKind::NotChecked:
      return "Not checked: " + result.refusal;
    case LiveVerdictKind::NotAnchored:
      return "Not anchored";
    case LiveVerdictKind::RollsSideways:
      return "Can roll sideways";
    case LiveVerdictKind::Mechanism:
      break;
    case LiveVerdictKind::Sound:
      return "Sound";
  }
  return "Mechanism: " + result.motion;
}

}  // namespace rerore
