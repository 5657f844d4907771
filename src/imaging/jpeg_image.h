// TJPEGImage: a JPEG file held as its encoded bytes or as the pixels to encode, coded by
// libjpeg(-turbo). Decoding uses the accurate integer inverse DCT and gives 24-bit RGB also for
// grayscale, CMYK and YCCK files; encoding writes a baseline JPEG of 3 components with the
// library's default settings and the quality applied by its standard table scaling.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "exif/encoded_image.h"
#include "imaging/bitmap.h"

namespace ql {

class TJPEGImage : public IEncodedImage {
 public:
  // The most scans a progressive file may have; each scan costs a pass over the coefficients,
  // so a file of thousands of tiny scans would take for ever.
  static constexpr int kMaxScans = 100;
  // What libjpeg may allocate while decoding one file (coefficient buffers of progressive files).
  static constexpr long kMaxDecoderMemory = 1L << 30;

  TJPEGImage() = default;

  // Holds the bytes of a JPEG file; nothing is decoded until DecodeInto. LoadFromFile raises
  // TFileError when the file cannot be read.
  void LoadFromFile(const std::string& path);
  void LoadFromMemory(std::span<const std::uint8_t> bytes);

  // Keeps a copy of the pixels and drops the encoded bytes held.
  void Assign(const TBitmap& bitmap);

  // 1 to 100 (values outside are clamped); applies at the next encoding.
  int CompressionQuality() const { return quality_; }
  void SetCompressionQuality(int quality);

  // The size of the pixels held, or else that of the encoded image (read from its header;
  // raises TError for a header that cannot be read).
  int Width() const override;
  int Height() const override;

  // Decodes the encoded bytes into `bitmap`. Raises TError: "JPEG error #%d" with libjpeg's
  // message code, or the size limits of image_limits.h, or the scan limit.
  void DecodeInto(TBitmap& bitmap) const;

  // The complete JPEG file: the bytes held, or else the pixels encoded at the quality set.
  std::vector<std::uint8_t> EncodeToMemory() override;
  // EncodeToMemory written through WriteFileAtomic; raises TFileError naming `path`.
  void SaveToFile(const std::string& path);

 private:
  struct TSize {
    int Width = 0;
    int Height = 0;
  };
  TSize Size() const;

  std::vector<std::uint8_t> encoded_;
  bool hasPixels_ = false;
  TBitmap pixels_;
  int quality_ = 90;
};

}  // namespace ql
