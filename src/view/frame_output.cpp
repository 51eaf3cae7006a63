#include "view/frame_output.h"

#include <QPainter>
#include <QPrinter>

#include "view/frame_drawing.h"
#include "view/page_border.h"

namespace rerore {

PictureLabels DrawFrameOnScreen(QPaintDevice& device, int width, int height, Session& session,
                                WorldMapping& mapping, UserMessages& messages, FrameExtras extras) {
  QPainter painter(&device);
  painter.fillRect(0, 0, width, height, Qt::white);
  mapping.setDeviceArea(width, height, MappingTarget::Screen);
  FrameDrawing drawing(painter, session, mapping, {false, kScreenDpi}, extras);
  drawing.drawAll(messages);
  return drawing.labels();
}

QImage RenderFrameImage(int width, int height, Session& session, WorldMapping& mapping,
                        UserMessages& messages, PictureLabels* labels) {
  QImage image(width, height, QImage::Format_RGB32);
  image.fill(Qt::white);
  PictureLabels drawn = DrawFrameOnScreen(image, width, height, session, mapping, messages);
  if (labels) *labels = std::move(drawn);
  return image;
}

void PrintFramePage(QPrinter& printer, Session& session, const WorldMapping& mapping,
                    UserMessages& messages) {
  const bool landscape = mapping.landscapeForPrinting();
  const QPageLayout::Orientation orientation =
      landscape ? QPageLayout::Landscape : QPageLayout::Portrait;
  if (printer.pageLayout().orientation() != orientation) printer.setPageOrientation(orientation);
  QPainter painter(&printer);
  const QRect area = printer.pageLayout().paintRectPixels(printer.resolution());
  DrawFramePage(painter, area.width(), area.height(), printer.resolution(), landscape, session,
                mapping, messages);
}

void DrawFramePage(QPainter& painter, int width, int height, int dotsPerInch, bool landscape,
                   Session& session, const WorldMapping& mapping, UserMessages& messages) {
  if (session.view.display.pageBorder)
    DrawPageBorder(painter, session, width, height, landscape, dotsPerInch);
  WorldMapping page = mapping;
  page.setDeviceArea(width, height, MappingTarget::Printer);
  FrameDrawing(painter, session, page, {true, dotsPerInch}).drawAll(messages);
}

}  // namespace rerore
