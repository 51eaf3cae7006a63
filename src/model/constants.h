// Capacities, tolerances and fixed values of the frame model, in one place.
#pragma once

#include <cstdint>

namespace rerore {

// Table capacities (rows 1..N; row 0 exists and is never used).
inline constexpr int kMaxElements = 100;
inline constexpr int kMaxNodes = 200;
inline constexpr int kMaxSupports = 100;
inline constexpr int kMaxMaterials = 20;
inline constexpr int kMaxCrossSections = 50;
inline constexpr int kMaxEndsPerNode = 10;  // element ends meeting at one node
inline constexpr int kMaxRotationsPerNode = 10;
// Every node can carry u, v and at most ten rotations.
inline constexpr int kMaxNumberedEquations = kMaxNodes * (2 + kMaxRotationsPerNode);
inline constexpr int kMaxCheckEquations = 600;  // the structural check accepts no more

// Structural check.
inline constexpr const char* kApplicationTitle = "RERORE";  // caption of boxes without own title
inline constexpr double kMinStiffnessProduct = 0.001;       // |EA| or |EI| below: element rejected
inline constexpr double kMinElementLength = 0.01;  // shorter elements count this long (as f32)
inline constexpr double kStabilityMinimum = 0.1;   // restoring force of a unit translation
inline constexpr int kKinematicVectorRows = 998;
inline constexpr double kEchelonZeroPivot = 1.0;       // reduced pivot that counts as zero
inline constexpr double kEchelonFreeColumn = 0.01;     // first reduced diagonal below: free column
inline constexpr double kEchelonBackPivot = 0.1;       // smallest pivot the back reduction uses
inline constexpr double kPoleRestingEnd = 0.01;        // |u| + |v| of an end at rest
inline constexpr double kPoleRotation = 0.01;          // |phi| of a rotating element
inline constexpr double kSolverPivot = 1.0e-5;         // smaller pivots are swapped away
inline constexpr double kResidualTolerance = 1.0e-12;  // refinement stops at this residual
inline constexpr int kMaxRefinementRounds = 31;

// Generator tables.
inline constexpr int kSpanTableRows = 50;  // rows of the span table; at most kMaxSpans used
inline constexpr int kMaxSpans = 30;
inline constexpr int kFloorTableRows = 100;  // rows of the storey table; at most kMaxFloors used
inline constexpr int kMaxFloors = 20;
inline constexpr int kMaxColumnsPerFloor = 50;
inline constexpr int kMinColumnsPerFloor = 2;  // one column alone makes no frame
inline constexpr int kMaxColumnPositions = 2 * kMaxColumnsPerFloor;  // one level, two storeys
inline constexpr float kColumnMergeTolerance = 0.05f;   // column lines closer than this are one
inline constexpr int kMaxCurveSegments = kMaxElements;  // arc and parabola
inline constexpr float kDefaultArcRadius = 10.0f;
inline constexpr float kDefaultArcAngleLeft = 180.0f;
inline constexpr float kDefaultArcAngleRight = 0.0f;
inline constexpr int32_t kDefaultArcSegments = 48;
inline constexpr double kFullCircleDegrees = 360.0;

// The double nearest pi, for the element angles and the arcs.
inline constexpr double kPi = 3.14159265358979323846;

// Geometry tolerances in metres.
inline constexpr float kNodeMatchTolerance = 0.05f;
inline constexpr float kGroundTolerance = 0.01f;
inline constexpr double kZeroLength = 1.0e-6;
inline constexpr double kAxisDegenerate = 0.1;  // c and s of an element without length
inline constexpr double kAngleSnap = 0.01;
inline constexpr float kHingePickDistance = 0.2f;  // a pick this close to an end toggles its hinge

// Defaults of a new position.
inline constexpr float kDefaultModulus = 26700000.0f;
inline constexpr double kDefaultModulusParameter = 26700000.0;
inline constexpr float kDefaultWidth = 0.2f;
inline constexpr float kDefaultHeight = 0.4f;
inline constexpr float kDefaultArea = 0.08f;
inline constexpr float kDefaultInertia = 0.0010666667f;
inline constexpr float kSectionDefaultOnly = 50000.0f;
inline constexpr double kMaterialConstant = 0.16;
inline constexpr double kTolerance = 1.0e-6;
inline constexpr int16_t kStartTextHeight = 24;
inline constexpr int16_t kVerticalSign = -1;

// World window when a position has no extent file.
inline constexpr float kDefaultWorldXMax = 50.0f;
inline constexpr float kDefaultWorldYMax = 30.0f;
inline constexpr float kNoExtentMin = 1.0e20f;
inline constexpr float kNoExtentMax = -1.0e20f;

// Settings defaults.
inline constexpr int32_t kDefaultLineWidth = 1;
inline constexpr int32_t kMaxLineWidth = 10;
inline constexpr float kDefaultSnapValue = 0.05f;
inline constexpr int32_t kDefaultSnapOption = 1;

// The world mapping of the view.
inline constexpr int32_t kFixedUnitsPerMetre = 100;  // without automatic scaling
inline constexpr float kMinWorldSize = 1.0f;         // the window reaches at least x, y = 1 m
inline constexpr float kNarrowWorld = 0.1f;          // narrower windows get 1 m width
inline constexpr double kScreenViewportShare = 0.9;  // part of the window the frame fills
inline constexpr double kPrintViewportShare = 0.8;   // part of the printed page
inline constexpr int kInputMarkPixels = 3;           // end marks while the mouse works
inline constexpr int kMarkPixels = 5;
inline constexpr int kBigMarkPixels = 12;
inline constexpr int kPickPixels = 4;
inline constexpr int kSmallWindowExtent = 100;  // below it the mark radius is 1
inline constexpr float kDefaultPickTolerance = 0.1f;
inline constexpr int kZoomDragPixels = 9;  // a drag must move more to zoom
inline constexpr float kZoomStep = 1.2f;
inline constexpr float kShrinkStep = 1.5f;
inline constexpr float kTextScaleStep = 1.1f;
inline constexpr float kAmplitudeStep = 1.5f;
// Navigation: a notch of the wheel or a press of + and - zooms by this
// factor; an arrow key moves the picture by this part of the view.
inline constexpr double kNavigationZoomStep = 1.25;
inline constexpr double kArrowPanShare = 0.1;
// The zoom stops where the window would be fewer logical units wide (the
// picture is drawn in whole units) or wider than this many metres.
inline constexpr double kNavigationMinUnits = 20.0;
inline constexpr double kNavigationMaxMetres = 10000.0;
inline constexpr int kViewTextHeight = 80;  // tenths of a point
inline constexpr int kPointsPerInch = 72;
inline constexpr int kScreenDpi = 96;
inline constexpr int kDefineWorldExitCode = 1;
inline constexpr float kDefaultMeshWidth = 2.0f;
inline constexpr float kDefaultSnapRadius = 0.15f;

// Text limits.
inline constexpr int kParseNumberChars = 119;
inline constexpr int kExtensionBufferSize = 241;
inline constexpr int kPathBufferSize = 248;
inline constexpr int kTitleBufferSize = 360;
inline constexpr int kTitleInputChars = 126;

// Echo file reader: the line store and the card fields.
inline constexpr int kEchoMaxLines = 1500;
inline constexpr int kEchoLineChars = 126;
inline constexpr int kEchoKeywordSlots = 30;
inline constexpr int kCardMaxTokens = 30;
inline constexpr int kCardFieldChars = 62;
inline constexpr int kCardRows = 101;
inline constexpr int kCardFields = 15;
inline constexpr int kCountLineClearedRows = 9;
inline constexpr int kEchoMaxNodes = 101;  // rows the NODES section can fill

// Dimensions report: a position path longer than this continues on a line
// of its own.
inline constexpr int kReportPathColumn = 80;

// Tabular input.
inline constexpr int kCellTextLimit = 141;                // characters a table cell holds
inline constexpr float kTableDefaultInertia = 0.001067f;  // default row of the sections table
// The drawing after the elements table was accepted empty.
inline constexpr float kEmptyDrawingXMin = -3.0f;
inline constexpr float kEmptyDrawingYMin = -2.0f;
inline constexpr float kEmptyDrawingXMax = 47.0f;
inline constexpr float kEmptyDrawingYMax = 28.0f;
inline constexpr int32_t kEmptyDrawingUnitsPerMetre = 100;

}  // namespace rerore
