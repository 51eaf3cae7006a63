#include "dxf/dxf_export.h"

#include <dxflib/dl_dxf.h>

#include <algorithm>
#include <cmath>
#include <vector>

#include "check/rebuild.h"
#include "dxf/dxf_text_writer.h"
#include "model/file_io.h"
#include "model/position_files.h"

namespace rerore {

namespace {

// The sizes of the symbols and texts follow the frame: the symbol size is
// a share of its larger side, with a least size for very small frames.
constexpr double kSymbolShare = 0.02;
constexpr double kLeastSymbol = 0.05;
constexpr double kTextHeight = 1.2;         // in symbol sizes
constexpr double kHingeRadius = 0.35;       // in symbol sizes
constexpr double kLabelGap = 0.3;           // text off its line or node, in symbol sizes
constexpr double kDimensionDistance = 3.5;  // dimension line off the frame
constexpr double kExtensionStart = 2.0;     // extension lines start this far off the frame
constexpr double kExtensionOvershoot = 0.5;
constexpr double kTickHalf = 0.4;  // the slash at each end of a dimension line
constexpr double kDrawingMargin = 2.0;
constexpr double kDegreesPerRadian = 180.0 / kPi;
constexpr double kQuarterTurn = 90.0;
constexpr double kHalfTurn = 180.0;

// DXF colour numbers and lineweights (hundredths of a millimetre).
constexpr int kWhite = 7, kRed = 1, kGreen = 3, kBlue = 5, kMagenta = 6, kGrey = 8;
constexpr int kDefaultWeight = -3;
constexpr int kElementWeight = 50;
constexpr int kByLayer = 256;
constexpr int kWeightByLayer = -1;
// TEXT justification.
constexpr int kLeft = 0, kCentre = 1;
constexpr int kBaseline = 0, kBottom = 1;

struct LayerStyle {
  const char* name;
  int colour;
  int weight;
};

constexpr const char* kElementLayer = "ELEMENTS";
constexpr const char* kElementNumberLayer = "ELEMENT-NUMBERS";
constexpr const char* kNodeNumberLayer = "NODE-NUMBERS";
constexpr const char* kSupportLayer = "SUPPORTS";
constexpr const char* kHingeLayer = "HINGES";
constexpr const char* kDimensionLayer = "DIMENSIONS";

const LayerStyle kLayers[] = {
    {"0", kWhite, kDefaultWeight},
    {kElementLayer, kWhite, kElementWeight},
    {kElementNumberLayer, kGreen, kDefaultWeight},
    {kNodeNumberLayer, kBlue, kDefaultWeight},
    {kSupportLayer, kRed, kDefaultWeight},
    {kHingeLayer, kMagenta, kDefaultWeight},
    {kDimensionLayer, kGrey, kDefaultWeight},
};

struct Line {
  double x1, y1, x2, y2;
};

// The support symbols in the size 1, the node at the origin: a triangle or
// a spring, and the ground with short slashes on its far side. A clamp is
// the ground alone, turned to face away from its element.
enum class Support { None, Clamped, Pinned, Roller, SideRoller, Spring };

struct SupportBlock {
  Support kind;
  const char* name;
  std::vector<Line> lines;
  Line ground;
};

const std::vector<SupportBlock>& SupportBlocks() {
  static const std::vector<Line> kTriangle = {
      {0, 0, -0.6, -1}, {-0.6, -1, 0.6, -1}, {0.6, -1, 0, 0}};
  static const std::vector<Line> kSideTriangle = {
      {0, 0, -1, 0.6}, {-1, 0.6, -1, -0.6}, {-1, -0.6, 0, 0}};
  static const std::vector<Line> kSpring = {{0, 0, 0, -0.2},           {0, -0.2, -0.4, -0.35},
                                            {-0.4, -0.35, 0.4, -0.55}, {0.4, -0.55, -0.4, -0.75},
                                            {-0.4, -0.75, 0.4, -0.95}, {0.4, -0.95, 0, -1.1},
                                            {0, -1.1, 0, -1.3}};
  static const std::vector<SupportBlock> kBlocks = {
      {Support::Clamped, "SUPPORT-CLAMPED", {}, {-1, 0, 1, 0}},
      {Support::Pinned, "SUPPORT-PINNED", kTriangle, {-1, -1, 1, -1}},
      {Support::Roller, "SUPPORT-ROLLER", kTriangle, {-1, -1.25, 1, -1.25}},
      {Support::SideRoller, "SUPPORT-SIDE-ROLLER", kSideTriangle, {-1.25, 1, -1.25, -1}},
      {Support::Spring, "SUPPORT-SPRING", kSpring, {-0.8, -1.3, 0.8, -1.3}},
  };
  return kBlocks;
}

const char* BlockOf(Support kind) {
  for (const SupportBlock& block : SupportBlocks())
    if (block.kind == kind) return block.name;
  return "";
}

// The ground line and its slashes, down and to the left of it.
std::vector<Line> GroundWithSlashes(const Line& g) {
  constexpr double kSlash = 0.3;
  constexpr double kSlashStep = 0.5;
  std::vector<Line> lines = {g};
  const double length = std::hypot(g.x2 - g.x1, g.y2 - g.y1);
  for (double t = kSlash; t <= length + kSlash / 2; t += kSlashStep) {
    const double x = g.x1 + (g.x2 - g.x1) * t / length;
    const double y = g.y1 + (g.y2 - g.y1) * t / length;
    lines.push_back({x, y, x - kSlash, y - kSlash});
  }
  return lines;
}

// The kind of support a node has, as the view draws it.
Support SupportOf(const NodeRecord& n) {
  if (n.supportedPhi) return Support::Clamped;
  if (n.supportedV) return n.supportedU ? Support::Pinned : Support::Roller;
  if (n.supportedU) return Support::SideRoller;
  if (n.supportV > 0.0f || n.supportU > 0.0f) return Support::Spring;
  return Support::None;
}

struct Extents {
  double xmin, ymin, xmax, ymax;
};

Extents FrameExtents(const ModelTables& model) {
  const DrawingExtents e = ElementExtents(model);
  return {e.xmin, e.ymin, e.xmax, e.ymax};
}

double SymbolSize(const Extents& e) {
  return std::max(kLeastSymbol, kSymbolShare * std::max(e.xmax - e.xmin, e.ymax - e.ymin));
}

DL_Attributes OnLayer(const char* layer) {
  return DL_Attributes(layer, kByLayer, kWeightByLayer, "BYLAYER", 1.0);
}

// The direction (degrees) from node j into its first element.
double DirectionIntoElement(const ModelTables& model, int j) {
  const NodeRecord& n = model.nodes[j];
  if (n.elementEnds < 1) return kQuarterTurn;
  const int k = n.nodeElements[1];
  if (k < 1 || k > ElementRows(model)) return kQuarterTurn;
  const ElementRecord& e = model.elements[k];
  const double dx = double(e.xb) - e.xa;
  const double dy = double(e.yb) - e.ya;
  if (dx == 0.0 && dy == 0.0) return kQuarterTurn;
  const double sign = e.nodeLeft == j ? 1.0 : -1.0;
  return std::atan2(sign * dy, sign * dx) * kDegreesPerRadian;
}

class FrameDrawingWriter {
 public:
  explicit FrameDrawingWriter(const ModelTables& model)
      : model_(model), extents_(FrameExtents(model)), s_(SymbolSize(extents_)) {}

  std::string write() {
    writeHeader();
    writeTables();
    writeBlocks();
    w_.sectionEntities();
    writeElements();
    writeNodes();
    writeHinges();
    writeDimensionInserts();
    w_.sectionEnd();
    dxf_.writeObjects(w_);
    dxf_.writeObjectsEnd(w_);
    w_.dxfEOF();
    return w_.bytes();
  }

 private:
  void writeHeader() {
    constexpr int kMetres = 6;
    constexpr int kMetric = 1;
    dxf_.writeHeader(w_);
    w_.dxfString(9, "$INSUNITS");
    w_.dxfInt(70, kMetres);
    w_.dxfString(9, "$MEASUREMENT");
    w_.dxfInt(70, kMetric);
    const double m = kDrawingMargin * kDimensionDistance * s_;
    writePoint("$EXTMIN", extents_.xmin - m, extents_.ymin - m);
    writePoint("$EXTMAX", extents_.xmax + m, extents_.ymax + m);
    w_.sectionEnd();
  }

  void writePoint(const char* variable, double x, double y) {
    w_.dxfString(9, variable);
    w_.dxfReal(10, x);
    w_.dxfReal(20, y);
    w_.dxfReal(30, 0.0);
  }

  void writeTables() {
    w_.sectionTables();
    dxf_.writeVPort(w_);
    w_.tableLinetypes(3);
    dxf_.writeLinetype(w_, DL_LinetypeData("BYBLOCK", "", 0, 0, 0.0));
    dxf_.writeLinetype(w_, DL_LinetypeData("BYLAYER", "", 0, 0, 0.0));
    dxf_.writeLinetype(w_, DL_LinetypeData("CONTINUOUS", "Solid line", 0, 0, 0.0));
    w_.tableEnd();
    w_.tableLayers(static_cast<int>(std::size(kLayers)));
    for (const LayerStyle& layer : kLayers)
      dxf_.writeLayer(w_, DL_LayerData(layer.name, 0),
                      DL_Attributes("", layer.colour, layer.weight, "CONTINUOUS", 1.0));
    w_.tableEnd();
    w_.tableStyle(1);
    dxf_.writeStyle(w_, DL_StyleData("Standard", 0, 0.0, 1.0, 0.0, 0, textHeight(), "txt", ""));
    w_.tableEnd();
    dxf_.writeView(w_);
    dxf_.writeUcs(w_);
    w_.tableAppid(1);
    dxf_.writeAppid(w_, "ACAD");
    w_.tableEnd();
    dxf_.writeDimStyle(w_, s_, s_, s_, s_, textHeight());
    dxf_.writeBlockRecord(w_);
    for (const SupportBlock& block : SupportBlocks()) dxf_.writeBlockRecord(w_, block.name);
    for (const char* name : {kWidthBlock, kHeightBlock}) dxf_.writeBlockRecord(w_, name);
    w_.tableEnd();
    w_.sectionEnd();
  }

  void writeBlocks() {
    w_.sectionBlocks();
    for (const char* name : {"*Model_Space", "*Paper_Space", "*Paper_Space0"}) {
      dxf_.writeBlock(w_, DL_BlockData(name, 0, 0.0, 0.0, 0.0));
      dxf_.writeEndBlock(w_, name);
    }
    for (const SupportBlock& block : SupportBlocks()) {
      dxf_.writeBlock(w_, DL_BlockData(block.name, 0, 0.0, 0.0, 0.0));
      for (const Line& l : block.lines) line(l, "0");
      for (const Line& l : GroundWithSlashes(block.ground)) line(l, "0");
      dxf_.writeEndBlock(w_, block.name);
    }
    writeWidthBlock();
    writeHeightBlock();
    w_.sectionEnd();
  }

  void writeElements() {
    for (int k = 1; k <= ElementRows(model_); ++k) {
      const ElementRecord& e = model_.elements[k];
      line({DecimalOfFloat(e.xa), DecimalOfFloat(e.ya), DecimalOfFloat(e.xb), DecimalOfFloat(e.yb)},
           kElementLayer);
    }
    for (int k = 1; k <= ElementRows(model_); ++k) writeElementNumber(k);
  }

  // The number stands in the middle of the element, along it and upright,
  // just off the line.
  void writeElementNumber(int k) {
    const ElementRecord& e = model_.elements[k];
    double angle = std::atan2(double(e.yb) - e.ya, double(e.xb) - e.xa) * kDegreesPerRadian;
    if (angle > kQuarterTurn) angle -= kHalfTurn;
    if (angle <= -kQuarterTurn) angle += kHalfTurn;
    const double a = angle / kDegreesPerRadian;
    const double gap = kLabelGap * s_;
    const double x = (double(e.xa) + e.xb) / 2 - std::sin(a) * gap;
    const double y = (double(e.ya) + e.yb) / 2 + std::cos(a) * gap;
    text(Format("%i", k), x, y, angle, kCentre, kBottom, kElementNumberLayer);
  }

  void writeNodes() {
    for (int j = 1; j <= NodeRows(model_); ++j) {
      const NodeRecord& n = model_.nodes[j];
      const double gap = kLabelGap * s_;
      text(Format("N %i", j), n.x + gap, n.y + gap, 0.0, kLeft, kBaseline, kNodeNumberLayer);
      const Support kind = SupportOf(n);
      if (kind == Support::None) continue;
      const double angle =
          kind == Support::Clamped ? DirectionIntoElement(model_, j) - kQuarterTurn : 0.0;
      dxf_.writeInsert(
          w_, DL_InsertData(BlockOf(kind), n.x, n.y, 0.0, s_, s_, 1.0, angle, 1, 1, 0.0, 0.0),
          OnLayer(kSupportLayer));
    }
  }

  // A hinge is a small circle inside the element that touches its node.
  void writeHinges() {
    const double r = kHingeRadius * s_;
    for (int k = 1; k <= ElementRows(model_); ++k) {
      const ElementRecord& e = model_.elements[k];
      const double dx = double(e.xb) - e.xa;
      const double dy = double(e.yb) - e.ya;
      const double length = std::hypot(dx, dy);
      const double ux = length > 0.0 ? dx / length : 0.0;
      const double uy = length > 0.0 ? dy / length : 0.0;
      if (e.hingeLeft == 1) circle(e.xa + r * ux, e.ya + r * uy, r);
      if (e.hingeRight == 1) circle(e.xb - r * ux, e.yb - r * uy, r);
    }
  }

  bool hasWidth() const { return extents_.xmax - extents_.xmin >= kNodeMatchTolerance; }
  bool hasHeight() const { return extents_.ymax - extents_.ymin >= kNodeMatchTolerance; }

  // The overall width below the frame: extension lines, the dimension line
  // with a slash at each end, the length in metres above it.
  void writeWidthBlock() {
    dxf_.writeBlock(w_, DL_BlockData(kWidthBlock, 0, 0.0, 0.0, 0.0));
    if (hasWidth()) {
      const Extents& e = extents_;
      const double y = e.ymin - kDimensionDistance * s_;
      for (double x : {e.xmin, e.xmax}) {
        line({x, e.ymin - kExtensionStart * s_, x, y - kExtensionOvershoot * s_}, "0");
        line({x - kTickHalf * s_, y - kTickHalf * s_, x + kTickHalf * s_, y + kTickHalf * s_}, "0");
      }
      line({e.xmin, y, e.xmax, y}, "0");
      text(Format("%.2f", e.xmax - e.xmin), (e.xmin + e.xmax) / 2, y + kLabelGap * s_, 0.0, kCentre,
           kBottom, "0");
    }
    dxf_.writeEndBlock(w_, kWidthBlock);
  }

  // The overall height left of the frame, read from the right.
  void writeHeightBlock() {
    dxf_.writeBlock(w_, DL_BlockData(kHeightBlock, 0, 0.0, 0.0, 0.0));
    if (hasHeight()) {
      const Extents& e = extents_;
      const double x = e.xmin - kDimensionDistance * s_;
      for (double y : {e.ymin, e.ymax}) {
        line({e.xmin - kExtensionStart * s_, y, x - kExtensionOvershoot * s_, y}, "0");
        line({x - kTickHalf * s_, y - kTickHalf * s_, x + kTickHalf * s_, y + kTickHalf * s_}, "0");
      }
      line({x, e.ymin, x, e.ymax}, "0");
      text(Format("%.2f", e.ymax - e.ymin), x - kLabelGap * s_, (e.ymin + e.ymax) / 2, kQuarterTurn,
           kCentre, kBottom, "0");
    }
    dxf_.writeEndBlock(w_, kHeightBlock);
  }

  void writeDimensionInserts() {
    for (const char* name : {kWidthBlock, kHeightBlock})
      dxf_.writeInsert(w_, DL_InsertData(name, 0.0, 0.0, 0.0, 1.0, 1.0, 1.0, 0.0, 1, 1, 0.0, 0.0),
                       OnLayer(kDimensionLayer));
  }

  double textHeight() const { return kTextHeight * s_; }

  void line(const Line& l, const char* layer) {
    dxf_.writeLine(w_, DL_LineData(l.x1, l.y1, 0.0, l.x2, l.y2, 0.0), OnLayer(layer));
  }
  void circle(double x, double y, double r) {
    dxf_.writeCircle(w_, DL_CircleData(x, y, 0.0, r), OnLayer(kHingeLayer));
  }
  // `degrees` counter-clockwise; dxflib takes the text's angle in radians.
  void text(const std::string& content, double x, double y, double degrees, int across, int up,
            const char* layer) {
    dxf_.writeText(w_,
                   DL_TextData(x, y, 0.0, x, y, 0.0, textHeight(), 1.0, 0, across, up, content,
                               "Standard", degrees / kDegreesPerRadian),
                   OnLayer(layer));
  }

  static constexpr const char* kWidthBlock = "DIMENSION-WIDTH";
  static constexpr const char* kHeightBlock = "DIMENSION-HEIGHT";

  const ModelTables& model_;
  const Extents extents_;
  const double s_;
  DL_Dxf dxf_;
  DxfTextWriter w_;
};

bool ElementsWithoutNodes(const ModelTables& model) {
  const auto known = [&model](int node) { return node >= 1 && node <= NodeRows(model); };
  for (int k = 1; k <= ElementRows(model); ++k)
    if (!known(model.elements[k].nodeLeft) || !known(model.elements[k].nodeRight)) return true;
  return false;
}

}  // namespace

std::string FrameDxf(const ModelTables& model) { return FrameDrawingWriter(model).write(); }

DxfExport ExportDxfFile(Session& session, UserMessages& messages, const std::string& path) {
  if (ElementRows(session.model) == 0) {
    messages.message("No elements: there is nothing to export.", "Error");
    return DxfExport::NoElements;
  }
  if (ElementsWithoutNodes(session.model)) RebuildModel(session, messages);
  return WriteFileAtomically(path, FrameDxf(session.model)) ? DxfExport::Written
                                                            : DxfExport::NotWritten;
}

}  // namespace rerore
