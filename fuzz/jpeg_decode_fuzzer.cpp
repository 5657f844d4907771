// Fuzz target of JPEG decoding through TJPEGImage: any bytes, decoded from memory. Frames
// claiming more than 16 megapixels are only read up to their header, to keep runs fast.
#include <cstddef>
#include <cstdint>
#include <span>

#include "imaging/bitmap.h"
#include "imaging/jpeg_image.h"
#include "platform/errors.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size > (1u << 20)) return 0;
  try {
    ql::TJPEGImage jpeg;
    jpeg.LoadFromMemory(std::span<const std::uint8_t>(data, size));
    if (static_cast<std::int64_t>(jpeg.Width()) * jpeg.Height() > (16 << 20)) return 0;
    ql::TBitmap bitmap;
    bitmap.Assign(jpeg);
  } catch (const ql::TError&) {
  }
  return 0;
}
