#include "imaging/filter_kernels.h"

#include <cmath>
#include <string>

#include "platform/errors.h"

// The kernels are built with -ffp-contract=off (see CMakeLists.txt): a fused multiply-add would
// skip a rounding and change the weights.

namespace ql {

namespace {

using TReal = long double;

constexpr TReal kPi = 3.141592653589793238462643383279502884L;
constexpr TReal kTwoThirds = 2.0L / 3.0L;
constexpr TReal kOneSixth = 1.0L / 6.0L;
constexpr TReal kSixteenThirds = 16.0L / 3.0L;
constexpr TReal kSevenThirds = 7.0L / 3.0L;
constexpr TReal kThirtyTwoThirds = 32.0L / 3.0L;

// sin(πy)/(πy) with πy rounded to 32 bits before the sine, the quotient rounded to 32 bits.
float Sinc(TReal y) {
  if (y == 0) return 1.0f;
  const float p = static_cast<float>(kPi * y);
  return static_cast<float>(std::sin(static_cast<TReal>(p)) / p);
}

}  // namespace

float BoxFilter(float x) { return x > -0.5f && x <= 0.5f ? 1.0f : 0.0f; }

float TriangleFilter(float x) {
  const TReal a = std::fabs(static_cast<TReal>(x));
  return a < 1 ? static_cast<float>(1 - a) : 0.0f;
}

float HermiteFilter(float x) {
  const TReal a = std::fabs(static_cast<TReal>(x));
  return a < 1 ? static_cast<float>((2 * a - 3) * a * a + 1) : 0.0f;
}

float BellFilter(float x) {
  const TReal a = std::fabs(static_cast<TReal>(x));
  if (a < 0.5L) return static_cast<float>(0.75L - a * a);
  if (a < 1.5L) {
    const float d = static_cast<float>(a - 1.5L);
    return static_cast<float>(0.5L * d * d);
  }
  return 0.0f;
}

float SplineFilter(float x) {
  const TReal a = std::fabs(static_cast<TReal>(x));
  if (a < 1) {
    const float t = static_cast<float>(a * a);
    return static_cast<float>(0.5L * t * a - t + kTwoThirds);
  }
  if (a < 2) {
    const float u = static_cast<float>(2 - a);
    return static_cast<float>(static_cast<TReal>(u) * u * kOneSixth * u);
  }
  return 0.0f;
}

float MitchellFilter(float x) {
  const TReal a = std::fabs(static_cast<TReal>(x));
  if (a >= 2) return 0.0f;
  const float t = static_cast<float>(a * a);
  const float n = a < 1 ? static_cast<float>(7 * a * t - 12 * t + kSixteenThirds)
                        : static_cast<float>(-kSevenThirds * a * t + 12 * t - 20 * a + kThirtyTwoThirds);
  return static_cast<float>(n / 6.0L);
}

float Lanczos3Filter(float x) {
  const TReal a = std::fabs(static_cast<TReal>(x));
  if (a >= 3) return 0.0f;
  const float first = Sinc(a);
  const float third = static_cast<float>(a / 3);
  return static_cast<float>(static_cast<TReal>(first) * Sinc(third));
}

TFilterFunction FilterByIndex(int index) {
  if (index < 0 || index >= static_cast<int>(kFilterKernels.size())) {
    throw TError("Unknown resampling filter #" + std::to_string(index));
  }
  return kFilterKernels[static_cast<std::size_t>(index)].Function;
}

}  // namespace ql
