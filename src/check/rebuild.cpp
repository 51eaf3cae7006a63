#include "check/rebuild.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <utility>
#include <vector>

#include "model/position_files.h"

namespace rerore {

namespace {

bool IsHinged(int16_t flag) { return flag == 1; }

bool ValidNode(const ModelTables& model, int node) { return node >= 1 && node <= NodeRows(model); }

// Step 1 of the rebuild: the cross sections as the CROSS file holds them.
void RefreshCrossSections(Session& s) {
  if (!TakeCrossSectionsFromFile(s.paths, s.model)) WriteCrossSectionsFile(s.paths, s.model);
}

// The node within the matching tolerance of (x, z); the last one wins.
int MatchingNode(const ModelTables& model, float x, float z) {
  int found = 0;
  for (int j = 1; j <= NodeRows(model); ++j)
    if (SingleDistance(model.nodes[j].x, model.nodes[j].z, x, z) < kNodeMatchTolerance) found = j;
  return found;
}

// Registers element k at node j; returns false when the node's list is full.
bool AddElementEnd(NodeRecord& node, int k) {
  if (node.elementEnds >= kMaxEndsPerNode) return false;
  node.elementEnds++;
  node.nodeElements[node.elementEnds] = static_cast<int16_t>(k);
  return true;
}

void CountHinges(ModelTables& model) {
  for (int k = 1; k <= ElementRows(model); ++k) {
    const ElementRecord& e = model.elements[k];
    if (IsHinged(e.hingeLeft) && ValidNode(model, e.nodeLeft)) model.nodes[e.nodeLeft].hingeCount++;
    if (IsHinged(e.hingeRight) && ValidNode(model, e.nodeRight))
      model.nodes[e.nodeRight].hingeCount++;
  }
}

int16_t RotationCount(const NodeRecord& n) {
  int count = n.hingeCount + 1;
  if (n.hingeCount == 0)
    count = 1;
  else if (n.hingeCount == n.elementEnds)
    count = n.hingeCount;
  return static_cast<int16_t>(std::min(count, kMaxRotationsPerNode));
}

void AddDof(ModelTables& model, int equation, int node, int32_t kind) {
  if (equation <= kMaxNumberedEquations) model.dofs[equation] = DofRecord{node, equation, kind};
}

// Gives the ends at node j their rotation: a hinged end the next rotation
// of its own, a rigid end the shared (last) one.
void AssignEndRotations(ModelTables& model, int j) {
  const NodeRecord& node = model.nodes[j];
  int hinge = 0;
  for (int k = 1; k <= ElementRows(model); ++k) {
    ElementRecord& e = model.elements[k];
    const struct {
      int16_t nodeNumber;
      int16_t hinged;
      int16_t* phi;
    } ends[2] = {{e.nodeLeft, e.hingeLeft, &e.endDofs[2]},
                 {e.nodeRight, e.hingeRight, &e.endDofs[5]}};
    for (const auto& end : ends) {
      if (end.nodeNumber != j) continue;
      if (IsHinged(end.hinged) && hinge < node.rotationCount)
        *end.phi = node.dofPhi[++hinge];
      else
        *end.phi = node.dofPhi[node.rotationCount];
    }
  }
}

void WriteElementsNodesListing(const Session& s) {
  const ModelTables& model = s.model;
  TextOut out;
  AppendNodeListing(out, model, "Nodes");
  out.print("\n");
  for (int k = 1; k <= ElementRows(model); ++k) {
    const ElementRecord& e = model.elements[k];
    out.print(
        "Element %i  Node L = %i  Node R = %i  tx = %.2lf  ty = %.2lf  nx = %.2lf  ny = %.2lf\n", k,
        e.nodeLeft, e.nodeRight, static_cast<double>(e.axis[2]), static_cast<double>(e.axis[3]),
        static_cast<double>(e.axis[0]), static_cast<double>(e.axis[1]));
    out.print("Left  dof u = %i dof v = %i dof phi = %i \n", e.endDofs[0], e.endDofs[1],
              e.endDofs[2]);
    out.print("Right dof u = %i dof v = %i dof phi = %i \n\n", e.endDofs[3], e.endDofs[4],
              e.endDofs[5]);
  }
  out.print("Number of nodes = %i Number of elements = %i  Number of equations = %i\n\n",
            model.params.nodeCount, model.params.elementCount, model.params.equationCount);
  out.save(s.paths.plainFile("ELEMENTSNODES.TXT"));
}

}  // namespace

void SupportGroundNodes(ModelTables& model) {
  model.params.supportCount = 0;
  for (int j = 1; j <= NodeRows(model); ++j) {
    NodeRecord& n = model.nodes[j];
    if (std::fabs(n.y) > kGroundTolerance || model.params.supportCount >= kMaxSupports) continue;
    n.supportedU = n.supportedV = 1;
    n.supportU = n.supportV = 1.0f;
    SupportRecord& row = model.supports[++model.params.supportCount];
    row = SupportRecord{};
    row.node = n.number;
    row.givenU = row.givenV = 1;
    row.factorU = row.factorV = 1.0f;
  }
}

void ClearNodeConnections(ModelTables& model) {
  for (int j = 1; j <= kMaxNodes; ++j) {
    NodeRecord& n = model.nodes[j];
    std::memset(n.dofPhi, 0, sizeof n.dofPhi);
    std::memset(n.nodeElements, 0, sizeof n.nodeElements);
    n.elementEnds = 0;
    n.hingeCount = 0;
    n.rotationCount = 0;
  }
}

void SetElementEnds(ModelTables& model) {
  for (int j = 1; j <= NodeRows(model); ++j) {
    model.nodes[j].startingElement = 0;
    model.nodes[j].endingElement = 0;
  }
  for (int k = 1; k <= ElementRows(model); ++k) {
    const ElementRecord& e = model.elements[k];
    if (ValidNode(model, e.nodeLeft)) model.nodes[e.nodeLeft].startingElement = k;
    if (ValidNode(model, e.nodeRight)) model.nodes[e.nodeRight].endingElement = k;
  }
}

float SingleDistance(float x1, float z1, float x2, float z2) {
  const float dx = x1 - x2;
  const float dz = z1 - z2;
  const float sum = dx * dx + dz * dz;
  return static_cast<float>(std::sqrt(static_cast<double>(sum)));
}

int GenerateNodes(Session& s, UserMessages& messages) { return GenerateNodes(s.model, messages); }

int GenerateNodes(ModelTables& model, UserMessages& messages) {
  model.params.verticalSign = kVerticalSign;
  model.params.nodeCount = 0;
  bool overflow = false;
  for (int k = 1; k <= ElementRows(model); ++k) {
    const ElementRecord& e = model.elements[k];
    for (const auto& [x, z] : {std::pair{e.xa, e.za}, std::pair{e.xb, e.zb}}) {
      if (MatchingNode(model, x, z) != 0) continue;
      if (model.params.nodeCount >= kMaxNodes) {
        overflow = true;
        continue;
      }
      const int j = ++model.params.nodeCount;
      NodeRecord& n = model.nodes[j];
      n.x = x;
      n.z = z;
      n.y = z * -1.0f;
      std::memset(n.cleared, 0, sizeof n.cleared);
      n.number = static_cast<int16_t>(j);
    }
  }
  if (overflow) {
    messages.message(Format("Too many nodes, max = %i", kMaxNodes), "Error");
    model.generationError = 1;
  }
  return model.params.nodeCount;
}

void ConnectElements(Session& s, UserMessages& messages) {
  ConnectElementEnds(s.model, messages);
  WriteElementsZeroingRunTime(s.paths, s.model);
}

void ConnectElementEnds(ModelTables& model, UserMessages& messages) {
  std::vector<int16_t> leftHinge(kMaxNodes + 1, -1);
  std::vector<bool> mixed(kMaxNodes + 1, false);
  int fullNode = 0;
  for (int k = 1; k <= ElementRows(model); ++k) {
    ElementRecord& e = model.elements[k];
    e.scratch[0] = e.scratch[1] = 0;
    e.nodeLeft = e.nodeRight = 0;  // an end that finds no node keeps 0
    for (int end = 0; end < 2; ++end) {
      const float x = end == 0 ? e.xa : e.xb;
      const float z = end == 0 ? e.za : e.zb;
      const int16_t hinge = end == 0 ? e.hingeLeft : e.hingeRight;
      for (int j = 1; j <= NodeRows(model); ++j) {
        if (SingleDistance(model.nodes[j].x, model.nodes[j].z, x, z) >= kNodeMatchTolerance)
          continue;
        (end == 0 ? e.nodeLeft : e.nodeRight) = static_cast<int16_t>(j);
        if (!AddElementEnd(model.nodes[j], k) && fullNode == 0) fullNode = j;
        if (leftHinge[j] < 0)
          leftHinge[j] = hinge;
        else if (leftHinge[j] != hinge)
          mixed[j] = true;
      }
    }
  }
  for (int j = 1; j <= NodeRows(model); ++j)
    model.nodes[j].mixedHinges = model.nodes[j].elementEnds > 2 && mixed[j] ? 1 : 0;
  if (fullNode != 0)
    messages.message(Format("Too many elements at node %i, max = %i", fullNode, kMaxEndsPerNode),
                     "Error");
}

int NumberNodeEquations(ModelTables& model) {
  int equation = 0;
  for (int j = 1; j <= NodeRows(model); ++j) {
    NodeRecord& n = model.nodes[j];
    const int rotations = std::clamp<int>(n.rotationCount, 0, kMaxRotationsPerNode);
    n.dofU = static_cast<int16_t>(++equation);
    AddDof(model, equation, j, kDofU);
    n.dofV = static_cast<int16_t>(++equation);
    AddDof(model, equation, j, kDofV);
    for (int r = 1; r <= rotations; ++r) {
      n.dofPhi[r] = static_cast<int16_t>(++equation);
      AddDof(model, equation, j, kDofPhi);
    }
    n.dofCount = static_cast<int16_t>(rotations + 2);
  }
  return equation;
}

int NumberEquations(ModelTables& model) {
  CountHinges(model);
  for (int j = 1; j <= NodeRows(model); ++j)
    model.nodes[j].rotationCount = RotationCount(model.nodes[j]);
  const int equation = NumberNodeEquations(model);
  for (int j = 1; j <= NodeRows(model); ++j) AssignEndRotations(model, j);
  for (int k = 1; k <= ElementRows(model); ++k) {
    ElementRecord& e = model.elements[k];
    const NodeRecord& left = model.nodes[ValidNode(model, e.nodeLeft) ? e.nodeLeft : 0];
    const NodeRecord& right = model.nodes[ValidNode(model, e.nodeRight) ? e.nodeRight : 0];
    e.endDofs[0] = left.dofU;
    e.endDofs[1] = left.dofV;
    e.endDofs[3] = right.dofU;
    e.endDofs[4] = right.dofV;
  }
  return equation;
}

bool TakeCrossSectionsFromFile(const PositionPaths& paths, ModelTables& model) {
  if (ReadCrossSectionsFile(paths, model)) return true;
  CrossSectionRecord& section = model.crossSections[1];
  section.width = kDefaultWidth;
  section.height = kDefaultHeight;
  section.area = kDefaultArea;
  section.inertia = kDefaultInertia;
  model.params.crossSectionCount = 1;
  return false;
}

void NumberModel(ModelTables& model, UserMessages& messages) {
  ClearNodeConnections(model);
  GenerateNodes(model, messages);
  ConnectElementEnds(model, messages);
  for (int k = 1; k <= ElementRows(model); ++k) {
    model.elements[k].runTime[0] = 0;
    model.elements[k].runTime[1] = 0;
  }
  const int equations = NumberEquations(model);
  SetElementEnds(model);
  for (int k = 1; k <= ElementRows(model); ++k) UpdateStiffnessProducts(model, model.elements[k]);
  model.params.setEquationCount(static_cast<int16_t>(equations));
  if (model.params.nodeCount > kMaxNodes) model.params.nodeCount = kMaxNodes;
  for (int j = 1; j <= NodeRows(model); ++j) model.nodes[j].y = -model.nodes[j].z;
}

// The files hold what the numbering made: ELEMENTS (as the full element
// writer leaves it) and NODES.
void RebuildModel(Session& s, UserMessages& messages) {
  RefreshCrossSections(s);
  NumberModel(s.model, messages);
  WriteElementsFile(s.paths, s.model);
  WriteNodesNumbering(s.paths, s.model);
}

void RebuildBeamModel(Session& s, UserMessages& messages) {
  ModelTables& model = s.model;
  ClearNodeConnections(model);
  GenerateNodes(s, messages);
  ConnectElements(s, messages);
  const int equations = NumberEquations(model);
  for (int j = 1; j <= NodeRows(model); ++j) {
    NodeRecord& n = model.nodes[j];
    n.supportedV = 1;
    n.supportV = 1.0f;
    if (j == 1) {
      n.supportedU = 1;
      n.supportU = 1.0f;
    }
  }
  SetElementEnds(model);
  model.params.setEquationCount(static_cast<int16_t>(equations));
  WriteElementsNodesListing(s);
  SupportGroundNodes(model);
  WriteSupportsFile(s.paths, model);
  WriteNodesFile(s.paths, model);
}

void WriteModelExtent(Session& s) {
  for (int k = 1; k <= ElementRows(s.model); ++k)
    ComputeElementGeometry(s.model.elements[k], s.model.params.angleFlag != 0);
  WriteElementsFile(s.paths, s.model);
  const DrawingExtents extents = ElementExtents(s.model);
  WriteExtentFile(s.paths, extents);
  s.view.extents = extents;
}

std::string ModelLimitMessage(const ModelTables& model) {
  std::vector<int> ends(kMaxNodes + 1, 0);
  for (int k = 1; k <= ElementRows(model); ++k) {
    const ElementRecord& e = model.elements[k];
    if (!ValidNode(model, e.nodeLeft) || !ValidNode(model, e.nodeRight))
      return Format("Too many nodes, max = %i", kMaxNodes);
    ends[e.nodeLeft]++;
    ends[e.nodeRight]++;
  }
  for (int j = 1; j <= NodeRows(model); ++j)
    if (ends[j] > kMaxEndsPerNode)
      return Format("Too many elements at node %i, max = %i", j, kMaxEndsPerNode);
  return {};
}

void AppendNodeListing(TextOut& out, const ModelTables& model, const char* label) {
  for (int j = 1; j <= NodeRows(model); ++j) {
    const NodeRecord& n = model.nodes[j];
    out.print("%s %i  x = %.2lf y = %.2lf zElements = %i dofsphi = %i dofstotal = %i\n", label, j,
              static_cast<double>(n.x), static_cast<double>(n.z), n.elementEnds, n.rotationCount,
              n.dofCount);
    out.print("DofU = %i\n", n.dofU);
    out.print("DofV = %i\n", n.dofV);
    for (int r = 1; r <= std::min<int>(n.rotationCount, kMaxRotationsPerNode); ++r)
      out.print("DofPhi = %i\n", n.dofPhi[r]);
    for (int i = 1; i <= std::min<int>(n.elementEnds, kMaxEndsPerNode); ++i)
      out.print("Element %i\n", n.nodeElements[i]);
    out.print("\n");
  }
}

}  // namespace rerore
