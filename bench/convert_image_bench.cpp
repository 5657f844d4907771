// One image of a gallery run: ConvertImage of the 24-megapixel photo into the resized copy
// (800 × 600 box, Lanczos3, quality 85) and the thumbnail (140 × 140 box, quality 85).
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <string>

#include "bench/bench_photo.h"
#include "exif/img_data.h"
#include "imaging/convert_image.h"
#include "imaging/filter_kernels.h"
#include "job/job_context.h"
#include "platform/file_system.h"

namespace {

std::string TempFolder() {
  const char* tmp = std::getenv("TMPDIR");
  std::string pattern = std::string(tmp != nullptr && *tmp != '\0' ? tmp : "/tmp") + "/ql-bench-XXXXXX";
  if (mkdtemp(pattern.data()) == nullptr) std::abort();
  return pattern;
}

void BM_ConvertImage(benchmark::State& state) {
  const std::string photo = ql::bench::BenchPhotoPath();
  const std::string sourceDir(ql::ExtractFileName(photo) == photo ? "." : photo.substr(0, photo.rfind('/')));
  const std::string sourceName(ql::ExtractFileName(photo));
  const std::string destDir = TempFolder();
  const ql::TGalleryOptions options;
  ql::TimgData exif;
  const std::string none;
  const ql::TJobContext ctx{sourceDir, destDir, options, {}, exif, true, none, none, [] {}};
  for (auto _ : state) {
    ql::ConvertImage(ctx, sourceName, "photo.jpg", 85, 800, 600, ql::kLanczos3FilterIndex, false);
    ql::ConvertImage(ctx, sourceName, "t_photo.jpg", 85, 140, 140, ql::kLanczos3FilterIndex, true);
  }
  std::remove((destDir + "/photo.jpg").c_str());
  std::remove((destDir + "/t_photo.jpg").c_str());
  std::remove(destDir.c_str());
}
BENCHMARK(BM_ConvertImage)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
