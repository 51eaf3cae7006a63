#include "model/file_io.h"

#include <algorithm>
#include <cstdarg>
#include <cstdio>
#include <filesystem>
#include <system_error>
#include <vector>

#include "model/native_path.h"

namespace rerore {

namespace {

// The innermost watch of this thread; each one links to the one it hides.
thread_local FileWriteWatch* innermostWatch = nullptr;

}  // namespace

void RecordFailedWrite(const std::string& path) {
  for (FileWriteWatch* watch = innermostWatch; watch; watch = watch->outer_)
    if (std::find(watch->failed_.begin(), watch->failed_.end(), path) == watch->failed_.end())
      watch->failed_.push_back(path);
}

FileWriteWatch::FileWriteWatch() : outer_(innermostWatch) { innermostWatch = this; }

FileWriteWatch::~FileWriteWatch() { innermostWatch = outer_; }

std::string FileWriteWatch::firstFailureIn(const std::string& directory) const {
  for (const std::string& path : failed_)
    if (path.compare(0, directory.size(), directory) == 0) return path;
  return "";
}

bool WriteFileAtomically(const std::string& path, std::string_view bytes) {
  return WriteFileAtomically(path, std::vector<std::string_view>{bytes});
}

bool WriteFileAtomically(const std::string& path, const std::vector<std::string_view>& pieces) {
  const std::string temporary = path + std::string(kTemporaryFileSuffix);
  std::FILE* file = OpenNativeFile(temporary, "wb");
  if (!file) {
    RecordFailedWrite(path);
    return false;
  }
  bool written = true;
  for (std::string_view bytes : pieces)
    written = written && std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
  const bool closed = std::fclose(file) == 0;
  if (!written || !closed || !MoveFileOver(temporary, path)) {
    DeleteNativeFile(temporary);
    RecordFailedWrite(path);
    return false;
  }
  return true;
}

bool IsRegularFile(const std::string& path) {
  std::error_code error;
  return std::filesystem::is_regular_file(NativePath(path), error);
}

std::optional<std::string> ReadFilePrefix(const std::string& path, size_t maxBytes) {
  if (!IsRegularFile(path)) return std::nullopt;
  std::FILE* file = OpenNativeFile(path, "rb");
  if (!file) return std::nullopt;
  std::string data;
  std::vector<char> buffer(65536);
  while (data.size() < maxBytes) {
    const size_t want = std::min(buffer.size(), maxBytes - data.size());
    const size_t got = std::fread(buffer.data(), 1, want, file);
    data.append(buffer.data(), got);
    if (got < want) break;
  }
  std::fclose(file);
  return data;
}

bool FileReadable(const std::string& path) {
  if (!IsRegularFile(path)) return false;
  std::FILE* file = OpenNativeFile(path, "rb");
  if (!file) return false;
  std::fclose(file);
  return true;
}

bool AppendToFile(const std::string& path, std::string_view bytes) {
  // A FIFO in place of the file would hold the program until someone reads.
  std::error_code error;
  if (std::filesystem::exists(NativePath(path), error) && !IsRegularFile(path)) return false;
  std::FILE* file = OpenNativeFile(path, "ab");
  if (!file) return false;
  const bool written = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
  return std::fclose(file) == 0 && written;
}

void RemoveFile(const std::string& path) { DeleteNativeFile(path); }

void RemoveTemporaryFiles(const std::string& directory) {
  namespace fs = std::filesystem;
  std::error_code error;
  std::vector<fs::path> stale;
  for (fs::directory_iterator it(NativePath(directory), error), end; !error && it != end;
       it.increment(error))
    if (PathText(it->path().filename()).ends_with(kTemporaryFileSuffix) &&
        it->is_regular_file(error))
      stale.push_back(it->path());
  for (const fs::path& path : stale) fs::remove(path, error);
}

void TextOut::print(const char* format, ...) {
  char small[512];
  va_list args;
  va_start(args, format);
  va_list copy;
  va_copy(copy, args);
  const int length = std::vsnprintf(small, sizeof small, format, copy);
  va_end(copy);
  if (length < 0) {
    va_end(args);
    return;
  }
  if (static_cast<size_t>(length) < sizeof small) {
    put(std::string_view(small, length));
  } else {
    std::string large(static_cast<size_t>(length) + 1, '\0');
    std::vsnprintf(large.data(), large.size(), format, args);
    large.pop_back();
    put(large);
  }
  va_end(args);
}

void TextOut::put(std::string_view text) {
  for (char c : text) {
    if (c == '\n') bytes_ += '\r';
    bytes_ += c;
  }
}

std::string_view NextLine(std::string_view& rest) {
  const size_t end = rest.find('\n');
  std::string_view line = rest.substr(0, end);
  rest = end == std::string_view::npos ? std::string_view() : rest.substr(end + 1);
  if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
  return line;
}

}  // namespace rerore
