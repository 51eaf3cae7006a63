// Which numbers of the records must be finite. A file can hold any bytes;
// an infinity or a NaN read from it would pass through the model into the
// check and into every file written after it, so the loaders refuse such
// rows.
#pragma once

#include "model/model_parameters.h"
#include "model/model_tables.h"
#include "model/records.h"
#include "model/view_settings.h"

namespace rerore {

// True when every number of the record is finite (for an element also
// what the geometry derives from its ends).
bool NumbersFinite(const ElementRecord& e);
bool NumbersFinite(const NodeRecord& n);
bool NumbersFinite(const SupportRecord& s);
bool NumbersFinite(const MaterialRecord& m);
bool NumbersFinite(const CrossSectionRecord& c);
bool NumbersFinite(const SpanEntry& s);
bool NumbersFinite(const FloorEntry& f);
bool NumbersFinite(const ArcInput& a);
bool NumbersFinite(const DrawingExtents& e);

// The row without values; what identifies it (its number) stays. For the
// tables whose rows others refer to by their position.
void ClearNumbers(NodeRecord& n);
void ClearNumbers(MaterialRecord& m);
void ClearNumbers(CrossSectionRecord& c);

// Puts the start value into every number of the parameter block that does
// not fit a float. Returns false when one had to be replaced.
bool KeepParameterNumbersFinite(ModelParameters& p);

}  // namespace rerore
