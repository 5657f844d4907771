#include "platform/atomic_write.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>

#include "platform/errors.h"
#include "platform/file_system.h"

namespace ql {

namespace {

// The temporary file is hidden (leading "."), so a listing of the folder never takes it for a
// source image, and a later run does not count it when the process died before the rename.
std::string TemporaryPattern(const std::string& path) {
  const auto slash = path.rfind('/');
  const std::string dir = slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
  std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
  if (name.size() > 200) name.resize(200);  // stay below the 255-byte limit of a name
  return dir + "." + name + ".tmp-XXXXXX";
}

}  // namespace

void WriteFileAtomic(const std::string& path, std::span<const std::uint8_t> bytes) {
  if (path.empty() || path.back() == '/') throw TFileError(path, "not a file name");
  // Only a regular file (or a symbolic link, which the rename replaces) may be replaced: never a
  // device, a FIFO or a folder.
  struct stat existing {};
  if (lstat(path.c_str(), &existing) == 0 && !S_ISREG(existing.st_mode) && !S_ISLNK(existing.st_mode)) {
    throw TFileError(path, S_ISDIR(existing.st_mode) ? ErrnoText(EISDIR) : "not a regular file");
  }
  std::string temp = TemporaryPattern(path);
  const int fd = mkostemp(temp.data(), O_CLOEXEC);
  if (fd < 0) throw TFileError(path, ErrnoText(errno));

  auto fail = [&](int err, bool open) {
    if (open) close(fd);
    unlink(temp.c_str());
    throw TFileError(path, ErrnoText(err));
  };

  // mkostemp creates the file 0600; give it what a newly created file would get, or keep the
  // mode of the file it replaces.
  struct stat old {};
  mode_t mode;
  if (stat(path.c_str(), &old) == 0 && S_ISREG(old.st_mode)) {
    mode = old.st_mode & 07777;
  } else {
    const mode_t mask = umask(0);
    umask(mask);
    mode = 0666 & ~mask;
  }
  if (fchmod(fd, mode) != 0) fail(errno, true);

  std::size_t done = 0;
  while (done < bytes.size()) {
    const ssize_t wrote = write(fd, bytes.data() + done, bytes.size() - done);
    if (wrote < 0) {
      if (errno == EINTR) continue;
      fail(errno, true);
    }
    if (wrote == 0) fail(ENOSPC, true);
    done += static_cast<std::size_t>(wrote);
  }
  if (close(fd) != 0) fail(errno, false);
  if (rename(temp.c_str(), path.c_str()) != 0) fail(errno, false);
}

void WriteFileAtomic(const std::string& path, std::string_view text) {
  WriteFileAtomic(path, std::span(reinterpret_cast<const std::uint8_t*>(text.data()), text.size()));
}

void CopyFileAtomic(const std::string& source, const std::string& target) {
  const std::vector<std::uint8_t> bytes = ReadFileBytes(source);
  WriteFileAtomic(target, bytes);
}

}  // namespace ql
