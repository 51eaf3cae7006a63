#include "generators/frame_generator.h"

#include <algorithm>

#include "model/position_files.h"

namespace rerore {

namespace {

float ColumnPosition(const FloorEntry& floor, int j) {
  return static_cast<float>(j - 1) * floor.spacing;
}

void AppendColumnPositions(std::vector<float>& list, const FloorEntry& floor) {
  for (int j = 1; j <= std::min(floor.columns, kMaxColumnsPerFloor); ++j)
    list.push_back(ColumnPosition(floor, j));
}

// Of two positions closer than the merge tolerance the larger one stays;
// the first such pair is merged first, until no pair is left.
void MergeClosePositions(std::vector<float>& list) {
  const auto close = [](float a, float b) { return b - a < kColumnMergeTolerance; };
  for (auto it = std::adjacent_find(list.begin(), list.end(), close); it != list.end();
       it = std::adjacent_find(list.begin(), list.end(), close))
    list.erase(it);
}

bool Refuse(ModelTables& model, UserMessages& messages, const std::string& text) {
  messages.message(text, kGeneratorErrorTitle);
  model.generationError = 1;
  return false;
}

bool FrameWithinLimits(ModelTables& model, UserMessages& messages, const FloorTable& floors) {
  const int count = model.params.floorCount;
  if (count > kMaxFloors)
    return Refuse(model, messages, Format("Too many floors, max = %i", kMaxFloors));
  for (int i = 1; i <= count; ++i)
    if (floors[i].columns > kMaxColumnsPerFloor)
      return Refuse(model, messages,
                    Format("Too many columns in floor %i, max = %i", i, kMaxColumnsPerFloor));
  if (CountFrameElements(PlanFrame(floors, count), floors) > kMaxElements)
    return Refuse(model, messages, Format("Too many elements, max = %i", kMaxElements));
  return true;
}

}  // namespace

FrameLayout PlanFrame(const FloorTable& floors, int floorCount) {
  FrameLayout layout;
  layout.floors = std::clamp(floorCount, 0, kMaxFloors);
  const int n = layout.floors;
  for (int i = 1; i <= n; ++i) layout.elevation[i] = layout.elevation[i - 1] + floors[i].height;
  if (n >= 1) AppendColumnPositions(layout.columnsAt[0], floors[1]);
  for (int i = 1; i <= n; ++i) {
    std::vector<float>& list = layout.columnsAt[i];
    AppendColumnPositions(list, floors[i]);
    if (i < n) AppendColumnPositions(list, floors[i + 1]);
    std::sort(list.begin(), list.end());
    MergeClosePositions(list);
  }
  return layout;
}

int CountFrameElements(const FrameLayout& layout, const FloorTable& floors) {
  int count = 0;
  for (int i = 1; i <= layout.floors; ++i) {
    count += std::clamp(floors[i].columns, 0, kMaxColumnsPerFloor);
    count += std::max(static_cast<int>(layout.columnsAt[i].size()) - 1, 0);
  }
  return count;
}

void SetFrameElements(ModelTables& model, const FrameLayout& layout, const FloorTable& floors) {
  int k = 0;
  const auto add = [&](GeneratedPoint a, GeneratedPoint b) {
    if (k < kMaxElements) SetGeneratedElement(model, ++k, a, b);
  };
  for (int level = 0; level <= layout.floors; ++level) {
    const float y = layout.elevation[level];
    const std::vector<float>& list = layout.columnsAt[level];
    if (level >= 1)
      for (size_t j = 1; j < list.size(); ++j) add({list[j - 1], y}, {list[j], y});
    if (level == layout.floors) break;
    const FloorEntry& storey = floors[level + 1];
    const float top = layout.elevation[level + 1];
    for (int j = 1; j <= std::min(storey.columns, kMaxColumnsPerFloor); ++j)
      add({ColumnPosition(storey, j), y}, {ColumnPosition(storey, j), top});
  }
  model.params.elementCount = static_cast<int16_t>(k);
}

bool GenerateFrame(Session& session, UserMessages& messages) {
  ModelTables& model = session.model;
  model.generationError = 0;
  const FloorTable& floors = session.generators.floors;
  if (!FrameWithinLimits(model, messages, floors)) return false;
  SetFrameElements(model, PlanFrame(floors, model.params.floorCount), floors);
  WriteElementsFile(session.paths, model);
  WriteGeneratedExtent(session);
  return true;
}

}  // namespace rerore
