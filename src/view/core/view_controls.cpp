#include "view/core/view_controls.h"

#include "model/settings_files.h"

namespace rerore {

bool ZoomIn(ViewSettings& view) {
  if (!(view.zoomFactor > 1.0f)) return false;
  view.zoomFactor = static_cast<float>(view.zoomFactor / double(kZoomStep));
  return true;
}

void ZoomOut(ViewSettings& view) {
  view.zoomFactor = static_cast<float>(view.zoomFactor * double(kZoomStep));
}

namespace {

float Step(float value, float step, bool forward) { return forward ? value * step : value / step; }

}  // namespace

WheelEffect TurnWheel(ViewSettings& view, const PositionPaths& paths, WheelModifiers modifiers,
                      int delta, bool mechanismShown) {
  const bool forward = delta >= 0;
  if (modifiers.alt) {
    if (forward && view.lineWidth < kMaxLineWidth) {
      ++view.lineWidth;
    } else if (!forward && view.lineWidth >= 1) {
      --view.lineWidth;
    } else {
      return WheelEffect::Nothing;
    }
    WriteLineWidth(paths, view.lineWidth);
  } else if (modifiers.ctrl && modifiers.shift) {
    view.textScale = Step(view.textScale, kTextScaleStep, forward);
  } else if (modifiers.shift && mechanismShown) {
    view.mechanismAmplitude = Step(view.mechanismAmplitude, kAmplitudeStep, forward);
  } else if (modifiers.shift) {
    view.shrinkFactor = Step(view.shrinkFactor, kShrinkStep, forward);
  } else {
    return WheelEffect::ZoomAtPointer;
  }
  return WheelEffect::Repaint;
}

}  // namespace rerore
