// The default E-modulus that Dialog Input sets before the input hub opens
// on a model without one.
#pragma once

#include "model/model_parameters.h"

namespace rerore {

// When defaultModulus is below 1: after a materials table was entered
// (material input state set), 3.0e7 with the second modulus table and
// 2.49e7 with the first, and the display words 108 (32-bit) = 20 and
// 68 = -1; otherwise 3.0e7 with word 68 = 25, word 108 = -1 and the
// default-modulus mark 1.
void ApplyDefaultModulus(ModelParameters& params);

}  // namespace rerore
