// The seven resampling kernels: the weight of a source sample at signed distance x (in kernel
// units) from a target position. Each takes and returns a 32-bit float and computes inside at
// extended precision (long double, 64-bit mantissa on x86), rounding to 32 bits only at the
// steps named in filter_kernels.cpp and at the result; the rounding is part of the definition.
#pragma once

#include <array>
#include <string_view>

namespace ql {

using TFilterFunction = float (*)(float);

float SplineFilter(float x);    // cubic B-spline, non-zero for |x| < 2
float BellFilter(float x);      // |x| < 1.5
float TriangleFilter(float x);  // |x| < 1
float BoxFilter(float x);       // -0.5 < x <= 0.5
float HermiteFilter(float x);   // |x| < 1
float Lanczos3Filter(float x);  // |x| < 3
float MitchellFilter(float x);  // Mitchell-Netravali, B = C = 1/3, |x| < 2

struct TFilterKernel {
  std::string_view Name;
  TFilterFunction Function;
};

// In the order of the filter list, indices 0 to 6.
inline constexpr std::array<TFilterKernel, 7> kFilterKernels{{
    {"SplineFilter", SplineFilter},
    {"BellFilter", BellFilter},
    {"TriangleFilter", TriangleFilter},
    {"BoxFilter", BoxFilter},
    {"HermiteFilter", HermiteFilter},
    {"Lanczos3Filter", Lanczos3Filter},
    {"MitchellFilter", MitchellFilter},
}};

inline constexpr int kLanczos3FilterIndex = 5;

// The kernel of `index`; raises TError for an index outside 0 to 6.
TFilterFunction FilterByIndex(int index);

}  // namespace ql
