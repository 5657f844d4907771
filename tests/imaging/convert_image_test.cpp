// The conversion step: sizes of the written files, the byte copy of a JPEG that fits, the
// re-encoding of a BMP that fits, the kernel and quality used, dispatch of pending messages,
// the EXIF carry-over condition, and errors that name the file without leaving partial files.
#include "imaging/convert_image.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <jerror.h>

#include "exif/img_data.h"
#include "imaging/bmp_builder.h"
#include "imaging/filter_kernels.h"
#include "imaging/jpeg_codec.h"
#include "imaging/jpeg_image.h"
#include "imaging/resample.h"
#include "imaging/test_images.h"
#include "platform/errors.h"
#include "support/temp_dir.h"

namespace ql {
namespace {

using test::MakeBitmap;
using test::ReadBytes;
using test::TRgb;

TBitmap Picture(int w, int h) {
  return MakeBitmap(w, h, [&](int x, int y) {
    return TRgb{static_cast<std::uint8_t>(x * 255 / std::max(w - 1, 1)),
                static_cast<std::uint8_t>((x * 7 + y * 13) % 256), static_cast<std::uint8_t>(y * 255 / std::max(h - 1, 1))};
  });
}

void WriteBytes(const std::string& path, const std::vector<std::uint8_t>& bytes) {
  test::WriteFile(path, std::string(bytes.begin(), bytes.end()));
}

std::vector<std::uint8_t> Bmp24(const TBitmap& b) {
  test::TBmpSpec s;
  s.Width = b.Width();
  s.Height = -b.Height();  // top-down, rows as they are
  const int stride = (b.Width() * 3 + 3) / 4 * 4;
  for (int y = 0; y < b.Height(); ++y) {
    for (int x = 0; x < b.Width(); ++x) {
      const TRgb c = test::PixelAt(b, x, y);
      s.Pixels.insert(s.Pixels.end(), {c.B, c.G, c.R});
    }
    s.Pixels.resize(static_cast<std::size_t>((y + 1) * stride), 0);
  }
  return test::BuildBmp(s);
}

TJpegSize SizeOf(const std::string& path) { return ReadJpegSize(ReadBytes(path)); }

bool HasExifSection(const std::vector<std::uint8_t>& jpeg) {
  const std::string bytes(jpeg.begin(), jpeg.end());
  return bytes.find(std::string("\xFF\xE1", 2)) != std::string::npos &&
         bytes.find(std::string("Exif\0\0", 6)) != std::string::npos;
}

// A job context over two temporary folders, counting the dispatches of pending messages.
class TConversion {
 public:
  TConversion() : sourceDir_(source_.Path()), destDir_(dest_.Path()) {}

  TJobContext Context(bool useExif = false) {
    return TJobContext{sourceDir_, destDir_, options_, {}, exif_, useExif, none_, none_, [this] {
                         ++dispatches_;
                         destExistedAtDispatch_ = destExistedAtDispatch_ || !test::ListNames(destDir_).empty();
                       }};
  }
  std::string Source(const std::string& name) const { return source_ / name; }
  std::string Dest(const std::string& name) const { return dest_ / name; }
  void SetDestDir(std::string dir) { destDir_ = std::move(dir); }
  int Dispatches() const { return dispatches_; }
  bool DestExistedAtDispatch() const { return destExistedAtDispatch_; }
  TimgData& Exif() { return exif_; }

 private:
  test::TTempDir source_, dest_;
  std::string sourceDir_, destDir_;
  TGalleryOptions options_;
  TimgData exif_;
  std::string none_;
  int dispatches_ = 0;
  bool destExistedAtDispatch_ = false;
};

TEST(ConvertImage, LargerImagesAreReducedIntoTheBox) {
  struct TCase {
    const char* Name;
    bool Bmp;
    int W, H, MaxW, MaxH, OutW, OutH;
  };
  const TCase cases[] = {
      {"photo.jpg", false, 300, 200, 100, 100, 100, 67},
      {"tall.bmp", true, 200, 300, 100, 100, 67, 100},
      {"strip.jpg", false, 1000, 1, 100, 100, 100, 1},  // a side below 1 becomes 1
      {"zero.bmp", true, 50, 40, 0, 0, 1, 1},           // a box side of 0
  };
  for (const TCase& c : cases) {
    TConversion conv;
    const TBitmap picture = Picture(c.W, c.H);
    WriteBytes(conv.Source(c.Name), c.Bmp ? Bmp24(picture) : EncodeJpeg(picture, 90));
    ConvertImage(conv.Context(), c.Name, "out.jpg", 80, c.MaxW, c.MaxH, kLanczos3FilterIndex, false);
    const TJpegSize size = SizeOf(conv.Dest("out.jpg"));
    EXPECT_EQ(size.Width, c.OutW) << c.Name;
    EXPECT_EQ(size.Height, c.OutH) << c.Name;
    EXPECT_EQ(conv.Dispatches(), 2) << c.Name;
    EXPECT_FALSE(conv.DestExistedAtDispatch()) << c.Name;  // both dispatches come before the save
  }
}

TEST(ConvertImage, TheResizedCopyIsTheResampledSourceEncodedAtTheQuality) {
  TConversion conv;
  const std::vector<std::uint8_t> source = EncodeJpeg(Picture(90, 60), 90);
  WriteBytes(conv.Source("p.jpg"), source);
  TBitmap decoded, reduced;
  DecodeJpeg(source, decoded, 100, 0);
  for (int index = 0; index < 7; ++index) {
    ConvertImage(conv.Context(), "p.jpg", "out.jpg", 70, 30, 30, index, false);
    Resample(decoded, reduced, 30, 20, kFilterKernels[static_cast<std::size_t>(index)].Function, 3.0f);
    EXPECT_EQ(ReadBytes(conv.Dest("out.jpg")), EncodeJpeg(reduced, 70)) << kFilterKernels[static_cast<std::size_t>(index)].Name;
  }
}

TEST(ConvertImage, AJpegThatFitsIsCopiedByteForByte) {
  for (const bool thumbnail : {false, true}) {
    TConversion conv;
    // Any JPEG: the copy keeps its sections, whatever quality is asked.
    const std::vector<std::uint8_t> camera = ReadBytes(test::DataFile("imaging/jpeg-real/Canon IXUS v3.jpg"));
    WriteBytes(conv.Source("cam.JPG"), camera);
    test::WriteFile(conv.Dest("t_cam.jpg"), "an older file");
    ConvertImage(conv.Context(true), "cam.JPG", "t_cam.jpg", 10, 800, 600, kLanczos3FilterIndex, thumbnail);
    EXPECT_EQ(ReadBytes(conv.Dest("t_cam.jpg")), camera);
    EXPECT_EQ(conv.Dispatches(), 0);
  }
}

TEST(ConvertImage, ABmpThatFitsIsReEncodedAtTheQuality) {
  TConversion conv;
  const TBitmap picture = Picture(40, 30);
  WriteBytes(conv.Source("small.BMP"), Bmp24(picture));
  ConvertImage(conv.Context(true), "small.BMP", "small.jpg", 65, 40, 30, kLanczos3FilterIndex, false);
  EXPECT_EQ(ReadBytes(conv.Dest("small.jpg")), EncodeJpeg(picture, 65));
  EXPECT_EQ(conv.Dispatches(), 0);
}

TEST(ConvertImage, ExtensionsAreRecognisedInAnyCase) {
  TConversion conv;
  const TBitmap picture = Picture(50, 50);
  for (const char* name : {"a.jpg", "b.JPG", "c.Jpeg", "d.jpeg"}) WriteBytes(conv.Source(name), EncodeJpeg(picture, 80));
  for (const char* name : {"e.bmp", "f.BMP", "g.Bmp"}) WriteBytes(conv.Source(name), Bmp24(picture));
  for (const char* name : {"a.jpg", "b.JPG", "c.Jpeg", "d.jpeg", "e.bmp", "f.BMP", "g.Bmp"}) {
    ConvertImage(conv.Context(), name, std::string(name) + ".out.jpg", 80, 20, 20, 3, false);
    EXPECT_EQ(SizeOf(conv.Dest(std::string(name) + ".out.jpg")).Width, 20) << name;
  }
  WriteBytes(conv.Source("h.png"), EncodeJpeg(picture, 80));
  EXPECT_THROW(ConvertImage(conv.Context(), "h.png", "h.jpg", 80, 20, 20, 3, false), TFileError);
}

TEST(ConvertImage, SourceErrorsNameTheSourceFile) {
  TConversion conv;
  test::WriteFile(conv.Source("photo3.jpg"), "not a JPEG");
  test::WriteFile(conv.Source("broken.bmp"), "BMxx");
  WriteBytes(conv.Source("fine.jpg"), EncodeJpeg(Picture(50, 50), 80));
  struct TCase {
    const char* Name;
    int Filter;
    std::string Text;
  };
  const TCase cases[] = {
      {"photo3.jpg", 5, conv.Source("photo3.jpg") + ": JPEG error #" + std::to_string(JERR_NO_SOI)},
      {"broken.bmp", 5, conv.Source("broken.bmp") + ": Bitmap ist ungültig"},
      {"missing.jpg", 5, ""},
      {"fine.jpg", 9, conv.Source("fine.jpg") + ": Unknown resampling filter #9"},
  };
  for (const TCase& c : cases) {
    try {
      ConvertImage(conv.Context(), c.Name, "out.jpg", 80, 20, 20, c.Filter, false);
      ADD_FAILURE() << c.Name << " converted";
    } catch (const TFileError& e) {
      EXPECT_EQ(e.File(), conv.Source(c.Name));
      if (!c.Text.empty()) {
        EXPECT_EQ(std::string(e.what()), c.Text);
      }
    }
  }
  EXPECT_TRUE(test::ListNames(conv.Dest("")).empty());
}

TEST(ConvertImage, WriteFailuresNameTheDestinationAndLeaveNoPartialFile) {
  struct TCase {
    const char* Source;
    int MaxSide;  // 20: resampled and encoded; 800: copied (JPEG) or re-encoded (BMP)
  };
  const TCase cases[] = {{"p.jpg", 20}, {"p.jpg", 800}, {"p.bmp", 20}, {"p.bmp", 800}};
  for (const TCase& c : cases) {
    TConversion conv;
    WriteBytes(conv.Source("p.jpg"), EncodeJpeg(Picture(50, 40), 80));
    WriteBytes(conv.Source("p.bmp"), Bmp24(Picture(50, 40)));
    // The destination name is taken by a folder: the rename over it fails.
    ASSERT_EQ(mkdir(conv.Dest("out.jpg").c_str(), 0755), 0);
    try {
      ConvertImage(conv.Context(), c.Source, "out.jpg", 80, c.MaxSide, c.MaxSide, 5, false);
      ADD_FAILURE() << c.Source << " " << c.MaxSide << " written";
    } catch (const TFileError& e) {
      EXPECT_EQ(e.File(), conv.Dest("out.jpg")) << c.Source << " " << c.MaxSide;
    }
    EXPECT_EQ(test::ListNames(conv.Dest("")), std::vector<std::string>{"out.jpg"}) << c.Source << " " << c.MaxSide;
    EXPECT_TRUE(test::ListNames(conv.Dest("out.jpg")).empty());

    // A destination folder that does not exist.
    conv.SetDestDir(conv.Dest("no/such/folder"));
    try {
      ConvertImage(conv.Context(), c.Source, "out.jpg", 80, c.MaxSide, c.MaxSide, 5, false);
      ADD_FAILURE() << c.Source << " " << c.MaxSide << " written";
    } catch (const TFileError& e) {
      EXPECT_EQ(e.File(), conv.Dest("no/such/folder/out.jpg")) << c.Source << " " << c.MaxSide;
    }
  }
}

TEST(ConvertImage, WorksWithoutADispatchFunction) {
  TConversion conv;
  WriteBytes(conv.Source("p.jpg"), EncodeJpeg(Picture(50, 40), 80));
  TJobContext ctx = conv.Context();
  ctx.ProcessMessages = nullptr;
  ConvertImage(ctx, "p.jpg", "out.jpg", 80, 10, 10, 5, false);
  EXPECT_EQ(SizeOf(conv.Dest("out.jpg")).Width, 10);
}

// With the check box ticked, only a resampled copy (not a thumbnail) goes through the metadata
// reader's carry-over, and only when the reader accepts the source.
TEST(ConvertImage, ExifIsCarriedOnlyIntoResampledCopiesOfAcceptedSources) {
  TConversion conv;
  const std::vector<std::uint8_t> camera = ReadBytes(test::DataFile("imaging/jpeg-real/Canon IXUS v3.jpg"));
  ASSERT_TRUE(HasExifSection(camera));
  WriteBytes(conv.Source("cam.jpg"), camera);
  WriteBytes(conv.Source("pic.bmp"), Bmp24(Picture(300, 200)));
  const bool accepted = conv.Exif().ProcessFile(conv.Source("cam.jpg"));

  ConvertImage(conv.Context(true), "cam.jpg", "cam.jpg", 80, 160, 160, 5, false);
  EXPECT_EQ(HasExifSection(ReadBytes(conv.Dest("cam.jpg"))), accepted);
  ConvertImage(conv.Context(true), "cam.jpg", "t_cam.jpg", 80, 100, 100, 5, true);
  EXPECT_FALSE(HasExifSection(ReadBytes(conv.Dest("t_cam.jpg"))));
  ConvertImage(conv.Context(false), "cam.jpg", "plain.jpg", 80, 160, 160, 5, false);
  EXPECT_FALSE(HasExifSection(ReadBytes(conv.Dest("plain.jpg"))));
  ConvertImage(conv.Context(true), "pic.bmp", "pic.jpg", 80, 100, 100, 5, false);
  EXPECT_FALSE(HasExifSection(ReadBytes(conv.Dest("pic.jpg"))));
  EXPECT_EQ(SizeOf(conv.Dest("cam.jpg")).Width, 160);
  EXPECT_EQ(SizeOf(conv.Dest("t_cam.jpg")).Width, 100);
}

}  // namespace
}  // namespace ql
