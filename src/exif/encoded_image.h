// What the EXIF carry-over writer needs of an image it writes: its size and its encoding as a
// complete JPEG file in memory. The JPEG image class of the imaging library implements it, so
// that this library does not depend on that one.
#pragma once

#include <cstdint>
#include <vector>

namespace ql {

class IEncodedImage {
 public:
  virtual ~IEncodedImage() = default;
  virtual int Width() const = 0;
  virtual int Height() const = 0;
  // The image as a complete JPEG file, at the quality set on the image. Raises on failure.
  virtual std::vector<std::uint8_t> EncodeToMemory() = 0;
};

}  // namespace ql
