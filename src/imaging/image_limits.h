// The largest image the imaging classes accept, checked before any pixel memory is taken, so
// that a small file claiming an enormous picture (a "decompression bomb") is refused cheaply.
#pragma once

#include <cstdint>

namespace ql {

// 65500 is the largest side a JPEG can have; 178956970 pixels of 3 bytes keep a bitmap well
// below 2 GiB (178956970 = floor(2^31 / 12)).
inline constexpr std::int64_t kMaxImageSide = 65500;
inline constexpr std::int64_t kMaxImagePixels = 178956970;

// Raises TError naming the claimed size when width or height is negative, a side exceeds
// kMaxImageSide or width × height exceeds kMaxImagePixels. The product is taken in 64 bits.
void CheckImageSize(std::int64_t width, std::int64_t height);

}  // namespace ql
