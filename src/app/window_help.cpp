#include "app/window_help.h"

#include "gui/command_ids.h"

namespace rerore {

QString ViewWhatsThis() {
  return "<p><b>The drawing of the frame.</b> Elements are drawn with their numbers, the "
         "nodes with N and their numbers, supports as arrows, hinges as small circles and the "
         "dimensions along the frame. The status bar shows the point under the cross-hair in "
         "metres.</p>"
         "<p>With <i>Graphical input</i> on, each left click closes an element from the last "
         "point (snapped to element ends and to the grid; the status bar shows the snapped "
         "point); the right button ends the chain. Otherwise a click on an element opens its "
         "editor, a dragged rectangle zooms and Esc shows the whole frame again; Esc twice ends "
         "the program.</p>"
         "<p>The mouse wheel zooms about the pointer, + and - zoom about the middle, the arrow "
         "keys and the middle button move the picture, Home shows the whole frame.</p>"
         "<p>After every change the live check tells in the status bar what Store's check would "
         "say (\"Sound\", \"Mechanism: node 3 can move in u\", ...) and draws a mechanism "
         "in light colours. After Store on a mechanism the drawing shows the poles (red dots, "
         "\"Pole n\" in a box beside them) and the displaced shape in green; Shift and the "
         "mouse wheel make the displacements larger or smaller.</p>";
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
    case kCmdHinge:
      return "<b>Hinge</b>: while it is pressed, a click near an element's end puts a hinge "
             "there or takes it away, and a click in the middle splits the element in two.";
    case kCmdZoom:
      return "<b>Zoom window</b>: drag a window with the left button; the drawing shows what "
             "lies in it. Press again, or Esc, for the whole frame.";
    case kCmdAuxLines:
      return "<b>Aux. lines</b>: light dashed lines through every node, across the drawing, to "
             "line up new elements with the frame.";
    case kCmdEndMarks:
      return "<b>End marks</b>: the small circles at the ends of the elements and grid lines.";
    case kCmdTidyText:
      return "<b>Overlap-free labels</b>: every label reads upright, and a label that would "
             "cover another one is left out.";
    case kCmdRedraw:
      return "<b>Redraw</b>: draws the frame anew from its tables.";
    case kCmdLiveCheck:
      return "<b>Live check</b>: after every change the frame is checked as Store would check "
             "it, without writing anything; the verdict stands in the status bar. While this "
             "button is pressed, a mechanism is drawn in light colours with its poles.";
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
