// The line store of the echo reader: an echo-type text file as numbered
// lines (comments left out, old DOS text converted), each line marked with
// the section whose keyword it is.
#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "model/constants.h"
#include "model/position_paths.h"
#include "model/user_messages.h"

namespace rerore {

enum EchoSection : int {
  kOrdinaryLine = 0,
  kSectionParameter = 1,  // a section boundary only, never read
  kSectionTitle = 2,
  kSectionMaterial = 3,
  kSectionCrossSections = 4,
  kSectionElements = 5,
  kSectionNodes = 6,
  kSectionSupports = 7,
  kSectionParabola = 8,
};

// The keyword of a section number ("" for the unused numbers).
std::string_view SectionKeyword(int section);

class EchoLineStore {
 public:
  // Replaces the content by the lines of an echo-type file.
  void fill(std::string_view fileBytes);
  void clear();

  int count() const { return static_cast<int>(lines_.size()); }
  // Line n, 1-based; "" outside the stored lines.
  const std::string& line(int n) const;
  // The section whose keyword line n is, kOrdinaryLine for any other line.
  int section(int n) const;
  // The first keyword line of a section, 0 when the file has none.
  int keywordLine(int section) const;
  // True when at least one line is a section keyword.
  bool holdsAnySection() const;
  // Lines from that keyword line up to the line before the next keyword,
  // the keyword line included; 0 when the section is missing.
  int sectionLength(int section) const;

 private:
  void store(std::string line);
  void markSections();

  std::vector<std::string> lines_;
  std::vector<int> sections_;
  std::array<int, kEchoKeywordSlots + 1> keywordLine_{};
  std::array<int, kEchoKeywordSlots + 1> sectionLength_{};
  bool convertFromOem_ = true;
};

// Finds the file `name` in the position directory, else in the working
// directory (then copied into the position directory), and fills the
// store. Returns the number of stored lines. When the file is in neither
// place, says so and ends the program with exit code 1.
int ReadEchoLines(EchoLineStore& store, const PositionPaths& paths, UserMessages& messages,
                  const std::string& name);

}  // namespace rerore
