#include "generators/curve_generators.h"

#include <algorithm>
#include <cfloat>
#include <cmath>
#include <optional>

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

struct SineAndCosine {
  double sine;
  double cosine;
};

// sin and cos of an angle in radians, giving the same floats on every
// platform. The angle is first brought within π/4 of zero with π/2 split
// into three parts (the products with the first two are exact), because not
// every C library reduces accurately itself: MinGW's x87 sine gives
// sin(π) = 1.22460635e-16 instead of 1.22464680e-16, and the arc's end
// point would be a different float in ELEMENTS and NODES.
SineAndCosine SinCos(double angle) {
  constexpr double kTwoOverPi = 6.36619772367581382433e-01;
  constexpr double kHalfPiHigh = 1.57079632673412561417e+00;    // the first 33 bits of π/2
  constexpr double kHalfPiMiddle = 6.07710050630396597660e-11;  // the next 33 bits
  constexpr double kHalfPiLow = 2.02226624879595063154e-21;     // the next 53 bits
  const double quadrant = std::nearbyint(angle * kTwoOverPi);
  const double reduced =
      ((angle - quadrant * kHalfPiHigh) - quadrant * kHalfPiMiddle) - quadrant * kHalfPiLow;
  const double s = std::sin(reduced);
  const double c = std::cos(reduced);
  switch (static_cast<long long>(quadrant) & 3) {
    case 0:
      return {s, c};
    case 1:
      return {c, -s};
    case 2:
      return {-s, -c};
    default:
      return {-c, s};
  }
}

void Refuse(UserMessages& messages, const std::string& text) {
  messages.message(text, kGeneratorErrorTitle);
}

// The numbers of the fields, or nothing after "The number %s is too large"
// for the first that does not fit a float.
std::optional<std::vector<float>> FieldNumbers(const std::vector<const std::string*>& fields,
                                               UserMessages& messages) {
  std::vector<float> values;
  for (const std::string* text : fields) {
    const std::optional<float> value = parseFiniteNumber(*text);
    if (!value) {
      Refuse(messages, TooLargeNumberMessage(*text));
      return std::nullopt;
    }
    values.push_back(*value);
  }
  return values;
}

// Points closer than the distance at which the rebuild merges two ends
// into one node would give elements without length.
bool ElementsLongEnough(const std::vector<GeneratedPoint>& points, UserMessages& messages) {
  for (size_t i = 1; i < points.size(); ++i) {
    const GeneratedPoint& a = points[i - 1];
    const GeneratedPoint& b = points[i];
    if (SingleDistance(a.x, a.y, b.x, b.y) >= kNodeMatchTolerance) continue;
    Refuse(messages, Format("The elements would be shorter than %.2f m",
                            static_cast<double>(kNodeMatchTolerance)));
    return false;
  }
  return true;
}

// Everything that keeps the arc from being a frame, told in the order the
// fields stand in the dialog.
bool ArcAllowed(const ArcInput& arc, const ArcFieldTexts& fields, UserMessages& messages) {
  if (!SegmentCountAllowed(arc.segments, messages)) return false;
  if (!(arc.radius > 0.0f)) {
    Refuse(messages, "The radius must be positive");
    return false;
  }
  if (2.0 * arc.radius > FLT_MAX) {  // the diameter must stay a float
    Refuse(messages, TooLargeNumberMessage(fields.radius));
    return false;
  }
  const double sweep = std::fabs(static_cast<double>(arc.angleLeft) - arc.angleRight);
  if (sweep == 0.0) {
    Refuse(messages, "The angles on the left and on the right must differ");
    return false;
  }
  if (sweep > kFullCircleDegrees) {  // the segments would lie on each other
    Refuse(messages, "The arc cannot span more than 360 degrees");
    return false;
  }
  return ElementsLongEnough(ArcPoints(arc.segments, arc.radius, arc.angleLeft, arc.angleRight),
                            messages);
}

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
  const auto values =
      FieldNumbers({&fields.radius, &fields.angleLeft, &fields.angleRight}, messages);
  if (!values) return ViewFollowUp::None;
  const ArcInput arc{(*values)[0], (*values)[1], (*values)[2], parseInteger(fields.segments)};
  if (!ArcAllowed(arc, fields, messages)) return ViewFollowUp::None;
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
    const SineAndCosine direction = SinCos(start - (k - 1) * step);
    points.push_back({static_cast<float>(radius * direction.cosine),
                      static_cast<float>(radius * direction.sine)});
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
  const auto values = FieldNumbers({&fields.span, &fields.rise, &fields.elements}, messages);
  if (!values) return ViewFollowUp::None;
  const ParabolaParameters parabola{(*values)[0], (*values)[1], WholePart((*values)[2])};
  if (!SegmentCountAllowed(parabola.elements, messages)) return ViewFollowUp::None;
  // Over a base line of no length, or without height, no parabola stands.
  if (!(parabola.span > 0.0f)) {
    Refuse(messages, "The length of the base line must be positive");
    return ViewFollowUp::None;
  }
  if (!(parabola.rise > 0.0f)) {
    Refuse(messages, "The height must be positive");
    return ViewFollowUp::None;
  }
  if (!ElementsLongEnough(ParabolaPoints(parabola), messages)) return ViewFollowUp::None;
  session.model.parabola = parabola;
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
    // In double: x * x of a long base line would leave the float range.
    const double shape = x - static_cast<double>(x) * x / span;
    points.push_back({x, static_cast<float>(shape * factor)});
  }
  return points;
}

void GenerateParabola(Session& session, UserMessages& messages) {
  session.model.params.verticalSign = kVerticalSign;
  FinishCurvedMember(session, messages, ParabolaPoints(session.model.parabola));
}

}  // namespace rerore
