#include "imaging/bmp_loader.h"

#include <algorithm>
#include <bit>
#include <optional>

#include "imaging/bitmap.h"
#include "imaging/image_limits.h"
#include "platform/errors.h"

namespace ql {

namespace {

// Little-endian reads at integer offsets; nothing is read unless it lies wholly inside the bytes.
class TByteReader {
 public:
  explicit TByteReader(std::span<const std::uint8_t> bytes) : bytes_(bytes) {}

  std::uint64_t Size() const { return bytes_.size(); }
  bool Has(std::uint64_t offset, std::uint64_t count) const {
    return offset <= bytes_.size() && count <= bytes_.size() - offset;
  }
  std::uint8_t U8(std::uint64_t offset) const { return bytes_[Need(offset, 1)]; }
  std::uint16_t U16(std::uint64_t offset) const {
    const std::size_t at = Need(offset, 2);
    return static_cast<std::uint16_t>(bytes_[at] | bytes_[at + 1] << 8);
  }
  std::uint32_t U32(std::uint64_t offset) const {
    const std::size_t at = Need(offset, 4);
    return static_cast<std::uint32_t>(bytes_[at]) | static_cast<std::uint32_t>(bytes_[at + 1]) << 8 |
           static_cast<std::uint32_t>(bytes_[at + 2]) << 16 | static_cast<std::uint32_t>(bytes_[at + 3]) << 24;
  }
  std::int32_t I32(std::uint64_t offset) const { return static_cast<std::int32_t>(U32(offset)); }

 private:
  std::size_t Need(std::uint64_t offset, std::uint64_t count) const {
    if (!Has(offset, count)) throw TError(kBitmapInvalid);
    return static_cast<std::size_t>(offset);
  }
  std::span<const std::uint8_t> bytes_;
};

[[noreturn]] void Invalid() { throw TError(kBitmapInvalid); }

constexpr std::uint32_t kBiRgb = 0, kBiRle8 = 1, kBiRle4 = 2, kBiBitFields = 3, kBiAlphaBitFields = 6;
constexpr std::uint64_t kFileHeaderSize = 14;
constexpr std::uint32_t kCoreHeaderSize = 12, kInfoHeaderSize = 40;

bool KnownInfoHeaderSize(std::uint32_t size) {
  // BITMAPINFOHEADER, its V2 and V3 extensions (with masks), BITMAPV4HEADER, BITMAPV5HEADER.
  return size == 40 || size == 52 || size == 56 || size == 108 || size == 124;
}

// One channel of a bit-field pixel: the mask, where it starts and its largest value.
struct TChannel {
  std::uint32_t Mask = 0;
  int Shift = 0;
  std::uint64_t Max = 0;

  explicit TChannel(std::uint32_t mask)
      : Mask(mask), Shift(std::countr_zero(mask)), Max(static_cast<std::uint64_t>(mask) >> Shift) {}
  // Scaled to 0..255, rounded to the nearest.
  std::uint8_t Value(std::uint32_t pixel) const {
    const std::uint64_t v = (pixel & Mask) >> Shift;
    return static_cast<std::uint8_t>((v * 255 + Max / 2) / Max);
  }
};

struct TColor {
  std::uint8_t R = 0, G = 0, B = 0;
};

class TPixelSink {
 public:
  TPixelSink(TBitmap& bitmap, bool topDown) : bitmap_(bitmap), topDown_(topDown) {}
  // `row` counts in file order (the first row stored is 0).
  void Put(std::int64_t x, std::int64_t row, TColor c) {
    if (x < 0 || row < 0 || x >= bitmap_.Width() || row >= bitmap_.Height()) return;
    const int y = topDown_ ? static_cast<int>(row) : bitmap_.Height() - 1 - static_cast<int>(row);
    std::uint8_t* p = bitmap_.ScanLine(y) + x * TBitmap::kBytesPerPixel;
    p[0] = c.R;
    p[1] = c.G;
    p[2] = c.B;
  }

 private:
  TBitmap& bitmap_;
  bool topDown_;
};

std::vector<TColor> ReadPalette(const TByteReader& in, const TBmpHeader& h) {
  // Entries are B, G, R (and one reserved byte outside the core format). Entries past the end
  // of the file stay black; indices past the palette get black too.
  std::vector<TColor> palette(256);
  for (int i = 0; i < h.PaletteEntries; ++i) {
    const std::uint64_t at = h.PaletteOffset + static_cast<std::uint64_t>(i) * h.PaletteEntrySize;
    if (!in.Has(at, 3)) break;
    palette[static_cast<std::size_t>(i)] = {in.U8(at + 2), in.U8(at + 1), in.U8(at)};
  }
  return palette;
}

void DecodeUncompressed(const TByteReader& in, const TBmpHeader& h, const std::vector<TColor>& palette,
                        TPixelSink& sink) {
  const std::uint64_t bpp = static_cast<std::uint64_t>(h.BitCount);
  const std::uint64_t stride = (static_cast<std::uint64_t>(h.Width) * bpp + 31) / 32 * 4;
  const TChannel red(h.Masks[0]), green(h.Masks[1]), blue(h.Masks[2]);
  for (std::int64_t row = 0; row < h.Height; ++row) {
    const std::uint64_t start = h.PixelOffset + static_cast<std::uint64_t>(row) * stride;
    if (!in.Has(start, 1)) return;  // the data ends before this row: the rest stays black
    const std::uint64_t avail = std::min(stride, in.Size() - start);
    for (std::int64_t x = 0; x < h.Width; ++x) {
      const std::uint64_t bit = static_cast<std::uint64_t>(x) * bpp;
      if ((bit + bpp + 7) / 8 > avail) break;
      const std::uint64_t at = start + bit / 8;
      TColor c;
      switch (h.BitCount) {
        case 1:
        case 4:
        case 8: {
          const unsigned shift = static_cast<unsigned>(8 - bpp - bit % 8);
          const unsigned index = (in.U8(at) >> shift) & ((1u << bpp) - 1);
          c = palette[index];
          break;
        }
        case 24:
          c = {in.U8(at + 2), in.U8(at + 1), in.U8(at)};
          break;
        case 16:
        case 32: {
          const std::uint32_t v = h.BitCount == 16 ? in.U16(at) : in.U32(at);
          c = {red.Value(v), green.Value(v), blue.Value(v)};
          break;
        }
        default:
          Invalid();
      }
      sink.Put(x, row, c);
    }
  }
}

// RLE8 and RLE4: pairs (count, value) give a run; (0, 0) ends a line, (0, 1) ends the bitmap,
// (0, 2, dx, dy) moves right and up, (0, n >= 3) is followed by n literal pixels padded to a
// 16-bit boundary. In RLE4 a value holds two pixels, high nibble first.
void DecodeRle(const TByteReader& in, const TBmpHeader& h, const std::vector<TColor>& palette, TPixelSink& sink) {
  const bool four = h.Compression == TBmpCompression::Rle4;
  const std::int64_t width = h.Width, height = h.Height;
  std::int64_t x = 0, row = 0;
  std::uint64_t pos = h.PixelOffset;
  auto put = [&](unsigned index) {
    if (x < width) sink.Put(x, row, palette[index]);
    x = std::min(x + 1, width);  // past the right edge nothing more is drawn on this line
  };
  while (row < height && in.Has(pos, 2)) {
    const unsigned count = in.U8(pos), value = in.U8(pos + 1);
    pos += 2;
    if (count > 0) {
      for (unsigned k = 0; k < count && x < width; ++k) put(four ? (k % 2 == 0 ? value >> 4 : value & 15) : value);
      continue;
    }
    if (value == 0) {
      x = 0;
      ++row;
    } else if (value == 1) {
      return;
    } else if (value == 2) {
      if (!in.Has(pos, 2)) return;
      x = std::min(x + in.U8(pos), width);
      row += in.U8(pos + 1);
      pos += 2;
    } else {
      const std::uint64_t bytes = four ? (value + 1) / 2 : value;
      for (unsigned k = 0; k < value; ++k) {
        const std::uint64_t at = pos + (four ? k / 2 : k);
        if (!in.Has(at, 1)) return;
        const unsigned byte = in.U8(at);
        put(four ? (k % 2 == 0 ? byte >> 4 : byte & 15) : byte);
      }
      pos += bytes + bytes % 2;
    }
  }
}

}  // namespace

TBmpHeader ParseBmpHeader(std::span<const std::uint8_t> bytes) {
  const TByteReader in(bytes);
  // File header: "BM", u32 file size (not trusted), 2 × u16 reserved, u32 offset of the pixels.
  if (!in.Has(0, kFileHeaderSize + 4) || in.U8(0) != 'B' || in.U8(1) != 'M') Invalid();
  TBmpHeader h;
  h.PixelOffset = in.U32(10);
  const std::uint32_t headerSize = in.U32(14);
  std::uint32_t compression = kBiRgb;
  std::uint32_t colorsUsed = 0;
  std::uint64_t afterHeaders = kFileHeaderSize + headerSize;
  std::int64_t width = 0, height = 0;
  int planes = 0;

  if (headerSize == kCoreHeaderSize) {
    // BITMAPCOREHEADER: u32 size, u16 width, u16 height, u16 planes, u16 bit count.
    width = in.U16(18);
    height = in.U16(20);
    planes = in.U16(22);
    h.BitCount = in.U16(24);
    h.PaletteEntrySize = 3;
    if (h.BitCount != 1 && h.BitCount != 4 && h.BitCount != 8 && h.BitCount != 24) Invalid();
  } else if (KnownInfoHeaderSize(headerSize)) {
    // BITMAPINFOHEADER: u32 size, i32 width, i32 height (negative: top-down), u16 planes,
    // u16 bit count, u32 compression, u32 image size, 2 × i32 resolution, u32 colours used,
    // u32 colours important; V2 adds u32 masks for red, green and blue, V3 one for alpha.
    if (!in.Has(kFileHeaderSize, headerSize)) Invalid();
    width = in.I32(18);
    height = in.I32(22);
    planes = in.U16(26);
    h.BitCount = in.U16(28);
    compression = in.U32(30);
    colorsUsed = in.U32(46);
    if (height < 0) {
      h.TopDown = true;
      height = -height;
    }
  } else {
    Invalid();
  }
  if (planes != 1 || width <= 0 || height <= 0) Invalid();

  switch (compression) {
    case kBiRgb:
      if (h.BitCount != 1 && h.BitCount != 4 && h.BitCount != 8 && h.BitCount != 16 && h.BitCount != 24 &&
          h.BitCount != 32) {
        Invalid();
      }
      h.Compression = TBmpCompression::Rgb;
      if (h.BitCount == 16) h.Masks = {0x7C00, 0x03E0, 0x001F};
      if (h.BitCount == 32) h.Masks = {0xFF0000, 0x00FF00, 0x0000FF};
      break;
    case kBiRle8:
    case kBiRle4:
      if (h.BitCount != (compression == kBiRle8 ? 8 : 4) || h.TopDown) Invalid();
      h.Compression = compression == kBiRle8 ? TBmpCompression::Rle8 : TBmpCompression::Rle4;
      break;
    case kBiBitFields:
    case kBiAlphaBitFields: {
      if (h.BitCount != 16 && h.BitCount != 32) Invalid();
      h.Compression = TBmpCompression::BitFields;
      // In a plain BITMAPINFOHEADER the masks follow the header (three, or four with alpha);
      // the longer headers hold them.
      if (headerSize == kInfoHeaderSize) afterHeaders += compression == kBiBitFields ? 12 : 16;
      if (!in.Has(kFileHeaderSize + kInfoHeaderSize, 12)) Invalid();
      h.Masks = {in.U32(54), in.U32(58), in.U32(62)};
      const std::uint64_t limit = h.BitCount == 16 ? 0xFFFFu : 0xFFFFFFFFu;
      for (const std::uint32_t mask : h.Masks) {
        if (mask == 0 || mask > limit) Invalid();
      }
      break;
    }
    default:
      Invalid();
  }

  if (h.BitCount <= 8) {
    const std::uint32_t full = 1u << h.BitCount;
    if (colorsUsed > full) Invalid();
    h.PaletteEntries = static_cast<int>(colorsUsed == 0 ? full : colorsUsed);
  }
  h.PaletteOffset = afterHeaders;
  // Pixels that would overlap the headers make no sense.
  if (h.PixelOffset < afterHeaders) Invalid();

  CheckImageSize(width, height);
  h.Width = static_cast<int>(width);
  h.Height = static_cast<int>(height);
  return h;
}

void LoadBmp(std::span<const std::uint8_t> bytes, TBitmap& bitmap) {
  const TBmpHeader h = ParseBmpHeader(bytes);
  const TByteReader in(bytes);
  const std::vector<TColor> palette = ReadPalette(in, h);
  TBitmap decoded;
  decoded.SetSize(h.Width, h.Height);
  TPixelSink sink(decoded, h.TopDown);
  if (h.Compression == TBmpCompression::Rle8 || h.Compression == TBmpCompression::Rle4) {
    DecodeRle(in, h, palette, sink);
  } else {
    DecodeUncompressed(in, h, palette, sink);
  }
  bitmap = std::move(decoded);
}

}  // namespace ql
