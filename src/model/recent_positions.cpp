#include "model/recent_positions.h"

#include <algorithm>

#include "model/file_io.h"

namespace rerore {

namespace {

constexpr const char* kRecentFile = "RECENTPOS";
constexpr size_t kRecentFileLimit = 16 * 1024;

}  // namespace

std::vector<RecentPosition> ReadRecentPositions(const PositionPaths& paths) {
  std::vector<RecentPosition> list;
  const auto text = ReadFilePrefix(SettingsFilePath(paths, kRecentFile), kRecentFileLimit);
  if (!text) return list;
  std::string_view rest = *text;
  while (!rest.empty() && static_cast<int>(list.size()) < kRecentPositions) {
    const std::string_view line = NextLine(rest);
    const size_t tab = line.find('\t');
    if (tab == std::string_view::npos || tab == 0 || tab + 1 == line.size()) continue;
    list.push_back({std::string(line.substr(0, tab)), std::string(line.substr(tab + 1))});
  }
  return list;
}

bool WriteRecentPositions(const PositionPaths& paths, const std::vector<RecentPosition>& list) {
  TextOut out;
  for (const RecentPosition& p : list) out.print("%s\t%s\n", p.name.c_str(), p.dataPath.c_str());
  const std::string path = SettingsFilePath(paths, kRecentFile);
  return !path.empty() && out.save(path);
}

void PutFirst(std::vector<RecentPosition>& list, const RecentPosition& position) {
  list.erase(std::remove(list.begin(), list.end(), position), list.end());
  list.insert(list.begin(), position);
  if (static_cast<int>(list.size()) > kRecentPositions) list.resize(kRecentPositions);
}

}  // namespace rerore
