// libjpeg used directly by the tests: a real encoder's output to carry metadata over, and a
// decoder that says whether a written file is a JPEG libjpeg reads.
#pragma once

#include <string>

#include "exif/jpeg_builder.h"

namespace ql::test {

// A width x height colour gradient as a complete baseline JPEG file (with libjpeg's JFIF APP0).
TBytes EncodeGradientJpeg(int width, int height, int quality = 85);

struct TDecodeResult {
  bool ok = false;
  int width = 0, height = 0;
  std::string error;  // libjpeg's message when !ok
};

// Decodes every scanline of the file.
TDecodeResult DecodeJpeg(const TBytes& file);

}  // namespace ql::test
