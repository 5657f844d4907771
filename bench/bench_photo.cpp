#include "bench/bench_photo.h"

#include <cstdlib>

#include "imaging/filter_kernels.h"
#include "imaging/jpeg_image.h"
#include "imaging/resample.h"

namespace ql::bench {

void WriteBenchPhoto(const std::string& example, const std::string& target) {
  TJPEGImage jpeg;
  jpeg.LoadFromFile(example);
  TBitmap small, large;
  small.Assign(jpeg);
  Resample(small, large, kPhotoWidth, kPhotoHeight, TriangleFilter, 3.0f);
  TJPEGImage out;
  out.Assign(large);
  out.SetCompressionQuality(90);
  out.SaveToFile(target);
}

const std::string& BenchPhotoPath() {
  static const std::string path = [] {
    if (const char* given = std::getenv("QL_BENCH_PHOTO"); given != nullptr && *given != '\0') return std::string(given);
    const char* tmp = std::getenv("TMPDIR");
    const std::string made = std::string(tmp != nullptr && *tmp != '\0' ? tmp : "/tmp") + "/ql-bench-photo-6000x4000.jpg";
    WriteBenchPhoto(QL_BENCH_EXAMPLE_PHOTO, made);
    return made;
  }();
  return path;
}

const TBitmap& BenchPhotoPixels() {
  static const TBitmap pixels = [] {
    TJPEGImage jpeg;
    jpeg.LoadFromFile(BenchPhotoPath());
    TBitmap b;
    b.Assign(jpeg);
    return b;
  }();
  return pixels;
}

}  // namespace ql::bench
