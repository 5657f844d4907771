// The calls into libjpeg: reading a JPEG's size, decoding it to 24-bit RGB and encoding 24-bit
// RGB as a baseline JPEG, all in memory. Fatal libjpeg errors become TError("JPEG error #%d")
// with libjpeg's message code; its warnings are dropped and decoding goes on.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

namespace ql {

class TBitmap;

struct TJpegSize {
  int Width = 0;
  int Height = 0;
};

// Reads the headers up to the first scan.
TJpegSize ReadJpegSize(std::span<const std::uint8_t> bytes);

// Decodes with the accurate integer inverse DCT. Grayscale becomes grey RGB; CMYK and YCCK
// (Adobe files store them inverted) are converted to RGB. Refuses images beyond the limits of
// image_limits.h before decoding, files of more than `maxScans` scans, and files that need more
// than `maxMemory` bytes of libjpeg's memory. `bitmap` is changed only on success.
void DecodeJpeg(std::span<const std::uint8_t> bytes, TBitmap& bitmap, int maxScans, long maxMemory);

// Encodes `bitmap` (at least 1 × 1) with libjpeg's defaults and jpeg_set_quality(quality, TRUE):
// baseline, 3 components, YCbCr.
std::vector<std::uint8_t> EncodeJpeg(const TBitmap& bitmap, int quality);

}  // namespace ql
