#include "generators/continuous_beam.h"

#include <algorithm>
#include <optional>

#include "check/rebuild.h"
#include "model/parse_number.h"
#include "model/position_files.h"

namespace rerore {

namespace {

void Refuse(UserMessages& messages, const std::string& text) {
  messages.message(text, kGeneratorErrorTitle);
}

// The first row beyond the usable spans that holds text, or 0.
int FirstRowBeyondMaximum(const std::vector<std::string>& cells) {
  for (size_t i = kMaxSpans; i < cells.size(); ++i)
    if (CellFilled(cells[i])) return static_cast<int>(i) + 1;
  return 0;
}

// The first empty row followed by a filled one, or 0.
int FirstEmptyRowBetween(const std::vector<std::string>& cells) {
  int firstEmpty = 0;
  for (size_t i = 0; i < cells.size(); ++i) {
    if (!CellFilled(cells[i]))
      firstEmpty = firstEmpty ? firstEmpty : static_cast<int>(i) + 1;
    else if (firstEmpty)
      return firstEmpty;
  }
  return 0;
}

bool Increasing(const std::vector<float>& ends) {
  for (size_t i = 0; i + 1 < ends.size(); ++i)
    if (ends[i] >= ends[i + 1]) return false;
  return true;
}

// The first span shorter than the distance at which the rebuild merges two
// ends into one node (its element would have no length), or 0.
int FirstShortSpan(const std::vector<float>& ends) {
  float start = 0.0f;
  for (size_t i = 0; i < ends.size(); ++i) {
    if (ends[i] - start < kNodeMatchTolerance) return static_cast<int>(i) + 1;
    start = ends[i];
  }
  return 0;
}

}  // namespace

SpanTableCheck ValidateSpanTable(const std::vector<std::string>& cells, UserMessages& messages) {
  SpanTableCheck check;
  if (FirstRowBeyondMaximum(cells)) {
    Refuse(messages, Format("Too many spans, max = %i", kMaxSpans));
    return check;
  }
  if (const int row = FirstEmptyRowBetween(cells)) {
    Refuse(messages, Format("Row %i is empty", row));
    return check;
  }
  for (const std::string& cell : cells) {
    if (!CellFilled(cell)) continue;
    const std::optional<float> end = parseFiniteNumber(cell);
    if (!end) {
      Refuse(messages, TooLargeNumberMessage(cell));
      check.spanEnds.clear();
      return check;
    }
    check.spanEnds.push_back(*end);
  }
  if (check.spanEnds.empty()) {
    Refuse(messages, "No spans: enter the end of span 1");
  } else if (!Increasing(check.spanEnds)) {
    Refuse(messages, "Coordinates of field ends must be increasing, x1 < x2 < x3 ...");
  } else if (const int span = FirstShortSpan(check.spanEnds)) {
    Refuse(messages, Format("Zero length of field %i", span));
  } else {
    check.accepted = true;
    return check;
  }
  check.spanEnds.clear();
  return check;
}

ViewFollowUp ContinuousBeamOk(Session& session, UserMessages& messages,
                              const std::vector<std::string>& cells) {
  const SpanTableCheck check = ValidateSpanTable(cells, messages);
  if (!check.accepted) return ViewFollowUp::None;
  ModelTables& model = session.model;
  const int count = static_cast<int>(check.spanEnds.size());
  for (int r = 1; r <= count; ++r) session.generators.spans[r] = {r, check.spanEnds[r - 1]};
  model.params.spanCount = static_cast<int16_t>(count);
  PrepareGeneratorFiles(session);
  WriteSpanFile(session.paths, model, session.generators.spans);
  model.params.beamGeneratorMark = 1;
  model.params.verticalSign = kVerticalSign;
  GenerateContinuousBeam(session, messages);
  return ViewFollowUp::Redraw;
}

void SetContinuousBeamElements(ModelTables& model,
                               const std::array<SpanEntry, kSpanTableRows + 1>& spans) {
  const int count = std::clamp<int>(model.params.spanCount, 0, kMaxSpans);
  std::vector<GeneratedPoint> points{{0.0f, 0.0f}};
  for (int k = 1; k <= count; ++k) points.push_back({spans[k].xEnd, 0.0f});
  SetElementsThroughPoints(model, points);
}

void GenerateContinuousBeam(Session& session, UserMessages& messages) {
  ModelTables& model = session.model;
  SetContinuousBeamElements(model, session.generators.spans);
  WriteElementsFile(session.paths, model);
  WriteGeneratedExtent(session);
  RebuildBeamModel(session, messages);
  WriteElementsFile(session.paths, model);
}

std::vector<std::string> LoadSpanTableTexts(Session& session) {
  std::vector<std::string> texts;
  if (!ReadSpanFile(session.paths, session.model, session.generators.spans)) return texts;
  const int count = std::clamp<int>(session.model.params.spanCount, 0, kSpanTableRows);
  for (int r = 1; r <= count; ++r)
    texts.push_back(Format("%6.2f", session.generators.spans[r].xEnd));
  return texts;
}

}  // namespace rerore
