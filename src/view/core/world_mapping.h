// The world mapping of the view: which part of the world the window shows
// and how metres, logical units and device pixels convert into each other.
//
// Drawing works in integer logical units, one metre being `unitsPerMetre`
// of them, and an isotropic transformation puts them on the device: equal
// scale in x and y, y growing upwards, the world's lower-left corner at the
// lower-left corner of a box of the viewport size centred in the device
// area. Plain math, so that the screen, the printer, the exported images
// and the mouse input all use one and the same mapping.
#pragma once

#include <cstdint>
#include <optional>

#include "model/user_messages.h"
#include "model/view_settings.h"

namespace rerore {

struct DevicePoint {
  int32_t x = 0;
  int32_t y = 0;
};

struct LogicalPoint {
  int32_t x = 0;
  int32_t y = 0;
};

struct WorldPoint {
  float x = 0.0f;
  float y = 0.0f;
};

// A rectangle in metres.
struct WorldRect {
  float x1 = 0.0f;
  float y1 = 0.0f;
  float x2 = 0.0f;
  float y2 = 0.0f;
};

enum class MappingTarget { Screen, Printer };

// Logical units to device pixels, as the isotropic mode sets it up.
struct Transformation {
  int32_t windowOriginX = 0;
  int32_t windowOriginY = 0;
  int32_t windowExtentX = 1;
  int32_t windowExtentY = 1;
  int32_t viewportOriginX = 0;
  int32_t viewportOriginY = 0;
  int32_t viewportExtentX = 1;
  int32_t viewportExtentY = 1;

  // Device pixels per logical unit; negative in y, which grows upwards.
  double scaleX() const { return double(viewportExtentX) / windowExtentX; }
  double scaleY() const { return double(viewportExtentY) / windowExtentY; }
  DevicePoint toDevice(LogicalPoint p) const;
  LogicalPoint toLogical(DevicePoint p) const;
  // The viewport extent is reduced in the direction with the larger scale,
  // so that a logical unit is as long in y as in x.
  void makeIsotropic();
};

// The scale the picture is drawn in: fixed, or chosen from the size of
// the extents when automatic scaling is on.
int32_t ChooseUnitsPerMetre(const DrawingExtents& extents, bool autoScale);

class WorldMapping {
 public:
  explicit WorldMapping(ViewSettings& settings) : settings_(settings) {}

  // The device area of this paint (the client area, or the printable area
  // of a page in device pixels) and the viewport box inside it.
  void setDeviceArea(int32_t width, int32_t height, MappingTarget target);
  int32_t areaWidth() const { return width_; }
  int32_t areaHeight() const { return height_; }
  MappingTarget target() const { return target_; }

  // The rectangle a paint fits: the zoom window when zoomed, else the
  // drawing extents. Empty when the zoom window is narrower or lower than
  // `tolerance`: such a paint draws nothing.
  std::optional<WorldRect> paintRectangle(double tolerance) const;

  // The scale choice, the fit of `rectangle`, DefineWorld and ApplyMapping,
  // then the derived sizes. Throws ProgramExit when the world cannot be
  // defined.
  void fit(const WorldRect& rectangle, UserMessages& messages);

  // Stores the world window, widening a window without width or height to
  // 1 m. A window that stays degenerate ends the program ("Error in
  // DefineWorld"): the message, then ProgramExit.
  bool defineWorld(float x1, float y1, float x2, float y2, UserMessages& messages);

  // Sets up the transformation for the defined world; the mark radius gets
  // its 3-pixel value, as every mapping the mouse and the keys make.
  void applyMapping();

  // The sizes a paint draws with: mark radii of 5 and 12 device pixels and
  // the pick tolerance of 4 pixels in metres.
  void deriveSizes();

  // The mouse's conversions: each makes the mapping afresh for the screen.
  WorldPoint deviceToWorld(DevicePoint p);
  DevicePoint worldToDevice(WorldPoint p);

  // The drawing's conversions, with the mapping of this paint.
  LogicalPoint toLogical(float x, float y) const;
  DevicePoint logicalToDevice(LogicalPoint p) const { return transform_.toDevice(p); }
  DevicePoint toDevice(float x, float y) const { return logicalToDevice(toLogical(x, y)); }
  LogicalPoint deviceToLogical(DevicePoint p) const { return transform_.toLogical(p); }
  // The logical length of `pixels` device pixels (the larger of x and y).
  int32_t logicalLength(int32_t pixels) const;
  // The character height of the view font of `tenthsOfPoint` on a device
  // with `dotsPerInch`, in logical units.
  int32_t fontHeight(double tenthsOfPoint, int32_t dotsPerInch) const;

  // Zoom by dragging: a drag of more than 9 pixels in x or y from the press
  // point zooms onto the dragged rectangle. Returns true when it zoomed.
  bool zoomByDrag(DevicePoint press, DevicePoint release);
  void leaveZoom() { zoomed_ = exactWindow_ = false; }
  bool zoomed() const { return zoomed_; }

  // Navigation with the wheel, the keys and the middle button: the picture
  // zoomed about a device point (a factor above 1 enlarges it) or moved by
  // pixels, so that the world point under the pointer stays under it. The
  // window shown becomes the zoom window and is shown exactly as it is (not
  // widened to 1 m as a fitted window) until the zoom is left. Both need the
  // world of an earlier paint; false when nothing changed (no world yet, or
  // the zoom at its limit).
  bool zoomAbout(DevicePoint p, double factor);
  bool panBy(int32_t dx, int32_t dy);
  // The world point of a device point, without rounding to logical units.
  void exactWorld(DevicePoint p, double& x, double& y) const;
  const WorldRect& zoomWindow() const { return zoomWindow_; }

  // A page is printed landscape when the shown rectangle is wider than high.
  bool landscapeForPrinting() const;

  const Transformation& transform() const { return transform_; }
  bool worldDefined() const { return worldDefined_; }
  int32_t unitsPerMetre() const { return settings_.unitsPerMetre; }
  int32_t markRadius() const { return markRadius_; }
  int32_t bigMarkRadius() const { return bigMarkRadius_; }
  float pickTolerance() const { return pickTolerance_; }
  // The effective window (the world window widened by zoomFactor).
  double windowX1() const { return X1_; }
  double windowY1() const { return Y1_; }
  double windowX2() const { return X2_; }
  double windowY2() const { return Y2_; }
  int32_t viewportWidth() const { return viewportCx_; }
  int32_t viewportHeight() const { return viewportCy_; }

 private:
  ViewSettings& settings_;
  int32_t width_ = 0;
  int32_t height_ = 0;
  MappingTarget target_ = MappingTarget::Screen;
  int32_t viewportCx_ = 0;
  int32_t viewportCy_ = 0;
  bool navigateTo(double x1, double y1, double x2, double y2);

  bool zoomed_ = false;
  bool exactWindow_ = false;  // the zoom window came from navigation
  WorldRect zoomWindow_;
  // The world window DefineWorld stored.
  float worldX1_ = 0.0f;
  float worldX2_ = 1.0f;
  float worldY1_ = 0.0f;
  float worldY2_ = 1.0f;
  bool worldDefined_ = false;
  double X1_ = 0.0;
  double X2_ = 1.0;
  double Y1_ = 0.0;
  double Y2_ = 1.0;
  Transformation transform_;
  int32_t markRadius_ = 1;
  int32_t bigMarkRadius_ = 1;
  float pickTolerance_ = kDefaultPickTolerance;
};

}  // namespace rerore
