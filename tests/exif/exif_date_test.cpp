// The recording date (which tag decides, how its text reads) and the comment.
#include "exif/reader_fixture.h"

namespace ql::test {
namespace {

TEST(ExifDateTest, DateTexts) {
  const struct {
    const char* text;
    TDateTime value;
  } cases[] = {
      {"2005:06:07 12:34:56", At(2005, 6, 7, 12, 34, 56)},
      {"2005-06-07 12.34.56", At(2005, 6, 7, 12, 34, 56)},  // separators are not tested
      {"2005:06:07 12:34:56 and more", At(2005, 6, 7, 12, 34, 56)},
      {"2004:02:29 00:00:00", At(2004, 2, 29, 0, 0, 0)},
      {"2000:02:29 23:59:59", At(2000, 2, 29, 23, 59, 59)},
      {"9999:12:31 23:59:59", At(9999, 12, 31, 23, 59, 59)},
      {"0001:01:01 00:00:00", At(1, 1, 1, 0, 0, 0)},
      {" 205:+6:07  1:-0:56", At(205, 6, 7, 1, 0, 56)},  // leading blanks and a sign are allowed
      {"0000:00:00 00:00:00", 0},
      {"2005:02:30 10:00:00", 0},
      {"1900:02:29 10:00:00", 0},
      {"2005:13:01 10:00:00", 0},
      {"2005:06:07 24:00:00", 0},
      {"2005:06:07 12:60:00", 0},
      {"2005:06:07 12:34:60", 0},
      {"-005:06:07 12:34:56", 0},
      {"    :  :     :  :  ", 0},
      {"2005:06:07 1 :34:56", 0},  // a trailing blank is no number
      {"2005:06:07 12:34:5x", 0},
      {"2005:06:07 12:34:5", 0},  // 18 characters
      {"", 0},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(TImageInfo::ExifDateToDateTime(c.text), c.value) << '"' << c.text << '"';
  }
}

struct TDateTags {
  const char* name;
  const char* dateTime;  // nullptr: the tag is absent
  const char* original;
  const char* digitized;
  TDateTime value;
};

class ExifDateFileTest : public TReaderTest {};

TEST_F(ExifDateFileTest, WhichTagGivesTheDate) {
  const TDateTags cases[] = {
      {"DateTime comes first", "2005:06:07 12:34:56", "2004:01:01 00:00:00", "2003:01:01 00:00:00", At(2005, 6, 7, 12, 34, 56)},
      {"without DateTime, DateTimeOriginal", nullptr, "2004:01:01 10:00:00", "2003:01:01 00:00:00", At(2004, 1, 1, 10, 0, 0)},
      {"only DateTimeDigitized", nullptr, nullptr, "2003:01:01 00:00:01", At(2003, 1, 1, 0, 0, 1)},
      {"a DateTime of blanks decides: no date", "    :  :     :  :  ", "2004:01:01 10:00:00", nullptr, 0},
      {"a DateTimeOriginal of zeros decides: no date", nullptr, "0000:00:00 00:00:00", "2003:01:01 00:00:00", 0},
      {"no date tag", nullptr, nullptr, nullptr, 0},
  };
  for (const TDateTags& c : cases) {
    SCOPED_TRACE(c.name);
    TTiffBuilder tiff(true);
    const int exif = tiff.AddDirectory();
    if (c.dateTime) tiff.Ascii(0, tagDateTime, c.dateTime);
    tiff.Pointer(0, tagExifOffset, exif);
    if (c.original) tiff.Ascii(exif, tagDateTimeOriginal, c.original);
    if (c.digitized) tiff.Ascii(exif, tagDateTimeDigitized, c.digitized);
    ASSERT_TRUE(Process(TJpegBuilder().Exif(tiff).Scan()));
    EXPECT_EQ(Date(), c.value);
  }
}

TEST_F(ExifDateFileTest, DateCutShortByTheEndOfTheSection) {
  // The last value of the block is the date, with only 10 of its bytes inside the section.
  TTiffBuilder tiff(false);
  tiff.Ascii(0, tagDateTime, "2005:06:07 12:34:56");
  TBytes payload = tiff.ExifPayload();
  payload.resize(payload.size() - 10);
  ASSERT_TRUE(Process(TJpegBuilder().Segment(0xE1, payload).Scan()));
  EXPECT_EQ(reader.ImageInfo->DateTimePos, tiff.ValuePos(0, 0));
  EXPECT_EQ(Date(), 0);
}

TEST_F(ExifDateFileTest, DatePositionWrappedBelowZeroCountsAsNone) {
  // 8 + 0x80000000 wraps to a negative position, which is never > 0: the next tag decides.
  TTiffBuilder tiff(false);
  tiff.RawEntry(0, tagDateTime, fmtAscii, 20, 0x80000000).Ascii(0, tagDateTimeOriginal, "2004:01:01 10:00:00");
  ASSERT_TRUE(Process(TJpegBuilder().Exif(tiff).Scan()));
  EXPECT_LT(reader.ImageInfo->DateTimePos, 0);
  EXPECT_EQ(Date(), At(2004, 1, 1, 10, 0, 0));
}

TEST_F(ExifDateFileTest, CommentIsTheWholePayload) {
  const struct {
    const char* name;
    std::string payload;
  } cases[] = {
      {"empty COM section", ""},
      {"text and a zero byte", std::string("Sunset at the lake\0", 19)},
      {"zero bytes inside and 8-bit bytes", std::string("a\0b\xE9\xFF", 5)},
      {"the longest COM", std::string(65533, 'x')},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    ASSERT_TRUE(Process(TJpegBuilder().Comment(c.payload).Scan()));
    EXPECT_TRUE(reader.HasComment());
    EXPECT_EQ(reader.GetCommentStr(), c.payload);
  }
}

TEST_F(ExifDateFileTest, ExifUserCommentIsNoComment) {
  TTiffBuilder tiff(false);
  const int exif = tiff.AddDirectory();
  tiff.Pointer(0, tagExifOffset, exif);
  tiff.Entry(exif, tagUserComment, fmtUndefined, 12, Concat({Bytes(std::string_view("ASCII\0\0\0", 8)), Bytes("note")}));
  ASSERT_TRUE(Process(TJpegBuilder().Exif(tiff).Scan()));
  EXPECT_FALSE(reader.HasComment());
  EXPECT_EQ(reader.GetCommentStr(), "");
}

}  // namespace
}  // namespace ql::test
