// The carry-over writer: the dimension patch, which sections the new file holds, where the
// encoder's output is joined, failures, and real files through libjpeg and exiftool.
#include <cstdio>
#include <cstdlib>

#include "exif/libjpeg_codec.h"
#include "exif/reader_fixture.h"
#include "platform/file_system.h"

namespace ql::test {
namespace {

// What an encoder gives: fixed bytes, or a failure.
class TFakeImage : public IEncodedImage {
 public:
  TFakeImage(int width, int height, TBytes bytes) : width_(width), height_(height), bytes_(std::move(bytes)) {}
  int Width() const override { return width_; }
  int Height() const override { return height_; }
  std::vector<std::uint8_t> EncodeToMemory() override {
    if (fail) throw TError("JPEG error #42");
    return bytes_;
  }
  bool fail = false;

 private:
  int width_, height_;
  TBytes bytes_;
};

const TBytes kDqt = Seg(0xDB, TBytes(65, 1));
const TBytes kImageData = Concat({kDqt, Seg(0xC0, {8, 0, 16, 0, 16, 1, 1, 0x11, 0}), Seg(0xDA, {1, 1, 0, 0, 63, 0}),
                                  {0x12, 0x34, 0xFF, 0xD9}});
// The usual encoder output: start-of-image, a JFIF APP0 of length 16, then the tables.
const TBytes kEncoderJfif = Concat({{0xFF, 0xD8}, Seg(0xE0, Concat({Bytes(std::string_view("JFIF\0", 5)),
                                                                    {1, 1, 0, 0, 1, 0, 1, 0, 0}})),
                                    kImageData});

class ExifWriterTest : public TReaderTest {
 protected:
  TBytes Write(IEncodedImage& image) {
    const std::string out = dir / "out.jpg";
    reader.WriteEXIFJpeg(image, out, true);
    const std::string text = ReadFile(out);
    return TBytes(text.begin(), text.end());
  }
  TBytes WriteAt(int width, int height) {
    TFakeImage image(width, height, kEncoderJfif);
    return Write(image);
  }
};

// The APP1 section written after the start-of-image, from its length field on.
TBytes WrittenApp1(const TBytes& file) {
  if (file.size() < 6 || file[2] != 0xFF || file[3] != 0xE1) return {};
  const std::size_t length = file[4] * 256u + file[5];
  return TBytes(file.begin() + 4, file.begin() + 4 + static_cast<std::ptrdiff_t>(length));
}

struct TPatchCase {
  const char* name;
  bool bigEndian;
  std::uint16_t format;  // of both dimensions
};

TEST_F(ExifWriterTest, App1DiffersOnlyInThePatchedValueBytes) {
  const TPatchCase cases[] = {
      {"II SHORT", false, fmtShort}, {"MM SHORT", true, fmtShort}, {"II LONG", false, fmtLong}, {"MM LONG", true, fmtLong},
      {"MM SSHORT", true, fmtSShort}, {"II SLONG", false, fmtSLong},
  };
  for (const TPatchCase& c : cases) {
    SCOPED_TRACE(c.name);
    TTiffBuilder tiff(c.bigEndian);
    const int exif = tiff.AddDirectory();
    const bool isShort = c.format == fmtShort || c.format == fmtSShort;
    // Two filler bytes after a SHORT show that the rest of the field stays as it was.
    const auto value = [&](std::uint16_t v) {
      return isShort ? Concat({tiff.U16(v), {0xAB, 0xCD}}) : tiff.U32(v);
    };
    // IFD0 states the size too; only the pair the walk recorded (the EXIF one) changes.
    tiff.Short(0, tagImageWidth, 3072).Short(0, tagImageLength, 2304).Pointer(0, tagExifOffset, exif);
    tiff.Ascii(exif, tagDateTimeOriginal, "2005:06:07 12:34:56");
    tiff.Entry(exif, tagExifImageWidth, c.format, 1, value(3072)).Entry(exif, tagExifImageLength, c.format, 1, value(2304));
    ASSERT_TRUE(Process(TJpegBuilder().Exif(tiff).Dqt().Scan()));
    const TBytes source = reader.ExifSection->Bytes;
    const std::int32_t widthPos = tiff.ValueFieldPos(exif, 1), heightPos = tiff.ValueFieldPos(exif, 2);

    const TBytes written = WrittenApp1(WriteAt(800, 600));
    ASSERT_EQ(written.size(), source.size());
    TBytes expected = source;
    const TBytes w = isShort ? tiff.U16(800) : tiff.U32(800), h = isShort ? tiff.U16(600) : tiff.U32(600);
    std::copy(w.begin(), w.end(), expected.begin() + widthPos);
    std::copy(h.begin(), h.end(), expected.begin() + heightPos);
    EXPECT_EQ(written, expected);
    EXPECT_EQ(reader.ImageInfo->Width, 3072);  // the source's numbers stay
    EXPECT_EQ(reader.ImageInfo->Height, 2304);

    // A second write for the same reader state gives the same file.
    EXPECT_EQ(WrittenApp1(WriteAt(800, 600)), expected);
    // Written at the source's own size, the block is a byte-for-byte copy of the source's.
    ASSERT_TRUE(Process(TJpegBuilder().Exif(tiff).Dqt().Scan()));
    EXPECT_EQ(WrittenApp1(WriteAt(3072, 2304)), source);
  }
}

TEST_F(ExifWriterTest, OnlyEntriesHoldingOneIntegerArePatched) {
  const struct {
    const char* name;
    std::uint16_t format;
    std::uint32_t count;
    TBytes value;  // II
  } cases[] = {
      {"RATIONAL: the field holds an offset", fmtRational, 1, {0, 0x18, 0, 0, 2, 0, 0, 0}},
      {"two SHORTs", fmtShort, 2, {0, 0x0C, 0, 0x0C}},
      {"FLOAT", fmtFloat, 1, {0x00, 0x00, 0x40, 0x45}},
      {"BYTE", fmtByte, 1, {200}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    TTiffBuilder tiff(false);
    tiff.Entry(0, tagImageWidth, c.format, c.count, c.value).Short(0, tagImageLength, 2304);
    ASSERT_TRUE(Process(TJpegBuilder().Exif(tiff).Scan()));
    ASSERT_NE(reader.ImageInfo->Width, 0);
    TBytes expected = reader.ExifSection->Bytes;
    const TBytes height = tiff.U16(600);
    std::copy(height.begin(), height.end(), expected.begin() + tiff.ValueFieldPos(0, 1));
    EXPECT_EQ(WrittenApp1(WriteAt(800, 600)), expected);
  }
}

TEST_F(ExifWriterTest, NoPatchWithoutBothDimensions) {
  TTiffBuilder tiff(true);
  tiff.Short(0, tagImageWidth, 3072).Ascii(0, tagDateTime, "2005:06:07 12:34:56");
  ASSERT_TRUE(Process(TJpegBuilder().Exif(tiff).Scan()));
  const TBytes source = reader.ExifSection->Bytes;
  EXPECT_EQ(WrittenApp1(WriteAt(800, 600)), source);
}

TEST_F(ExifWriterTest, WhichSectionsTheNewFileHolds) {
  TTiffBuilder tiff(false);
  tiff.Short(0, tagImageWidth, 16).Short(0, tagImageLength, 16);
  const TBytes exif = Seg(0xE1, tiff.ExifPayload());
  const TBytes sourceJfif = Seg(0xE0, Concat({Bytes(std::string_view("JFIF\0", 5)), {1, 2, 0, 0, 72, 0, 72, 0, 0}}));
  const TBytes iptc = Seg(0xED, Bytes("Photoshop 3.0\0 8BIM"));
  const TBytes comment = Seg(0xFE, Bytes(std::string_view("Sunset\0", 7)));
  const TBytes fixedJfif(kFixedJfifHeader.begin(), kFixedJfifHeader.end());
  const TBytes soi = {0xFF, 0xD8};
  const TBytes image(kEncoderJfif.begin() + 20, kEncoderJfif.end());
  const TBytes icc = Seg(0xE2, Bytes("ICC_PROFILE"));

  const struct {
    const char* name;
    TBytes source;
    TBytes written;
  } cases[] = {
      {"EXIF and JFIF: no APP0; other APPn left out", Concat({soi, sourceJfif, icc, exif, kImageData}), Concat({soi, exif, image})},
      {"comment and JFIF: the source's APP0", Concat({soi, sourceJfif, comment, kImageData}),
       Concat({soi, sourceJfif, comment, image})},
      {"comment alone: the fixed JFIF header", Concat({soi, comment, kImageData}), Concat({soi, fixedJfif, comment, image})},
      {"EXIF, IPTC and comment, in that order", Concat({soi, comment, iptc, exif, kImageData}),
       Concat({soi, exif, iptc, comment, image})},
      {"IPTC alone", Concat({soi, iptc, kImageData}), Concat({soi, fixedJfif, iptc, image})},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    ASSERT_TRUE(Process(c.source));
    EXPECT_EQ(WriteAt(16, 16), c.written);
    TByteString head;
    EXPECT_EQ(reader.SaveExif(head), static_cast<std::int32_t>(c.written.size() - image.size() - 2));
  }
  EXPECT_EQ(fixedJfif, (TBytes{0xFF, 0xE0, 0, 16, 'J', 'F', 'I', 'F', 0, 1, 2, 1, 1, 0x2C, 1, 0x2C, 0, 0}));
}

TEST(EncodedImageOffsetTest, WhereTheEncoderOutputIsJoined) {
  const TBytes soi = {0xFF, 0xD8};
  const TBytes app0 = Seg(0xE0, TBytes(14, 0)), app1 = Seg(0xE1, TBytes(3, 0)), app13 = Seg(0xED, {1}),
               com = Seg(0xFE, {});
  const struct {
    const char* name;
    TBytes encoded;
    std::size_t k;
  } cases[] = {
      {"start-of-image, JFIF APP0 of length 16, DQT", Concat({soi, app0, kDqt}), 20},
      {"start-of-image and DQT directly", Concat({soi, kDqt}), 2},
      {"APP0, APP1, APP13 and COM, once each", Concat({soi, app0, app1, app13, com, kDqt}), 2 + 18 + 7 + 5 + 4},
      {"a second APP0 stays", Concat({soi, app0, app0, kDqt}), 20},
      {"COM before APP0: the COM only", Concat({soi, com, app0, kDqt}), 6},
      {"the byte before the code is not tested", Concat({soi, {0x00, 0xE0, 0, 2}, kDqt}), 6},
      {"start-of-image only", soi, 2},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(EncodedImageOffset(c.encoded), c.k) << c.name;
  }
  for (const TBytes& bad : {TBytes{}, TBytes{0xFF}, TBytes{0xFF, 0xD8, 0xFF, 0xE0, 0x00},
                            Concat({soi, {0xFF, 0xE0, 0x01, 0x00}, kDqt})}) {
    EXPECT_THROW(EncodedImageOffset(bad), TError) << bad.size();
  }
}

TEST_F(ExifWriterTest, FailuresLeaveNoFileAndNoPatch) {
  TTiffBuilder tiff(false);
  tiff.Short(0, tagImageWidth, 3072).Short(0, tagImageLength, 2304);
  ASSERT_TRUE(Process(TJpegBuilder().Exif(tiff).Scan()));
  const TBytes source = reader.ExifSection->Bytes;

  TFakeImage failing(800, 600, kEncoderJfif);
  failing.fail = true;
  EXPECT_THROW(reader.WriteEXIFJpeg(failing, dir / "new.jpg", true), TError);
  EXPECT_FALSE(PathExists(dir / "new.jpg"));
  WriteFile(dir / "old.jpg", "old");
  EXPECT_THROW(reader.WriteEXIFJpeg(failing, dir / "old.jpg", true), TError);
  EXPECT_EQ(ReadFile(dir / "old.jpg"), "old");

  TFakeImage cutShort(800, 600, {0xFF, 0xD8, 0xFF, 0xE0, 0x00, 0x10, 'J'});
  EXPECT_THROW(reader.WriteEXIFJpeg(cutShort, dir / "new.jpg", true), TError);
  EXPECT_FALSE(PathExists(dir / "new.jpg"));
  EXPECT_EQ(reader.ExifSection->Bytes, source);

  TFakeImage good(800, 600, kEncoderJfif);
  EXPECT_THROW(reader.WriteEXIFJpeg(good, dir / "no-such-folder/new.jpg", true), TFileError);
  EXPECT_EQ(ListNames(dir.Path()), (std::vector<std::string>{"a.jpg", "old.jpg"}));
}

// --- Real camera files, a real encoder, libjpeg and exiftool --------------------------------

bool HaveExiftool() { return std::system("exiftool -ver >/dev/null 2>&1") == 0; }

// exiftool's reading of some tags, "-s3" form: one value a line.
std::string Exiftool(const std::string& args, const std::string& file) {
  const std::string command = "exiftool -s3 " + args + " '" + file + "' 2>&1";
  std::string out;
  if (FILE* pipe = popen(command.c_str(), "r")) {
    char buffer[256];
    while (std::fgets(buffer, sizeof buffer, pipe)) out += buffer;
    pclose(pipe);
  }
  return out;
}

class EncodedGradient : public IEncodedImage {
 public:
  EncodedGradient(int width, int height) : width_(width), height_(height) {}
  int Width() const override { return width_; }
  int Height() const override { return height_; }
  std::vector<std::uint8_t> EncodeToMemory() override { return EncodeGradientJpeg(width_, height_); }

 private:
  int width_, height_;
};

TEST_F(ExifWriterTest, RealFilesCarriedIntoARealEncoding) {
  const struct {
    const char* file;
    const char* original;  // DateTimeOriginal, which the copy keeps
    const char* comment;
  } cases[] = {
      {"Canon PowerShot S330.jpg", "2002:11:16 15:27:01", "AppleMark\n"},  // MM, with a comment
      {"Canon IXUS v3.jpg", "2002:11:23 21:24:23", ""},                    // II
      {"Kodak ProBack.jpg", "2004:03:13 12:33:04", ""},                    // MM, with a directory loop
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.file);
    const std::string source = DataFile(std::string("exif/jpeg-real/") + c.file);
    const std::string copy = dir / "copy.jpg";
    ASSERT_TRUE(reader.ProcessFile(source));
    ASSERT_TRUE(reader.ReadExifInfo(source));
    EncodedGradient image(320, 240);
    reader.WriteEXIFJpeg(image, copy, true);

    const std::string text = ReadFile(copy);
    const TDecodeResult decoded = DecodeJpeg(TBytes(text.begin(), text.end()));
    EXPECT_TRUE(decoded.ok) << decoded.error;
    EXPECT_EQ(decoded.width, 320);
    EXPECT_EQ(decoded.height, 240);

    TimgData again(0);
    ASSERT_TRUE(again.ProcessFile(copy));
    EXPECT_EQ(again.ImageInfo->Width, 320);
    EXPECT_EQ(again.ImageInfo->Height, 240);
    EXPECT_EQ(again.JfifSection, nullptr);  // the encoder's APP0 was left out
    EXPECT_EQ(again.GetCommentStr(), c.comment);

    if (HaveExiftool()) {
      EXPECT_EQ(Exiftool("-ExifImageWidth -ExifImageHeight -DateTimeOriginal", copy),
                std::string("320\n240\n") + c.original + "\n");
    }
  }
  if (!HaveExiftool()) GTEST_SKIP() << "exiftool is not installed; its check was left out";
}

}  // namespace
}  // namespace ql::test
