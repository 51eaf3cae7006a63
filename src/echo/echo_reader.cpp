#include "echo/echo_reader.h"

#include <algorithm>
#include <cmath>
#include <string>
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

// A number that does not fit a float would put an infinity into the model:
// its row is refused, with a message that names the section and the row.
// True when every field of row r can be taken.
void RefuseRow(int section, int r, const CardField& field, UserMessages& messages) {
  std::string text = field.text;
  text.erase(text.find_last_not_of(' ') + 1);
  messages.message(Format("%s row %i: the number %s is too large; the row is refused",
                          std::string(SectionKeyword(section)).c_str(), r, text.c_str()),
                   "Error");
}

bool RowFits(const CardParser& parser, int r, size_t fields, int section, UserMessages& messages) {
  for (size_t k = 1; k <= fields; ++k) {
    const CardField& field = parser.field(r, static_cast<int>(k));
    if (std::isfinite(field.value)) continue;
    RefuseRow(section, r, field, messages);
    return false;
  }
  return true;
}

// The coordinate of an element row farthest from zero: the one that makes
// the length leave the float range.
const CardField& LargestCoordinate(const CardParser& parser, int r) {
  int largest = 2;
  for (int k = 3; k <= 5; ++k)
    if (std::fabs(parser.value(r, k)) > std::fabs(parser.value(r, largest))) largest = k;
  return parser.field(r, largest);
}

void ReadTitle(ModelTables& model, const EchoLineStore& store) {
  const int keyword = store.keywordLine(kSectionTitle);
  if (keyword != 0 && store.sectionLength(kSectionTitle) > 1)
    model.params.setTitle(store.line(keyword + 1));
}

// Elements refer to materials and sections by their row, so a refused row
// stays in place without values; the check then refuses what uses it.
void ReadMaterialsAndSections(Session& s, UserMessages& messages, CardParser& parser,
                              const EchoLineStore& store) {
  ModelTables& model = s.model;
  const int materials =
      ParseSection(parser, store, kSectionMaterial, kMaxMaterials, kMaterialFields);
  for (int r = 1; r <= materials; ++r) {
    MaterialRecord& m = model.materials[r];
    const bool fits = RowFits(parser, r, kMaterialFields.size(), kSectionMaterial, messages);
    m.number = parser.integer(r, 1);
    m.modulus = fits ? parser.value(r, 2) : 0.0f;
    m.secondConstant = fits ? parser.value(r, 3) : 0.0f;
  }
  model.params.materialCount = static_cast<int16_t>(materials);
  WriteMaterialsFile(s.paths, model);
  const int sections =
      ParseSection(parser, store, kSectionCrossSections, kMaxCrossSections, kSectionFields);
  for (int r = 1; r <= sections; ++r) {
    CrossSectionRecord& c = model.crossSections[r];
    const bool fits = RowFits(parser, r, kSectionFields.size(), kSectionCrossSections, messages);
    c.number = parser.integer(r, 1);
    c.width = fits ? parser.value(r, 2) : 0.0f;
    c.height = fits ? parser.value(r, 3) : 0.0f;
    c.area = fits ? parser.value(r, 4) : 0.0f;
    c.inertia = fits ? parser.value(r, 5) : 0.0f;
  }
  model.params.crossSectionCount = static_cast<int16_t>(sections);
}

// Nothing refers to an element by its number: a refused row is left out
// and the rows after it move up.
void ReadElements(Session& s, UserMessages& messages, CardParser& parser,
                  const EchoLineStore& store) {
  ModelTables& model = s.model;
  const int rows = ParseSection(parser, store, kSectionElements, kMaxElements, kElementFields);
  int taken = 0;
  for (int r = 1; r <= rows; ++r) {
    if (!RowFits(parser, r, kElementFields.size(), kSectionElements, messages)) continue;
    ElementRecord& e = model.elements[++taken];
    SetElementLeft(e, parser.value(r, 2), parser.value(r, 3));
    SetElementRight(e, parser.value(r, 4), parser.value(r, 5));
    ComputeElementGeometry(e, model.params.angleFlag != 0);
    if (!ElementGeometryFits(e)) {
      RefuseRow(kSectionElements, r, LargestCoordinate(parser, r), messages);
      --taken;
      continue;
    }
    e.hingeLeft = parser.integer(r, 6);
    e.hingeRight = parser.integer(r, 7);
    e.material = parser.integer(r, 8);
    e.crossSection = parser.integer(r, 9);
    e.compression = parser.integer(r, 10);
    e.tension = parser.integer(r, 11);
    UpdateStiffnessProducts(model, e);
  }
  model.params.elementCount = static_cast<int16_t>(taken);
  WriteModelExtent(s);
}

// The node rows match the regenerated nodes row by row, so a refused row
// stays in place: without supports, and its height is not taken (`refused`
// marks it for the regeneration).
void ReadNodes(Session& s, UserMessages& messages, CardParser& parser, const EchoLineStore& store,
               std::vector<bool>& refused) {
  ModelTables& model = s.model;
  const int rows = ParseSection(parser, store, kSectionNodes, kEchoMaxNodes, kNodeFields);
  refused.assign(rows + 1, false);
  for (int r = 1; r <= rows; ++r) {
    NodeRecord& n = model.nodes[r];
    refused[r] = !RowFits(parser, r, kNodeFields.size(), kSectionNodes, messages);
    const auto value = [&](int k) { return refused[r] ? 0.0f : parser.value(r, k); };
    n.number = parser.integer(r, 1);
    n.x = value(2);
    n.y = value(3);
    n.z = model.params.verticalSign * n.y;
    n.supportU = value(4);
    n.supportV = value(5);
    n.supportPhi = value(6);
    n.supportedU = n.supportU > 0.0f;
    n.supportedV = n.supportV > 0.0f;
    n.supportedPhi = n.supportPhi > 0.0f;
  }
  model.params.nodeCount = static_cast<int16_t>(rows);
  WriteNodesFile(s.paths, model);
}

// Support rows are a list: a refused one is left out. A refused parabola
// row leaves the parabola as it was.
void ReadSupportsAndParabola(Session& s, UserMessages& messages, CardParser& parser,
                             const EchoLineStore& store) {
  ModelTables& model = s.model;
  const int rows = ParseSection(parser, store, kSectionSupports, kMaxSupports, kSupportFields);
  int taken = 0;
  for (int r = 1; r <= rows; ++r) {
    if (!RowFits(parser, r, kSupportFields.size(), kSectionSupports, messages)) continue;
    SupportRecord& support = model.supports[++taken];
    support.node = parser.integer(r, 1);
    support.givenU = parser.value(r, 2) > 0.0f;
    support.givenV = parser.value(r, 3) > 0.0f;
    support.givenPhi = parser.value(r, 4) > 0.0f;
  }
  model.params.supportCount = static_cast<int16_t>(taken);
  WriteSupportsFile(s.paths, model);
  const int keyword = store.keywordLine(kSectionParabola);
  if (keyword != 0 && parser.parseRows(keyword + 1, 1, kParabolaFields) == 1 &&
      RowFits(parser, 1, kParabolaFields.size(), kSectionParabola, messages)) {
    model.parabola.span = parser.value(1, 1);
    model.parabola.rise = parser.value(1, 2);
    model.parabola.elements = parser.integer(1, 3);
  }
}

// Nodes, connectivity and equations from the elements just read. The node
// rows keep the numbers, heights and supports of the NODES section: the
// echo writer lists the nodes in the order the regeneration finds them.
void RegenerateNodes(Session& s, UserMessages& messages, const std::vector<bool>& refused) {
  ModelTables& model = s.model;
  const int nodesRead = static_cast<int>(refused.size()) - 1;
  const std::vector<NodeRecord> read(model.nodes.begin(), model.nodes.begin() + nodesRead + 1);
  ClearNodeConnections(model);
  model.params.nodeCount = static_cast<int16_t>(GenerateNodes(s, messages));
  for (int j = 1; j <= std::min(nodesRead, NodeRows(model)); ++j) {
    model.nodes[j].number = read[j].number;
    if (!refused[j]) model.nodes[j].y = read[j].y;
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
  ReadMaterialsAndSections(s, messages, parser, store);
  model.params.angleFlag = 1;
  ReadElements(s, messages, parser, store);
  std::vector<bool> refusedNodes;
  ReadNodes(s, messages, parser, store, refusedNodes);
  ReadSupportsAndParabola(s, messages, parser, store);
  model.params.displayState66 = 0;
  RegenerateNodes(s, messages, refusedNodes);
  WriteElementsFile(s.paths, model);
  WriteNodesFile(s.paths, model);
  WriteSupportsFile(s.paths, model);
  WriteCrossSectionsFile(s.paths, model);
  WriteMaterialsFile(s.paths, model);
  WriteParametersFile(s.paths, model);
}

}  // namespace rerore
