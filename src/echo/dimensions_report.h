// The dimensions report D1.TXT: title and date, materials, cross sections
// with their stiffness products, the stiffness of a rigid support, and the
// tables of elements and nodes, for printing and for the suite's list of
// reports.
#pragma once

#include <ctime>
#include <string>

#include "model/session.h"

namespace rerore {

// Writes D1.TXT in the position directory, dated now. Sets rigidStiffness.
void WriteDimensions(Session& s);
// The same with a given date (local time).
void WriteDimensions(Session& s, const std::tm& date);

// "Friday  2026 12 4": the English weekday, two blanks, year, month and
// day without leading zeros.
std::string ReportDateText(const std::tm& date);

}  // namespace rerore
