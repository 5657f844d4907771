// Helpers of the imaging tests: building bitmaps, reading PPM references, checksums, and JPEG
// files in colour spaces and scan layouts our encoder never writes (made with libjpeg directly).
#pragma once

#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <vector>

#include "imaging/bitmap.h"

namespace ql::test {

struct TRgb {
  std::uint8_t R = 0, G = 0, B = 0;
  bool operator==(const TRgb&) const = default;
};

TBitmap MakeBitmap(int width, int height, const std::function<TRgb(int x, int y)>& pixel);
// One row of grey values.
TBitmap GreyRow(const std::vector<std::uint8_t>& values);
TRgb PixelAt(const TBitmap& bitmap, int x, int y);
// The grey value of a pixel whose three channels must agree.
int GreyAt(const TBitmap& bitmap, int x, int y);
// All pixels, rows top to bottom, R G B.
std::vector<std::uint8_t> PixelBytes(const TBitmap& bitmap);
std::uint64_t Fnv1a64(std::span<const std::uint8_t> bytes);

std::vector<std::uint8_t> ToBytes(const std::string& text);
std::vector<std::uint8_t> ReadBytes(const std::string& path);
// A binary PPM (P6, maxval 255).
TBitmap ReadPpm(const std::string& path);

// A JPEG written by libjpeg from raw samples of `components` per pixel (1 grey, 3 RGB, 4 CMYK),
// stored in `colorSpace` (a J_COLOR_SPACE value); `adobe` chooses whether the Adobe marker is
// written; `scans` > 0 writes a progressive file of exactly that many scans.
struct TTestJpeg {
  int Width = 16;
  int Height = 16;
  int Components = 3;
  int InColorSpace = 0;
  int ColorSpace = 0;
  bool Adobe = true;
  int Quality = 100;
  int Scans = 0;
  std::vector<std::uint8_t> Samples;  // Width × Height × Components
};
std::vector<std::uint8_t> EncodeTestJpeg(const TTestJpeg& spec);

}  // namespace ql::test
