#include "job/web_file_name.h"

#include <gtest/gtest.h>

namespace ql {
namespace {

TEST(WebFileName, LowerCasesDropsTheExtensionAndReplacesUnsafeCharacters) {
  const struct {
    const char* name;
    const char* expected;
  } cases[] = {
      {"Urlaub Ägypten 01.JPG", "urlaub_aegypten_01"},
      {"Straße (2).jpeg", "strasse__2_"},
      {"a.b.c.bmp", "a_b_c"},
      {"IMG-0042.jpg", "img_0042"},
      {"über.bmp", "ueber"},
      {"Über.bmp", "ueber"},
      {"Sky Blue.bmp", "sky_blue"},
      {"ÖL.jpg", "oel"},
      {"café.jpg", "caf_"},        // other accented letters become "_"
      {"Blüten im Garten.jpg", "blueten_im_garten"},
      {"noext", "noext"},
      {".jpg", ""},
      {"Grüße \xFC\xC4.jpg", "gruesse_ueae"},  // stray Windows-1252 bytes read as their letters
      {"x\xC0\xA0\x80.jpg", "x___"},            // three stray bytes stay three characters
      {"日本.jpg", "__"},
      {"photo.ÄBC", "photo"},  // an extension is removed by its characters
  };
  for (const auto& c : cases) EXPECT_EQ(WebFileName(c.name, true), c.expected) << c.name;
}

TEST(WebFileName, WithoutReplacementOnlyLowerCasesAndDropsTheExtension) {
  EXPECT_EQ(WebFileName("Urlaub Ägypten.JPG", false), "urlaub ägypten");
  EXPECT_EQ(WebFileName("x.Y.Z", false), "x.y");
}

}  // namespace
}  // namespace ql
