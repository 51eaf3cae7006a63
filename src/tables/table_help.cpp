#include "tables/table_help.h"

#include <vector>

namespace rerore {

namespace {

constexpr const char* kEditing =
    "<p>Type to enter a value; Return takes it and moves on, Tab and the arrow keys move "
    "between cells, Esc in a cell puts the old value back. A decimal comma is read as a "
    "point.</p><p>Ctrl+C, Ctrl+X and Ctrl+V copy, cut and paste blocks of cells; Ctrl+I "
    "inserts and Ctrl+L deletes the line of the focus cell; F5 copies the value down. Click "
    "a column for what it holds.</p>";

const std::vector<const char*> kMaterialColumns{
    "<b>Material number</b> (row): the elements refer to the material by this number in "
    "their column Mat.",
    "<b>Nr.</b>: the number of the material (a whole number), or a concrete class. Type "
    "C20/25 ... C100/115 or B10 ... B55 and press Return: the E-modulus of that class is "
    "filled in. A class name is stored as 0.",
    "<b>E-Modulus [kN/m2]</b>: the modulus of elasticity in kN/m\u00b2, for example "
    "3.0E+07 for concrete or 2.1E+08 for steel. A row counts only when this cell is "
    "filled; at most 20 materials.",
};

const std::vector<const char*> kSectionColumns{
    "<b>Nr.</b>: the number of the cross section; the elements refer to it in their column "
    "Sect. At most 50 sections.",
    "<b>width [m]</b>: the width b of the section in metres. With b and h typed, Return "
    "fills in the area and the moment of inertia of the rectangle.",
    "<b>height [m]</b>: the height h of the section in metres, in the plane of the frame.",
    "<b>Area [m2]</b>: the area A in m\u00b2 (b \u00d7 h for a rectangle); it gives the "
    "axial stiffness EA. Any positive value may be typed over the computed one.",
    "<b>I [m4]</b>: the moment of inertia in m\u2074 (b \u00d7 h\u00b3 / 12 for a "
    "rectangle); it gives the bending stiffness EI. A row counts only with all four "
    "values.",
};

const std::vector<const char*> kElementColumns{
    "<b>Element</b>: the number of the element. A click on it marks the element's end a "
    "(xa, ya) in the drawing with a red dot.",
    "<b>xa [m]</b>: x of end a in metres (x to the right).",
    "<b>ya [m]</b>: y of end a in metres (y upwards).",
    "<b>xb [m]</b>: x of end b in metres.",
    "<b>yb [m]</b>: y of end b in metres. Return after yb in a new row fills Mat., Sect., C "
    "and T with 1 and the hinges with 0.",
    "<b>Mat.</b>: the number of the element's material, a row of the materials table (1 to "
    "20).",
    "<b>Sect.</b>: the number of the element's cross section, a row of the cross-sections "
    "table (1 to 50).",
    "<b>C</b>: compression: 1 = the element takes compression, 0 = no.",
    "<b>T</b>: tension: 1 = the element takes tension, 0 = no. Return here starts the next "
    "element where this one ends.",
    "<b>H left</b>: hinge at end a: 1 = hinge (the end turns freely and has a rotation of "
    "its own), 0 = rigid connection to the node.",
    "<b>H right</b>: hinge at end b: 1 = hinge, 0 = rigid connection to the node.",
};

constexpr const char* kSupportFactor =
    " Support factor k, 0 = free, 1 = a support as stiff as the base stiffness (rigid), in "
    "between an elastic spring of k times the base stiffness. A negative entry counts as "
    "positive.";

const std::vector<QString> NodeColumns() {
  return {
      "<b>Nodes</b>: the node number. The program numbers the nodes from the element ends "
      "(ends closer than 0.05 m are one node). A click on it marks the node in the drawing.",
      "<b>x</b>: x of the node in metres. It follows the element ends: change the elements "
      "to move a node.",
      "<b>y</b>: y of the node in metres (upwards); it follows the element ends.",
      QString("<b>u</b>: the support in the horizontal displacement u (kN/m).") + kSupportFactor,
      QString("<b>v</b>: the support in the vertical displacement v (kN/m).") + kSupportFactor,
      QString("<b>phi</b>: the support in the rotation phi (kNm per radian).") + kSupportFactor,
  };
}

const std::vector<const char*> kSpanColumns{
    "<b>Span</b>: the number of the span, counted from the left; at most 30 spans.",
    "<b>x [m]</b>: x of the end of the span in metres. The beam starts at x = 0, so the "
    "values must increase from row to row. Type the first span and press Return to get "
    "spans of the same length.",
    "This column is not read: only the span ends in the column x [m] count.",
};

const std::vector<const char*> kStoreyColumns{
    "<b>Floor</b>: the storey, counted from the ground; at most 20 storeys.",
    "<b>Floor height [m]</b>: the height of the storey in metres.",
    "<b>Number of columns</b>: the columns of the storey, 2 to 50; all storeys start at x = "
    "0.",
    "<b>Spacing [m]</b>: the distance of the columns in metres. Storeys of different "
    "spacing are joined by beams split at every column of either storey.",
};

std::vector<QString> ColumnTexts(TableKind kind) {
  auto texts = [](const std::vector<const char*>& from) {
    return std::vector<QString>(from.begin(), from.end());
  };
  switch (kind) {
    case TableKind::Materials:
      return texts(kMaterialColumns);
    case TableKind::CrossSections:
      return texts(kSectionColumns);
    case TableKind::Elements:
      return texts(kElementColumns);
    case TableKind::Nodes:
      return NodeColumns();
    case TableKind::ContinuousBeam:
      return texts(kSpanColumns);
    case TableKind::Storeys:
      return texts(kStoreyColumns);
    case TableKind::Plain:
      break;
  }
  return {};
}

}  // namespace

void ExplainColumns(TableEditor& grid, TableKind kind) {
  grid.setWhatsThis(kEditing);
  const std::vector<QString> texts = ColumnTexts(kind);
  for (size_t c = 0; c < texts.size(); ++c) grid.setColumnWhatsThis(static_cast<int>(c), texts[c]);
}

}  // namespace rerore
