// The E-modulus of a concrete class typed into the materials table: an old
// class ("B25", or digits alone such as "25") or a current class ("C30/37").
#pragma once

#include <optional>
#include <string_view>

namespace rerore {

// The modulus in kN/m2 for the designation, or nothing when it names no
// class number. `secondTable` selects the second table of the current
// classes (the parameter block's modulus-table flag). `lastConcreteClass`
// is the current class used last: a current class found in the chosen
// table replaces it, any other number keeps it and takes its modulus.
std::optional<float> ConcreteModulus(std::string_view designation, bool secondTable,
                                     int& lastConcreteClass);

}  // namespace rerore
