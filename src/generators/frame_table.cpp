// The storey table of the frame dialog and the input hub's steps after it.
#include <algorithm>
#include <cfloat>
#include <cstring>
#include <optional>

#include "check/rebuild.h"
#include "generators/frame_generator.h"
#include "model/parse_number.h"
#include "model/position_files.h"

namespace rerore {

namespace {

constexpr int kRefused = -1;

enum class RowState { Complete, LeftOut, Refused };

RowState Refuse(UserMessages& messages, const std::string& text) {
  messages.message(text, kGeneratorErrorTitle);
  return RowState::Refused;
}

// A number of a storey row, refused when it does not fit a float.
std::optional<float> FloorNumber(const std::string& text, UserMessages& messages) {
  const std::optional<float> value = parseFiniteNumber(text);
  if (!value) messages.message(TooLargeNumberMessage(text), kGeneratorErrorTitle);
  return value;
}

// Heights and spacings below the distance at which the rebuild merges two
// ends into one node would give elements without length; a row of columns
// wider than the float range has no end point.
RowState CheckStoreyShape(const FloorRowTexts& row, int r, const FloorEntry& entry,
                          UserMessages& messages) {
  if (entry.height < kNodeMatchTolerance || entry.spacing < kNodeMatchTolerance)
    return Refuse(messages, Format("Row %i: floor height and spacing must be at least %.2f m", r,
                                   static_cast<double>(kNodeMatchTolerance)));
  if (static_cast<double>(entry.columns - 1) * entry.spacing > FLT_MAX)
    return Refuse(messages, TooLargeNumberMessage(row.spacing));
  return RowState::Complete;
}

// One storey row, its texts read and checked in the dialog's order.
RowState ReadFloorRow(const FloorRowTexts& row, int r, FloorEntry& entry, UserMessages& messages) {
  entry.floor = r;
  if (!CellFilled(row.height)) return RowState::LeftOut;
  const std::optional<float> height = FloorNumber(row.height, messages);
  if (!height) return RowState::Refused;
  entry.height = *height;
  if (r > kMaxFloors) return Refuse(messages, Format("Too many floors, max = %i", kMaxFloors));
  if (!CellFilled(row.columns)) return RowState::LeftOut;
  entry.columns = parseInteger(row.columns);
  if (entry.columns > kMaxColumnsPerFloor)
    return Refuse(messages, Format("Too many piers %i, max = %i", r, kMaxColumnsPerFloor));
  if (entry.columns < kMinColumnsPerFloor) return Refuse(messages, "2 piers and more make a frame");
  if (!CellFilled(row.spacing)) return RowState::LeftOut;
  const std::optional<float> spacing = FloorNumber(row.spacing, messages);
  if (!spacing) return RowState::Refused;
  entry.spacing = *spacing;
  return CheckStoreyShape(row, r, entry, messages);
}

// Reads the rows into `table`; returns the number of storeys, or kRefused
// after telling the first fault.
int ReadFloorRows(const std::vector<FloorRowTexts>& rows, FloorTable& table,
                  UserMessages& messages) {
  int count = 0;
  int estimate = 0;
  int firstLeftOut = 0;
  double top = 0.0;  // the elevation of the last storey, which must stay a float
  const int rowCount = std::min(static_cast<int>(rows.size()), kFloorTableRows);
  for (int r = 1; r <= rowCount; ++r) {
    const RowState state = ReadFloorRow(rows[r - 1], r, table[r], messages);
    if (state == RowState::Refused) return kRefused;
    if (state == RowState::LeftOut) {
      firstLeftOut = firstLeftOut ? firstLeftOut : r;
      continue;
    }
    if (firstLeftOut) {
      Refuse(messages, Format("Row %i is empty", firstLeftOut));
      return kRefused;
    }
    top += table[r].height;
    if (top > FLT_MAX) {
      Refuse(messages, TooLargeNumberMessage(rows[r - 1].height));
      return kRefused;
    }
    estimate += 2 * table[r].columns - 1;
    if (estimate > kMaxElements) {
      Refuse(messages, Format("Too many elements, max = %i", kMaxElements));
      return kRefused;
    }
    ++count;
  }
  return count;
}

}  // namespace

bool AcceptFloorTable(Session& session, UserMessages& messages,
                      const std::vector<FloorRowTexts>& rows) {
  ModelTables& model = session.model;
  FloorTable table = session.generators.floors;
  int count = ReadFloorRows(rows, table, messages);
  if (count != kRefused && CountFrameElements(PlanFrame(table, count), table) > kMaxElements) {
    Refuse(messages, Format("Too many elements, max = %i", kMaxElements));
    count = kRefused;
  }
  if (count == kRefused) {
    model.generationError = 1;
    return false;
  }
  std::copy(table.begin(), table.begin() + count + 1, session.generators.floors.begin());
  model.params.floorCount = static_cast<int16_t>(count);
  PrepareGeneratorFiles(session);
  WriteFloorFile(session.paths, model, session.generators.floors);
  model.generationError = 0;
  return true;
}

void SetGroundSupports(ModelTables& model) {
  for (NodeRecord& node : model.nodes) {
    node.supportedU = node.supportedV = node.supportedPhi = 0;
    node.supportU = node.supportV = node.supportPhi = 0.0f;
  }
  std::memset(model.supports.data(), 0, sizeof model.supports);
  SupportGroundNodes(model);
}

ViewFollowUp FrameDialogAccepted(Session& session, UserMessages& messages) {
  ModelTables& model = session.model;
  if (model.generationError != 0) {
    model.generationError = 0;
    WriteFloorFile(session.paths, model, session.generators.floors);
    return ViewFollowUp::None;
  }
  if (!GenerateFrame(session, messages)) return ViewFollowUp::None;
  RebuildModel(session, messages);
  SetGroundSupports(model);
  WriteNodesFile(session.paths, model);
  WriteSupportsFile(session.paths, model);
  return ViewFollowUp::Redraw;
}

std::vector<FloorRowTexts> LoadFloorTableTexts(Session& session) {
  std::vector<FloorRowTexts> rows;
  FloorTable& floors = session.generators.floors;
  if (!ReadFloorFile(session.paths, session.model, floors)) return rows;
  for (int r = 1; r <= std::clamp<int>(session.model.params.floorCount, 0, kFloorTableRows); ++r)
    rows.push_back({Format("%.3lf", static_cast<double>(floors[r].height)),
                    Format("%i", floors[r].columns),
                    Format("%.3lf", static_cast<double>(floors[r].spacing))});
  return rows;
}

}  // namespace rerore
