// Fuzz target of the reference resampler's size rules: tiny sources (up to 16 × 16) scaled to
// any target from -2 to 61 pixels a side with any kernel, so that reaches wider than the source,
// scales of 0 and negative targets run under the sanitizers. Bytes: source width, source
// height, target width, target height, kernel, then pixels.
#include <cstddef>
#include <cstdint>

#include "imaging/bitmap.h"
#include "imaging/filter_kernels.h"
#include "imaging/resample.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 5 || size > 4096) return 0;
  const int sw = data[0] % 17, sh = data[1] % 17;
  const int tw = data[2] % 64 - 2, th = data[3] % 64 - 2;
  const ql::TFilterFunction kernel = ql::kFilterKernels[data[4] % ql::kFilterKernels.size()].Function;
  ql::TBitmap source;
  source.SetSize(sw, sh);
  std::size_t at = 5;
  for (int y = 0; y < sh; ++y) {
    std::uint8_t* row = source.ScanLine(y);
    for (int x = 0; x < sw * 3; ++x) row[x] = at < size ? data[at++] : 0;
  }
  ql::TBitmap out;
  ql::ResampleReference(source, out, tw, th, kernel, 3.0f);
  if (out.Width() != (tw > 0 ? tw : 0) || out.Height() != (th > 0 ? th : 0)) __builtin_trap();
  return 0;
}
