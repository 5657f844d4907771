// Our reader of Windows and OS/2 BMP files: BITMAPCOREHEADER and BITMAPINFOHEADER up to V5;
// 1-, 4- and 8-bit palettes; 16 bits (555, 565, bit fields); 24 bits; 32 bits with and without
// bit fields; RLE4 and RLE8; bottom-up and top-down rows. Every read is checked against the
// bytes given, whatever the header claims.
#pragma once

#include <array>
#include <cstdint>
#include <span>

namespace ql {

class TBitmap;

// The text of every header that cannot be made sense of.
inline constexpr const char* kBitmapInvalid = "Bitmap ist ungültig";

enum class TBmpCompression { Rgb, Rle8, Rle4, BitFields };

// What the headers say, checked for consistency.
struct TBmpHeader {
  int Width = 0;
  int Height = 0;          // always positive; TopDown tells the row order
  bool TopDown = false;
  int BitCount = 0;        // 1, 4, 8, 16, 24 or 32
  TBmpCompression Compression = TBmpCompression::Rgb;
  std::array<std::uint32_t, 3> Masks{};  // red, green, blue, for 16 and 32 bits
  std::uint64_t PaletteOffset = 0;
  int PaletteEntries = 0;  // for 1, 4 and 8 bits
  int PaletteEntrySize = 4;  // 3 in the OS/2 core format
  std::uint64_t PixelOffset = 0;
};

// Reads and checks the headers. Raises TError(kBitmapInvalid) for headers it cannot make sense
// of (signature, header size, sizes, planes, bit count, compression, palette size, masks of 0).
TBmpHeader ParseBmpHeader(std::span<const std::uint8_t> bytes);

// Decodes a whole BMP file into `bitmap` (24-bit RGB, top row first). Pixels that the data does
// not reach (a file cut short, RLE skips and early line ends) stay black, as do palette indices
// beyond the palette; RLE runs and deltas that pass an edge are clipped. Raises TError for bad
// headers and for a size beyond the limits of image_limits.h.
void LoadBmp(std::span<const std::uint8_t> bytes, TBitmap& bitmap);

}  // namespace ql
