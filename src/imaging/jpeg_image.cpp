#include "imaging/jpeg_image.h"

#include <algorithm>

#include "imaging/jpeg_codec.h"
#include "platform/atomic_write.h"
#include "platform/errors.h"
#include "platform/file_system.h"

namespace ql {

void TJPEGImage::LoadFromFile(const std::string& path) { LoadFromMemory(ReadFileBytes(path)); }

void TJPEGImage::LoadFromMemory(std::span<const std::uint8_t> bytes) {
  encoded_.assign(bytes.begin(), bytes.end());
  pixels_ = TBitmap();
  hasPixels_ = false;
}

void TJPEGImage::Assign(const TBitmap& bitmap) {
  pixels_ = bitmap;
  hasPixels_ = true;
  encoded_.clear();
}

void TJPEGImage::SetCompressionQuality(int quality) {
  quality = std::clamp(quality, 1, 100);
  if (quality == quality_) return;
  quality_ = quality;
  if (hasPixels_) encoded_.clear();  // encoded at the old quality
}

TJPEGImage::TSize TJPEGImage::Size() const {
  if (hasPixels_) return {pixels_.Width(), pixels_.Height()};
  if (encoded_.empty()) return {};
  const TJpegSize size = ReadJpegSize(encoded_);
  return {size.Width, size.Height};
}

int TJPEGImage::Width() const { return Size().Width; }
int TJPEGImage::Height() const { return Size().Height; }

void TJPEGImage::DecodeInto(TBitmap& bitmap) const {
  if (hasPixels_) {
    bitmap = pixels_;
    return;
  }
  DecodeJpeg(encoded_, bitmap, kMaxScans, kMaxDecoderMemory);
}

std::vector<std::uint8_t> TJPEGImage::EncodeToMemory() {
  if (encoded_.empty()) {
    if (!hasPixels_) throw TError("JPEG image holds no image");
    encoded_ = EncodeJpeg(pixels_, quality_);
  }
  return encoded_;
}

void TJPEGImage::SaveToFile(const std::string& path) { WriteFileAtomic(path, EncodeToMemory()); }

}  // namespace ql
