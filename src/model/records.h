// The records of the model tables. Each record is also the byte image of its
// data file, so every field sits at a fixed offset that is checked below.
#pragma once

#include <cstddef>
#include <cstdint>

namespace rerore {

#pragma pack(push, 1)

struct ElementRecord {
  uint32_t runTime[2];  // zeroed before the node numbering writes the record
  uint8_t reserved8[12];
  float xa;
  float za;  // -ya
  float ya;
  float xb;
  float zb;  // -yb
  float yb;
  float axis[4];  // -sin, cos, cos, sin of the element direction
  float dx;
  float dz;
  float length;
  float angle;
  uint8_t reserved76[28];
  int16_t hingeLeft;
  int16_t hingeRight;
  int16_t nodeLeft;
  int16_t nodeRight;
  int16_t material;
  int16_t crossSection;
  int16_t endDofs[6];  // u, v, phi left, then u, v, phi right
  int16_t compression;
  int16_t tension;
  int16_t scratch[2];
  uint8_t reserved136[4];
  float ea;
  float ei;
};

struct NodeRecord {
  uint8_t supportedU;
  uint8_t supportedV;
  uint8_t supportedPhi;
  uint8_t reserved3[5];
  float x;
  float z;  // -y
  float y;
  float supportU;  // 0 free, 1 fixed, elastic in between
  float supportV;
  float supportPhi;
  uint8_t reserved32[18];
  int16_t cleared[3];  // set to 0 when the node is created
  uint8_t reserved56[54];
  int16_t dofU;
  int16_t dofV;
  int16_t dofPhi[11];  // 1-based list of rotation equations
  uint8_t reserved136[22];
  int16_t elementEnds;
  int16_t nodeElements[11];  // 1-based list of the elements meeting here
  int16_t hingeCount;
  int16_t rotationCount;
  int16_t dofCount;
  int16_t endingElement;
  int16_t startingElement;
  int16_t number;
  int16_t mixedHinges;
  uint8_t reserved196[8];
};

struct SupportRecord {
  int16_t node;
  uint8_t reserved2[14];
  float factorU;
  float factorV;
  float factorPhi;
  uint8_t givenU;
  uint8_t givenV;
  uint8_t givenPhi;
  uint8_t reserved31;
};

struct MaterialRecord {
  uint8_t reserved0[84];
  float modulus;
  float secondConstant;  // always 0.0
  uint8_t reserved92[12];
  int16_t number;
  uint8_t reserved106[6];
};

struct CrossSectionRecord {
  uint8_t reserved0[84];
  float width;
  float height;
  uint8_t reserved92[4];
  float inertia;
  float area;
  float defaultOnly;  // 50000.0 in the default section, nothing else uses it
  uint8_t reserved108[24];
  int16_t number;
  uint8_t reserved134[6];
};

struct DofRecord {
  int32_t node;
  int32_t equation;
  int32_t kind;  // 1 = u, 2 = v, 3 = rotation
};

// One row of the continuous-beam span table (DLT file).
struct SpanEntry {
  int32_t span;
  float xEnd;
};

// One row of the storey table (RAHMENDAT file).
struct FloorEntry {
  float height;
  float spacing;
  int32_t columns;
  int32_t floor;
};

// The arc generator's input (BOGEN file).
struct ArcInput {
  float radius;
  float angleLeft;
  float angleRight;
  int32_t segments;
};

#pragma pack(pop)

enum DofKind : int32_t { kDofU = 1, kDofV = 2, kDofPhi = 3 };

static_assert(sizeof(ElementRecord) == 148);
static_assert(offsetof(ElementRecord, runTime) == 0);
static_assert(offsetof(ElementRecord, xa) == 20);
static_assert(offsetof(ElementRecord, za) == 24);
static_assert(offsetof(ElementRecord, ya) == 28);
static_assert(offsetof(ElementRecord, xb) == 32);
static_assert(offsetof(ElementRecord, zb) == 36);
static_assert(offsetof(ElementRecord, yb) == 40);
static_assert(offsetof(ElementRecord, axis) == 44);
static_assert(offsetof(ElementRecord, dx) == 60);
static_assert(offsetof(ElementRecord, dz) == 64);
static_assert(offsetof(ElementRecord, length) == 68);
static_assert(offsetof(ElementRecord, angle) == 72);
static_assert(offsetof(ElementRecord, hingeLeft) == 104);
static_assert(offsetof(ElementRecord, hingeRight) == 106);
static_assert(offsetof(ElementRecord, nodeLeft) == 108);
static_assert(offsetof(ElementRecord, nodeRight) == 110);
static_assert(offsetof(ElementRecord, material) == 112);
static_assert(offsetof(ElementRecord, crossSection) == 114);
static_assert(offsetof(ElementRecord, endDofs) == 116);
static_assert(offsetof(ElementRecord, compression) == 128);
static_assert(offsetof(ElementRecord, tension) == 130);
static_assert(offsetof(ElementRecord, scratch) == 132);
static_assert(offsetof(ElementRecord, ea) == 140);
static_assert(offsetof(ElementRecord, ei) == 144);

static_assert(sizeof(NodeRecord) == 204);
static_assert(offsetof(NodeRecord, supportedU) == 0);
static_assert(offsetof(NodeRecord, supportedV) == 1);
static_assert(offsetof(NodeRecord, supportedPhi) == 2);
static_assert(offsetof(NodeRecord, x) == 8);
static_assert(offsetof(NodeRecord, z) == 12);
static_assert(offsetof(NodeRecord, y) == 16);
static_assert(offsetof(NodeRecord, supportU) == 20);
static_assert(offsetof(NodeRecord, supportV) == 24);
static_assert(offsetof(NodeRecord, supportPhi) == 28);
static_assert(offsetof(NodeRecord, cleared) == 50);
static_assert(offsetof(NodeRecord, dofU) == 110);
static_assert(offsetof(NodeRecord, dofV) == 112);
static_assert(offsetof(NodeRecord, dofPhi) == 114);
static_assert(offsetof(NodeRecord, elementEnds) == 158);
static_assert(offsetof(NodeRecord, nodeElements) == 160);
static_assert(offsetof(NodeRecord, hingeCount) == 182);
static_assert(offsetof(NodeRecord, rotationCount) == 184);
static_assert(offsetof(NodeRecord, dofCount) == 186);
static_assert(offsetof(NodeRecord, endingElement) == 188);
static_assert(offsetof(NodeRecord, startingElement) == 190);
static_assert(offsetof(NodeRecord, number) == 192);
static_assert(offsetof(NodeRecord, mixedHinges) == 194);

static_assert(sizeof(SupportRecord) == 32);
static_assert(offsetof(SupportRecord, node) == 0);
static_assert(offsetof(SupportRecord, factorU) == 16);
static_assert(offsetof(SupportRecord, factorV) == 20);
static_assert(offsetof(SupportRecord, factorPhi) == 24);
static_assert(offsetof(SupportRecord, givenU) == 28);
static_assert(offsetof(SupportRecord, givenV) == 29);
static_assert(offsetof(SupportRecord, givenPhi) == 30);

static_assert(sizeof(MaterialRecord) == 112);
static_assert(offsetof(MaterialRecord, modulus) == 84);
static_assert(offsetof(MaterialRecord, secondConstant) == 88);
static_assert(offsetof(MaterialRecord, number) == 104);

static_assert(sizeof(CrossSectionRecord) == 140);
static_assert(offsetof(CrossSectionRecord, width) == 84);
static_assert(offsetof(CrossSectionRecord, height) == 88);
static_assert(offsetof(CrossSectionRecord, inertia) == 96);
static_assert(offsetof(CrossSectionRecord, area) == 100);
static_assert(offsetof(CrossSectionRecord, defaultOnly) == 104);
static_assert(offsetof(CrossSectionRecord, number) == 132);

static_assert(sizeof(DofRecord) == 12);
static_assert(offsetof(DofRecord, node) == 0);
static_assert(offsetof(DofRecord, equation) == 4);
static_assert(offsetof(DofRecord, kind) == 8);

static_assert(sizeof(SpanEntry) == 8);
static_assert(offsetof(SpanEntry, xEnd) == 4);
static_assert(sizeof(FloorEntry) == 16);
static_assert(offsetof(FloorEntry, height) == 0);
static_assert(offsetof(FloorEntry, spacing) == 4);
static_assert(offsetof(FloorEntry, columns) == 8);
static_assert(offsetof(FloorEntry, floor) == 12);
static_assert(sizeof(ArcInput) == 16);
static_assert(offsetof(ArcInput, angleLeft) == 4);
static_assert(offsetof(ArcInput, angleRight) == 8);
static_assert(offsetof(ArcInput, segments) == 12);

}  // namespace rerore
