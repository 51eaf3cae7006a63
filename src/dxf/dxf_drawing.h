// What a DXF drawing holds for the program: every straight segment of the
// model space (LINEs and the straight parts of LWPOLYLINEs and POLYLINEs),
// with its layer, in the order in which the drawing lists them; per layer
// the number of segments and of the entities the program cannot take (arcs,
// circles, texts, hatches, block references, the arc segments of
// polylines); and the drawing's unit when its header names one. dxflib
// reads the file; this module only collects what it reports.
#pragma once

#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace rerore {

// The units a drawing can be imported in.
enum class DrawingUnit { Metre, Centimetre, Millimetre };

// "m", "cm", "mm".
const char* DrawingUnitName(DrawingUnit unit);
// The unit of "m", "cm" or "mm"; nothing for any other text.
std::optional<DrawingUnit> DrawingUnitOfName(std::string_view name);
// Drawing units in one metre: 1, 100 or 1000.
double UnitsPerMetre(DrawingUnit unit);

struct DrawingSegment {
  double x1 = 0.0;
  double y1 = 0.0;
  double x2 = 0.0;
  double y2 = 0.0;
  int layer = 0;  // index into DxfDrawing::layers
};

struct DrawingLayer {
  std::string name;
  int segments = 0;
  // What the program cannot take, by entity name ("ARC", "TEXT", ...; "arc
  // segment" for the curved parts of polylines).
  std::map<std::string, int> skipped;
};

struct DxfDrawing {
  // The unit of the header's $INSUNITS when it is m, cm or mm.
  std::optional<DrawingUnit> unit;
  // Texts (layer names) are UTF-8 from AutoCAD 2007 on, before in the
  // drawing's ANSI code page.
  bool textIsUtf8 = false;
  // The layers that hold anything in the model space, in the order in which
  // the drawing first uses them.
  std::vector<DrawingLayer> layers;
  std::vector<DrawingSegment> segments;
};

// Nothing when the file cannot be opened, is too large, or is no ASCII DXF
// file (a binary DXF, a text of another kind, lines longer than a DXF line).
std::optional<DxfDrawing> ReadDxfDrawing(const std::string& path);
// The same for the file's bytes.
std::optional<DxfDrawing> ParseDxfDrawing(const std::string& bytes);

// The index of the layer of that name (DXF layer names do not tell upper
// and lower case apart), or -1.
int FindLayer(const DxfDrawing& drawing, std::string_view name);

}  // namespace rerore
