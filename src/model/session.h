// Everything one running program holds: the model, the paths of the
// position in work, the display state the core sets and the results of the
// last structural check, and what the dialogs remember for the run. The
// application owns one; a test makes its own.
#pragma once

#include <array>
#include <cstdint>
#include <optional>

#include "model/check_outcome.h"
#include "model/constants.h"
#include "model/model_tables.h"
#include "model/position_paths.h"
#include "model/records.h"
#include "model/view_settings.h"

namespace rerore {

struct Pole {
  float x = 0.0f;
  float y = 0.0f;
  int32_t atInfinity = 0;
};

struct CheckResults {
  // The verdict of the last check; none before the first check, while a
  // check runs and after a table stored its input.
  std::optional<CheckOutcome> outcome;
  std::array<double, kKinematicVectorRows + 1> kinematicVector{};  // indexed by equation
  std::array<Pole, kMaxElements + 1> poleTable{};                  // indexed by element

  // The view draws the mechanism on top of the frame while this holds.
  bool mechanismShown() const { return outcome && outcome->isMechanism(); }
};

struct GeneratorTables {
  std::array<SpanEntry, kSpanTableRows + 1> spans{};
  std::array<FloorEntry, kFloorTableRows + 1> floors{};
};

// What the input dialogs remember from one opening to the next, for the
// rest of the run.
struct DialogMemory {
  // The current concrete class used last in the materials table.
  int lastConcreteClass = 0;
  // "Do not ask again" of the element delete question.
  bool skipDeleteQuestion = false;
};

struct Session {
  ModelTables model;
  PositionPaths paths;
  ViewSettings view;
  CheckResults check;
  GeneratorTables generators;
  uint32_t storedStateSum = 0;
  DialogMemory remembered;
};

}  // namespace rerore
