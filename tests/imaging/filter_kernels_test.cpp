// The seven kernels: values at the centre, where branches meet, at the ends of their ranges,
// the near-zeros of Lanczos3 and the negative lobes; symmetry and the index table.
#include "imaging/filter_kernels.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

#include "platform/errors.h"

namespace ql {
namespace {

struct TKernelCase {
  const char* Name;
  TFilterFunction Kernel;
  float X;
  double Expected;
  double Tolerance;  // 0: the float must be exactly static_cast<float>(Expected)
};

// Expected values are exact where the definition makes them exact in 32 bits; elsewhere the
// tolerance is a few units in the last place.
const TKernelCase kKernelCases[] = {
    // At 0.
    {"Box(0)", BoxFilter, 0.0f, 1.0, 0},
    {"Triangle(0)", TriangleFilter, 0.0f, 1.0, 0},
    {"Hermite(0)", HermiteFilter, 0.0f, 1.0, 0},
    {"Bell(0)", BellFilter, 0.0f, 0.75, 0},
    {"Spline(0)", SplineFilter, 0.0f, 2.0 / 3.0, 0},
    {"Lanczos3(0)", Lanczos3Filter, 0.0f, 1.0, 0},
    {"Mitchell(0)", MitchellFilter, 0.0f, 8.0 / 9.0, 1e-7},
    // Where two branches meet, both sides agree.
    {"Bell(0.5)", BellFilter, 0.5f, 0.5, 0},
    {"Bell(0.5-)", BellFilter, std::nextafter(0.5f, 0.0f), 0.5, 1e-7},
    {"Spline(1)", SplineFilter, 1.0f, 1.0 / 6.0, 1e-7},
    {"Spline(1-)", SplineFilter, std::nextafter(1.0f, 0.0f), 1.0 / 6.0, 1e-7},
    {"Mitchell(1)", MitchellFilter, 1.0f, 1.0 / 18.0, 1e-7},
    {"Mitchell(1-)", MitchellFilter, std::nextafter(1.0f, 0.0f), 1.0 / 18.0, 1e-6},
    // Zero at the end of each range and beyond.
    {"Triangle(1)", TriangleFilter, 1.0f, 0.0, 0},
    {"Hermite(1)", HermiteFilter, 1.0f, 0.0, 0},
    {"Bell(1.5)", BellFilter, 1.5f, 0.0, 0},
    {"Spline(2)", SplineFilter, 2.0f, 0.0, 0},
    {"Mitchell(2)", MitchellFilter, 2.0f, 0.0, 0},
    {"Lanczos3(3)", Lanczos3Filter, 3.0f, 0.0, 0},
    {"Lanczos3(-7)", Lanczos3Filter, -7.0f, 0.0, 0},
    {"Box(-0.5)", BoxFilter, -0.5f, 0.0, 0},
    {"Box(0.5)", BoxFilter, 0.5f, 1.0, 0},
    {"Box(0.6)", BoxFilter, 0.6f, 0.0, 0},
    {"Triangle(-2)", TriangleFilter, -2.0f, 0.0, 0},
    // Values inside.
    {"Triangle(0.25)", TriangleFilter, 0.25f, 0.75, 0},
    {"Hermite(0.5)", HermiteFilter, 0.5f, 0.5, 0},
    {"Bell(1)", BellFilter, 1.0f, 0.125, 0},
    {"Lanczos3(0.5)", Lanczos3Filter, 0.5f, 0.6079271, 1e-6},
    // Negative lobes.
    {"Lanczos3(1.5)", Lanczos3Filter, 1.5f, -0.1350949, 1e-6},
    {"Mitchell(1.5)", MitchellFilter, 1.5f, -0.0347222, 1e-6},
};

TEST(FilterKernels, ValueTable) {
  for (const TKernelCase& c : kKernelCases) {
    const float got = c.Kernel(c.X);
    if (c.Tolerance == 0) {
      EXPECT_EQ(got, static_cast<float>(c.Expected)) << c.Name;
    } else {
      EXPECT_NEAR(got, c.Expected, c.Tolerance) << c.Name;
    }
  }
}

// pi * y is rounded to 32 bits before the sine, so sin does not vanish at the integers; the
// resampler keeps these tiny weights.
TEST(FilterKernels, Lanczos3IsNotExactlyZeroAtOneAndTwo) {
  for (const float x : {1.0f, -1.0f}) {
    const float v = Lanczos3Filter(x);
    EXPECT_LT(v, -2.2e-8f) << x;
    EXPECT_GT(v, -2.4e-8f) << x;
  }
  for (const float x : {2.0f, -2.0f}) {
    const float v = Lanczos3Filter(x);
    EXPECT_GT(v, 1.1e-8f) << x;
    EXPECT_LT(v, 1.3e-8f) << x;
  }
}

TEST(FilterKernels, SymmetricAndZeroOutsideTheirReach) {
  const float reach[] = {2.0f, 1.5f, 1.0f, 0.5f, 1.0f, 3.0f, 2.0f};
  for (std::size_t k = 0; k < kFilterKernels.size(); ++k) {
    const TFilterKernel& kernel = kFilterKernels[k];
    for (int i = 0; i <= 400; ++i) {
      const float x = static_cast<float>(i) / 100.0f;
      const float v = kernel.Function(x);
      EXPECT_TRUE(std::isfinite(v)) << kernel.Name << " " << x;
      if (kernel.Name != "BoxFilter") {
        EXPECT_EQ(v, kernel.Function(-x)) << kernel.Name << " " << x;
      }
      if (x >= reach[k] + (kernel.Name == "BoxFilter" ? 1e-6f : 0.0f)) {
        EXPECT_EQ(v, 0.0f) << kernel.Name << " " << x;
      }
      if (x < reach[k] && kernel.Name != "Lanczos3Filter" && kernel.Name != "MitchellFilter") {
        EXPECT_GE(v, 0.0f) << kernel.Name << " " << x;
      }
    }
  }
}

TEST(FilterKernels, IndexTableInFilterListOrder) {
  const char* names[] = {"SplineFilter",  "BellFilter",     "TriangleFilter", "BoxFilter",
                         "HermiteFilter", "Lanczos3Filter", "MitchellFilter"};
  ASSERT_EQ(kFilterKernels.size(), 7u);
  for (int i = 0; i < 7; ++i) {
    EXPECT_EQ(kFilterKernels[static_cast<std::size_t>(i)].Name, names[i]);
    EXPECT_EQ(FilterByIndex(i), kFilterKernels[static_cast<std::size_t>(i)].Function);
  }
  EXPECT_EQ(FilterByIndex(kLanczos3FilterIndex), &Lanczos3Filter);
  EXPECT_THROW(FilterByIndex(-1), TError);
  EXPECT_THROW(FilterByIndex(7), TError);
}

}  // namespace
}  // namespace ql
