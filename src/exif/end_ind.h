// A byte buffer with a byte order: the bounds-checked 16- and 32-bit reads and writes that the
// EXIF walk and the dimension patch use. Positions are signed 32-bit offsets into the buffer;
// a position outside it (a negative one included) is never read or written.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "platform/errors.h"

namespace ql {

using TByteString = std::vector<std::uint8_t>;

// A read of bytes that do not all lie inside the buffer. The directory walk catches it where it
// follows a sub-directory pointer, the file reader where it reads one file; nowhere else.
class TExifReadError : public TError {
 public:
  TExifReadError(std::int64_t position, std::int64_t count, std::size_t size);
};

#if defined(__clang__)
#define QL_UNSIGNED_WRAP_INTENDED __attribute__((no_sanitize("unsigned-integer-overflow")))
#else
#define QL_UNSIGNED_WRAP_INTENDED
#endif

// base + offset as the EXIF block forms its positions: 32-bit two's complement, wrapping. A
// wrapped result is simply a position outside the block. The only place where the walk's
// arithmetic is meant to wrap, so a sanitizer report anywhere else is a real fault.
QL_UNSIGNED_WRAP_INTENDED inline std::int32_t WrapAdd(std::int32_t base, std::uint32_t offset) {
  return static_cast<std::int32_t>(static_cast<std::uint32_t>(base) + offset);
}

// True when the n bytes at `position` all lie inside a buffer of `size` bytes.
inline bool InBounds(std::int64_t position, std::int64_t n, std::size_t size) {
  return position >= 0 && n >= 0 && position <= static_cast<std::int64_t>(size) &&
         n <= static_cast<std::int64_t>(size) - position;
}

class tEndInd {
 public:
  virtual ~tEndInd() = default;

  void SetDataBuff(std::span<const std::uint8_t> bytes) { Buffer.assign(bytes.begin(), bytes.end()); }
  const TByteString& GetDataBuff() const { return Buffer; }

  // The 2 or 4 bytes at `position` of Buffer in the byte order. Raise TExifReadError when they
  // do not all lie inside Buffer.
  std::uint16_t Get16u(std::int32_t position) const;
  std::uint32_t Get32u(std::int32_t position) const;
  std::int32_t Get32s(std::int32_t position) const;

  // Write the low 16 bits, or all 32 bits, of `value` at `position` of `bytes` in the byte
  // order. A position outside `bytes` writes nothing and gives false.
  bool WriteInt16(TByteString& bytes, std::int32_t value, std::int32_t position) const;
  bool WriteInt32(TByteString& bytes, std::int32_t value, std::int32_t position) const;

  bool BigEndian = false;  // false: "II", least significant byte first; true: "MM"
  TByteString Buffer;
};

}  // namespace ql
