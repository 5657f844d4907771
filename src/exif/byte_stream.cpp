#include "exif/byte_stream.h"

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

#include "platform/errors.h"

namespace ql {

TByteStream::TByteStream(std::span<const std::uint8_t> memory)
    : next_(memory.data()), end_(memory.data() + memory.size()) {}

TByteStream::TByteStream(const std::string& fileName) : fileName_(fileName) {
  fd_ = open(fileName.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd_ < 0) throw TFileError(fileName, ErrnoText(errno));
}

TByteStream::~TByteStream() {
  if (fd_ >= 0) close(fd_);
}

bool TByteStream::Refill() {
  if (fd_ < 0) return false;
  chunk_.resize(kChunkSize);
  ssize_t got;
  do {
    got = read(fd_, chunk_.data(), chunk_.size());
  } while (got < 0 && errno == EINTR);
  if (got < 0) throw TFileError(fileName_, ErrnoText(errno));
  next_ = chunk_.data();
  end_ = chunk_.data() + got;
  return got > 0;
}

bool TByteStream::Read(std::uint8_t* out, std::size_t n) {
  while (n > 0) {
    if (next_ == end_ && !Refill()) return false;
    const std::size_t take = std::min(n, static_cast<std::size_t>(end_ - next_));
    std::memcpy(out, next_, take);
    next_ += take;
    out += take;
    n -= take;
    position_ += take;
  }
  return true;
}

}  // namespace ql
