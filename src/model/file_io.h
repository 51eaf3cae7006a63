// Whole-file reading and writing. Every write builds the file in memory and
// replaces the old file atomically (a temporary file in the same directory,
// then a rename), so an interrupted write never leaves half a file; only a
// killed run can leave its temporary file, which the next start removes.
#pragma once

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace rerore {

// The suffix of the temporary file a write goes through.
inline constexpr std::string_view kTemporaryFileSuffix = ".~tmp";

bool WriteFileAtomically(const std::string& path, std::string_view bytes);
// The same for a file made of several pieces, written one after the other
// without joining them in memory first (the big matrix files).
bool WriteFileAtomically(const std::string& path, const std::vector<std::string_view>& pieces);
// At most maxBytes of the file; nullopt when it cannot be opened or is no
// regular file.
std::optional<std::string> ReadFilePrefix(const std::string& path, size_t maxBytes);
// A regular file that can be opened. A FIFO, a device or a directory where
// a data file is expected counts as missing and is never opened: reading
// it could wait forever.
bool FileReadable(const std::string& path);
bool IsRegularFile(const std::string& path);
// Appends to a regular file, made when missing; anything else is skipped.
bool AppendToFile(const std::string& path, std::string_view bytes);
void RemoveFile(const std::string& path);
// Removes the temporary files that a killed run left in a directory.
void RemoveTemporaryFiles(const std::string& directory);

// Collects the files that could not be written while it lives, so that a
// caller can tell the user which file is missing although the writers
// themselves skip it silently. Watches nest: a write failure is recorded
// by every watch alive on the thread. Only the calls that must report such
// failures (the command-line tool, Store) set one up; without a watch a
// failed write stays silent.
class FileWriteWatch {
 public:
  FileWriteWatch();
  ~FileWriteWatch();
  FileWriteWatch(const FileWriteWatch&) = delete;
  FileWriteWatch& operator=(const FileWriteWatch&) = delete;
  // The paths whose write failed, each once, in the order of the failures.
  const std::vector<std::string>& failedFiles() const { return failed_; }
  // The first failed file below `directory`, or an empty string.
  std::string firstFailureIn(const std::string& directory) const;

 private:
  friend void RecordFailedWrite(const std::string& path);
  FileWriteWatch* outer_;
  std::vector<std::string> failed_;
};

// A binary file image, built field by field in file order.
class BinaryOut {
 public:
  template <class T>
  void put(const T& value) {
    putBytes(&value, sizeof value);
  }
  void putBytes(const void* data, size_t size) {
    bytes_.append(static_cast<const char*>(data), size);
  }
  const std::string& bytes() const { return bytes_; }
  bool save(const std::string& path) const { return WriteFileAtomically(path, bytes_); }

 private:
  std::string bytes_;
};

// Reads a binary file image front to back. A short read fills what the
// file holds and leaves the rest of the target as it was.
class BinaryIn {
 public:
  explicit BinaryIn(std::string bytes) : bytes_(std::move(bytes)) {}
  template <class T>
  bool get(T& value) {
    return getBytes(&value, sizeof value);
  }
  bool getBytes(void* data, size_t size) {
    const size_t n = std::min(size, bytes_.size() - position_);
    std::memcpy(data, bytes_.data() + position_, n);
    position_ += n;
    return n == size;
  }
  bool atEnd() const { return position_ >= bytes_.size(); }

 private:
  std::string bytes_;
  size_t position_ = 0;
};

// A text file in the program's line format: each "\n" written becomes
// CR LF, the line end of the files the host suite reads.
class TextOut {
 public:
  void print(const char* format, ...) __attribute__((format(printf, 2, 3)));
  void put(std::string_view text);
  const std::string& bytes() const { return bytes_; }
  bool save(const std::string& path) const { return WriteFileAtomically(path, bytes_); }

 private:
  std::string bytes_;
};

// Splits text into lines, accepting LF and CR LF line ends.
std::string_view NextLine(std::string_view& rest);

}  // namespace rerore
