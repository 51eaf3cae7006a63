// The verdict of a structural check. The check decides it; Store, the
// window and the command-line tool each word it in their own way.
#pragma once

#include <cstdint>

namespace rerore {

struct CheckOutcome {
  enum class Kind : uint8_t {
    Sound,      // solved: no mechanism
    Mechanism,  // singular at `equation`; the poles are ready for the view
    Refused,    // not checked: beyond the check's limits or an element without stiffness
  };
  Kind kind = Kind::Sound;
  int32_t equation = 0;  // the singular equation of a mechanism, else 0

  static CheckOutcome sound() { return {}; }
  static CheckOutcome mechanismAt(int32_t singularEquation) {
    return {Kind::Mechanism, singularEquation};
  }
  static CheckOutcome refused() { return {Kind::Refused, 0}; }

  bool isSound() const { return kind == Kind::Sound; }
  bool isMechanism() const { return kind == Kind::Mechanism; }
  bool isRefused() const { return kind == Kind::Refused; }
  bool operator==(const CheckOutcome&) const = default;
};

}  // namespace rerore
