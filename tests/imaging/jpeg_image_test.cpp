// The JPEG image class on libjpeg: round trip, libjpeg's quality scaling, baseline output,
// real camera files, grayscale, CMYK and YCCK sources, damaged and truncated files, and the
// limits on size, scans and memory.
#include "imaging/jpeg_image.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <regex>
#include <string>

#include <jpeglib.h>
#include <jerror.h>

#include "imaging/jpeg_codec.h"
#include "imaging/test_images.h"
#include "platform/errors.h"
#include "support/temp_dir.h"

namespace ql {
namespace {

using test::MakeBitmap;
using test::PixelAt;
using test::TRgb;

TBitmap Smooth(int w, int h) {
  return MakeBitmap(w, h, [&](int x, int y) {
    return TRgb{static_cast<std::uint8_t>(x * 255 / (w - 1)), static_cast<std::uint8_t>(y * 255 / (h - 1)),
                static_cast<std::uint8_t>(40 + 160 * (x + y) / (w + h - 2))};
  });
}

TBitmap Textured(int w, int h) {
  return MakeBitmap(w, h, [](int x, int y) {
    return TRgb{static_cast<std::uint8_t>((x * 37 + y * 11) % 256), static_cast<std::uint8_t>((x * y) % 256),
                static_cast<std::uint8_t>(128 + 100 * std::sin(x * 0.3) * std::cos(y * 0.2))};
  });
}

std::vector<std::uint8_t> Encode(const TBitmap& b, int quality) {
  TJPEGImage jpeg;
  jpeg.Assign(b);
  jpeg.SetCompressionQuality(quality);
  return jpeg.EncodeToMemory();
}

TBitmap Decode(const std::vector<std::uint8_t>& bytes) {
  TJPEGImage jpeg;
  jpeg.LoadFromMemory(bytes);
  TBitmap b;
  b.Assign(jpeg);
  return b;
}

// The text of the error decoding `bytes` raises, or "" when it decodes.
std::string DecodeError(const std::vector<std::uint8_t>& bytes) {
  try {
    Decode(bytes);
    return "";
  } catch (const TError& e) {
    return e.what();
  }
}

std::string LibjpegError(int code) { return "JPEG error #" + std::to_string(code); }

// Offset of the first marker FF `code`, or npos.
std::size_t FindMarker(const std::vector<std::uint8_t>& bytes, std::uint8_t code) {
  for (std::size_t i = 0; i + 1 < bytes.size(); ++i) {
    if (bytes[i] == 0xFF && bytes[i + 1] == code) return i;
  }
  return std::string::npos;
}

// Sets the frame size in the SOF0 or SOF2 marker.
std::vector<std::uint8_t> WithFrameSize(std::vector<std::uint8_t> bytes, int width, int height) {
  std::size_t sof = FindMarker(bytes, 0xC0);
  if (sof == std::string::npos) sof = FindMarker(bytes, 0xC2);
  // FF C0, u16 length, u8 precision, u16 height, u16 width (big-endian).
  bytes[sof + 5] = static_cast<std::uint8_t>(height >> 8);
  bytes[sof + 6] = static_cast<std::uint8_t>(height);
  bytes[sof + 7] = static_cast<std::uint8_t>(width >> 8);
  bytes[sof + 8] = static_cast<std::uint8_t>(width);
  return bytes;
}

TEST(JpegImage, RoundTripAtQuality85StaysClose) {
  const TBitmap source = Smooth(64, 48);
  const TBitmap back = Decode(Encode(source, 85));
  ASSERT_EQ(back.Width(), 64);
  ASSERT_EQ(back.Height(), 48);
  long total = 0;
  int worst = 0;
  for (int y = 0; y < 48; ++y) {
    for (int x = 0; x < 64; ++x) {
      const TRgb a = PixelAt(source, x, y), b = PixelAt(back, x, y);
      for (const int d : {a.R - b.R, a.G - b.G, a.B - b.B}) {
        total += std::abs(d);
        worst = std::max(worst, std::abs(d));
      }
    }
  }
  EXPECT_LT(static_cast<double>(total) / (64 * 48 * 3), 1.5);
  EXPECT_LE(worst, 12);
}

TEST(JpegImage, EncodesBaselineYCbCrWithJfifHeader) {
  const std::vector<std::uint8_t> bytes = Encode(Smooth(20, 10), 85);
  ASSERT_GE(bytes.size(), 4u);
  EXPECT_EQ(bytes[0], 0xFF);
  EXPECT_EQ(bytes[1], 0xD8);
  EXPECT_EQ(bytes[bytes.size() - 2], 0xFF);
  EXPECT_EQ(bytes[bytes.size() - 1], 0xD9);
  EXPECT_EQ(FindMarker(bytes, 0xE0), 2u);  // JFIF APP0 straight after SOI
  const std::size_t sof = FindMarker(bytes, 0xC0);
  ASSERT_NE(sof, std::string::npos);
  EXPECT_EQ(FindMarker(bytes, 0xC2), std::string::npos);
  EXPECT_EQ(bytes[sof + 4], 8);  // precision
  EXPECT_EQ(bytes[sof + 9], 3);  // components
  TJPEGImage jpeg;
  jpeg.LoadFromMemory(bytes);
  EXPECT_EQ(jpeg.Width(), 20);
  EXPECT_EQ(jpeg.Height(), 10);
}

TEST(JpegImage, QualityScalesTheStandardTablesAsLibjpegDoes) {
  // The first luminance quantiser is 16 in the standard table; jpeg_set_quality scales it by
  // 5000 / q below 50 and 200 - 2q from 50 on, in percent, rounded.
  struct TCase {
    int Quality, FirstQuantiser;
  };
  const TCase cases[] = {{1, 255}, {10, 80}, {50, 16}, {85, 5}, {100, 1}, {0, 255}, {150, 1}};
  const TBitmap source = Textured(32, 32);
  for (const TCase& c : cases) {
    const std::vector<std::uint8_t> bytes = Encode(source, c.Quality);
    const std::size_t dqt = FindMarker(bytes, 0xDB);
    ASSERT_NE(dqt, std::string::npos);
    // FF DB, u16 length, u8 precision/table id (0 = 8-bit table 0), 64 values in zigzag order.
    EXPECT_EQ(bytes[dqt + 4], 0) << c.Quality;
    EXPECT_EQ(bytes[dqt + 5], c.FirstQuantiser) << c.Quality;
  }
}

TEST(JpegImage, HigherQualityGivesLargerFiles) {
  const TBitmap source = Textured(96, 64);
  std::size_t previous = 0;
  for (const int q : {5, 25, 50, 75, 85, 95, 100}) {
    const std::size_t size = Encode(source, q).size();
    EXPECT_GT(size, previous) << q;
    previous = size;
  }
}

TEST(JpegImage, AQualitySetAfterEncodingAppliesToTheNextEncoding) {
  TJPEGImage jpeg;
  jpeg.Assign(Textured(64, 64));
  jpeg.SetCompressionQuality(95);
  const std::size_t high = jpeg.EncodeToMemory().size();
  jpeg.SetCompressionQuality(20);
  EXPECT_LT(jpeg.EncodeToMemory().size(), high);
}

TEST(JpegImage, CameraFilesDecodeToTheIndependentReference) {
  struct TCase {
    const char* File;
    int W, H;
    std::uint64_t Checksum;
  };
  const TCase cases[] = {
      {"Canon EOS D60.jpg", 1772, 1181, 0x94b6c70c6b6be42bULL},
      {"Canon IXUS v3.jpg", 614, 460, 0x5e8d88f1ef57f3f9ULL},
      {"Canon PowerShot S330.jpg", 800, 600, 0xa3e14748a4e32676ULL},
      {"Casio EX-S1.jpg", 640, 480, 0x77b7d08ca482bbc9ULL},
      {"FujiFilm DX-5.jpg", 350, 263, 0xb375e28ee857b09eULL},
      {"Issue 609.jpg", 250, 250, 0x9535295a4b667a5fULL},
  };
  for (const TCase& c : cases) {
    TJPEGImage jpeg;
    jpeg.LoadFromFile(test::DataFile(std::string("imaging/jpeg-real/") + c.File));
    EXPECT_EQ(jpeg.Width(), c.W) << c.File;
    EXPECT_EQ(jpeg.Height(), c.H) << c.File;
    TBitmap b;
    ASSERT_NO_THROW(b.Assign(jpeg)) << c.File;
    ASSERT_EQ(b.Width(), c.W) << c.File;
    ASSERT_EQ(b.Height(), c.H) << c.File;
    EXPECT_EQ(test::Fnv1a64(test::PixelBytes(b)), c.Checksum) << c.File;
  }
}

TEST(JpegImage, GrayscaleDecodesToGreyRgb) {
  test::TTestJpeg spec;
  spec.Width = spec.Height = 16;
  spec.Components = 1;
  spec.InColorSpace = spec.ColorSpace = JCS_GRAYSCALE;
  for (int y = 0; y < 16; ++y) {
    for (int x = 0; x < 16; ++x) spec.Samples.push_back(x < 8 ? 40 : 200);
  }
  const TBitmap b = Decode(test::EncodeTestJpeg(spec));
  for (const auto& [x, want] : {std::pair{3, 40}, std::pair{12, 200}}) {
    const TRgb c = PixelAt(b, x, 8);
    EXPECT_EQ(c.R, c.G);
    EXPECT_EQ(c.G, c.B);
    EXPECT_NEAR(c.R, want, 2);
  }
}

TEST(JpegImage, CmykAndYcckDecodeToRgb) {
  // Four 16 × 16 patches; RGB from CMYK is (255 - C)(255 - K) / 255. Adobe files store every
  // value inverted (255 - C); files without the Adobe marker store them as they are.
  const TRgb patches[4] = {{255, 0, 0}, {0, 255, 0}, {255, 128, 0}, {64, 64, 64}};
  auto cmykOf = [](TRgb c) {
    const int k = 255 - std::max({c.R, c.G, c.B});
    auto part = [k](int v) { return k == 255 ? 0 : (255 - v - k) * 255 / (255 - k); };
    return std::array<int, 4>{part(c.R), part(c.G), part(c.B), k};
  };
  struct TCase {
    const char* Name;
    int ColorSpace;
    bool Adobe;
  };
  const TCase cases[] = {{"CMYK, Adobe", JCS_CMYK, true}, {"YCCK, Adobe", JCS_YCCK, true}, {"CMYK, plain", JCS_CMYK, false}};
  for (const TCase& c : cases) {
    test::TTestJpeg spec;
    spec.Width = spec.Height = 32;
    spec.Components = 4;
    spec.InColorSpace = JCS_CMYK;
    spec.ColorSpace = c.ColorSpace;
    spec.Adobe = c.Adobe;
    for (int y = 0; y < 32; ++y) {
      for (int x = 0; x < 32; ++x) {
        for (const int v : cmykOf(patches[(y / 16) * 2 + x / 16])) {
          spec.Samples.push_back(static_cast<std::uint8_t>(c.Adobe ? 255 - v : v));
        }
      }
    }
    const TBitmap b = Decode(test::EncodeTestJpeg(spec));
    for (int p = 0; p < 4; ++p) {
      const TRgb got = PixelAt(b, (p % 2) * 16 + 8, (p / 2) * 16 + 8);
      EXPECT_NEAR(got.R, patches[p].R, 4) << c.Name << " patch " << p;
      EXPECT_NEAR(got.G, patches[p].G, 4) << c.Name << " patch " << p;
      EXPECT_NEAR(got.B, patches[p].B, 4) << c.Name << " patch " << p;
    }
  }
}

test::TTestJpeg ProgressiveSpec(int scans, int size = 16) {
  test::TTestJpeg spec;
  spec.Width = spec.Height = size;
  spec.Components = 3;
  spec.InColorSpace = spec.ColorSpace = JCS_RGB;
  spec.ColorSpace = JCS_YCbCr;
  spec.Quality = 90;
  spec.Scans = scans;
  spec.Samples = test::PixelBytes(Smooth(size, size));
  return spec;
}

TEST(JpegImage, ProgressiveFilesOfUpTo100ScansDecodeAndLongerOnesAreRefused) {
  for (const int scans : {10, 64, 100}) {
    EXPECT_EQ(DecodeError(test::EncodeTestJpeg(ProgressiveSpec(scans))), "") << scans;
  }
  for (const int scans : {101, 190}) {
    EXPECT_EQ(DecodeError(test::EncodeTestJpeg(ProgressiveSpec(scans))), "JPEG error: more than 100 scans") << scans;
  }
}

TEST(JpegImage, DecoderMemoryIsLimited) {
  // A progressive image keeps all its coefficients: 512 × 512 at 4:2:0 needs about 0.8 MB.
  const std::vector<std::uint8_t> bytes = test::EncodeTestJpeg(ProgressiveSpec(10, 512));
  TBitmap b;
  EXPECT_NO_THROW(DecodeJpeg(bytes, b, 100, 8L << 20));
  try {
    DecodeJpeg(bytes, b, 100, 256L << 10);
    ADD_FAILURE() << "decoded within 256 KB";
  } catch (const TError& e) {
    EXPECT_TRUE(std::regex_match(e.what(), std::regex("JPEG error #[0-9]+"))) << e.what();
  }
}

TEST(JpegImage, ClaimedSizesBeyondTheLimitAreRefusedBeforeDecoding) {
  const std::vector<std::uint8_t> small = Encode(Smooth(16, 16), 85);
  struct TCase {
    int W, H;
    const char* Text;
  };
  const TCase cases[] = {{65500, 65500, "65500 × 65500"}, {60000, 3000, "60000 × 3000"}};
  for (const TCase& c : cases) {
    const std::string error = DecodeError(WithFrameSize(small, c.W, c.H));
    EXPECT_NE(error.find(c.Text), std::string::npos) << error;
  }
  // Beyond what a JPEG can hold, libjpeg refuses the header itself.
  EXPECT_EQ(DecodeError(WithFrameSize(small, 65535, 16)), LibjpegError(JERR_IMAGE_TOO_BIG));
  EXPECT_EQ(DecodeError(WithFrameSize(small, 16, 0)), LibjpegError(JERR_EMPTY_IMAGE));
}

TEST(JpegImage, DamagedFilesGiveLibjpegsErrorCode) {
  const std::vector<std::uint8_t> good = Encode(Smooth(32, 32), 85);
  EXPECT_EQ(DecodeError({}), LibjpegError(JERR_INPUT_EMPTY));
  EXPECT_EQ(DecodeError(test::ToBytes("BM not a JPEG at all")), LibjpegError(JERR_NO_SOI));
  // Cut inside the headers: no image follows.
  const std::size_t sos = FindMarker(good, 0xDA);
  ASSERT_NE(sos, std::string::npos);
  for (const std::size_t cut : {std::size_t{2}, std::size_t{20}, sos / 2, sos}) {
    const std::string error = DecodeError(std::vector<std::uint8_t>(good.begin(), good.begin() + static_cast<long>(cut)));
    EXPECT_TRUE(std::regex_match(error, std::regex("JPEG error #[0-9]+"))) << cut << ": " << error;
  }
  // A Huffman table of an impossible class.
  std::vector<std::uint8_t> badTable = good;
  badTable[FindMarker(good, 0xC4) + 4] = 0x7F;
  EXPECT_TRUE(std::regex_match(DecodeError(badTable), std::regex("JPEG error #[0-9]+")));
}

TEST(JpegImage, FileCutInsideTheImageDataStillDecodes) {
  // libjpeg warns about the premature end and fills the rest; warnings are dropped.
  const std::vector<std::uint8_t> good = Encode(Textured(64, 64), 85);
  const std::vector<std::uint8_t> cut(good.begin(), good.begin() + static_cast<long>(good.size() * 2 / 3));
  TBitmap b;
  ASSERT_NO_THROW(b = Decode(cut));
  EXPECT_EQ(b.Width(), 64);
  EXPECT_EQ(b.Height(), 64);
}

TEST(JpegImage, EveryPrefixAndFlippedByteDecodesOrFailsCleanly) {
  const std::vector<std::uint8_t> good = Encode(Textured(24, 16), 75);
  for (std::size_t n = 0; n <= good.size(); ++n) {
    const std::string error = DecodeError(std::vector<std::uint8_t>(good.begin(), good.begin() + static_cast<long>(n)));
    EXPECT_TRUE(error.empty() || std::regex_match(error, std::regex("JPEG error #[0-9]+"))) << n << ": " << error;
  }
  for (std::size_t i = 0; i < good.size(); i += 3) {
    std::vector<std::uint8_t> bad = good;
    bad[i] ^= 0x5A;
    const std::string error = DecodeError(bad);
    EXPECT_TRUE(error.empty() || error.rfind("JPEG error", 0) == 0 || error.rfind("Image of", 0) == 0)
        << i << ": " << error;
  }
}

TEST(JpegImage, EmptyImageAndUnwritableFileRaise) {
  TJPEGImage empty;
  EXPECT_THROW(empty.EncodeToMemory(), TError);
  EXPECT_EQ(empty.Width(), 0);

  test::TTempDir dir;
  TJPEGImage jpeg;
  jpeg.Assign(Smooth(8, 8));
  const std::string path = dir / "missing/out.jpg";
  try {
    jpeg.SaveToFile(path);
    ADD_FAILURE() << "saved";
  } catch (const TFileError& e) {
    EXPECT_EQ(e.File(), path);
  }
  jpeg.SaveToFile(dir / "out.jpg");
  EXPECT_EQ(test::ReadBytes(dir / "out.jpg"), jpeg.EncodeToMemory());
}

}  // namespace
}  // namespace ql
