#include "commands/concrete_modulus.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <climits>

namespace rerore {

namespace {

struct OldClass {
  int number;
  float modulus;
};

constexpr std::array<OldClass, 6> kOldClasses{{{10, 22000000.0f},
                                               {15, 26000000.0f},
                                               {25, 30000000.0f},
                                               {35, 34000000.0f},
                                               {45, 37000000.0f},
                                               {55, 39000000.0f}}};
constexpr float kOtherOldClassModulus = 30000000.0f;

constexpr std::array<int, 13> kCurrentClassNumbers{20, 25, 30, 35, 40, 45, 50,
                                                   55, 60, 70, 80, 90, 100};
constexpr std::array<float, 13> kCurrentModuli{
    24900000.0f, 26700000.0f, 28300000.0f, 29900000.0f, 31400000.0f, 32800000.0f, 34300000.0f,
    35700000.0f, 37000000.0f, 39700000.0f, 42300000.0f, 43800000.0f, 45200000.0f};
// The second table stops at class 90.
constexpr std::array<float, 12> kSecondCurrentModuli{
    30000000.0f, 31000000.0f, 33000000.0f, 34000000.0f, 35000000.0f, 36000000.0f,
    37000000.0f, 38000000.0f, 39000000.0f, 41000000.0f, 42000000.0f, 44000000.0f};

constexpr size_t kMaxClassDigits = 99;

// The digits before the first "/", other characters skipped.
int ClassNumber(std::string_view text) {
  long long value = 0;
  size_t digits = 0;
  for (char c : text) {
    if (c == '/') break;
    if (!std::isdigit(static_cast<unsigned char>(c)) || digits == kMaxClassDigits) continue;
    ++digits;
    value = value * 10 + (c - '0');
    if (value > INT_MAX) value = INT_MAX;
  }
  return static_cast<int>(value);
}

float OldClassModulus(int number) {
  for (const OldClass& c : kOldClasses)
    if (c.number == number) return c.modulus;
  return kOtherOldClassModulus;
}

float CurrentClassModulus(int number, bool secondTable, int& lastConcreteClass) {
  const size_t classes = secondTable ? kSecondCurrentModuli.size() : kCurrentModuli.size();
  for (size_t index = 0; index < classes; ++index)
    if (kCurrentClassNumbers[index] == number) lastConcreteClass = static_cast<int>(index);
  // Class 100 of the first table has no place in the second one.
  const size_t index =
      std::clamp<size_t>(static_cast<size_t>(std::max(lastConcreteClass, 0)), 0, classes - 1);
  return secondTable ? kSecondCurrentModuli[index] : kCurrentModuli[index];
}

}  // namespace

std::optional<float> ConcreteModulus(std::string_view designation, bool secondTable,
                                     int& lastConcreteClass) {
  const int number = ClassNumber(designation);
  if (number == 0) return std::nullopt;
  const char kind =
      designation.empty()
          ? ' '
          : static_cast<char>(std::toupper(static_cast<unsigned char>(designation[0])));
  if (kind != 'C') return OldClassModulus(number);
  return CurrentClassModulus(number, secondTable, lastConcreteClass);
}

}  // namespace rerore
