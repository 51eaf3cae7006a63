// The frame picture on the devices other than the window: an image (the
// view's cached picture, the command-line tool, the benchmark) and a printed
// page (the printer and PDF files). All go through FrameDrawing.
#pragma once

#include <QImage>

#include "model/session.h"
#include "model/user_messages.h"
#include "view/core/world_mapping.h"
#include "view/frame_drawing.h"

class QPaintDevice;
class QPainter;
class QPrinter;

namespace rerore {

// Draws the frame on a white `device` of `width` x `height` pixels as the
// window shows it. Throws ProgramExit when the world cannot be defined.
// Returns the labels it drew.
PictureLabels DrawFrameOnScreen(QPaintDevice& device, int width, int height, Session& session,
                                WorldMapping& mapping, UserMessages& messages,
                                FrameExtras extras = {});
QImage RenderFrameImage(int width, int height, Session& session, WorldMapping& mapping,
                        UserMessages& messages, PictureLabels* labels = nullptr);

// One printed page: turned to landscape when the shown rectangle is wider
// than high, with the page frame and header when they are on, and the frame
// in 80 % of the printable area. `mapping` gives the zoom state; it is not
// changed.
void PrintFramePage(QPrinter& printer, Session& session, const WorldMapping& mapping,
                    UserMessages& messages);

// The printed page on any device of `width` x `height` pixels at
// `dotsPerInch`: the page frame and header (when on), then the frame.
void DrawFramePage(QPainter& painter, int width, int height, int dotsPerInch, bool landscape,
                   Session& session, const WorldMapping& mapping, UserMessages& messages);

}  // namespace rerore
