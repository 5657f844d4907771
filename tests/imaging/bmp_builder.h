// Small BMP files built byte by byte, for the cases the BMP test suite does not show.
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "imaging/test_images.h"

namespace ql::test {

struct TBmpSpec {
  std::int32_t Width = 1;
  std::int32_t Height = 1;   // negative: top-down
  std::uint16_t BitCount = 24;
  std::uint32_t Compression = 0;
  std::uint32_t HeaderSize = 40;  // 12 writes the OS/2 core header
  std::uint16_t Planes = 1;
  std::vector<std::uint32_t> Masks;  // after a 40-byte header, or inside a longer one
  std::vector<TRgb> Palette;
  std::optional<std::uint32_t> ColorsUsed;  // default: the palette's size
  std::optional<std::uint32_t> PixelOffset;  // default: right after the palette
  std::vector<std::uint8_t> Pixels;  // as stored: rows padded to 4 bytes, or RLE data
};

std::vector<std::uint8_t> BuildBmp(const TBmpSpec& spec);

}  // namespace ql::test
