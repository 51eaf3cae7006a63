// Small frames for the echo and report tests.
#pragma once

#include <filesystem>

#include "check/rebuild.h"
#include "model/position_files.h"
#include "support/test_support.h"

namespace rerore::test {

// A column from (0, 0) to (0, 4) and a beam on to (6, 3.5) hinged at its
// right end; the default material and section; node 1 supported in u and
// phi (factor 0.5), its v factor set but not given.
inline void MakeCantileverFrame(Session& s, const std::string& dataPath, const std::string& name) {
  UsePosition(s, dataPath, name);
  std::filesystem::create_directories(s.paths.positionDirectory);
  SetDefaultMaterial(s.model);
  SetDefaultCrossSection(s.model);
  WriteCrossSectionsFile(s.paths, s.model);
  ModelTables& m = s.model;
  m.params.elementCount = 2;
  const float ends[2][4] = {{0, 0, 0, 4}, {0, 4, 6, 3.5f}};
  for (int k = 1; k <= 2; ++k) {
    ElementRecord& e = m.elements[k];
    SetElementLeft(e, ends[k - 1][0], ends[k - 1][1]);
    SetElementRight(e, ends[k - 1][2], ends[k - 1][3]);
    e.material = 1;
    e.crossSection = 1;
    e.compression = e.tension = k == 1 ? 1 : 0;
  }
  m.elements[2].hingeRight = 1;
  RecordingMessages messages;
  RebuildModel(s, messages);
  NodeRecord& n = m.nodes[1];
  n.supportU = 1.0f;
  n.supportV = 1.0f;
  n.supportPhi = 0.5f;
  m.params.supportCount = 1;
  m.supports[1] = SupportRecord{};
  m.supports[1].node = 1;
  m.supports[1].factorU = 1.0f;
  m.supports[1].factorV = 1.0f;
  m.supports[1].factorPhi = 0.5f;
  m.supports[1].givenU = 1;
  m.supports[1].givenPhi = 1;
}

}  // namespace rerore::test
