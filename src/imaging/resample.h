// The separable resampler: a horizontal pass from the source into an intermediate bitmap of
// target width × source height, then a vertical pass into the destination, each pass clamping
// and truncating to 8 bits.
#pragma once

#include "imaging/bitmap.h"
#include "imaging/filter_kernels.h"
#include "imaging/resample_weights.h"

namespace ql {

// The reference definition, scalar and deterministic: every faster implementation must give
// the same bytes. Each channel sum starts at 0 and takes one product per weight entry as
// sum = (float)((long double)sum + (long double)value * weight). `destination` gets
// max(width, 0) × max(height, 0) pixels, every one of them written unless the source or the
// target is empty; `source` is only read (it may be `destination` itself). `support` is the
// kernel's reach in kernel units; `progress`, when given, is called at the start of every
// iteration of the four loops (weights across, rows, weights down, columns).
void ResampleReference(const TBitmap& source, TBitmap& destination, int width, int height, TFilterFunction kernel,
                       float support, const TProgressFunction& progress = {});

// What the conversion calls; for now the reference itself.
void Resample(const TBitmap& source, TBitmap& destination, int width, int height, TFilterFunction kernel,
              float support, const TProgressFunction& progress = {});

}  // namespace ql
