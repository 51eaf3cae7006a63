// The arc and parabola generators: the whole element table replaced by a
// curved member of straight segments, a circular arc around the origin or
// a parabola over the x axis. Neither sets supports.
//
// The dialogs pass their field texts as typed; the OK functions read them
// and refuse, in a box titled "Error" and with nothing changed, every input
// that gives no frame: a number beyond the float range ("The number %s is
// too large"), a segment count outside 1 .. 100 ("Number of elements %i,
// allowed 1 to %i"), a radius that is not positive ("The radius must be
// positive"), equal angles, an arc over more than 360 degrees, a base line
// or height that is not positive, and elements shorter than the distance
// at which two ends become one node. Otherwise they generate.
#pragma once

#include <string>
#include <vector>

#include "generators/generator_common.h"
#include "model/session.h"
#include "model/user_messages.h"

namespace rerore {

struct ArcFieldTexts {
  std::string radius;      // "Radius"
  std::string angleLeft;   // "Angle on the left", degrees
  std::string angleRight;  // "Angle on the right", degrees
  std::string segments;    // "Number of segments"
};

struct ParabolaFieldTexts {
  std::string span;      // "Length of base line"
  std::string rise;      // "Height"
  std::string elements;  // "Elements (1 to 100)", truncated to a whole number
};

// Opening the arc dialog: the values of BOGEN, or the defaults 10, 180, 0
// and 48 when it cannot be read ("%.2f" three times, then "%i").
ArcFieldTexts LoadArcDialogTexts(const PositionPaths& paths);

// The arc dialog's OK: stores BOGEN, generates the arc and sets the arc
// mark. ElementsTableEnded when generated, None when refused.
ViewFollowUp ArcDialogOk(Session& session, UserMessages& messages, const ArcFieldTexts& fields);

// n segments of radius R from the larger angle to the smaller one (degrees),
// then the rebuild and the files ELEMENTS, NODES, GEOMETRY = 1, EXTENSIOR.
void GenerateArc(Session& session, UserMessages& messages, int n, float radius, float angleLeft,
                 float angleRight);

// The n + 1 points of the arc, from the larger angle to the smaller one.
std::vector<GeneratedPoint> ArcPoints(int n, float radius, float angleLeft, float angleRight);

// Opening the parabola dialog: the last parabola ("%.2f", "%.2f", "%i"),
// or empty fields when there is none.
ParabolaFieldTexts ParabolaDialogTexts(const ParabolaParameters& parabola);

// The parabola dialog's OK: takes the values as the model's parabola and
// generates it. ResetAndOpenElements when generated, None when refused.
ViewFollowUp ParabolaDialogOk(Session& session, UserMessages& messages,
                              const ParabolaFieldTexts& fields);

// The parabola of the model's parabola parameters, with the same rebuild
// and files as the arc.
void GenerateParabola(Session& session, UserMessages& messages);

// The n + 1 points from (0, 0) over (L / 2, f) to (L, 0).
std::vector<GeneratedPoint> ParabolaPoints(const ParabolaParameters& parabola);

}  // namespace rerore
