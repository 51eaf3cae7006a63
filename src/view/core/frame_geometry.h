// The geometry of what the view draws, as plain math: label angles, support
// symbols, hinge circles, the rigid stubs at mixed-hinge nodes, the arrows
// and the displaced shape of a mechanism, the pole labels. The painter only
// strokes what these functions give.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "model/session.h"
#include "view/core/world_mapping.h"

namespace rerore {

struct WorldLine {
  WorldPoint a;
  WorldPoint b;
};

// The angle of an element's number: 0 for (nearly) horizontal elements,
// pi/2 for (nearly) vertical ones, else the direction from end a to end b.
double ElementLabelAngle(const ElementRecord& e);

// Where the elements meeting at `node` leave the most room round it: unit
// vectors to the middle of the widest gap between them, then of the next
// widest; none for a node without elements.
std::vector<WorldPoint> FreeDirections(const ModelTables& model, int node);

// With tidy labels every text reads upright: angles beyond +-pi/2 turn by pi.
double TidyAngle(double angle);

// The support symbol of a node, drawn in the size `s` (metres).
enum class SupportKind { None, Clamped, Pin, Roller, SideRoller, Elastic };
struct SupportSymbol {
  SupportKind kind = SupportKind::None;
  std::vector<WorldLine> lines;          // in the solid pen, or dashed for Elastic
  std::array<LogicalPoint, 4> square{};  // Clamped only: the grey square
};
SupportSymbol MakeSupportSymbol(const ModelTables& model, int node, float s, int32_t unitsPerMetre);

// The size of the support symbols and the drop of the node labels: 1 % of
// the larger side of the extents.
float SymbolSize(const DrawingExtents& extents);

// The centre of the hinge circle at one end of an element: the end itself,
// or moved into the element when the end's node has mixed hinges.
WorldPoint HingeCentre(const ElementRecord& e, bool leftEnd, bool mixedHinges);

// The short line that shows a rigid element end at a mixed-hinge node, or
// nothing when the element has no rigid end at `node`.
bool RigidStub(const ElementRecord& e, int node, WorldLine& stub);

// An arrow from a to b: the shaft and the two strokes of its head.
std::array<WorldLine, 3> Arrow(WorldPoint a, WorldPoint b);

// The displaced position of an element in a mechanism display.
struct DisplacedElement {
  WorldPoint a;  // the ends as they stand
  WorldPoint b;
  WorldPoint movedA;
  WorldPoint movedB;
};
// Every element that moves visibly (more than 0.01 m over its four end
// displacements) in the mode of `check`, its displacements times
// `amplitude`.
std::vector<DisplacedElement> DisplacedShape(const ModelTables& model, const CheckResults& check,
                                             double amplitude);

// The factor that makes the largest displacement of a node in the mode a
// quarter of the frame's size (the larger side of its elements' extent), so
// that the mode reads at first sight whatever the scale of its vector; 1
// for a mode that moves no node.
double ModeScale(const ModelTables& model, const CheckResults& check);

// True when one of the node's equations u, v or its first two rotations is
// the equation at which the check found the frame singular.
bool CarriesSingularEquation(const NodeRecord& node, int32_t singularEquation);

// The label of every element's pole: "Pole %i" with the first element of a
// group of poles within 0.1 m of each other, then ", %i" with every further
// one; empty for the others and for poles at infinity. Index = element.
std::vector<std::string> PoleLabels(const ModelTables& model, const CheckResults& check);

}  // namespace rerore
