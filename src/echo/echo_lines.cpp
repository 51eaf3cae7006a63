#include "echo/echo_lines.h"

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <optional>

#include "echo/code_page.h"
#include "model/file_io.h"
#include "model/native_path.h"

namespace rerore {

namespace {

constexpr std::array<std::string_view, kSectionParabola + 1> kKeywords = {
    "",         "PARAMETER", "TITLE",    "MATERIAL", "CROSSECTIONS",
    "ELEMENTS", "NODES",     "SUPPORTS", "PARABOLA",
};

// An echo file is a few kilobytes; this only keeps a stray huge file from
// filling the memory.
constexpr size_t kEchoMaxFileBytes = size_t{64} << 20;

constexpr char kCommentMark = ';';

// Ä, Ü and Ö of the Windows code page: a file holding one of them was
// written in that code page, and from that line on nothing is converted.
bool HoldsAnsiUmlaut(const std::string& line) {
  return line.find_first_of("\xC4\xDC\xD6") != std::string::npos;
}

std::optional<std::string> ReadRegularFile(const std::string& path) {
  std::error_code error;
  if (!std::filesystem::is_regular_file(NativePath(path), error)) return std::nullopt;
  return ReadFilePrefix(path, kEchoMaxFileBytes);
}

}  // namespace

std::string_view SectionKeyword(int section) {
  if (section < 1 || section > kSectionParabola) return "";
  return kKeywords[section];
}

void EchoLineStore::clear() {
  lines_.clear();
  sections_.clear();
  keywordLine_.fill(0);
  sectionLength_.fill(0);
  convertFromOem_ = true;
}

const std::string& EchoLineStore::line(int n) const {
  static const std::string kNoLine;
  return n >= 1 && n <= count() ? lines_[n - 1] : kNoLine;
}

int EchoLineStore::section(int n) const {
  return n >= 1 && n <= count() ? sections_[n - 1] : kOrdinaryLine;
}

int EchoLineStore::keywordLine(int section) const {
  return section >= 1 && section <= kEchoKeywordSlots ? keywordLine_[section] : 0;
}

bool EchoLineStore::holdsAnySection() const {
  return std::any_of(keywordLine_.begin() + 1, keywordLine_.end(), [](int n) { return n != 0; });
}

int EchoLineStore::sectionLength(int section) const {
  return section >= 1 && section <= kEchoKeywordSlots ? sectionLength_[section] : 0;
}

void EchoLineStore::fill(std::string_view bytes) {
  clear();
  while (!bytes.empty()) {
    std::string_view physical = NextLine(bytes);
    // A line longer than a card is read as several lines.
    do {
      std::string piece(physical.substr(0, kEchoLineChars));
      physical.remove_prefix(piece.size());
      piece.resize(std::strlen(piece.c_str()));  // the text ends at a NUL byte
      if (!piece.empty() && piece[0] == kCommentMark) continue;
      if (count() < kEchoMaxLines) store(std::move(piece));
    } while (!physical.empty());
  }
  markSections();
}

void EchoLineStore::store(std::string line) {
  if (convertFromOem_ && HoldsAnsiUmlaut(line)) convertFromOem_ = false;
  // The title is typed in the program and so never in the DOS code page.
  const bool afterTitleKeyword = count() > 0 && lines_.back() == kKeywords[kSectionTitle];
  if (convertFromOem_ && !afterTitleKeyword) OemToAnsi(line);
  lines_.push_back(std::move(line));
}

void EchoLineStore::markSections() {
  sections_.assign(lines_.size(), kOrdinaryLine);
  int open = kOrdinaryLine;  // the section whose length is being counted
  for (int n = 1; n <= count(); ++n) {
    for (int k = 1; k <= kSectionParabola; ++k)
      if (lines_[n - 1] == kKeywords[k]) sections_[n - 1] = k;
    const int k = sections_[n - 1];
    if (k != kOrdinaryLine) open = keywordLine_[k] == 0 ? k : kOrdinaryLine;
    if (k != kOrdinaryLine && keywordLine_[k] == 0) keywordLine_[k] = n;
    if (open != kOrdinaryLine) ++sectionLength_[open];
  }
}

int ReadEchoLines(EchoLineStore& store, const PositionPaths& paths, UserMessages& messages,
                  const std::string& name) {
  const std::string inPosition = paths.positionDirectory + name;
  std::optional<std::string> bytes = ReadRegularFile(inPosition);
  if (!bytes) {
    const std::string inWorking = paths.workingDirectory + name;
    bytes = ReadRegularFile(inWorking);
    if (!bytes) {
      messages.message(
          " Neither the file " + inPosition + " nor the following file exist" + inWorking, "Hint");
      throw ProgramExit(1);
    }
    WriteFileAtomically(inPosition, *bytes);
  }
  store.fill(*bytes);
  return store.count();
}

}  // namespace rerore
