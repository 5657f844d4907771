// The reference resampler on the 24-megapixel photo: the resized copy (800 × 533) and the
// thumbnail (140 × 93) with Lanczos3 and support 3, as a gallery run makes them; and, for
// comparison, decoding the photo.
#include <benchmark/benchmark.h>

#include "bench/bench_photo.h"
#include "imaging/filter_kernels.h"
#include "imaging/jpeg_image.h"
#include "imaging/resample.h"
#include "platform/file_system.h"

namespace {

void BM_Resample(benchmark::State& state) {
  const ql::TBitmap& source = ql::bench::BenchPhotoPixels();
  const int width = static_cast<int>(state.range(0));
  const int height = static_cast<int>(state.range(1));
  ql::TBitmap out;
  for (auto _ : state) {
    ql::Resample(source, out, width, height, ql::Lanczos3Filter, 3.0f);
    benchmark::DoNotOptimize(out.ScanLine(0));
  }
  state.counters["Mpx/s"] = benchmark::Counter(static_cast<double>(source.Width()) * source.Height() / 1e6,
                                               benchmark::Counter::kIsIterationInvariantRate);
}
BENCHMARK(BM_Resample)->Args({800, 533})->Args({140, 93})->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_DecodeJpeg(benchmark::State& state) {
  ql::TJPEGImage jpeg;
  jpeg.LoadFromMemory(ql::ReadFileBytes(ql::bench::BenchPhotoPath()));
  ql::TBitmap out;
  for (auto _ : state) {
    out.Assign(jpeg);
    benchmark::DoNotOptimize(out.ScanLine(0));
  }
}
BENCHMARK(BM_DecodeJpeg)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
