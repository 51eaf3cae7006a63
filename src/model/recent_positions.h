// The positions opened last, for the Position menu: kept in the settings
// file RECENTPOS (in the settings directory when it exists), one position a
// line as "name<TAB>data path", the latest first.
#pragma once

#include <string>
#include <vector>

#include "model/position_paths.h"

namespace rerore {

inline constexpr int kRecentPositions = 8;

struct RecentPosition {
  std::string name;      // without the dot, e.g. "001"
  std::string dataPath;  // ending with its separator

  // The position directory: data path + "SDIR" + name.
  std::string folder() const { return dataPath + "SDIR" + name; }
  bool operator==(const RecentPosition&) const = default;
};

std::vector<RecentPosition> ReadRecentPositions(const PositionPaths& paths);
bool WriteRecentPositions(const PositionPaths& paths, const std::vector<RecentPosition>& list);

// Puts `position` first; an older entry of it goes, and the list keeps at
// most kRecentPositions.
void PutFirst(std::vector<RecentPosition>& list, const RecentPosition& position);

}  // namespace rerore
