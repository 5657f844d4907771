// The byte stream the section walk reads: a file read in 64 KiB chunks, or bytes in memory. Only
// what the walk asks for is taken from it, so the walk's position says how far it has read.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace ql {

class TByteStream {
 public:
  static constexpr std::size_t kChunkSize = 64 * 1024;

  // Reads the bytes in memory; they must outlive the stream.
  explicit TByteStream(std::span<const std::uint8_t> memory);
  // Opens the file for reading. Raises TFileError naming the file when it cannot be opened.
  explicit TByteStream(const std::string& fileName);
  ~TByteStream();
  TByteStream(const TByteStream&) = delete;
  TByteStream& operator=(const TByteStream&) = delete;

  // The next byte; false at the end of the stream. Raises TFileError when the file cannot be read.
  bool GetByte(std::uint8_t& byte) {
    if (next_ == end_ && !Refill()) return false;
    byte = *next_++;
    ++position_;
    return true;
  }
  // The next n bytes into `out`; false when the stream ends first (out then holds what there was).
  bool Read(std::uint8_t* out, std::size_t n);

  // Bytes taken so far.
  std::uint64_t Position() const { return position_; }

 private:
  bool Refill();

  std::string fileName_;
  int fd_ = -1;
  std::vector<std::uint8_t> chunk_;
  const std::uint8_t* next_ = nullptr;
  const std::uint8_t* end_ = nullptr;
  std::uint64_t position_ = 0;
};

}  // namespace ql
