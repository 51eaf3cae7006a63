// A small frame for the echo, report and position-command tests.
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
  ModelTables& m = s.model;
  SetDefaultMaterial(m);
  SetDefaultCrossSection(m);
  WriteCrossSectionsFile(s.paths, m);
  m.params.elementCount = 2;
  const float ends[2][4] = {{0, 0, 0, 4}, {0, 4, 6, 3.5f}};
  for (int k = 1; k <= 2; ++k) {
    ElementRecord& e = m.elements[k];
    SetElementLeft(e, ends[k - 1][0], ends[k - 1][1]);
    SetElementRight(e, ends[k - 1][2], ends[k - 1][3]);
    e.material = e.crossSection = 1;
    e.compression = e.tension = k == 1 ? 1 : 0;
  }
  m.elements[2].hingeRight = 1;
  RecordingMessages messages;
  RebuildModel(s, messages);
  m.nodes[1].supportU = m.nodes[1].supportV = 1.0f;
  m.nodes[1].supportPhi = 0.5f;
  m.params.supportCount = 1;
  SupportRecord& r = m.supports[1];
  r.node = r.givenU = r.givenPhi = 1;
  r.factorU = r.factorV = 1.0f;
  r.factorPhi = 0.5f;
}

}  // namespace rerore::test
