// The BMP loader against the BMP test suite (references decoded independently by ImageMagick,
// see tests/data/imaging/README.md) and against small built files for RLE escapes, clipping,
// channel scaling, palette overruns, bad headers and the size limit.
#include "imaging/bmp_loader.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstdlib>
#include <functional>
#include <string>

#include "imaging/bitmap.h"
#include "imaging/bmp_builder.h"
#include "imaging/test_images.h"
#include "platform/errors.h"
#include "support/temp_dir.h"

namespace ql {
namespace {

using test::BuildBmp;
using test::PixelAt;
using test::ReadBytes;
using test::TBmpSpec;
using test::TRgb;

std::string SuiteFile(const std::string& name) { return test::DataFile("imaging/bmpsuite/" + name); }
TBitmap Reference(const std::string& name) { return test::ReadPpm(test::DataFile("imaging/bmp-reference/" + name + ".ppm")); }

TBitmap Load(const std::vector<std::uint8_t>& bytes) {
  TBitmap b;
  LoadBmp(bytes, b);
  return b;
}

// Empty when equal (each channel within `tolerance`), else where they first differ and how many
// pixels differ.
std::string Difference(const TBitmap& got, const TBitmap& want, int tolerance = 0) {
  if (got.Width() != want.Width() || got.Height() != want.Height()) {
    return "size " + std::to_string(got.Width()) + "x" + std::to_string(got.Height()) + " instead of " +
           std::to_string(want.Width()) + "x" + std::to_string(want.Height());
  }
  int count = 0;
  std::string first;
  for (int y = 0; y < got.Height(); ++y) {
    for (int x = 0; x < got.Width(); ++x) {
      const TRgb a = PixelAt(got, x, y), b = PixelAt(want, x, y);
      if (std::abs(a.R - b.R) <= tolerance && std::abs(a.G - b.G) <= tolerance && std::abs(a.B - b.B) <= tolerance) {
        continue;
      }
      if (count++ == 0) {
        first = "(" + std::to_string(x) + "," + std::to_string(y) + ") is " + std::to_string(a.R) + "," +
                std::to_string(a.G) + "," + std::to_string(a.B) + " not " + std::to_string(b.R) + "," +
                std::to_string(b.G) + "," + std::to_string(b.B);
      }
    }
  }
  return count == 0 ? "" : std::to_string(count) + " pixels differ, first " + first;
}

TEST(BmpLoader, GoodSuiteFilesMatchTheirReferences) {
  struct TCase {
    const char* File;
    const char* Reference;
    int Tolerance = 0;
  };
  // ImageMagick widens 5- and 6-bit channels by repeating their top bits ((v << 3) | (v >> 2));
  // this loader scales v × 255 / max to the nearest, which differs by at most 1 (3 of 31 is 24
  //   // there, 25 here). The exact values are pinned in ChannelsOfFewerThanEightBitsAreScaled...
  const TCase cases[] = {
      {"pal1.bmp", "pal1"},          {"pal1wb.bmp", "pal1"},          {"pal1bg.bmp", "pal1bg"},
      {"pal4.bmp", "pal4"},          {"pal4rle.bmp", "pal4"},         {"pal4gs.bmp", "pal4gs"},
      {"pal8.bmp", "pal8"},          {"pal8-0.bmp", "pal8"},          {"pal8os2.bmp", "pal8"},
      {"pal8rle.bmp", "pal8"},       {"pal8topdown.bmp", "pal8"},     {"pal8v4.bmp", "pal8"},
      {"pal8v5.bmp", "pal8"},        {"pal8gs.bmp", "pal8gs"},        {"pal8nonsquare.bmp", "pal8nonsquare"},
      {"pal8w124.bmp", "pal8w124"},  {"pal8w125.bmp", "pal8w125"},    {"pal8w126.bmp", "pal8w126"},
      {"rgb16.bmp", "rgb16", 1},     {"rgb16bfdef.bmp", "rgb16", 1},  {"rgb16-565.bmp", "rgb16-565", 1},
      {"rgb16-565pal.bmp", "rgb16-565", 1}, {"rgb24.bmp", "rgb24"},   {"rgb24pal.bmp", "rgb24"},
      {"rgb32.bmp", "rgb24"},        {"rgb32bf.bmp", "rgb24"},        {"rgb32bfdef.bmp", "rgb24"},
  };
  for (const TCase& c : cases) {
    TBitmap b;
    ASSERT_NO_THROW(b.LoadFromFile(SuiteFile(std::string("g/") + c.File))) << c.File;
    EXPECT_EQ(Difference(b, Reference(c.Reference), c.Tolerance), "") << c.File;
  }
}

TEST(BmpLoader, BadSuiteFilesAreRefusedOrDecodedSafely) {
  enum TOutcome { Invalid, TooLarge, Loads, LoadsAsPal1 };
  struct TCase {
    const char* File;
    TOutcome Outcome;
  };
  const TCase cases[] = {
      {"badbitcount.bmp", Invalid},     {"badheadersize.bmp", Invalid}, {"badpalettesize.bmp", Invalid},
      {"badplanes.bmp", Invalid},       {"badwidth.bmp", Invalid},      {"rgb16-880.bmp", Invalid},
      {"rletopdown.bmp", Invalid},      {"reallybig.bmp", TooLarge},
      // Fields this loader does not rely on (image size, resolution, file size) are wrong.
      {"badbitssize.bmp", LoadsAsPal1}, {"baddens1.bmp", LoadsAsPal1}, {"baddens2.bmp", LoadsAsPal1},
      {"badfilesize.bmp", LoadsAsPal1},
      // Damaged pixel data: clipped, black where nothing is known.
      {"badrle.bmp", Loads},            {"badrlebis.bmp", Loads},       {"badrleter.bmp", Loads},
      {"badrle4.bmp", Loads},           {"badrle4bis.bmp", Loads},      {"badrle4ter.bmp", Loads},
      {"pal8badindex.bmp", Loads},      {"shortfile.bmp", Loads},
  };
  for (const TCase& c : cases) {
    TBitmap b;
    const std::string path = SuiteFile(std::string("b/") + c.File);
    switch (c.Outcome) {
      case Invalid:
        try {
          b.LoadFromFile(path);
          ADD_FAILURE() << c.File << " loaded";
        } catch (const TError& e) {
          EXPECT_STREQ(e.what(), kBitmapInvalid) << c.File;
        }
        break;
      case TooLarge:
        try {
          b.LoadFromFile(path);
          ADD_FAILURE() << c.File << " loaded";
        } catch (const TError& e) {
          EXPECT_NE(std::string(e.what()).find("3000000 × 2000000"), std::string::npos) << e.what();
        }
        break;
      case Loads:
        ASSERT_NO_THROW(b.LoadFromFile(path)) << c.File;
        EXPECT_EQ(b.Width(), 127) << c.File;
        EXPECT_EQ(b.Height(), 64) << c.File;
        break;
      case LoadsAsPal1:
        ASSERT_NO_THROW(b.LoadFromFile(path)) << c.File;
        EXPECT_EQ(Difference(b, Reference("pal1")), "") << c.File;
        break;
    }
  }
}

TEST(BmpLoader, FileCutShortKeepsTheRowsItHoldsAndLeavesTheRestBlack) {
  // shortfile.bmp is pal1.bmp (1 bit, 127 × 64, rows of 16 bytes from offset 62, bottom-up)
  // cut after 273 bytes: 13 whole rows and 3 bytes (24 pixels) of the 14th.
  TBitmap b;
  b.LoadFromFile(SuiteFile("b/shortfile.bmp"));
  const TBitmap full = Reference("pal1");
  for (int y = 0; y < 64; ++y) {
    const int fileRow = 63 - y;
    for (int x = 0; x < 127; ++x) {
      const bool present = fileRow < 13 || (fileRow == 13 && x < 24);
      const TRgb want = present ? PixelAt(full, x, y) : TRgb{};
      ASSERT_EQ(PixelAt(b, x, y), want) << x << "," << y;
    }
  }
}

const TRgb kRed{255, 0, 0}, kGreen{0, 255, 0}, kDark{10, 20, 30}, kBlack{};

TEST(BmpLoader, Rle8RunsLiteralsDeltasLineEndsAndClipping) {
  TBmpSpec s;
  s.Width = 4;
  s.Height = 3;
  s.BitCount = 8;
  s.Compression = 1;
  s.Palette = {kDark, kRed, kGreen};
  s.Pixels = {
      3, 1, 3, 2, 0, 0,        // row 0: three red, a run of green clipped at the edge, end of line
      0, 2, 1, 0,              // row 1: move right by 1
      0, 3, 2, 1, 2, 0,        //        three literal pixels, padded to 16 bits
      0, 0,                    //        end of line
      0, 2, 0, 5,              // row 2: move up past the top: nothing more is drawn
      3, 1, 0, 1,
  };
  const TBitmap b = Load(BuildBmp(s));
  const TRgb want[3][4] = {{kBlack, kBlack, kBlack, kBlack},  // top row: file row 2
                           {kBlack, kGreen, kRed, kGreen},
                           {kRed, kRed, kRed, kGreen}};
  for (int y = 0; y < 3; ++y) {
    for (int x = 0; x < 4; ++x) EXPECT_EQ(PixelAt(b, x, y), want[y][x]) << x << "," << y;
  }
}

TEST(BmpLoader, Rle4RunsAlternateNibblesAndLiteralsArePadded) {
  TBmpSpec s;
  s.Width = 4;
  s.Height = 2;
  s.BitCount = 4;
  s.Compression = 2;
  s.Palette = {kDark, kRed, kGreen};
  s.Pixels = {
      5, 0x12, 0, 0,           // row 0: red, green, red, green (the fifth is clipped)
      0, 3, 0x21, 0x20,        // row 1: literal green, red, green (2 bytes, already even)
      0, 1,                    // end of bitmap
  };
  const TBitmap b = Load(BuildBmp(s));
  const TRgb want[2][4] = {{kGreen, kRed, kGreen, kBlack}, {kRed, kGreen, kRed, kGreen}};
  for (int y = 0; y < 2; ++y) {
    for (int x = 0; x < 4; ++x) EXPECT_EQ(PixelAt(b, x, y), want[y][x]) << x << "," << y;
  }
}

TEST(BmpLoader, ChannelsOfFewerThanEightBitsAreScaledToTheNearest) {
  // 5-6-5: v × 255 / max rounded: red 1 -> 8 (8.23), 16 -> 132 (131.6), 31 -> 255;
  // green 1 -> 4 (4.05), 32 -> 130 (129.5); blue 15 -> 123 (123.4).
  auto px = [](unsigned r, unsigned g, unsigned b) { return static_cast<std::uint16_t>(r << 11 | g << 5 | b); };
  const std::uint16_t values[] = {px(1, 1, 15), px(16, 32, 0), px(31, 63, 31), 0};
  TBmpSpec s;
  s.Width = 3;
  s.BitCount = 16;
  s.Compression = 3;
  s.Masks = {0xF800, 0x07E0, 0x001F};
  for (const std::uint16_t v : values) {
    s.Pixels.push_back(static_cast<std::uint8_t>(v));
    s.Pixels.push_back(static_cast<std::uint8_t>(v >> 8));
  }
  const TBitmap b = Load(BuildBmp(s));
  EXPECT_EQ(PixelAt(b, 0, 0), (TRgb{8, 4, 123}));
  EXPECT_EQ(PixelAt(b, 1, 0), (TRgb{132, 130, 0}));
  EXPECT_EQ(PixelAt(b, 2, 0), (TRgb{255, 255, 255}));

  // 32 bits with 10-bit fields (2-10-10-10): 1023 -> 255, 512 -> 128 (127.6), 2 -> 0 (0.5 -> 0.4985).
  TBmpSpec t;
  t.Width = 1;
  t.BitCount = 32;
  t.Compression = 3;
  t.HeaderSize = 124;
  t.Masks = {0x3FF00000, 0x000FFC00, 0x000003FF};
  const std::uint32_t v = 1023u << 20 | 512u << 10 | 2u;
  t.Pixels = {static_cast<std::uint8_t>(v), static_cast<std::uint8_t>(v >> 8), static_cast<std::uint8_t>(v >> 16),
              static_cast<std::uint8_t>(v >> 24)};
  EXPECT_EQ(PixelAt(Load(BuildBmp(t)), 0, 0), (TRgb{255, 128, 0}));
}

TEST(BmpLoader, PaletteIndexBeyondThePaletteIsBlack) {
  TBmpSpec s;
  s.Width = 4;
  s.BitCount = 8;
  s.Palette = {kRed, kGreen};
  s.Pixels = {0, 1, 2, 255};
  const TBitmap b = Load(BuildBmp(s));
  EXPECT_EQ(PixelAt(b, 0, 0), kRed);
  EXPECT_EQ(PixelAt(b, 1, 0), kGreen);
  EXPECT_EQ(PixelAt(b, 2, 0), kBlack);
  EXPECT_EQ(PixelAt(b, 3, 0), kBlack);
}

TEST(BmpLoader, RowOrderBottomUpAndTopDown) {
  TBmpSpec s;
  s.Width = 1;
  s.Height = 2;
  s.Pixels = {0, 0, 255, 0, 0, 255, 0, 0};  // first stored row red, second green (B, G, R + pad)
  EXPECT_EQ(PixelAt(Load(BuildBmp(s)), 0, 1), kRed);
  s.Height = -2;
  EXPECT_EQ(PixelAt(Load(BuildBmp(s)), 0, 0), kRed);
}

TEST(BmpLoader, HeadersThatMakeNoSenseAreRefused) {
  auto base = [] {
    TBmpSpec s;
    s.Width = 2;
    s.Height = 2;
    s.BitCount = 8;
    s.Palette = {kRed, kGreen};
    s.Pixels = std::vector<std::uint8_t>(8, 1);
    return s;
  };
  struct TCase {
    const char* Name;
    std::function<void(TBmpSpec&)> Change;
  };
  const TCase cases[] = {
      {"header size 64 (OS/2 2.x)", [](TBmpSpec& s) { s.HeaderSize = 64; }},
      {"header size 16", [](TBmpSpec& s) { s.HeaderSize = 16; }},
      {"planes 0", [](TBmpSpec& s) { s.Planes = 0; }},
      {"planes 2", [](TBmpSpec& s) { s.Planes = 2; }},
      {"2 bits", [](TBmpSpec& s) { s.BitCount = 2; }},
      {"0 bits", [](TBmpSpec& s) { s.BitCount = 0; }},
      {"64 bits", [](TBmpSpec& s) { s.BitCount = 64; }},
      {"JPEG compression", [](TBmpSpec& s) { s.Compression = 4; }},
      {"PNG compression", [](TBmpSpec& s) { s.Compression = 5; }},
      {"RLE8 at 4 bits", [](TBmpSpec& s) { s.Compression = 1, s.BitCount = 4; }},
      {"RLE4 at 8 bits", [](TBmpSpec& s) { s.Compression = 2; }},
      {"bit fields at 24 bits", [](TBmpSpec& s) { s.Compression = 3, s.BitCount = 24, s.Masks = {0xFF, 0xFF00, 0xFF0000}; }},
      {"a mask of 0", [](TBmpSpec& s) { s.Compression = 3, s.BitCount = 16, s.Masks = {0xF800, 0, 0x1F}; }},
      {"a mask wider than 16 bits", [](TBmpSpec& s) { s.Compression = 3, s.BitCount = 16, s.Masks = {0x1F0000, 0x7E0, 0x1F}; }},
      {"more colours than 8 bits hold", [](TBmpSpec& s) { s.ColorsUsed = 257; }},
      {"width 0", [](TBmpSpec& s) { s.Width = 0; }},
      {"negative width", [](TBmpSpec& s) { s.Width = -2; }},
      {"height 0", [](TBmpSpec& s) { s.Height = 0; }},
      {"top-down RLE", [](TBmpSpec& s) { s.Compression = 1, s.Height = -2; }},
      {"pixels inside the headers", [](TBmpSpec& s) { s.PixelOffset = 20; }},
  };
  for (const TCase& c : cases) {
    TBmpSpec s = base();
    c.Change(s);
    try {
      Load(BuildBmp(s));
      ADD_FAILURE() << c.Name << " loaded";
    } catch (const TError& e) {
      EXPECT_STREQ(e.what(), kBitmapInvalid) << c.Name;
    }
  }
  // Not a bitmap at all, or cut inside the headers.
  for (const std::string& bytes : {std::string(), std::string("BM"), std::string("BA\x36\0\0\0", 6),
                                   std::string("\xFF\xD8\xFF\xE0", 4)}) {
    EXPECT_THROW(Load(test::ToBytes(bytes)), TError);
  }
  const std::vector<std::uint8_t> good = BuildBmp(base());
  EXPECT_THROW(Load(std::vector<std::uint8_t>(good.begin(), good.begin() + 40)), TError);
}

TEST(BmpLoader, ClaimedSizesBeyondTheLimitAreRefusedBeforeAllocating) {
  struct TCase {
    std::int32_t W, H;
    const char* Text;
  };
  const TCase cases[] = {{70000, 10, "70000 × 10"}, {20000, 20000, "20000 × 20000"}, {10, -65501, "10 × 65501"},
                           {2, INT_MIN, "2 × 2147483648"}};
  for (const TCase& c : cases) {
    TBmpSpec s;
    s.Width = c.W;
    s.Height = c.H;
    try {
      Load(BuildBmp(s));
      ADD_FAILURE() << c.Text << " loaded";
    } catch (const TError& e) {
      EXPECT_NE(std::string(e.what()).find(c.Text), std::string::npos) << e.what();
    }
  }
}

TEST(BmpLoader, EveryPrefixOfAFileLoadsOrIsRefusedCleanly) {
  for (const char* name : {"g/pal4rle.bmp", "g/pal8os2.bmp", "g/rgb16-565.bmp", "g/rgb32bf.bmp", "g/pal8v5.bmp"}) {
    const std::vector<std::uint8_t> bytes = ReadBytes(SuiteFile(name));
    int loaded = 0;
    // Every cut inside the headers and the palette, then every 37th.
    for (std::size_t n = 0; n <= bytes.size(); n += n < 1200 ? 1 : 37) {
      try {
        const TBitmap b = Load(std::vector<std::uint8_t>(bytes.begin(), bytes.begin() + static_cast<long>(n)));
        ASSERT_EQ(b.Width(), 127) << name << " " << n;
        ++loaded;
      } catch (const TError& e) {
        ASSERT_STREQ(e.what(), kBitmapInvalid) << name << " " << n;
      }
    }
    EXPECT_GT(loaded, 0) << name;
  }
}

TEST(BmpLoader, UnreadableFileNamesTheFile) {
  test::TTempDir dir;
  TBitmap b;
  try {
    b.LoadFromFile(dir / "missing.bmp");
    ADD_FAILURE() << "loaded";
  } catch (const TFileError& e) {
    EXPECT_EQ(e.File(), dir / "missing.bmp");
  }
}

}  // namespace
}  // namespace ql
