#include "platform/file_system.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <memory>

#include "platform/errors.h"

namespace ql {

std::string JoinPath(std::string_view dir, std::string_view name) {
  std::string path;
  path.reserve(dir.size() + 1 + name.size());
  path.append(dir);
  path.push_back('/');
  path.append(name);
  return path;
}

std::string_view ExtractFileName(std::string_view path) {
  const auto slash = path.rfind('/');
  return slash == std::string_view::npos ? path : path.substr(slash + 1);
}

std::string_view ExtractFileExt(std::string_view path) {
  const std::string_view name = ExtractFileName(path);
  const auto dot = name.rfind('.');
  return dot == std::string_view::npos ? std::string_view() : name.substr(dot);
}

bool DirectoryExists(const std::string& path) {
  struct stat st {};
  return !path.empty() && stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

bool RegularFileExists(const std::string& path) {
  struct stat st {};
  return !path.empty() && stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

bool PathExists(const std::string& path) {
  struct stat st {};
  return !path.empty() && lstat(path.c_str(), &st) == 0;
}

bool SameDirectory(const std::string& a, const std::string& b) {
  struct stat sa {}, sb {};
  if (a.empty() || b.empty() || stat(a.c_str(), &sa) != 0 || stat(b.c_str(), &sb) != 0) return false;
  return S_ISDIR(sa.st_mode) && S_ISDIR(sb.st_mode) && sa.st_dev == sb.st_dev && sa.st_ino == sb.st_ino;
}

namespace {

struct DirCloser {
  void operator()(DIR* d) const { closedir(d); }
};
using DirHandle = std::unique_ptr<DIR, DirCloser>;

bool IsDotOrDotDot(const char* name) {
  return name[0] == '.' && (name[1] == '\0' || (name[1] == '.' && name[2] == '\0'));
}

}  // namespace

std::optional<std::vector<TDirEntry>> ListRegularFiles(const std::string& dir) {
  DirHandle handle(dir.empty() ? nullptr : opendir(dir.c_str()));
  if (!handle) return std::nullopt;
  const int dirFd = dirfd(handle.get());
  std::vector<TDirEntry> entries;
  while (const dirent* entry = readdir(handle.get())) {
    if (entry->d_name[0] == '.') continue;  // hidden files, "." and ".."
    const unsigned char type = entry->d_type;
    if (type != DT_REG && type != DT_LNK && type != DT_UNKNOWN) continue;
    // fstatat follows symbolic links, so a link counts when it leads to a regular file; a
    // dangling link or a link loop fails here and is left out.
    struct stat st {};
    if (fstatat(dirFd, entry->d_name, &st, 0) != 0 || !S_ISREG(st.st_mode)) continue;
    entries.push_back({entry->d_name, st.st_mtime});
  }
  // std::string compares with char_traits<char>::compare, which is memcmp: unsigned byte order.
  std::sort(entries.begin(), entries.end(),
            [](const TDirEntry& x, const TDirEntry& y) { return x.Name < y.Name; });
  return entries;
}

std::optional<bool> HasAnyEntry(const std::string& dir) {
  DirHandle handle(dir.empty() ? nullptr : opendir(dir.c_str()));
  if (!handle) return std::nullopt;
  while (const dirent* entry = readdir(handle.get())) {
    if (!IsDotOrDotDot(entry->d_name)) return true;
  }
  return false;
}

bool CreateFolderWithParents(std::string path) {
  if (!path.empty() && path.back() == '/') path.pop_back();
  if (path.empty()) return false;
  if (DirectoryExists(path)) return true;
  const auto slash = path.rfind('/');
  if (slash != std::string::npos && slash > 0) CreateFolderWithParents(path.substr(0, slash));
  mkdir(path.c_str(), 0777);  // a failure shows later, when something is written there
  return true;
}

std::string CurrentDirectory() {
  std::string buffer(PATH_MAX, '\0');
  if (getcwd(buffer.data(), buffer.size()) == nullptr) return ".";
  buffer.resize(std::char_traits<char>::length(buffer.c_str()));
  return buffer;
}

std::vector<std::uint8_t> ReadFileBytes(const std::string& path) {
  // O_NONBLOCK keeps a FIFO from blocking the open; it is refused below as not a regular file.
  const int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
  if (fd < 0) throw TFileError(path, ErrnoText(errno));
  struct FdCloser {
    int fd;
    ~FdCloser() { close(fd); }
  } closer{fd};
  struct stat st {};
  if (fstat(fd, &st) != 0) throw TFileError(path, ErrnoText(errno));
  if (!S_ISREG(st.st_mode)) throw TFileError(path, "not a regular file");
  std::vector<std::uint8_t> bytes;
  bytes.reserve(static_cast<std::size_t>(st.st_size));
  std::uint8_t chunk[1 << 16];
  for (;;) {
    const ssize_t got = read(fd, chunk, sizeof chunk);
    if (got < 0) {
      if (errno == EINTR) continue;
      throw TFileError(path, ErrnoText(errno));
    }
    if (got == 0) break;
    bytes.insert(bytes.end(), chunk, chunk + got);
  }
  return bytes;
}

}  // namespace ql
