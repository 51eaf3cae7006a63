#include "commands/default_modulus.h"

#include <cstring>

namespace rerore {

namespace {

constexpr double kSecondTableModulus = 3.0e7;
constexpr double kFirstTableModulus = 2.49e7;
constexpr double kPlainModulus = 3.0e7;
constexpr int32_t kEnteredDisplayState = 20;
constexpr int16_t kPlainDisplayState = 25;
constexpr int16_t kDisplayStateOff = -1;

}  // namespace

void ApplyDefaultModulus(ModelParameters& params) {
  if (params.defaultModulus >= 1.0) return;
  if (params.materialInputState != 0) {
    params.defaultModulus = params.modulusTableFlag != 0 ? kSecondTableModulus : kFirstTableModulus;
    // A 32-bit word here, over the 16-bit state and the two bytes after it.
    std::memcpy(params.bytes() + offsetof(ModelParameters, displayState108), &kEnteredDisplayState,
                sizeof kEnteredDisplayState);
    params.displayState68 = kDisplayStateOff;
  } else {
    params.defaultModulus = kPlainModulus;
    params.displayState68 = kPlainDisplayState;
    params.displayState108 = kDisplayStateOff;
    params.defaultModulusSet = 1;
  }
}

}  // namespace rerore
