// The 744-byte parameter block of a position: the counts, the title and the
// flags. It is the PARAMR file byte for byte; bytes this program does not
// interpret are carried along unchanged.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>

#include "model/constants.h"

namespace rerore {

#pragma pack(push, 1)

struct ModelParameters {
  uint32_t reserved0;
  int16_t inputState4;  // 0 after the model is read from the echo file
  uint8_t reserved6[32];
  int16_t equationCount;  // first copy
  uint8_t reserved40[12];
  int16_t inputState52;  // copied from geometryEntered after echo reading
  uint8_t reserved54[12];
  int16_t displayState66;  // cleared after echo reading
  int16_t displayState68;  // -1 when start-up finds no echo file
  uint8_t reserved70[14];
  int16_t echoState84;  // 0 each time the echo file is written
  uint8_t reserved86[12];
  int16_t geometryEntered;  // 1 after the elements table was confirmed
  uint8_t reserved100[6];
  int16_t textHeight;       // 24 at start-up
  int16_t displayState108;  // 20 when start-up finds no echo file
  uint8_t reserved110[2];
  int16_t defaultModulusSet;  // 1 once Dialog Input set the default E-modulus
  uint8_t reserved114[10];
  int16_t materialCount;
  int16_t crossSectionCount;
  int16_t elementCount;
  int16_t nodeCount;
  int16_t equationCount2;  // second copy, always equal to the first
  uint8_t reserved134[2];
  char title[kTitleBufferSize];
  double materialConstant;  // 0.16 at start-up
  uint8_t reserved504[8];
  double tolerance;
  uint8_t reserved520[16];
  double defaultModulus;
  uint8_t reserved544[121];
  uint8_t beamGeneratorMark;  // set by the continuous-beam generator
  uint8_t reserved666[5];
  uint8_t singleSupport;
  uint8_t reserved672[6];
  uint8_t modulusTableFlag;
  uint8_t angleFlag;
  uint8_t inputLock;  // while set, Dialog Input does not open the input hub
  uint8_t reserved681[5];
  uint8_t materialInputState;
  uint8_t reserved687[4];
  uint8_t arcMark;
  uint8_t reserved692[4];
  int16_t verticalSign;
  int16_t spanCount;   // spans of the last continuous beam
  int16_t floorCount;  // storeys of the last generated frame
  int16_t supportCount;
  float rigidStiffness;
  uint8_t reserved708[8];
  float sectionDefaultOnly;  // 50000.0 at start-up
  uint8_t reserved720[24];

  uint8_t* bytes() { return reinterpret_cast<uint8_t*>(this); }
  const uint8_t* bytes() const { return reinterpret_cast<const uint8_t*>(this); }

  std::string titleText() const { return std::string(title, strnlen(title, sizeof title)); }
  void setTitle(const std::string& text) {
    std::memset(title, 0, sizeof title);
    std::memcpy(title, text.data(), text.size() < sizeof title ? text.size() : sizeof title - 1);
  }
  void setEquationCount(int16_t n) {
    equationCount = n;
    equationCount2 = n;
  }
};

#pragma pack(pop)

static_assert(sizeof(ModelParameters) == 744);
static_assert(offsetof(ModelParameters, inputState4) == 4);
static_assert(offsetof(ModelParameters, equationCount) == 38);
static_assert(offsetof(ModelParameters, inputState52) == 52);
static_assert(offsetof(ModelParameters, displayState66) == 66);
static_assert(offsetof(ModelParameters, displayState68) == 68);
static_assert(offsetof(ModelParameters, echoState84) == 84);
static_assert(offsetof(ModelParameters, geometryEntered) == 98);
static_assert(offsetof(ModelParameters, textHeight) == 106);
static_assert(offsetof(ModelParameters, displayState108) == 108);
static_assert(offsetof(ModelParameters, defaultModulusSet) == 112);
static_assert(offsetof(ModelParameters, materialCount) == 124);
static_assert(offsetof(ModelParameters, crossSectionCount) == 126);
static_assert(offsetof(ModelParameters, elementCount) == 128);
static_assert(offsetof(ModelParameters, nodeCount) == 130);
static_assert(offsetof(ModelParameters, equationCount2) == 132);
static_assert(offsetof(ModelParameters, title) == 136);
static_assert(offsetof(ModelParameters, materialConstant) == 496);
static_assert(offsetof(ModelParameters, tolerance) == 512);
static_assert(offsetof(ModelParameters, defaultModulus) == 536);
static_assert(offsetof(ModelParameters, beamGeneratorMark) == 665);
static_assert(offsetof(ModelParameters, singleSupport) == 671);
static_assert(offsetof(ModelParameters, modulusTableFlag) == 678);
static_assert(offsetof(ModelParameters, angleFlag) == 679);
static_assert(offsetof(ModelParameters, inputLock) == 680);
static_assert(offsetof(ModelParameters, materialInputState) == 686);
static_assert(offsetof(ModelParameters, arcMark) == 691);
static_assert(offsetof(ModelParameters, verticalSign) == 696);
static_assert(offsetof(ModelParameters, spanCount) == 698);
static_assert(offsetof(ModelParameters, floorCount) == 700);
static_assert(offsetof(ModelParameters, supportCount) == 702);
static_assert(offsetof(ModelParameters, rigidStiffness) == 704);
static_assert(offsetof(ModelParameters, sectionDefaultOnly) == 716);

}  // namespace rerore
