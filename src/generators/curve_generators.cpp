#include "generators/curve_generators.h"

#include <algorithm>
#include <cmath>

#include "check/rebuild.h"
#include "model/parse_number.h"
#include "model/position_files.h"

namespace rerore {

namespace {

bool SegmentCountAllowed(int n, UserMessages& messages) {
  if (n >= 1 && n <= kMaxCurveSegments) return true;
  messages.message(Format("Number of elements %i, allowed 1 to %i", n, kMaxCurveSegments),
                   kGeneratorErrorTitle);
  return false;
}

// A typed number cut to its whole part; far-out values are held at a size
// that an int can carry and any check refuses.
int WholePart(float value) {
  constexpr float kLimit = 1.0e9f;
  return static_cast<int>(std::clamp(value, -kLimit, kLimit));
}

int SegmentsWithinTable(int n) { return std::clamp(n, 0, kMaxCurveSegments); }

// The steps both curved members end with.
void FinishCurvedMember(Session& session, UserMessages& messages,
                        const std::vector<GeneratedPoint>& points) {
  ModelTables& model = session.model;
  SetElementsThroughPoints(model, points);
  RebuildModel(session, messages);
  WriteElementsFile(session.paths, model);
  model.params.inputState52 = 1;
  WriteGeneratedExtent(session);
}

}  // namespace

ArcFieldTexts LoadArcDialogTexts(const PositionPaths& paths) {
  const ArcInput arc = ReadArcFile(paths).value_or(ArcInput{
      kDefaultArcRadius, kDefaultArcAngleLeft, kDefaultArcAngleRight, kDefaultArcSegments});
  return {Format("%.2f", static_cast<double>(arc.radius)),
          Format("%.2f", static_cast<double>(arc.angleLeft)),
          Format("%.2f", static_cast<double>(arc.angleRight)), Format("%i", arc.segments)};
}

ViewFollowUp ArcDialogOk(Session& session, UserMessages& messages, const ArcFieldTexts& fields) {
  const ArcInput arc{parseNumber(fields.radius), parseNumber(fields.angleLeft),
                     parseNumber(fields.angleRight), parseInteger(fields.segments)};
  if (!SegmentCountAllowed(arc.segments, messages)) return ViewFollowUp::None;
  PrepareGeneratorFiles(session);
  WriteArcFile(session.paths, arc);
  GenerateArc(session, messages, arc.segments, arc.radius, arc.angleLeft, arc.angleRight);
  session.model.params.arcMark = 1;
  return ViewFollowUp::ElementsTableEnded;
}

std::vector<GeneratedPoint> ArcPoints(int n, float radius, float angleLeft, float angleRight) {
  const float hi = std::max(angleLeft, angleRight);
  const float lo = std::min(angleLeft, angleRight);
  n = SegmentsWithinTable(n);
  std::vector<GeneratedPoint> points;
  if (n == 0) return points;
  const float quotient = (hi - lo) / static_cast<float>(n) / static_cast<float>(kFullCircleDegrees);
  const double step = 2.0 * kPi * quotient;
  const double start = 2.0 * kPi * hi / kFullCircleDegrees;
  for (int k = 1; k <= n + 1; ++k) {
    const double theta = start - (k - 1) * step;
    points.push_back({static_cast<float>(radius * std::cos(theta)),
                      static_cast<float>(radius * std::sin(theta))});
  }
  return points;
}

void GenerateArc(Session& session, UserMessages& messages, int n, float radius, float angleLeft,
                 float angleRight) {
  session.model.params.verticalSign = kVerticalSign;
  FinishCurvedMember(session, messages, ArcPoints(n, radius, angleLeft, angleRight));
}

ParabolaFieldTexts ParabolaDialogTexts(const ParabolaParameters& parabola) {
  if (parabola.elements <= 0) return {};
  return {Format("%.2f", static_cast<double>(parabola.span)),
          Format("%.2f", static_cast<double>(parabola.rise)), Format("%i", parabola.elements)};
}

ViewFollowUp ParabolaDialogOk(Session& session, UserMessages& messages,
                              const ParabolaFieldTexts& fields) {
  const int n = WholePart(parseNumber(fields.elements));
  if (!SegmentCountAllowed(n, messages)) return ViewFollowUp::None;
  // A base line of zero length has no parabola over it: the points would
  // not be numbers.
  if (std::fabs(parseNumber(fields.span)) < kMinFirstSpanEnd) {
    messages.message("Zero length of base line", kGeneratorErrorTitle);
    return ViewFollowUp::None;
  }
  session.model.parabola = {parseNumber(fields.span), parseNumber(fields.rise), n};
  PrepareGeneratorFiles(session);
  GenerateParabola(session, messages);
  return ViewFollowUp::ResetAndOpenElements;
}

std::vector<GeneratedPoint> ParabolaPoints(const ParabolaParameters& parabola) {
  const int n = SegmentsWithinTable(parabola.elements);
  std::vector<GeneratedPoint> points;
  if (n == 0) return points;
  const float span = parabola.span;
  const float step = span / static_cast<float>(n);
  const double factor = 4.0 * parabola.rise / span;
  for (int k = 1; k <= n + 1; ++k) {
    const float x = static_cast<float>(k - 1) * step;
    const float shape = x - x * x / span;
    points.push_back({x, static_cast<float>(shape * factor)});
  }
  return points;
}

void GenerateParabola(Session& session, UserMessages& messages) {
  session.model.params.verticalSign = kVerticalSign;
  FinishCurvedMember(session, messages, ParabolaPoints(session.model.parabola));
}

}  // namespace rerore
