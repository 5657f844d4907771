#include "imaging/fit_size.h"

#include <algorithm>
#include <climits>
#include <cmath>

namespace ql {

namespace {

// v + 0.5 truncated toward zero, at extended precision.
long double RoundHalfUp(long double v) { return std::trunc(v + 0.5L); }

int Side(long double v) { return static_cast<int>(std::clamp(v, 1.0L, static_cast<long double>(INT_MAX))); }

}  // namespace

TFitSize FitIntoBox(int width, int height, int maxWidth, int maxHeight) {
  const double ratio = static_cast<double>(width) / height;
  long double w = width;
  long double h = height;
  if (width > maxWidth) {
    w = maxWidth;
    h = RoundHalfUp(maxWidth / static_cast<long double>(ratio));
    if (h > maxHeight) {
      h = maxHeight;
      w = RoundHalfUp(maxHeight * static_cast<long double>(ratio));
    }
  } else if (height > maxHeight) {
    h = maxHeight;
    w = RoundHalfUp(maxHeight * static_cast<long double>(ratio));
  } else {
    return {width, height, true};
  }
  return {Side(w), Side(h), false};
}

}  // namespace ql
