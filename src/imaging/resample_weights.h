// The weight lists of one resampling pass: for every target column (or row) the source
// positions that contribute to it, already reflected at the edges, and their weights. Shared by
// the reference resampler and any faster one, so both filter with the very same weights.
#pragma once

#include <cstdint>
#include <functional>
#include <vector>

#include "imaging/filter_kernels.h"

namespace ql {

// Progress report: (minimum, maximum, position), here always (0, 100, percent).
using TProgressFunction = std::function<void(int, int, int)>;

struct TWeightEntry {
  std::int32_t Index;  // source column or row, inside 0 .. length - 1
  float Weight;        // never 0
};

struct TWeightList {
  std::vector<TWeightEntry> Entries;  // in increasing source position before reflection
};

// The scale of one axis: target / source when the source side is 1; else (target - 1) /
// (source - 1), so that the first and last target pixels fall on the first and last source
// pixels. A target side of 1 against a longer source (where that formula gives 0) takes
// 1 / source instead and sits on the middle of the source. Computed at extended precision and
// rounded to 32 bits.
float AxisScale(int target, int source);

// The lists for `target` positions over a source of `length` (>= 1) positions, with the
// kernel's reach `support` (in kernel units) stretched by 1 / scale when reducing. Only
// non-zero weights are kept; the weights are not normalised. A source index outside the source
// is reflected once (-j on the left, 2 length - 1 - j on the right) and then clamped, so that a
// reach wider than the source never leaves it. Calls `progress` once per target position.
std::vector<TWeightList> BuildWeightLists(int target, int length, TFilterFunction kernel, float support,
                                          const TProgressFunction& progress);

// (i / n) × 100 rounded to the nearest integer, ties to even.
int ProgressPercent(int i, int n);

}  // namespace ql
