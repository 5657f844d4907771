#include "imaging/bitmap.h"

#include "imaging/bmp_loader.h"
#include "imaging/image_limits.h"
#include "imaging/jpeg_image.h"
#include "platform/file_system.h"

namespace ql {

void TBitmap::SetSize(int width, int height) {
  CheckImageSize(width, height);
  std::vector<std::uint8_t> pixels(static_cast<std::size_t>(width) * static_cast<std::size_t>(height) *
                                   kBytesPerPixel);
  pixels_.swap(pixels);
  width_ = width;
  height_ = height;
}

void TBitmap::LoadFromFile(const std::string& path) { LoadBmp(ReadFileBytes(path), *this); }

void TBitmap::Assign(const TJPEGImage& jpeg) { jpeg.DecodeInto(*this); }

}  // namespace ql
