#include "app/window_help.h"

#include "gui/command_ids.h"

namespace rerore {

QString ViewWhatsThis() {
  return "<p><b>The drawing of the frame.</b> Elements are drawn with their numbers, the "
         "nodes with N and their numbers, supports as arrows, hinges as small circles and the "
         "dimensions along the frame. The status bar shows the point under the cross-hair in "
         "metres.</p>"
         "<p>With <i>Graphical input</i> on, each left click closes an element from the last "
         "point (snapped to element ends and to the grid); the right button ends the chain. "
         "Otherwise a click on an element opens its editor, a dragged rectangle zooms and Esc "
         "shows the whole frame again; Esc twice ends the program.</p>"
         "<p>After Store on a mechanism the drawing shows the poles (red dots, \"Pole n\") and "
         "the displaced shape in green; the mouse wheel makes the displacements larger or "
         "smaller.</p>";
}

QString ToolbarWhatsThis(int command) {
  switch (command) {
    case kCmdStore:
      return "<b>Store</b> (Ctrl+S): writes the position's files and the echo file and "
             "checks the frame. A sound frame is marked complete and the program ends; a "
             "mechanism stays on the screen with its poles.";
    case kCmdPrint:
      return "<b>Print</b> (Ctrl+P): the drawing on one page with frame and header.";
    case kCmdDimensions:
      return "<b>Dimensions</b>: shows the dimensions report D1.TXT of the position "
             "(materials, sections, elements, nodes, support stiffness).";
    case kCmdCopyToClipboard:
      return "<b>Copy to Clipboard</b>: the window's drawing as a picture, to paste into "
             "another program.";
    case kCmdGraphicalInput:
      return "<b>Graphical input</b>: draw elements with the mouse. The first left click "
             "starts a chain, each further click closes an element, the right button ends "
             "the chain; Ctrl keeps the line horizontal or vertical.";
    case kCmdGrid:
      return "<b>Grid</b>: asks for the mesh width and the snap radius and shows the grid; "
             "clicks near a grid point snap to it. Esc with the grid on closes it and opens "
             "the elements table.";
    case kCmdEditUndo:
      return "<b>Undo</b> (Ctrl+Z, Alt+Backspace): takes back the last change of the frame "
             "and puts the position's files back as they were before it. The Edit menu names "
             "the change.";
    case kCmdEditRedo:
      return "<b>Redo</b> (Ctrl+Y, Ctrl+Shift+Z): makes the change undone last again, with "
             "its files.";
    default:
      return {};
  }
}

}  // namespace rerore
