// Where the program's paths meet the file system. A path is kept as a
// narrow text in the platform's own encoding: bytes as they are on Linux,
// the ANSI code page (Windows-1252 on a western Windows) on Windows, which
// is what the host suite writes on the command line. Every open, rename,
// delete and directory query goes through these functions, so that on
// Windows a name like "Übung" reaches the file system as the same name.
#pragma once

#include <cstdio>
#include <filesystem>
#include <string>

namespace rerore {

// The path for std::filesystem. On Windows the text is converted from the
// ANSI code page, and a long absolute path takes the "\\?\" form, which
// lifts the 260-character limit of the classic calls.
std::filesystem::path NativePath(const std::string& path);

// The narrow text of a path the file system gave (the current directory,
// the temporary folder).
std::string PathText(const std::filesystem::path& path);

// std::fopen for a narrow path; the mode is always a binary one ("rb",
// "wb", "ab"): the program writes its line ends itself.
std::FILE* OpenNativeFile(const std::string& path, const char* mode);

// Renames `from` to `to`, replacing an existing `to` in one step.
bool MoveFileOver(const std::string& from, const std::string& to);

bool DeleteNativeFile(const std::string& path);

}  // namespace rerore
