// The EXIF directory walk: what it records from which entries, how it reads numbers, and how
// it ends on broken offsets, loops and fan-outs.
#include <functional>

#include "exif/reader_fixture.h"

namespace ql::test {
namespace {

constexpr bool II = false;
constexpr bool MM = true;

struct TRecorded {
  bool result = true;
  std::int32_t width = 0, height = 0, widthPos = 0, heightPos = 0;
  std::int32_t dateTimePos = 0, originalPos = 0, digitizedPos = 0;
};

struct TDirCase {
  const char* name;
  // Builds the block and says what the walk records from it.
  std::function<TRecorded(TTiffBuilder&)> make;
  bool bigEndian = false;
};

const std::vector<TDirCase>& DirCases() {
  static const std::vector<TDirCase> cases = {
      {"II: ExifImageWidth and ExifImageLength as SHORT in the EXIF directory",
       [](TTiffBuilder& t) {
         const int exif = t.AddDirectory();
         t.Ascii(0, tagDateTime, "2005:06:07 12:34:56").Pointer(0, tagExifOffset, exif);
         t.Short(exif, tagExifImageWidth, 3072).Short(exif, tagExifImageLength, 2304);
         return TRecorded{true, 3072, 2304, t.ValueFieldPos(exif, 0), t.ValueFieldPos(exif, 1), t.ValuePos(0, 0)};
       }},
      {"MM: the same as LONG",
       [](TTiffBuilder& t) {
         const int exif = t.AddDirectory();
         t.Ascii(0, tagDateTime, "2005:06:07 12:34:56").Pointer(0, tagExifOffset, exif);
         t.Long(exif, tagExifImageWidth, 3072).Long(exif, tagExifImageLength, 2304);
         return TRecorded{true, 3072, 2304, t.ValueFieldPos(exif, 0), t.ValueFieldPos(exif, 1), t.ValuePos(0, 0)};
       },
       MM},
      {"an IFD0 offset of 0 starts the walk at position 16",
       [](TTiffBuilder& t) {
         t.Ifd0Offset(0).Short(0, tagImageWidth, 640);
         return TRecorded{true, 640, 0, 16 + 2 + 8};
       }},
      {"a RATIONAL width 6144/2 gives 3072",
       [](TTiffBuilder& t) {
         t.Rational(0, tagImageWidth, 6144, 2);
         return TRecorded{true, 3072, 0, t.ValueFieldPos(0, 0)};
       }},
      {"an UNDEFINED width gives 0",
       [](TTiffBuilder& t) {
         t.Entry(0, tagImageWidth, fmtUndefined, 4, {0x00, 0x0C, 0, 0});
         return TRecorded{true, 0, 0, t.ValueFieldPos(0, 0)};
       }},
      {"the EXIF directory's dimensions replace IFD0's, standing after them",
       [](TTiffBuilder& t) {
         const int exif = t.AddDirectory();
         t.Short(0, tagImageWidth, 4000).Short(0, tagImageLength, 3000).Pointer(0, tagExifOffset, exif);
         t.Short(exif, tagExifImageWidth, 3072).Short(exif, tagExifImageLength, 2304);
         return TRecorded{true, 3072, 2304, t.ValueFieldPos(exif, 0), t.ValueFieldPos(exif, 1)};
       }},
      {"a later entry wins in whichever directory it stands",
       [](TTiffBuilder& t) {
         const int exif = t.AddDirectory();
         t.Pointer(0, tagExifOffset, exif).Short(0, tagImageWidth, 160).Short(0, tagImageLength, 120);
         t.Short(exif, tagExifImageWidth, 3072).Short(exif, tagExifImageLength, 2304);
         return TRecorded{true, 160, 120, t.ValueFieldPos(0, 1), t.ValueFieldPos(0, 2)};
       }},
      {"a SubIFDs pointer outside the block ends only that sub-walk",
       [](TTiffBuilder& t) {
         t.RawEntry(0, tagSubIFDs, fmtLong, 1, 0x7000).Short(0, tagImageWidth, 100);
         return TRecorded{true, 100, 0, t.ValueFieldPos(0, 1)};
       }},
      {"a pointer that wraps to a negative position ends only that sub-walk",
       [](TTiffBuilder& t) {
         t.RawEntry(0, tagExifOffset, fmtLong, 1, 0xFFFFFF00).Short(0, tagImageLength, 99);
         return TRecorded{true, 0, 99, 0, t.ValueFieldPos(0, 1)};
       }},
      {"a pointer that wraps past 2^32 to the section's head ends only that sub-walk",
       [](TTiffBuilder& t) {
         // 8 + 0xFFFFFFFA is position 2, where "Ex" reads as 30789 entries.
         t.RawEntry(0, tagExifOffset, fmtLong, 1, 0xFFFFFFFA).Short(0, tagImageLength, 98);
         return TRecorded{true, 0, 98, 0, t.ValueFieldPos(0, 1)};
       }},
      {"of several SubIFDs pointers only the first is followed",
       [](TTiffBuilder& t) {
         const int a = t.AddDirectory(), b = t.AddDirectory();
         t.Pointers(0, tagSubIFDs, {a, b});
         t.Short(a, tagImageWidth, 11);
         t.Short(b, tagImageLength, 22);
         return TRecorded{true, 11, 0, t.ValueFieldPos(a, 0)};
       }},
      {"the GPS and interoperability directories are walked",
       [](TTiffBuilder& t) {
         const int gps = t.AddDirectory(), exif = t.AddDirectory(), interop = t.AddDirectory();
         t.Pointer(0, tagExifOffset, exif).Pointer(0, tagGPSInfo, gps);
         t.Pointer(exif, tagInteropOffset, interop);
         t.Short(gps, tagImageWidth, 7);
         t.Short(interop, tagImageLength, 8);
         return TRecorded{true, 7, 8, t.ValueFieldPos(gps, 0), t.ValueFieldPos(interop, 0)};
       }},
      {"IFD0 promising more entries than the block holds records nothing",
       [](TTiffBuilder& t) {
         t.Short(0, tagImageWidth, 100).Ascii(0, tagDateTime, "2005:06:07 12:34:56").CountField(0, 500);
         return TRecorded{};
       }},
      {"an oversized sub-directory contributes nothing; its parent goes on",
       [](TTiffBuilder& t) {
         const int exif = t.AddDirectory();
         t.Pointer(0, tagExifOffset, exif).Short(0, tagImageLength, 5);
         t.Short(exif, tagExifImageWidth, 3072).CountField(exif, 4000);
         return TRecorded{true, 0, 5, 0, t.ValueFieldPos(0, 1)};
       }},
      {"an IFD0 offset outside the block fails the walk",
       [](TTiffBuilder& t) {
         t.Ifd0Offset(0x10000).Short(0, tagImageWidth, 100);
         return TRecorded{false};
       }},
      {"an IFD0 offset that wraps to a negative position fails the walk",
       [](TTiffBuilder& t) {
         t.Ifd0Offset(0xFFFFFF00).Short(0, tagImageWidth, 100);
         return TRecorded{false};
       }},
      {"an entry of format code 13, or of count 0, is passed over",
       [](TTiffBuilder& t) {
         t.Short(0, tagImageWidth, 100).RawEntry(0, tagImageWidth, 13, 1, 0x0C00).Entry(0, tagImageWidth, fmtShort, 0, {});
         return TRecorded{true, 100, 0, t.ValueFieldPos(0, 0)};
       }},
      {"a DateTime in IFD1 is not seen",
       [](TTiffBuilder& t) {
         const int ifd1 = t.AddDirectory();
         t.Short(0, tagImageWidth, 100).Next(0, ifd1);
         t.Ascii(ifd1, tagDateTime, "2005:06:07 12:34:56");
         return TRecorded{true, 100, 0, t.ValueFieldPos(0, 0)};
       }},
      {"a directory pointing to itself is walked once, and leaves the walk to the others",
       [](TTiffBuilder& t) {
         const int exif = t.AddDirectory(), gps = t.AddDirectory();
         t.Pointer(0, tagExifOffset, exif).Pointer(0, tagGPSInfo, gps);
         t.Short(exif, tagExifImageWidth, 3072);
         for (int i = 0; i < 3; ++i) t.Pointer(exif, tagInteropOffset, exif);
         t.Short(exif, tagExifImageLength, 2304);
         t.Ascii(gps, tagDateTime, "2005:06:07 12:34:56");
         return TRecorded{true, 3072, 2304, t.ValueFieldPos(exif, 0), t.ValueFieldPos(exif, 4), t.ValuePos(gps, 0)};
       }},
      {"a directory pointing back to IFD0 is not entered again",
       [](TTiffBuilder& t) {
         const int exif = t.AddDirectory();
         t.Short(0, tagImageWidth, 1).Pointer(0, tagExifOffset, exif);
         t.Pointer(exif, tagInteropOffset, 0).Short(exif, tagExifImageWidth, 3072);
         return TRecorded{true, 3072, 0, t.ValueFieldPos(exif, 1)};
       }},
      {"a value wholly outside the block gives 0; the field is still recorded",
       [](TTiffBuilder& t) {
         t.RawEntry(0, tagImageWidth, fmtRational, 1, 0x7000);
         return TRecorded{true, 0, 0, t.ValueFieldPos(0, 0)};
       }},
      {"a date whose value lies outside the block is recorded",
       [](TTiffBuilder& t) {
         t.RawEntry(0, tagDateTime, fmtAscii, 20, 0x7000).RawEntry(0, tagDateTimeOriginal, fmtAscii, 20, 0x80000000);
         return TRecorded{true, 0, 0, 0, 0, 8 + 0x7000, static_cast<std::int32_t>(0x80000008u)};
       }},
  };
  return cases;
}

class ExifDirectoryTest : public TReaderTest {};

TEST_F(ExifDirectoryTest, WhatTheWalkRecords) {
  for (const TDirCase& c : DirCases()) {
    SCOPED_TRACE(c.name);
    TTiffBuilder tiff(c.bigEndian);
    const TRecorded want = c.make(tiff);
    EXPECT_EQ(Process(TJpegBuilder().Exif(tiff).Dqt().Scan()), want.result);
    ASSERT_TRUE(reader.HasEXIF());
    ASSERT_NE(reader.ImageInfo, nullptr);
    const TImageInfo& info = *reader.ImageInfo;
    EXPECT_EQ(reader.BigEndian, c.bigEndian);
    EXPECT_EQ(info.Width, want.width);
    EXPECT_EQ(info.Height, want.height);
    EXPECT_EQ(info.WidthPos, want.widthPos);
    EXPECT_EQ(info.HeightPos, want.heightPos);
    EXPECT_EQ(info.DateTimePos, want.dateTimePos);
    EXPECT_EQ(info.DateTimeOriginalPos, want.originalPos);
    EXPECT_EQ(info.DateTimeDigitizedPos, want.digitizedPos);
  }
}

TEST_F(ExifDirectoryTest, ByteOrderMarkOfOtherLettersRecordsNothing) {
  TTiffBuilder tiff(II);
  tiff.Short(0, tagImageWidth, 100).Ascii(0, tagDateTime, "2005:06:07 12:34:56");
  TBytes payload = tiff.ExifPayload();
  payload[6] = 'X';  // "XX" where "II" stood
  payload[7] = 'X';
  EXPECT_TRUE(Process(TJpegBuilder().Segment(0xE1, payload).Scan()));
  EXPECT_TRUE(reader.HasEXIF());
  EXPECT_EQ(reader.ImageInfo->Width, 0);
  EXPECT_EQ(reader.ImageInfo->DateTimePos, 0);
}

struct TNumberCase {
  const char* name;
  bool bigEndian;
  std::uint16_t format;
  std::uint32_t count;
  TBytes value;  // in the block's byte order
  std::int32_t width;
};

TEST_F(ExifDirectoryTest, NumbersOfEachFormat) {
  const TNumberCase cases[] = {
      {"BYTE", II, fmtByte, 1, {200}, 200},
      {"SBYTE -1 reads as its bit pattern", II, fmtSByte, 1, {0xFF}, 255},
      {"SHORT II", II, fmtShort, 1, {0x00, 0x0C}, 3072},
      {"SHORT MM", MM, fmtShort, 1, {0x0C, 0x00}, 3072},
      {"SSHORT -1 reads as its bit pattern", II, fmtSShort, 1, {0xFF, 0xFF}, 65535},
      {"LONG MM", MM, fmtLong, 1, {0, 0, 0x0C, 0}, 3072},
      {"SLONG -1", II, fmtSLong, 1, {0xFF, 0xFF, 0xFF, 0xFF}, -1},
      {"9 BYTEs keep the low 32 bits", MM, fmtByte, 9, {1, 2, 3, 4, 5, 6, 7, 8, 9}, 0x06070809},
      {"RATIONAL 6144/2", MM, fmtRational, 1, {0, 0, 0x18, 0, 0, 0, 0, 2}, 3072},
      {"RATIONAL 5/2: a half goes to the even 2", II, fmtRational, 1, {5, 0, 0, 0, 2, 0, 0, 0}, 2},
      {"RATIONAL 7/2: a half goes to the even 4", II, fmtRational, 1, {7, 0, 0, 0, 2, 0, 0, 0}, 4},
      {"RATIONAL with denominator 0", II, fmtRational, 1, {7, 0, 0, 0, 0, 0, 0, 0}, 0},
      {"SRATIONAL -6144/-2", MM, fmtSRational, 1, {0xFF, 0xFF, 0xE8, 0, 0xFF, 0xFF, 0xFF, 0xFE}, 3072},
      {"SRATIONAL -2^31/-1 does not fit in 32 bits", MM, fmtSRational, 1, {0x80, 0, 0, 0, 0xFF, 0xFF, 0xFF, 0xFF}, 0},
      {"FLOAT 3072.0 II", II, fmtFloat, 1, {0x00, 0x00, 0x40, 0x45}, 3072},
      {"FLOAT 3072.0 MM", MM, fmtFloat, 1, {0x45, 0x40, 0x00, 0x00}, 3072},
      {"FLOAT NaN", II, fmtFloat, 1, {0x00, 0x00, 0xC0, 0x7F}, 0},
      {"FLOAT 1e20 does not fit in 32 bits", II, fmtFloat, 1, {0xEC, 0x78, 0xAD, 0x60}, 0},
      {"DOUBLE 2304.0 MM", MM, fmtDouble, 1, {0x40, 0xA2, 0, 0, 0, 0, 0, 0}, 2304},
      {"DOUBLE 2.5 II goes to the even 2", II, fmtDouble, 1, {0, 0, 0, 0, 0, 0, 0x04, 0x40}, 2},
      {"DOUBLE infinity", MM, fmtDouble, 1, {0x7F, 0xF0, 0, 0, 0, 0, 0, 0}, 0},
      {"ASCII carries no number", II, fmtAscii, 4, {'1', '2', '3', 0}, 0},
  };
  for (const TNumberCase& c : cases) {
    SCOPED_TRACE(c.name);
    TTiffBuilder tiff(c.bigEndian);
    tiff.Entry(0, tagImageWidth, c.format, c.count, c.value);
    ASSERT_TRUE(Process(TJpegBuilder().Exif(tiff).Scan()));
    EXPECT_EQ(reader.ImageInfo->Width, c.width);
  }
}

// A chain IFD0 -> D1 -> ... -> D8: the walk goes 8 directories deep, IFD0 counted.
TEST_F(ExifDirectoryTest, SubWalkDepthIsCapped) {
  TTiffBuilder tiff(MM);
  for (int d = 1; d <= 8; ++d) tiff.Pointer(tiff.AddDirectory() - 1, tagExifOffset, d);
  tiff.Ascii(7, tagDateTimeOriginal, "2005:06:07 12:34:56");  // the eighth directory
  tiff.Ascii(8, tagDateTime, "2006:06:07 12:34:56");          // the ninth
  ASSERT_TRUE(Process(TJpegBuilder().Exif(tiff).Scan()));
  EXPECT_EQ(reader.ImageInfo->DateTimeOriginalPos, tiff.ValuePos(7, 1));
  EXPECT_EQ(reader.ImageInfo->DateTimePos, 0);
}

// Pointers fanning out to the same directory: at most 64 directories are entered for one block.
TEST_F(ExifDirectoryTest, DirectoriesEnteredPerBlockAreCapped) {
  for (const int repeats : {62, 63}) {
    SCOPED_TRACE(repeats);
    TTiffBuilder tiff(II);
    const int empty = tiff.AddDirectory(), dated = tiff.AddDirectory();
    for (int i = 0; i < repeats; ++i) tiff.Pointer(0, tagExifOffset, empty);
    tiff.Pointer(0, tagExifOffset, dated);
    tiff.Ascii(dated, tagDateTime, "2005:06:07 12:34:56");
    ASSERT_TRUE(Process(TJpegBuilder().Exif(tiff).Scan()));
    // IFD0 and the repeats make 63 or 64 directories; the dated one is the 64th or the 65th.
    EXPECT_EQ(reader.ImageInfo->DateTimePos, repeats == 62 ? tiff.ValuePos(dated, 0) : 0);
  }
}

// Eight levels of 40 pointers each to the next level would be 40^7 walks without the cap.
TEST_F(ExifDirectoryTest, FanOutEndsQuickly) {
  TTiffBuilder tiff(II);
  for (int level = 1; level < 8; ++level) {
    const int next = tiff.AddDirectory();
    for (int i = 0; i < 40; ++i) tiff.Pointer(next - 1, tagSubIFDs, next);
  }
  tiff.Short(0, tagImageWidth, 10);
  EXPECT_TRUE(Process(TJpegBuilder().Exif(tiff).Scan()));
  EXPECT_EQ(reader.ImageInfo->Width, 10);
}

TEST(EndIndTest, ReadsAndWritesInBothOrdersWithinBounds) {
  tEndInd b;
  b.Buffer = {0x12, 0x34, 0x56, 0x78, 0x9A};
  EXPECT_EQ(b.Get16u(0), 0x3412);
  EXPECT_EQ(b.Get32u(1), 0x9A785634u);
  b.BigEndian = true;
  EXPECT_EQ(b.Get16u(3), 0x789A);
  EXPECT_EQ(b.Get32u(0), 0x12345678u);
  b.Buffer = {0xFF, 0xFF, 0xFF, 0xFE};
  EXPECT_EQ(b.Get32s(0), -2);
  for (const std::int32_t pos : {-1, 3, 4, INT32_MIN, INT32_MAX}) {
    EXPECT_THROW(b.Get32u(pos), TExifReadError) << pos;
  }
  EXPECT_THROW(b.Get16u(3), TExifReadError);

  TByteString bytes(6, 0);
  EXPECT_TRUE(b.WriteInt16(bytes, 0x12345, 0));
  EXPECT_TRUE(b.WriteInt32(bytes, -2, 2));
  EXPECT_EQ(bytes, (TByteString{0x23, 0x45, 0xFF, 0xFF, 0xFF, 0xFE}));
  b.BigEndian = false;
  EXPECT_TRUE(b.WriteInt16(bytes, 800, 4));
  EXPECT_EQ(bytes[4], 0x20);
  EXPECT_EQ(bytes[5], 0x03);
  EXPECT_FALSE(b.WriteInt32(bytes, 1, 3));
  EXPECT_FALSE(b.WriteInt16(bytes, 1, -1));
  EXPECT_EQ(bytes, (TByteString{0x23, 0x45, 0xFF, 0xFF, 0x20, 0x03}));
}

}  // namespace
}  // namespace ql::test
