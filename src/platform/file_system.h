// Files and folders: existence, listing, creation, paths. Paths are UTF-8 byte strings joined
// with "/".
#pragma once

#include <cstdint>
#include <ctime>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace ql {

// dir + "/" + name, exactly one separator added whatever dir ends with.
std::string JoinPath(std::string_view dir, std::string_view name);

// The text after the last "/" (the whole text when there is none).
std::string_view ExtractFileName(std::string_view path);

// The text from the last "." that follows the last "/", to the end; empty when there is none.
std::string_view ExtractFileExt(std::string_view path);

bool DirectoryExists(const std::string& path);
// A regular file, or a symbolic link to one.
bool RegularFileExists(const std::string& path);
// Any entry of that name (file, folder, link, device...).
bool PathExists(const std::string& path);

// True when both name the same existing folder on disk (same device and inode).
bool SameDirectory(const std::string& a, const std::string& b);

struct TDirEntry {
  std::string Name;     // the name without folder
  std::time_t MTime;    // last-modification time
};

// The regular files of `dir` (symbolic links to regular files included), without hidden files
// (names beginning with "."), in byte order of their names. nullopt when the folder cannot be
// listed.
std::optional<std::vector<TDirEntry>> ListRegularFiles(const std::string& dir);

// Whether `dir` holds any entry besides "." and "..", hidden ones included. nullopt when the
// folder cannot be listed.
std::optional<bool> HasAnyEntry(const std::string& dir);

// Creates `path` and its missing parents. One trailing "/" is dropped first; the walk ends at an
// existing folder or at the root. Only an empty name is reported (false); a folder that cannot be
// created is not.
bool CreateFolderWithParents(std::string path);

std::string CurrentDirectory();

// The whole file. Raises TFileError naming the file and the cause.
std::vector<std::uint8_t> ReadFileBytes(const std::string& path);

}  // namespace ql
