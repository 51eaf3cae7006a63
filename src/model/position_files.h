// The binary and small text files of a position and of the settings
// directory. Table files hold an i16 count and then the records of rows
// 1..count; a count above the table's capacity is clamped on reading and
// nothing beyond the table is ever read or written.
#pragma once

#include <algorithm>
#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "model/file_io.h"
#include "model/model_tables.h"
#include "model/position_paths.h"
#include "model/user_messages.h"
#include "model/view_settings.h"

namespace rerore {

// Reads a table file into rows 1..count. The count starts as `count` (a
// file too short to hold one keeps it); the result is the clamped count, or
// nullopt when the file cannot be opened.
template <class Record, size_t N>
std::optional<int16_t> ReadTable(const std::string& path, int16_t count,
                                 std::array<Record, N>& table) {
  constexpr int capacity = static_cast<int>(N) - 1;
  const auto data = ReadFilePrefix(path, sizeof(int16_t) + capacity * sizeof(Record));
  if (!data) return std::nullopt;
  BinaryIn in(*data);
  in.get(count);
  count = static_cast<int16_t>(std::clamp<int>(count, 0, capacity));
  for (int row = 1; row <= count; ++row)
    if (!in.get(table[row])) break;
  return count;
}

template <class Record, size_t N>
bool WriteTable(const std::string& path, int16_t count, const std::array<Record, N>& table) {
  constexpr int capacity = static_cast<int>(N) - 1;
  count = static_cast<int16_t>(std::clamp<int>(count, 0, capacity));
  BinaryOut out;
  out.put(count);
  for (int row = 1; row <= count; ++row) out.put(table[row]);
  return out.save(path);
}

// The readers refuse a row that holds a number that is not finite (an
// infinity or a NaN): an element, support, span or storey row is left out
// and the rows after it move up; a node, material or section row, which
// others refer to by its position, stays without values. With `messages`,
// each refusal says "%s row %i: a number is not finite; the row is
// refused" (the file's stem, title "Error").

// ELEMENTS
bool ReadElementsFile(const PositionPaths& paths, ModelTables& model,
                      UserMessages* messages = nullptr);
// The full writer: material or section 0 becomes 1, ea and ei recomputed.
bool WriteElementsFile(const PositionPaths& paths, ModelTables& model);
// The node numbering's writer: the run-time words are zeroed first.
bool WriteElementsZeroingRunTime(const PositionPaths& paths, ModelTables& model);

// NODES
bool ReadNodesFile(const PositionPaths& paths, ModelTables& model,
                   UserMessages* messages = nullptr);
bool WriteNodesFile(const PositionPaths& paths, const ModelTables& model);
// The node numbering's writer: at most 200 nodes, y refreshed from z.
bool WriteNodesNumbering(const PositionPaths& paths, ModelTables& model);

// LKNOTENR, CROSS, MATR
bool ReadSupportsFile(const PositionPaths& paths, ModelTables& model,
                      UserMessages* messages = nullptr);
bool WriteSupportsFile(const PositionPaths& paths, const ModelTables& model);
bool ReadCrossSectionsFile(const PositionPaths& paths, ModelTables& model,
                           UserMessages* messages = nullptr);
bool WriteCrossSectionsFile(const PositionPaths& paths, const ModelTables& model);
bool ReadMaterialsFile(const PositionPaths& paths, ModelTables& model,
                       UserMessages* messages = nullptr);
bool WriteMaterialsFile(const PositionPaths& paths, const ModelTables& model);

// PARAMR: the parameter block, no header. A number of the block that does
// not fit a float gets its start value ("PARAMR: a number is not finite;
// the start value is taken").
bool ReadParametersFile(const PositionPaths& paths, ModelTables& model,
                        UserMessages* messages = nullptr);
bool WriteParametersFile(const PositionPaths& paths, const ModelTables& model);

// DOFSK: equationCount equation records, no header.
bool WriteDofFile(const PositionPaths& paths, const ModelTables& model);

// GEOMETRY and GRAFIKGO: one i32 each. GEOMETRY = 1 vouches that the
// tables beside it are the ones a Store checked and found sound; 0 says
// nothing about them.
inline constexpr int32_t kGeometryUnchecked = 0;
inline constexpr int32_t kGeometryChecked = 1;
bool WriteGeometryFile(const PositionPaths& paths, int32_t value);
bool GeometryFileExists(const PositionPaths& paths);
// Every writer of a model table calls this first: a GEOMETRY other than 0
// becomes 0 before the table changes, so that a run killed in the middle
// can never leave GEOMETRY = 1 beside tables the check has not seen.
void WithdrawGeometryMark(const PositionPaths& paths);
bool WriteGraphicsMarkerFile(const PositionPaths& paths);

// EXTENSIOR: xmin, ymin, xmax, ymax. Reading fills what the file holds;
// an extent with a number that is not finite is refused (false, the
// extents unchanged). EXTENSIOPOLESR has the same layout.
bool ReadExtentFile(const PositionPaths& paths, DrawingExtents& extents,
                    UserMessages* messages = nullptr);
bool WriteExtentFile(const PositionPaths& paths, const DrawingExtents& extents,
                     const char* stem = "EXTENSIOR");
// The extent of all element end points (upward y); +-1e20 with no elements.
DrawingExtents ElementExtents(const ModelTables& model);
// Widens the extent to take in the point (x, y).
void IncludePoint(DrawingExtents& extents, float x, float y);

// GEOMETRY 0, then every table of the model from memory: ELEMENTS (the full
// writer), NODES, LKNOTENR, CROSS, MATR, PARAMR and EXTENSIOR. What a
// position holds is then what the user sees, also in a folder that held
// nothing or another frame before.
void WriteModelTables(const PositionPaths& paths, ModelTables& model);

// FILES: created only when missing.
void WriteFilesListIfMissing(const PositionPaths& paths);

// Generator inputs.
bool ReadSpanFile(const PositionPaths& paths, ModelTables& model,
                  std::array<SpanEntry, kSpanTableRows + 1>& spans);
bool WriteSpanFile(const PositionPaths& paths, const ModelTables& model,
                   const std::array<SpanEntry, kSpanTableRows + 1>& spans);
bool ReadFloorFile(const PositionPaths& paths, ModelTables& model,
                   std::array<FloorEntry, kFloorTableRows + 1>& floors);
bool WriteFloorFile(const PositionPaths& paths, const ModelTables& model,
                    const std::array<FloorEntry, kFloorTableRows + 1>& floors);
// Nothing when BOGEN cannot be read or holds a number that is not finite.
std::optional<ArcInput> ReadArcFile(const PositionPaths& paths);
bool WriteArcFile(const PositionPaths& paths, const ArcInput& arc);

}  // namespace rerore
