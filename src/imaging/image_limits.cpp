#include "imaging/image_limits.h"

#include <string>

#include "platform/errors.h"

namespace ql {

void CheckImageSize(std::int64_t width, std::int64_t height) {
  const std::string size = std::to_string(width) + " × " + std::to_string(height);
  if (width < 0 || height < 0) throw TError("Invalid image size " + size);
  if (width <= kMaxImageSide && height <= kMaxImageSide && width * height <= kMaxImagePixels) return;
  throw TError("Image of " + size + " pixels is too large (at most " + std::to_string(kMaxImageSide) +
               " pixels a side and " + std::to_string(kMaxImagePixels) + " pixels in all)");
}

}  // namespace ql
