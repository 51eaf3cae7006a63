#include "dxf/dxf_drawing.h"

#include <dxflib/dl_creationadapter.h>
#include <dxflib/dl_dxf.h>
#include <dxflib/dl_exception.h>

#include <cmath>
#include <exception>
#include <sstream>

#include "model/file_io.h"

namespace rerore {

namespace {

// Larger files are no drawing of a frame; reading them would only hold the
// program up.
constexpr size_t kLargestDrawing = 128u << 20;
// dxflib reads a line into a buffer of DL_DXF_MAXLINE characters and never
// gets past a longer one (a CR counts), so such a file is refused before.
constexpr size_t kLongestLine = DL_DXF_MAXLINE - 2;
constexpr int kCommentCode = 999;
constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
// Polyline vertices whose bulge is smaller start a straight segment.
constexpr double kStraightBulge = 1.0e-6;
// Polyline flags.
constexpr int kClosedPolyline = 1;
constexpr int kPolygonMesh = 16;
constexpr int kPolyfaceMesh = 64;
// The first $ACADVER (AutoCAD 2007) that writes its texts in UTF-8.
constexpr std::string_view kFirstUtf8Version = "AC1021";
// $INSUNITS values.
constexpr int kInsunitsCentimetres = 5;
constexpr int kInsunitsMillimetres = 4;
constexpr int kInsunitsMetres = 6;

std::string_view Trimmed(std::string_view s) {
  const size_t first = s.find_first_not_of(" \t\r");
  if (first == std::string_view::npos) return {};
  return s.substr(first, s.find_last_not_of(" \t\r") - first + 1);
}

// An ASCII DXF file is pairs of lines, a group code and its value, and
// starts with a section (comments may come first). Anything else, and any
// line dxflib could not read, makes the file one the program cannot read.
bool LooksLikeAsciiDxf(std::string_view bytes) {
  std::string_view rest = bytes;
  while (!rest.empty()) {
    const size_t end = rest.find('\n');
    const size_t length = end == std::string_view::npos ? rest.size() : end;
    if (length > kLongestLine) return false;
    rest.remove_prefix(end == std::string_view::npos ? rest.size() : end + 1);
  }
  rest = bytes;
  while (!rest.empty()) {
    const std::string_view code = Trimmed(NextLine(rest));
    const std::string_view value = Trimmed(NextLine(rest));
    if (code == std::to_string(kCommentCode)) continue;
    return code == "0" && value == "SECTION";
  }
  return false;
}

char UpperCase(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; }

bool SameLayerName(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i)
    if (UpperCase(a[i]) != UpperCase(b[i])) return false;
  return true;
}

// Collects what dxflib reports: the segments and the skipped entities of
// the model space, the header's unit. Block definitions and the paper
// space are no part of the frame.
class SegmentCollector : public DL_CreationAdapter {
 public:
  explicit SegmentCollector(DxfDrawing& drawing) : drawing_(drawing) {}

  // The last polyline ends with the file.
  void finish() { finishPolyline(); }

  void setVariableInt(const std::string& key, int value, int) override {
    if (key != "$INSUNITS") return;
    if (value == kInsunitsMetres) drawing_.unit = DrawingUnit::Metre;
    if (value == kInsunitsCentimetres) drawing_.unit = DrawingUnit::Centimetre;
    if (value == kInsunitsMillimetres) drawing_.unit = DrawingUnit::Millimetre;
  }
  void setVariableString(const std::string& key, const std::string& value, int) override {
    if (key == "$ACADVER") drawing_.textIsUtf8 = value >= kFirstUtf8Version;
  }
  void addBlock(const DL_BlockData&) override {
    finishPolyline();
    inBlock_ = true;
  }
  void endBlock() override {
    finishPolyline();
    inBlock_ = false;
  }
  void endEntity() override { finishPolyline(); }
  void endSequence() override { finishPolyline(); }

  void addLine(const DL_LineData& d) override {
    finishPolyline();
    if (!inModelSpace()) return;
    const int layer = currentLayer();
    addSegment(layer, d.x1, d.y1, d.x2, d.y2);
  }
  void addPolyline(const DL_PolylineData& d) override {
    finishPolyline();
    if (!inModelSpace()) return;
    if (d.flags & (kPolygonMesh | kPolyfaceMesh)) {
      skip("POLYLINE");
      return;
    }
    polyline_ = Polyline{true, currentLayer(), (d.flags & kClosedPolyline) != 0, mirrored(), {}};
  }
  void addVertex(const DL_VertexData& d) override {
    if (polyline_.open) polyline_.vertices.push_back(d);
  }

  void addPoint(const DL_PointData&) override { skip("POINT"); }
  void addXLine(const DL_XLineData&) override { skip("XLINE"); }
  void addRay(const DL_RayData&) override { skip("RAY"); }
  void addArc(const DL_ArcData&) override { skip("ARC"); }
  void addCircle(const DL_CircleData&) override { skip("CIRCLE"); }
  void addEllipse(const DL_EllipseData&) override { skip("ELLIPSE"); }
  void addSpline(const DL_SplineData&) override { skip("SPLINE"); }
  void addInsert(const DL_InsertData&) override { skip("INSERT"); }
  void addTrace(const DL_TraceData&) override { skip("TRACE"); }
  void add3dFace(const DL_3dFaceData&) override { skip("3DFACE"); }
  void addSolid(const DL_SolidData&) override { skip("SOLID"); }
  void addMText(const DL_MTextData&) override { skip("MTEXT"); }
  void addText(const DL_TextData&) override { skip("TEXT"); }
  void addArcAlignedText(const DL_ArcAlignedTextData&) override { skip("ARCALIGNEDTEXT"); }
  void addLeader(const DL_LeaderData&) override { skip("LEADER"); }
  void addHatch(const DL_HatchData&) override { skip("HATCH"); }
  void addImage(const DL_ImageData&) override { skip("IMAGE"); }
  void addDimAlign(const DL_DimensionData&, const DL_DimAlignedData&) override { skipDimension(); }
  void addDimLinear(const DL_DimensionData&, const DL_DimLinearData&) override { skipDimension(); }
  void addDimRadial(const DL_DimensionData&, const DL_DimRadialData&) override { skipDimension(); }
  void addDimDiametric(const DL_DimensionData&, const DL_DimDiametricData&) override {
    skipDimension();
  }
  void addDimAngular(const DL_DimensionData&, const DL_DimAngular2LData&) override {
    skipDimension();
  }
  void addDimAngular3P(const DL_DimensionData&, const DL_DimAngular3PData&) override {
    skipDimension();
  }
  void addDimOrdinate(const DL_DimensionData&, const DL_DimOrdinateData&) override {
    skipDimension();
  }

 private:
  struct Polyline {
    bool open = false;
    int layer = 0;
    bool closed = false;
    bool mirrored = false;
    std::vector<DL_VertexData> vertices;
  };

  bool inModelSpace() { return !inBlock_ && !attributes.isInPaperSpace(); }

  int currentLayer() {
    const std::string name = attributes.getLayer();
    for (size_t i = 0; i < drawing_.layers.size(); ++i)
      if (drawing_.layers[i].name == name) return static_cast<int>(i);
    drawing_.layers.push_back(DrawingLayer{name, 0, {}});
    return static_cast<int>(drawing_.layers.size()) - 1;
  }

  // A polyline drawn with its normal pointing away from the viewer has its
  // x axis reversed (the drawing's object coordinates).
  bool mirrored() { return extrusion->getDirection()[2] < 0.0; }

  void skip(const char* entity) {
    finishPolyline();
    if (!inModelSpace()) return;
    const int layer = currentLayer();
    drawing_.layers[layer].skipped[entity]++;
  }
  void skipDimension() { skip("DIMENSION"); }

  void addSegment(int layer, double x1, double y1, double x2, double y2) {
    drawing_.segments.push_back({x1, y1, x2, y2, layer});
    drawing_.layers[layer].segments++;
  }

  void addPolylineSegment(const DL_VertexData& a, const DL_VertexData& b) {
    if (std::fabs(a.bulge) > kStraightBulge) {
      drawing_.layers[polyline_.layer].skipped["arc segment"]++;
      return;
    }
    const double sign = polyline_.mirrored ? -1.0 : 1.0;
    addSegment(polyline_.layer, sign * a.x, a.y, sign * b.x, b.y);
  }

  void finishPolyline() {
    if (!polyline_.open) return;
    const std::vector<DL_VertexData>& v = polyline_.vertices;
    for (size_t i = 0; i + 1 < v.size(); ++i) addPolylineSegment(v[i], v[i + 1]);
    if (polyline_.closed && v.size() >= 2) addPolylineSegment(v.back(), v.front());
    polyline_ = Polyline{};
  }

  DxfDrawing& drawing_;
  bool inBlock_ = false;
  Polyline polyline_;
};

}  // namespace

const char* DrawingUnitName(DrawingUnit unit) {
  switch (unit) {
    case DrawingUnit::Centimetre:
      return "cm";
    case DrawingUnit::Millimetre:
      return "mm";
    default:
      return "m";
  }
}

std::optional<DrawingUnit> DrawingUnitOfName(std::string_view name) {
  for (DrawingUnit unit : {DrawingUnit::Metre, DrawingUnit::Centimetre, DrawingUnit::Millimetre})
    if (name == DrawingUnitName(unit)) return unit;
  return std::nullopt;
}

double UnitsPerMetre(DrawingUnit unit) {
  switch (unit) {
    case DrawingUnit::Centimetre:
      return 100.0;
    case DrawingUnit::Millimetre:
      return 1000.0;
    default:
      return 1.0;
  }
}

std::optional<DxfDrawing> ParseDxfDrawing(const std::string& bytes) {
  std::string_view text = bytes;
  if (text.starts_with(kByteOrderMark)) text.remove_prefix(kByteOrderMark.size());
  if (!LooksLikeAsciiDxf(text)) return std::nullopt;
  DxfDrawing drawing;
  SegmentCollector collector(drawing);
  std::istringstream stream{std::string(text)};
  try {
    DL_Dxf dxf;
    if (!dxf.in(stream, &collector)) return std::nullopt;
  } catch (const std::exception&) {
    return std::nullopt;
  } catch (const DL_Exception&) {
    return std::nullopt;
  }
  collector.finish();
  return drawing;
}

std::optional<DxfDrawing> ReadDxfDrawing(const std::string& path) {
  const std::optional<std::string> bytes = ReadFilePrefix(path, kLargestDrawing + 1);
  if (!bytes || bytes->size() > kLargestDrawing) return std::nullopt;
  return ParseDxfDrawing(*bytes);
}

int FindLayer(const DxfDrawing& drawing, std::string_view name) {
  for (size_t i = 0; i < drawing.layers.size(); ++i)
    if (SameLayerName(drawing.layers[i].name, name)) return static_cast<int>(i);
  return -1;
}

}  // namespace rerore
