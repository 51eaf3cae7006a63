// The live check: what Store's check would say about the frame as it
// stands, worked out in memory after every change, so that the engineer
// sees a mechanism while drawing rather than at Store.
//
// It runs the rebuild's numbering, the assembly with the supports, the two
// stability tests, the solver's factorisation (which finds the equation
// Store would report) and, for a mechanism, the echelon analysis with the
// poles: the same functions Store runs, on a copy of the model. It writes
// no file, shows no message and leaves the session alone, so it may run on
// another thread; what it needs from the files (the cross sections of the
// CROSS file, as the rebuild reads them) is taken when it is prepared.
#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "check/assemble_and_check.h"
#include "check/stiffness_matrix.h"
#include "model/check_outcome.h"
#include "model/model_tables.h"
#include "model/session.h"

namespace rerore {

// The model a live check works on: a copy of the session's, with the cross
// sections the rebuild would take.
struct LiveCheckInput {
  ModelTables model;
};
LiveCheckInput PrepareLiveCheck(const Session& s);

enum class LiveVerdictKind {
  NoElements,     // nothing to check (Store's check refuses it)
  NotChecked,     // Store's check would refuse the model (see `refusal`)
  NotAnchored,    // no support resists a vertical translation of the frame
  RollsSideways,  // no support resists a horizontal translation
  Mechanism,      // singular at outcome.equation
  Sound,
};

// A mechanism as the view draws it: the model as the check numbered it,
// with the mode and the poles.
struct LiveMechanism {
  ModelTables model;
  CheckResults mode;
};

struct LiveCheckResult {
  LiveVerdictKind kind = LiveVerdictKind::NoElements;
  // What CheckStructure returns for this frame after Store's rebuild, and
  // the warnings it shows. (A frame whose inverse overflows, which only
  // the solution of every column shows, is refused by Store although the
  // live check calls it sound.)
  CheckOutcome outcome;
  StabilityWarnings warnings;
  std::string refusal;  // the message that refused the model
  std::string motion;   // a mechanism: "node 3 can move in u"
  // Set for a mechanism whose mode the echelon analysis found.
  std::shared_ptr<const LiveMechanism> mechanism;
};

// The matrix of a live check, kept from one run to the next by whoever runs
// them one after the other: fresh memory for a large matrix costs more
// than the check of a sound frame itself.
struct LiveCheckWorkspace {
  StiffnessMatrix matrix;
};

// Checks the frame of `input`. `cancelled` is asked between the stages: a
// run whose frame has been changed meanwhile stops and gives nothing.
std::optional<LiveCheckResult> RunLiveCheck(LiveCheckInput input,
                                            const std::function<bool()>& cancelled = {});
std::optional<LiveCheckResult> RunLiveCheck(LiveCheckInput input, LiveCheckWorkspace& workspace,
                                            const std::function<bool()>& cancelled = {});

// "Sound", "Mechanism: node 3 can move in u", "Not anchored", "Can roll
// sideways", "No elements", or "Not checked: " with the refusal.
std::string LiveVerdictText(const LiveCheckResult& result);

}  // namespace rerore
