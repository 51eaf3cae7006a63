#include "echo/echo_reader.h"

#include <algorithm>
#include <vector>

#include "check/rebuild.h"
#include "echo/card_parser.h"
#include "model/position_files.h"

namespace rerore {

namespace {

// Field layouts of the sections, in line order.
const std::vector<int> kMaterialFields = {kFieldInteger, kFieldDecimal, kFieldDecimal};
const std::vector<int> kSectionFields = {kFieldInteger, kFieldDecimal, kFieldDecimal,
                                         kFieldExponent, kFieldExponent};
const std::vector<int> kElementFields = {kFieldInteger, kFieldDecimal, kFieldDecimal, kFieldDecimal,
                                         kFieldDecimal, kFieldInteger, kFieldInteger, kFieldInteger,
                                         kFieldInteger, kFieldInteger, kFieldInteger};
const std::vector<int> kNodeFields = {kFieldInteger,  kFieldExponent, kFieldExponent,
                                      kFieldExponent, kFieldExponent, kFieldExponent};
const std::vector<int> kSupportFields = {kFieldInteger, kFieldDecimal, kFieldDecimal,
                                         kFieldDecimal};
const std::vector<int> kParabolaFields = {kFieldExponent, kFieldExponent, kFieldInteger};

// The count line after the section's keyword and the rows after it, at
// most `limit`. Without the keyword the count comes from the first line.
int ParseSection(CardParser& parser, const EchoLineStore& store, int section, int limit,
                 const std::vector<int>& fields) {
  const int keyword = store.keywordLine(section);
  const int count = std::min(parser.parseCountLine(keyword + 1), limit);
  return parser.parseRows(keyword + 2, count, fields);
}

void ReadTitle(ModelTables& model, const EchoLineStore& store) {
  const int keyword = store.keywordLine(kSectionTitle);
  if (keyword != 0 && store.sectionLength(kSectionTitle) > 1)
    model.params.setTitle(store.line(keyword + 1));
}

void ReadMaterialsAndSections(Session& s, CardParser& parser, const EchoLineStore& store) {
  ModelTables& model = s.model;
  const int materials =
      ParseSection(parser, store, kSectionMaterial, kMaxMaterials, kMaterialFields);
  for (int r = 1; r <= materials; ++r) {
    MaterialRecord& m = model.materials[r];
    m.number = parser.integer(r, 1);
    m.modulus = parser.value(r, 2);
    m.secondConstant = parser.value(r, 3);
  }
  model.params.materialCount = static_cast<int16_t>(materials);
  WriteMaterialsFile(s.paths, model);
  const int sections =
      ParseSection(parser, store, kSectionCrossSections, kMaxCrossSections, kSectionFields);
  for (int r = 1; r <= sections; ++r) {
    CrossSectionRecord& c = model.crossSections[r];
    c.number = parser.integer(r, 1);
    c.width = parser.value(r, 2);
    c.height = parser.value(r, 3);
    c.area = parser.value(r, 4);
    c.inertia = parser.value(r, 5);
  }
  model.params.crossSectionCount = static_cast<int16_t>(sections);
}

void ReadElements(Session& s, CardParser& parser, const EchoLineStore& store) {
  ModelTables& model = s.model;
  const int rows = ParseSection(parser, store, kSectionElements, kMaxElements, kElementFields);
  for (int r = 1; r <= rows; ++r) {
    ElementRecord& e = model.elements[r];
    SetElementLeft(e, parser.value(r, 2), parser.value(r, 3));
    SetElementRight(e, parser.value(r, 4), parser.value(r, 5));
    ComputeElementGeometry(e, model.params.angleFlag != 0);
    e.hingeLeft = parser.integer(r, 6);
    e.hingeRight = parser.integer(r, 7);
    e.material = parser.integer(r, 8);
    e.crossSection = parser.integer(r, 9);
    e.compression = parser.integer(r, 10);
    e.tension = parser.integer(r, 11);
    UpdateStiffnessProducts(model, e);
  }
  model.params.elementCount = static_cast<int16_t>(rows);
  WriteModelExtent(s);
}

int ReadNodes(Session& s, CardParser& parser, const EchoLineStore& store) {
  ModelTables& model = s.model;
  const int rows = ParseSection(parser, store, kSectionNodes, kEchoMaxNodes, kNodeFields);
  for (int r = 1; r <= rows; ++r) {
    NodeRecord& n = model.nodes[r];
    n.number = parser.integer(r, 1);
    n.x = parser.value(r, 2);
    n.y = parser.value(r, 3);
    n.z = model.params.verticalSign * n.y;
    n.supportU = parser.value(r, 4);
    n.supportV = parser.value(r, 5);
    n.supportPhi = parser.value(r, 6);
    n.supportedU = n.supportU > 0.0f;
    n.supportedV = n.supportV > 0.0f;
    n.supportedPhi = n.supportPhi > 0.0f;
  }
  model.params.nodeCount = static_cast<int16_t>(rows);
  WriteNodesFile(s.paths, model);
  return rows;
}

void ReadSupportsAndParabola(Session& s, CardParser& parser, const EchoLineStore& store) {
  ModelTables& model = s.model;
  const int rows = ParseSection(parser, store, kSectionSupports, kMaxSupports, kSupportFields);
  for (int r = 1; r <= rows; ++r) {
    SupportRecord& support = model.supports[r];
    support.node = parser.integer(r, 1);
    support.givenU = parser.value(r, 2) > 0.0f;
    support.givenV = parser.value(r, 3) > 0.0f;
    support.givenPhi = parser.value(r, 4) > 0.0f;
  }
  model.params.supportCount = static_cast<int16_t>(rows);
  WriteSupportsFile(s.paths, model);
  const int keyword = store.keywordLine(kSectionParabola);
  if (keyword != 0 && parser.parseRows(keyword + 1, 1, kParabolaFields) == 1) {
    model.parabola.span = parser.value(1, 1);
    model.parabola.rise = parser.value(1, 2);
    model.parabola.elements = parser.integer(1, 3);
  }
}

// Nodes, connectivity and equations from the elements just read. The node
// rows keep the numbers, heights and supports of the NODES section: the
// echo writer lists the nodes in the order the regeneration finds them.
void RegenerateNodes(Session& s, UserMessages& messages, int nodesRead) {
  ModelTables& model = s.model;
  const std::vector<NodeRecord> read(model.nodes.begin(), model.nodes.begin() + nodesRead + 1);
  ClearNodeConnections(model);
  model.params.nodeCount = static_cast<int16_t>(GenerateNodes(s, messages));
  for (int j = 1; j <= std::min(nodesRead, NodeRows(model)); ++j) {
    model.nodes[j].number = read[j].number;
    model.nodes[j].y = read[j].y;
  }
  ConnectElements(s, messages);
  const int equations = NumberEquations(model);
  SetElementEnds(model);
  for (int k = 1; k <= ElementRows(model); ++k)
    ComputeElementGeometry(model.elements[k], model.params.angleFlag != 0);
  model.params.setEquationCount(static_cast<int16_t>(equations));
  WriteNodesFile(s.paths, model);
}

}  // namespace

void ParseEcho(Session& s, UserMessages& messages, const EchoLineStore& store) {
  ModelTables& model = s.model;
  CardParser parser(store);
  model.params.verticalSign = kVerticalSign;
  ReadTitle(model, store);
  ReadMaterialsAndSections(s, parser, store);
  model.params.angleFlag = 1;
  ReadElements(s, parser, store);
  const int nodesRead = ReadNodes(s, parser, store);
  ReadSupportsAndParabola(s, parser, store);
  model.params.displayState66 = 0;
  RegenerateNodes(s, messages, nodesRead);
  WriteElementsFile(s.paths, model);
  WriteNodesFile(s.paths, model);
  WriteSupportsFile(s.paths, model);
  WriteCrossSectionsFile(s.paths, model);
  WriteMaterialsFile(s.paths, model);
  WriteParametersFile(s.paths, model);
}

}  // namespace rerore
