// TBitmap: a picture of 24-bit RGB pixels held in memory, the working surface of the loaders,
// the resampler and the JPEG encoder.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace ql {

class TJPEGImage;

// The layouts a bitmap can hold. Only 24 bits per pixel exists here: every loader converts to it.
enum class TPixelFormat { pf24bit };

class TBitmap {
 public:
  static constexpr int kBytesPerPixel = 3;  // R, G, B in this order

  TBitmap() = default;

  int Width() const { return width_; }
  int Height() const { return height_; }
  // Resizing keeps no pixels: the bitmap is black afterwards. A size beyond the limits of
  // image_limits.h raises TError before any memory is taken.
  void SetWidth(int width) { SetSize(width, height_); }
  void SetHeight(int height) { SetSize(width_, height); }
  void SetSize(int width, int height);

  TPixelFormat PixelFormat() const { return TPixelFormat::pf24bit; }
  void SetPixelFormat(TPixelFormat) {}  // the pixels are 24-bit already

  // The first byte of row `row` (0 = top); rows follow each other RowStride() bytes apart.
  std::uint8_t* ScanLine(int row) { return pixels_.data() + static_cast<std::ptrdiff_t>(row) * RowStride(); }
  const std::uint8_t* ScanLine(int row) const {
    return pixels_.data() + static_cast<std::ptrdiff_t>(row) * RowStride();
  }
  // The signed byte distance from one row to the next.
  std::ptrdiff_t RowStride() const { return static_cast<std::ptrdiff_t>(width_) * kBytesPerPixel; }

  // Loads a BMP file. Raises TFileError for a file that cannot be read and TError
  // ("Bitmap ist ungültig", or the size limit) for one that is not a usable bitmap.
  void LoadFromFile(const std::string& path);
  // Decodes the JPEG held by `jpeg` into this bitmap. Raises TError ("JPEG error #%d").
  void Assign(const TJPEGImage& jpeg);

 private:
  int width_ = 0;
  int height_ = 0;
  std::vector<std::uint8_t> pixels_;
};

}  // namespace ql
