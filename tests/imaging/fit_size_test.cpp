// The box fit: the worked sizes, halves rounded up, the fitting cases and the mend that keeps
// every side at 1 pixel or more.
#include "imaging/fit_size.h"

#include <gtest/gtest.h>

namespace ql {
namespace {

TEST(FitIntoBox, SizeTable) {
  struct TCase {
    int W, H, MaxW, MaxH;
    int OutW, OutH;
    bool Fits;
  };
  const TCase cases[] = {
      {3000, 2000, 800, 600, 800, 533, false},  // r = 1.5; 533.33 + 0.5 truncated
      {2000, 3000, 800, 600, 400, 600, false},  // first height 1200 > 600, then width 400
      {1000, 900, 800, 600, 667, 600, false},   // first 800 × 720, then the height limit
      {500, 1000, 800, 600, 300, 600, false},   // the height branch alone
      {400, 100, 10, 10, 10, 3, false},         // 2.5 rounds up
      {1500, 1000, 140, 140, 140, 93, false},
      {800, 1200, 140, 140, 93, 140, false},
      // r = 2560 / 1600 is a double a little above 1.6, so 140 / r is a little below 87.5.
      {2560, 1600, 140, 140, 140, 87, false},
      {800, 600, 800, 600, 800, 600, true},     // exactly the box
      {640, 512, 800, 600, 640, 512, true},
      {1, 1, 1, 1, 1, 1, true},
      // Mends: no side below 1.
      {1000, 1, 100, 100, 100, 1, false},       // trunc(0.1 + 0.5) = 0
      {1, 1000, 100, 100, 1, 100, false},
      {800, 600, 0, 600, 1, 1, false},          // a box side of 0
      {800, 600, 800, 0, 1, 1, false},
      {800, 600, 0, 0, 1, 1, false},
      {800, 600, -5, 600, 1, 1, false},         // the size fields take a sign
      {65500, 2, 100, 100, 100, 1, false},
  };
  for (const TCase& c : cases) {
    const TFitSize fit = FitIntoBox(c.W, c.H, c.MaxW, c.MaxH);
    EXPECT_EQ(fit.Width, c.OutW) << c.W << "x" << c.H << " in " << c.MaxW << "x" << c.MaxH;
    EXPECT_EQ(fit.Height, c.OutH) << c.W << "x" << c.H << " in " << c.MaxW << "x" << c.MaxH;
    EXPECT_EQ(fit.Fits, c.Fits) << c.W << "x" << c.H << " in " << c.MaxW << "x" << c.MaxH;
  }
}

}  // namespace
}  // namespace ql
