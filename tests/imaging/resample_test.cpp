// The reference resampler: the worked cases, scale-1 behaviour, clamping, empty sources, the
// rule for targets whose reach leaves the source, progress reports, and pinned checksums that
// any faster implementation must reproduce.
#include "imaging/resample.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "imaging/real_rounding.h"
#include "imaging/test_images.h"

namespace ql {
namespace {

using test::GreyAt;
using test::GreyRow;
using test::MakeBitmap;
using test::PixelBytes;
using test::TRgb;

std::vector<int> GreyRowOf(const TBitmap& b, int y = 0) {
  std::vector<int> values;
  for (int x = 0; x < b.Width(); ++x) values.push_back(GreyAt(b, x, y));
  return values;
}

TBitmap Uniform(int w, int h, std::uint8_t v) {
  return MakeBitmap(w, h, [v](int, int) { return TRgb{v, v, v}; });
}

// Pseudo-random but fixed pixels.
TBitmap Noise(int w, int h, std::uint32_t seed) {
  return MakeBitmap(w, h, [&](int, int) {
    seed = seed * 1664525u + 1013904223u;
    return TRgb{static_cast<std::uint8_t>(seed >> 24), static_cast<std::uint8_t>(seed >> 16),
                static_cast<std::uint8_t>(seed >> 8)};
  });
}

TEST(Resample, FiveToThreeWithBoxAndTriangle) {
  const TBitmap source = GreyRow({10, 20, 30, 40, 50});
  TBitmap out;
  Resample(source, out, 3, 1, BoxFilter, 3.0f);
  EXPECT_EQ(GreyRowOf(out), (std::vector<int>{15, 25, 45}));
  // The last column takes positions 3, 4 and 5 (reflected to 4) with 0.25, 0.5, 0.25; 47.5 is
  // truncated.
  Resample(source, out, 3, 1, TriangleFilter, 3.0f);
  EXPECT_EQ(GreyRowOf(out), (std::vector<int>{15, 30, 47}));
}

TEST(Resample, UniformNineToFiveTruncatesAfterEachPass) {
  struct TCase {
    TFilterFunction Kernel;
    int Expected;
  };
  // Lanczos3's weights sum to about 0.997, and each pass truncates: 100 -> 99 -> 98. The others'
  // weights at this scale are multiples of 1/16 that sum to exactly 1.
  const TCase cases[] = {{Lanczos3Filter, 98}, {BoxFilter, 100}, {TriangleFilter, 100}, {HermiteFilter, 100},
                         {BellFilter, 100}};
  const TBitmap source = Uniform(9, 9, 100);
  for (const TCase& c : cases) {
    TBitmap out;
    Resample(source, out, 5, 5, c.Kernel, 3.0f);
    ASSERT_EQ(out.Width(), 5);
    ASSERT_EQ(out.Height(), 5);
    for (int y = 0; y < 5; ++y) {
      for (int x = 0; x < 5; ++x) ASSERT_EQ(GreyAt(out, x, y), c.Expected) << x << "," << y;
    }
  }
}

TEST(Resample, ScaleOneReproducesWithBoxTriangleHermite) {
  const TBitmap source = Noise(7, 5, 1);
  for (const TFilterFunction k : {BoxFilter, TriangleFilter, HermiteFilter}) {
    TBitmap out;
    Resample(source, out, 7, 5, k, 3.0f);
    EXPECT_EQ(PixelBytes(out), PixelBytes(source));
  }
}

TEST(Resample, ScaleOneWeightsOfTheBlurringKernels) {
  struct TCase {
    const char* Name;
    TFilterFunction Kernel;
    std::vector<float> Weights;  // for the left neighbour, the pixel, the right neighbour
  };
  const TCase cases[] = {
      {"Bell", BellFilter, {0.125f, 0.75f, 0.125f}},
      {"Spline", SplineFilter, {SplineFilter(1), SplineFilter(0), SplineFilter(1)}},
      {"Mitchell", MitchellFilter, {MitchellFilter(1), MitchellFilter(0), MitchellFilter(1)}},
      {"Box", BoxFilter, {1.0f}},
      {"Triangle", TriangleFilter, {1.0f}},
      {"Hermite", HermiteFilter, {1.0f}},
  };
  for (const TCase& c : cases) {
    const std::vector<TWeightList> lists = BuildWeightLists(5, 5, c.Kernel, 3.0f, {});
    const std::vector<TWeightEntry>& e = lists[2].Entries;
    ASSERT_EQ(e.size(), c.Weights.size()) << c.Name;
    const int first = 2 - static_cast<int>(e.size()) / 2;
    for (std::size_t i = 0; i < e.size(); ++i) {
      EXPECT_EQ(e[i].Index, first + static_cast<int>(i)) << c.Name;
      EXPECT_EQ(e[i].Weight, c.Weights[i]) << c.Name;
    }
  }
  EXPECT_NEAR(SplineFilter(1), 1.0 / 6, 1e-7);
  EXPECT_NEAR(MitchellFilter(1), 1.0 / 18, 1e-7);
  // Lanczos3 keeps its tiny weights at distances 1 and 2: five entries.
  const std::vector<TWeightList> lanczos = BuildWeightLists(5, 5, Lanczos3Filter, 3.0f, {});
  EXPECT_EQ(lanczos[2].Entries.size(), 5u);
}

TEST(Resample, ScaleOneBellBlursAnImpulse) {
  // Uniform columns, so the vertical pass (weights 1/8, 3/4, 1/8, exact in 32 bits) keeps them.
  const TBitmap source = MakeBitmap(5, 3, [](int x, int) {
    const std::uint8_t v = x == 2 ? 200 : 0;
    return TRgb{v, v, v};
  });
  TBitmap out;
  Resample(source, out, 5, 3, BellFilter, 3.0f);
  for (int y = 0; y < 3; ++y) EXPECT_EQ(GreyRowOf(out, y), (std::vector<int>{0, 25, 150, 25, 0}));
}

TEST(Resample, NegativeLobesAreClampedNotWrapped) {
  // A hard edge enlarged with Lanczos3 rings below 0 and above 255 next to the edge.
  const TBitmap source = GreyRow({0, 0, 0, 0, 255, 255, 255, 255});
  TBitmap out;
  Resample(source, out, 29, 1, Lanczos3Filter, 3.0f);
  const std::vector<int> row = GreyRowOf(out);
  // Wrapped values would show as bright pixels in the dark half and dark ones in the bright half.
  for (int x = 0; x <= 12; ++x) EXPECT_LE(row[static_cast<std::size_t>(x)], 10) << x;
  for (int x = 16; x < 29; ++x) EXPECT_GE(row[static_cast<std::size_t>(x)], 240) << x;
  // Right beside the edge the lobes overshoot: the sums there are below 0 and above 255.
  for (int x = 8; x <= 12; ++x) EXPECT_EQ(row[static_cast<std::size_t>(x)], 0) << x;
  for (int x = 16; x <= 20; ++x) EXPECT_EQ(row[static_cast<std::size_t>(x)], 255) << x;
}

TEST(Resample, TrimRealClampsAndTruncates) {
  struct TCase {
    double X;
    int Expected;
  };
  const TCase cases[] = {{-0.1, 0}, {-300, 0}, {0, 0}, {0.99, 0}, {12.7, 12}, {254.99, 254}, {255, 255}, {300, 255}};
  for (const TCase& c : cases) EXPECT_EQ(TrimReal(0, 255, c.X), c.Expected) << c.X;
}

TEST(Resample, FloorAndCeilOfExtendedValues) {
  struct TCase {
    long double X;
    int Floor, Ceil;
  };
  const TCase cases[] = {{-6, -6, -6}, {-5.5L, -6, -5}, {-0.25L, -1, 0}, {0, 0, 0}, {0.25L, 0, 1}, {6, 6, 6}, {7.5L, 7, 8}};
  for (const TCase& c : cases) {
    EXPECT_EQ(xFloor(c.X), c.Floor) << static_cast<double>(c.X);
    EXPECT_EQ(xCeil(c.X), c.Ceil) << static_cast<double>(c.X);
  }
}

TEST(Resample, EmptySourceLeavesTheDestinationSizedAndBlack) {
  const TBitmap source;
  TBitmap out = Uniform(2, 2, 9);
  Resample(source, out, 3, 2, Lanczos3Filter, 3.0f);
  EXPECT_EQ(out.Width(), 3);
  EXPECT_EQ(out.Height(), 2);
  EXPECT_EQ(PixelBytes(out), std::vector<std::uint8_t>(18, 0));
}

TEST(Resample, OneRowSourceUsesScaleOneOnThatAxis) {
  EXPECT_EQ(AxisScale(1, 1), 1.0f);
  EXPECT_EQ(AxisScale(4, 1), 4.0f);
  EXPECT_EQ(AxisScale(3, 5), 0.5f);
  const TBitmap source = GreyRow({10, 20, 30, 40, 50});
  TBitmap out;
  Resample(source, out, 5, 1, BoxFilter, 3.0f);
  EXPECT_EQ(GreyRowOf(out), (std::vector<int>{10, 20, 30, 40, 50}));
}

// Targets where a single reflection would leave the source: a target side of 1 (scale 0 by the
// general formula), 0 or negative, and tiny sources whose sides are shorter than the kernel's
// reach. Every index stays inside the source and the destination gets max(side, 0). The weights
// are not normalised (a Triangle at a stretch of 1.5 sums to 1.11), so a uniform source comes
// out only roughly uniform; garbage from outside the source would not.
TEST(Resample, TargetsBeyondTheReflectionRuleStayInsideTheSource) {
  struct TSize {
    int W, H;
  };
  const TSize sources[] = {{1, 1}, {2, 1}, {1, 2}, {2, 2}, {3, 3}, {4, 1}, {9, 2}};
  const TSize targets[] = {{1, 1}, {1, 3}, {3, 1}, {2, 2}, {5, 5}, {0, 0}, {0, 4}, {-1, 3}, {-2, -2}, {12, 1}};
  for (const TFilterKernel& kernel : kFilterKernels) {
    for (const TSize s : sources) {
      for (const TSize t : targets) {
        const std::string where = std::string(kernel.Name) + " " + std::to_string(s.W) + "x" + std::to_string(s.H) +
                                  " -> " + std::to_string(t.W) + "x" + std::to_string(t.H);
        for (const auto& [target, length] : {std::pair{t.W, s.W}, std::pair{t.H, s.H}}) {
          const std::vector<TWeightList> lists = BuildWeightLists(target, length, kernel.Function, 3.0f, {});
          ASSERT_EQ(lists.size(), static_cast<std::size_t>(std::max(target, 0))) << where;
          for (const TWeightList& list : lists) {
            EXPECT_FALSE(list.Entries.empty()) << where;
            for (const TWeightEntry& e : list.Entries) {
              ASSERT_GE(e.Index, 0) << where;
              ASSERT_LT(e.Index, length) << where;
              ASSERT_NE(e.Weight, 0.0f) << where;
            }
          }
        }
        TBitmap out;
        Resample(Uniform(s.W, s.H, 100), out, t.W, t.H, kernel.Function, 3.0f);
        ASSERT_EQ(out.Width(), std::max(t.W, 0)) << where;
        ASSERT_EQ(out.Height(), std::max(t.H, 0)) << where;
        for (int y = 0; y < out.Height(); ++y) {
          for (int x = 0; x < out.Width(); ++x) {
            const int v = GreyAt(out, x, y);
            ASSERT_GE(v, 60) << where;
            ASSERT_LE(v, 140) << where;
          }
        }
      }
    }
  }
}

TEST(Resample, ATargetSideOfOneSitsOnTheMiddleOfTheSource) {
  TBitmap out;
  Resample(GreyRow({0, 0, 90, 0, 0}), out, 1, 1, BoxFilter, 3.0f);
  // Box at scale 1/5 averages the five positions around the middle: 90 / 5.
  EXPECT_EQ(GreyAt(out, 0, 0), 18);
}

TEST(Resample, SourceMayBeTheDestination) {
  TBitmap b = GreyRow({10, 20, 30, 40, 50});
  Resample(b, b, 3, 1, BoxFilter, 3.0f);
  EXPECT_EQ(GreyRowOf(b), (std::vector<int>{15, 25, 45}));
}

TEST(Resample, ProgressIsReportedAtTheStartOfEveryIteration) {
  std::vector<int> seen;
  const TProgressFunction progress = [&](int lo, int hi, int p) {
    EXPECT_EQ(lo, 0);
    EXPECT_EQ(hi, 100);
    seen.push_back(p);
  };
  TBitmap out;
  Resample(Uniform(4, 2, 50), out, 2, 4, TriangleFilter, 3.0f, progress);
  // Weights across (2), source rows (2), weights down (4), target columns (2).
  EXPECT_EQ(seen, (std::vector<int>{0, 50, 0, 50, 0, 25, 50, 75, 0, 50}));
}

TEST(Resample, ProgressPercentRoundsHalvesToEven) {
  EXPECT_EQ(ProgressPercent(1, 8), 12);   // 12.5
  EXPECT_EQ(ProgressPercent(3, 8), 38);   // 37.5
  EXPECT_EQ(ProgressPercent(1, 40), 2);   // 2.5
  EXPECT_EQ(ProgressPercent(1, 3), 33);
  EXPECT_EQ(ProgressPercent(2, 3), 67);
  EXPECT_EQ(ProgressPercent(0, 1), 0);
}

// The reference's exact bytes for a reduction and an enlargement with every kernel. A faster
// implementation must give the same; a change here is a change of the resampler's definition.
TEST(Resample, PinnedChecksumsOfTheReference) {
  const TBitmap source = Noise(37, 23, 7);
  std::vector<std::uint64_t> got;
  for (const TFilterKernel& kernel : kFilterKernels) {
    TBitmap small, large;
    Resample(source, small, 11, 7, kernel.Function, 3.0f);
    Resample(source, large, 50, 31, kernel.Function, 3.0f);
    got.push_back(test::Fnv1a64(PixelBytes(small)));
    got.push_back(test::Fnv1a64(PixelBytes(large)));
  }
  const std::vector<std::uint64_t> expected = {
      0x1da3c9a26a0e86faULL, 0x5584b0e52325b368ULL,  // Spline
      0xc258c002a7665895ULL, 0xe0a07a381c09d8beULL,  // Bell
      0xeffda4c3e293124bULL, 0xc28c766c9286d02bULL,  // Triangle
      0xeae33d2789c46b66ULL, 0x0840d0b01a63e1e2ULL,  // Box
      0xf2db7bae251bd643ULL, 0xb9fb42ca6ba349d2ULL,  // Hermite
      0x8cb9768f2ec45097ULL, 0x99b5049704217271ULL,  // Lanczos3
      0xb2e331b8a89462a9ULL, 0x0b009d7bb6790fa0ULL,  // Mitchell
  };
  for (std::size_t i = 0; i < got.size(); ++i) {
    EXPECT_EQ(got[i], expected[i]) << kFilterKernels[i / 2].Name << (i % 2 ? " enlarged" : " reduced") << " 0x"
                                   << std::hex << got[i];
  }
}

}  // namespace
}  // namespace ql
