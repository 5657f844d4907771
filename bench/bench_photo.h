// The test photo of the benchmarks: a real photograph enlarged to 6000 × 4000 (24 megapixels),
// written once as a JPEG and shared by every benchmark of a run.
#pragma once

#include <string>

#include "imaging/bitmap.h"

namespace ql::bench {

inline constexpr int kPhotoWidth = 6000;
inline constexpr int kPhotoHeight = 4000;

// Enlarges `example` (a JPEG) to 6000 × 4000 and writes it to `target` at quality 90.
void WriteBenchPhoto(const std::string& example, const std::string& target);

// The photo's path: $QL_BENCH_PHOTO when set, else a file made once in the temporary folder
// from the sample photo named at build time.
const std::string& BenchPhotoPath();

// The photo decoded (made once).
const TBitmap& BenchPhotoPixels();

}  // namespace ql::bench
