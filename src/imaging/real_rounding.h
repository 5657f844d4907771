// The rounding helpers of the resampler: floor and ceiling of an extended-precision value, and
// the clamp-and-truncate that turns a filtered sum into an 8-bit channel value.
#pragma once

#include <cmath>
#include <cstdint>

namespace ql {

// t = x truncated toward zero; t - 1 when x - t is negative, else t. |x| must fit an int.
inline int xFloor(long double x) {
  const long double t = std::trunc(x);
  return static_cast<int>(x - t < 0 ? t - 1 : t);
}

// t = x truncated toward zero; t + 1 when x - t is positive, else t. |x| must fit an int.
inline int xCeil(long double x) {
  const long double t = std::trunc(x);
  return static_cast<int>(x - t > 0 ? t + 1 : t);
}

// `lower` when x < lower, `upper` when x >= upper, otherwise x truncated toward zero.
inline int TrimReal(int lower, int upper, double x) {
  if (x < lower) return lower;
  if (x >= upper) return upper;
  return static_cast<int>(x);
}

}  // namespace ql
