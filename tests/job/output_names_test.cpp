#include "job/output_names.h"

#include <gtest/gtest.h>

namespace ql {
namespace {

TEST(OutputNames, GivesEveryImageAndBackgroundOutputNamesOfItsOwn) {
  TOutputNames names;
  // In listing order: t_x.jpg, x.bmp, x.jpg, x_2.jpg.
  EXPECT_EQ(names.ClaimImage("t_x"), "t_x");  // writes t_x.jpg and t_t_x.jpg
  EXPECT_EQ(names.ClaimImage("x"), "x_2");    // t_x.jpg is taken
  EXPECT_EQ(names.ClaimImage("x"), "x_3");
  EXPECT_EQ(names.ClaimImage("x_2"), "x_2_2");
  EXPECT_EQ(names.ClaimImage("sky"), "sky");
  // A background copy writes only its own name.
  EXPECT_EQ(names.ClaimBackground("sky"), "sky_2");
  EXPECT_EQ(names.ClaimBackground("sky"), "sky_3");
  EXPECT_EQ(names.ClaimBackground("t_t_x"), "t_t_x_2");  // the thumbnail of t_x.jpg
  EXPECT_EQ(names.ClaimBackground("bg"), "bg");
}

}  // namespace
}  // namespace ql
