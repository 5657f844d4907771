#include "imaging/resample_weights.h"

#include <algorithm>
#include <cmath>

#include "imaging/real_rounding.h"

// Built with -ffp-contract=off (see CMakeLists.txt): every rounding below is part of the weights.

namespace ql {

namespace {

// Mirrors a position outside 0 .. length - 1 back inside: about 0 on the left (-1 gives 1),
// about length - 1/2 on the right (length gives length - 1). A reach wider than the source can
// mirror past the other edge; the clamp keeps every index inside.
std::int32_t Reflect(int j, int length) {
  if (j < 0) j = -j;
  else if (j >= length) j = 2 * length - 1 - j;
  return std::clamp(j, 0, length - 1);
}

}  // namespace

float AxisScale(int target, int source) {
  if (source == 1) return static_cast<float>(static_cast<long double>(target));
  if (target == 1) return static_cast<float>(1.0L / source);
  return static_cast<float>(static_cast<long double>(target - 1) / (source - 1));
}

int ProgressPercent(int i, int n) {
  const long double v = static_cast<long double>(i) / n * 100;
  const long double low = std::floor(v);
  const long double rest = v - low;
  if (rest > 0.5L) return static_cast<int>(low) + 1;
  if (rest < 0.5L) return static_cast<int>(low);
  return static_cast<int>(std::fmod(low, 2.0L) == 0 ? low : low + 1);
}

std::vector<TWeightList> BuildWeightLists(int target, int length, TFilterFunction kernel, float support,
                                          const TProgressFunction& progress) {
  std::vector<TWeightList> lists(static_cast<std::size_t>(std::max(target, 0)));
  if (target < 1 || length < 1) return lists;
  const float scale = AxisScale(target, length);
  float reach = support;  // in source positions
  float stretch = 1.0f;
  if (scale < 1) {
    reach = static_cast<float>(static_cast<long double>(support) / scale);
    stretch = static_cast<float>(1.0L / scale);
  }
  const bool single = target == 1 && length > 1;
  for (int i = 0; i < target; ++i) {
    if (progress) progress(0, 100, ProgressPercent(i, target));
    const float centre = single ? static_cast<float>((length - 1) / 2.0L)
                                : static_cast<float>(static_cast<long double>(i) / scale);
    const int left = xFloor(static_cast<long double>(centre) - reach);
    const int right = xCeil(static_cast<long double>(centre) + reach);
    std::vector<TWeightEntry>& entries = lists[static_cast<std::size_t>(i)].Entries;
    entries.reserve(static_cast<std::size_t>(right - left + 1));
    for (int j = left; j <= right; ++j) {
      const float x = static_cast<float>((static_cast<long double>(centre) - j) / stretch);
      const float weight = static_cast<float>(static_cast<long double>(kernel(x)) / stretch);
      if (weight != 0) entries.push_back({Reflect(j, length), weight});
    }
  }
  return lists;
}

}  // namespace ql
