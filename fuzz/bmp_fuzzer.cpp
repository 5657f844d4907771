// Fuzz target of the BMP loader: any bytes, decoded from memory. Headers claiming more than
// 16 megapixels are only parsed, to keep runs fast; the size limit itself is tested elsewhere.
#include <cstddef>
#include <cstdint>
#include <span>

#include "imaging/bitmap.h"
#include "imaging/bmp_loader.h"
#include "platform/errors.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size > (1u << 20)) return 0;
  const std::span<const std::uint8_t> bytes(data, size);
  try {
    const ql::TBmpHeader header = ql::ParseBmpHeader(bytes);
    if (static_cast<std::int64_t>(header.Width) * header.Height > (16 << 20)) return 0;
    ql::TBitmap bitmap;
    ql::LoadBmp(bytes, bitmap);
    if (bitmap.Width() != header.Width || bitmap.Height() != header.Height) __builtin_trap();
  } catch (const ql::TError&) {
  }
  return 0;
}
