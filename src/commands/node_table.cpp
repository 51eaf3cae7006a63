#include "commands/node_table.h"

#include <cmath>

#include "commands/table_files.h"
#include "model/position_files.h"

namespace rerore {

namespace {

constexpr const char* kCoordinateFormat = "%.2f";
constexpr const char* kFactorFormat = "%5.3lE";
constexpr int kDirections = 3;

// The factor of one direction as OK reads it: a negative entry counts as
// positive.
float FactorCell(const CellTable& cells, int row, int direction, float current) {
  return std::fabs(CellNumber(cells.at(row, kNodeUColumn + direction), current, kFactorFormat));
}

template <class Node>
auto& NodeFactor(Node& node, int direction) {
  if (direction == 0) return node.supportU;
  if (direction == 1) return node.supportV;
  return node.supportPhi;
}

// The factor columns that OK reads: up to the first empty cell, and only
// when x and y are there.
int FactorColumnsRead(const CellTable& cells, int row) {
  if (cells.empty(row, kNodeXColumn) || cells.empty(row, kNodeYColumn)) return 0;
  int read = 0;
  while (read < kDirections && !cells.empty(row, kNodeUColumn + read)) ++read;
  return read;
}

int SupportRowsNeeded(const ModelTables& model, const CellTable& cells) {
  int needed = 0;
  for (int i = 1; i < cells.rows() && i <= kMaxNodes; ++i) {
    const NodeRecord& node = model.nodes[i];
    for (int d = 0; d < FactorColumnsRead(cells, i); ++d) {
      if (FactorCell(cells, i, d, NodeFactor(node, d)) > 0.0f) {
        ++needed;
        break;
      }
    }
  }
  return needed;
}

void SetSupport(ModelTables& model, NodeRecord& node, int direction, float factor,
                SupportRecord*& support) {
  uint8_t* const supported[kDirections] = {&node.supportedU, &node.supportedV, &node.supportedPhi};
  NodeFactor(node, direction) = factor;
  *supported[direction] = factor > 0.0f ? 1 : 0;
  if (factor <= 0.0f) return;
  if (support == nullptr) {
    support = &model.supports[++model.params.supportCount];
    support->node = node.number;
    support->givenU = support->givenV = support->givenPhi = 0;
    support->factorU = support->factorV = support->factorPhi = 0.0f;
  }
  uint8_t* const given[kDirections] = {&support->givenU, &support->givenV, &support->givenPhi};
  float* const factors[kDirections] = {&support->factorU, &support->factorV, &support->factorPhi};
  *given[direction] = 1;
  *factors[direction] = factor;
}

void ReadNodeRow(ModelTables& model, const CellTable& cells, int i) {
  NodeRecord& node = model.nodes[i];
  ++model.params.nodeCount;
  node.number = static_cast<int16_t>(i);
  node.x = CellNumber(cells.at(i, kNodeXColumn), node.x, kCoordinateFormat);
  if (cells.empty(i, kNodeYColumn)) return;
  node.y = CellNumber(cells.at(i, kNodeYColumn), node.y, kCoordinateFormat);
  node.z = model.params.verticalSign * node.y;
  SupportRecord* support = nullptr;
  for (int d = 0; d < FactorColumnsRead(cells, i); ++d)
    SetSupport(model, node, d, FactorCell(cells, i, d, NodeFactor(node, d)), support);
}

}  // namespace

void OpenNodeTable(Session& session) {
  EnsurePositionDirectory(session.paths);
  ModelTables& model = session.model;
  ReadMaterialsFile(session.paths, model);
  model.params.rigidStiffness = RigidStiffness(model);
  if (!ReadNodesFile(session.paths, model)) model.params.nodeCount = 0;
}

void FillNodeTable(const ModelTables& model, CellTable& cells) {
  for (int i = 1; i <= NodeRows(model) && i < cells.rows(); ++i) {
    const NodeRecord& node = model.nodes[i];
    cells.at(i, kNodeXColumn) = Format(kCoordinateFormat, node.x);
    cells.at(i, kNodeYColumn) = Format(kCoordinateFormat, node.y);
    for (int d = 0; d < kDirections; ++d)
      cells.at(i, kNodeUColumn + d) = Format(kFactorFormat, NodeFactor(node, d));
  }
}

bool AcceptNodeTable(Session& session, const CellTable& cells, UserMessages& messages) {
  ModelTables& model = session.model;
  if (!NumbersFit(cells, kNodeXColumn, kNodePhiColumn, messages)) return false;
  if (SupportRowsNeeded(model, cells) > kMaxSupports) {
    messages.message(Format("Too many supports, max = %i", kMaxSupports), "Error");
    return false;
  }
  model.params.nodeCount = 0;
  model.params.supportCount = 0;
  session.check.outcome.reset();  // the view stops showing the mechanism
  for (int i = 1; i < cells.rows() && i <= kMaxNodes; ++i)
    if (!cells.empty(i, kNodeXColumn)) ReadNodeRow(model, cells, i);
  WriteNodesFile(session.paths, model);
  WriteSupportsFile(session.paths, model);
  return true;
}

std::optional<float> SupportFactorFor(float target, float rigidStiffness) {
  if (rigidStiffness == 0.0f) return std::nullopt;
  return target / rigidStiffness;
}

}  // namespace rerore
