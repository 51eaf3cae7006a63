#include "model/position_files.h"

#include "model/finite_records.h"

namespace rerore {

namespace {

void SayRefused(UserMessages* messages, const char* stem, int row) {
  if (messages == nullptr) return;
  messages->message(Format("%s row %i: a number is not finite; the row is refused", stem, row),
                    "Error");
}

// Rows 1..count without the refused ones, which the rows after them
// replace; returns the new count.
template <class Record, size_t N>
int16_t LeaveOutRefusedRows(std::array<Record, N>& table, int16_t count, const char* stem,
                            UserMessages* messages) {
  int kept = 0;
  for (int row = 1; row <= count; ++row) {
    if (!NumbersFinite(table[row])) {
      SayRefused(messages, stem, row);
      continue;
    }
    if (++kept != row) table[kept] = table[row];
  }
  return static_cast<int16_t>(kept);
}

// Rows 1..count, the refused ones without their values.
template <class Record, size_t N>
void EmptyRefusedRows(std::array<Record, N>& table, int16_t count, const char* stem,
                      UserMessages* messages) {
  for (int row = 1; row <= count; ++row) {
    if (NumbersFinite(table[row])) continue;
    SayRefused(messages, stem, row);
    ClearNumbers(table[row]);
  }
}

// A model table's file image, written after GEOMETRY has been withdrawn.
template <class Record, size_t N>
bool WriteModelTable(const PositionPaths& paths, const char* stem, int16_t count,
                     const std::array<Record, N>& table) {
  WithdrawGeometryMark(paths);
  return WriteTable(paths.file(stem), count, table);
}

}  // namespace

bool ReadElementsFile(const PositionPaths& paths, ModelTables& model, UserMessages* messages) {
  const auto count = ReadTable(paths.file("ELEMENTS"), model.params.elementCount, model.elements);
  if (count)
    model.params.elementCount = LeaveOutRefusedRows(model.elements, *count, "ELEMENTS", messages);
  return count.has_value();
}

bool WriteElementsFile(const PositionPaths& paths, ModelTables& model) {
  for (int k = 1; k <= ElementRows(model); ++k) UpdateStiffnessProducts(model, model.elements[k]);
  return WriteModelTable(paths, "ELEMENTS", model.params.elementCount, model.elements);
}

bool WriteElementsZeroingRunTime(const PositionPaths& paths, ModelTables& model) {
  for (int k = 1; k <= ElementRows(model); ++k) {
    model.elements[k].runTime[0] = 0;
    model.elements[k].runTime[1] = 0;
  }
  return WriteModelTable(paths, "ELEMENTS", model.params.elementCount, model.elements);
}

bool ReadNodesFile(const PositionPaths& paths, ModelTables& model, UserMessages* messages) {
  const auto count = ReadTable(paths.file("NODES"), model.params.nodeCount, model.nodes);
  if (!count) return false;
  model.params.nodeCount = *count;
  EmptyRefusedRows(model.nodes, *count, "NODES", messages);
  return true;
}

bool WriteNodesFile(const PositionPaths& paths, const ModelTables& model) {
  return WriteModelTable(paths, "NODES", model.params.nodeCount, model.nodes);
}

bool WriteNodesNumbering(const PositionPaths& paths, ModelTables& model) {
  if (model.params.nodeCount > kMaxNodes) model.params.nodeCount = kMaxNodes;
  for (int j = 1; j <= NodeRows(model); ++j) model.nodes[j].y = -model.nodes[j].z;
  return WriteNodesFile(paths, model);
}

bool ReadSupportsFile(const PositionPaths& paths, ModelTables& model, UserMessages* messages) {
  const auto count = ReadTable(paths.file("LKNOTENR"), model.params.supportCount, model.supports);
  if (count)
    model.params.supportCount = LeaveOutRefusedRows(model.supports, *count, "LKNOTENR", messages);
  return count.has_value();
}

bool WriteSupportsFile(const PositionPaths& paths, const ModelTables& model) {
  return WriteModelTable(paths, "LKNOTENR", model.params.supportCount, model.supports);
}

bool ReadCrossSectionsFile(const PositionPaths& paths, ModelTables& model, UserMessages* messages) {
  const auto count =
      ReadTable(paths.file("CROSS"), model.params.crossSectionCount, model.crossSections);
  if (!count) return false;
  model.params.crossSectionCount = *count;
  EmptyRefusedRows(model.crossSections, *count, "CROSS", messages);
  return true;
}

bool WriteCrossSectionsFile(const PositionPaths& paths, const ModelTables& model) {
  return WriteModelTable(paths, "CROSS", model.params.crossSectionCount, model.crossSections);
}

bool ReadMaterialsFile(const PositionPaths& paths, ModelTables& model, UserMessages* messages) {
  const auto count = ReadTable(paths.file("MATR"), model.params.materialCount, model.materials);
  if (!count) return false;
  model.params.materialCount = *count;
  EmptyRefusedRows(model.materials, *count, "MATR", messages);
  return true;
}

bool WriteMaterialsFile(const PositionPaths& paths, const ModelTables& model) {
  return WriteModelTable(paths, "MATR", model.params.materialCount, model.materials);
}

bool ReadParametersFile(const PositionPaths& paths, ModelTables& model, UserMessages* messages) {
  const auto data = ReadFilePrefix(paths.file("PARAMR"), sizeof(ModelParameters));
  if (!data) return false;
  BinaryIn(*data).get(model.params);
  if (!KeepParameterNumbersFinite(model.params) && messages != nullptr)
    messages->message("PARAMR: a number is not finite; the start value is taken", "Error");
  return true;
}

namespace {

// The parameter block as it goes to PARAMR: a count never promises more
// rows than its table can hold, whatever a file read earlier said.
ModelParameters ParametersWithTableCounts(const ModelParameters& params) {
  ModelParameters p = params;
  const auto clamp = [](int16_t& count, int capacity) {
    count = static_cast<int16_t>(std::clamp<int>(count, 0, capacity));
  };
  clamp(p.materialCount, kMaxMaterials);
  clamp(p.crossSectionCount, kMaxCrossSections);
  clamp(p.elementCount, kMaxElements);
  clamp(p.nodeCount, kMaxNodes);
  clamp(p.supportCount, kMaxSupports);
  clamp(p.spanCount, kSpanTableRows);
  clamp(p.floorCount, kFloorTableRows);
  clamp(p.equationCount, kMaxNumberedEquations);
  clamp(p.equationCount2, kMaxNumberedEquations);
  return p;
}

}  // namespace

bool WriteParametersFile(const PositionPaths& paths, const ModelTables& model) {
  WithdrawGeometryMark(paths);
  BinaryOut out;
  out.put(ParametersWithTableCounts(model.params));
  return out.save(paths.file("PARAMR"));
}

bool WriteDofFile(const PositionPaths& paths, const ModelTables& model) {
  const int n = std::clamp<int>(model.params.equationCount, 0, kMaxNumberedEquations);
  WithdrawGeometryMark(paths);
  BinaryOut out;
  for (int i = 1; i <= n; ++i) out.put(model.dofs[i]);
  return out.save(paths.file("DOFSK"));
}

bool WriteGeometryFile(const PositionPaths& paths, int32_t value) {
  BinaryOut out;
  out.put(value);
  return out.save(paths.file("GEOMETRY"));
}

bool GeometryFileExists(const PositionPaths& paths) { return FileReadable(paths.file("GEOMETRY")); }

void WithdrawGeometryMark(const PositionPaths& paths) {
  const auto data = ReadFilePrefix(paths.file("GEOMETRY"), sizeof(int32_t) + 1);
  if (!data) return;
  int32_t value = kGeometryChecked;
  if (data->size() == sizeof value) BinaryIn(*data).get(value);
  if (value != kGeometryUnchecked) WriteGeometryFile(paths, kGeometryUnchecked);
}

bool WriteGraphicsMarkerFile(const PositionPaths& paths) {
  BinaryOut out;
  out.put(int32_t{1});
  return out.save(paths.file("GRAFIKGO"));
}

bool ReadExtentFile(const PositionPaths& paths, DrawingExtents& extents, UserMessages* messages) {
  const auto data = ReadFilePrefix(paths.file("EXTENSIOR"), 4 * sizeof(float));
  if (!data) return false;
  float values[4] = {extents.xmin, extents.ymin, extents.xmax, extents.ymax};
  BinaryIn(*data).getBytes(values, sizeof values);
  const DrawingExtents read{values[0], values[1], values[2], values[3]};
  if (!NumbersFinite(read)) {
    SayRefused(messages, "EXTENSIOR", 1);
    return false;
  }
  extents = read;
  return true;
}

bool WriteExtentFile(const PositionPaths& paths, const DrawingExtents& extents, const char* stem) {
  WithdrawGeometryMark(paths);
  BinaryOut out;
  out.put(extents.xmin);
  out.put(extents.ymin);
  out.put(extents.xmax);
  out.put(extents.ymax);
  return out.save(paths.file(stem));
}

void IncludePoint(DrawingExtents& extents, float x, float y) {
  if (x < extents.xmin) extents.xmin = x;
  if (x > extents.xmax) extents.xmax = x;
  if (y < extents.ymin) extents.ymin = y;
  if (y > extents.ymax) extents.ymax = y;
}

DrawingExtents ElementExtents(const ModelTables& model) {
  DrawingExtents e{kNoExtentMin, kNoExtentMin, kNoExtentMax, kNoExtentMax};
  for (int k = 1; k <= ElementRows(model); ++k) {
    const ElementRecord& el = model.elements[k];
    IncludePoint(e, el.xa, el.ya);
    IncludePoint(e, el.xb, el.yb);
  }
  return e;
}

void WriteModelTables(const PositionPaths& paths, ModelTables& model) {
  WriteGeometryFile(paths, kGeometryUnchecked);
  WriteElementsFile(paths, model);
  WriteNodesFile(paths, model);
  WriteSupportsFile(paths, model);
  WriteCrossSectionsFile(paths, model);
  WriteMaterialsFile(paths, model);
  WriteParametersFile(paths, model);
  WriteExtentFile(paths, ElementExtents(model));
}

void WriteFilesListIfMissing(const PositionPaths& paths) {
  const std::string path = paths.plainFile("FILES");
  if (FileReadable(path)) return;
  TextOut text;
  text.print("%s%s%s%s\n", std::string(14, ' ').c_str(), "D1", std::string(32, ' ').c_str(),
             "Dimensions");
  text.save(path);
}

bool ReadSpanFile(const PositionPaths& paths, ModelTables& model,
                  std::array<SpanEntry, kSpanTableRows + 1>& spans) {
  const auto count = ReadTable(paths.file("DLT"), model.params.spanCount, spans);
  if (count) model.params.spanCount = LeaveOutRefusedRows(spans, *count, "DLT", nullptr);
  return count.has_value();
}

bool WriteSpanFile(const PositionPaths& paths, const ModelTables& model,
                   const std::array<SpanEntry, kSpanTableRows + 1>& spans) {
  return WriteTable(paths.file("DLT"), model.params.spanCount, spans);
}

bool ReadFloorFile(const PositionPaths& paths, ModelTables& model,
                   std::array<FloorEntry, kFloorTableRows + 1>& floors) {
  const auto count = ReadTable(paths.file("RAHMENDAT"), model.params.floorCount, floors);
  if (count) model.params.floorCount = LeaveOutRefusedRows(floors, *count, "RAHMENDAT", nullptr);
  return count.has_value();
}

bool WriteFloorFile(const PositionPaths& paths, const ModelTables& model,
                    const std::array<FloorEntry, kFloorTableRows + 1>& floors) {
  return WriteTable(paths.file("RAHMENDAT"), model.params.floorCount, floors);
}

std::optional<ArcInput> ReadArcFile(const PositionPaths& paths) {
  const auto data = ReadFilePrefix(paths.file("BOGEN"), sizeof(ArcInput));
  if (!data) return std::nullopt;
  ArcInput arc{kDefaultArcRadius, kDefaultArcAngleLeft, kDefaultArcAngleRight, kDefaultArcSegments};
  BinaryIn(*data).get(arc);
  if (!NumbersFinite(arc)) return std::nullopt;
  return arc;
}

bool WriteArcFile(const PositionPaths& paths, const ArcInput& arc) {
  BinaryOut out;
  out.put(arc);
  return out.save(paths.file("BOGEN"));
}

}  // namespace rerore
