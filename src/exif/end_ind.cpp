#include "exif/end_ind.h"

namespace ql {

TExifReadError::TExifReadError(std::int64_t position, std::int64_t count, std::size_t size)
    : TError("EXIF block: " + std::to_string(count) + " bytes at position " + std::to_string(position) +
             " lie outside the block of " + std::to_string(size) + " bytes") {}

namespace {

// Unsigned number of `n` bytes at `p`, in the given byte order; the caller has checked bounds.
std::uint32_t Assemble(const std::uint8_t* p, int n, bool bigEndian) {
  std::uint32_t value = 0;
  for (int i = 0; i < n; ++i) value = (value << 8) | p[bigEndian ? i : n - 1 - i];
  return value;
}

void Scatter(std::uint8_t* p, int n, std::uint32_t value, bool bigEndian) {
  for (int i = 0; i < n; ++i) p[bigEndian ? n - 1 - i : i] = static_cast<std::uint8_t>(value >> (8 * i));
}

}  // namespace

std::uint16_t tEndInd::Get16u(std::int32_t position) const {
  if (!InBounds(position, 2, Buffer.size())) throw TExifReadError(position, 2, Buffer.size());
  return static_cast<std::uint16_t>(Assemble(Buffer.data() + position, 2, BigEndian));
}

std::uint32_t tEndInd::Get32u(std::int32_t position) const {
  if (!InBounds(position, 4, Buffer.size())) throw TExifReadError(position, 4, Buffer.size());
  return Assemble(Buffer.data() + position, 4, BigEndian);
}

std::int32_t tEndInd::Get32s(std::int32_t position) const { return static_cast<std::int32_t>(Get32u(position)); }

bool tEndInd::WriteInt16(TByteString& bytes, std::int32_t value, std::int32_t position) const {
  if (!InBounds(position, 2, bytes.size())) return false;
  Scatter(bytes.data() + position, 2, static_cast<std::uint32_t>(value), BigEndian);
  return true;
}

bool tEndInd::WriteInt32(TByteString& bytes, std::int32_t value, std::int32_t position) const {
  if (!InBounds(position, 4, bytes.size())) return false;
  Scatter(bytes.data() + position, 4, static_cast<std::uint32_t>(value), BigEndian);
  return true;
}

}  // namespace ql
