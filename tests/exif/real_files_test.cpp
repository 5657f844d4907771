// Real camera files: what the reader gets from each, and the scan's date keys from them.
//
// Where the reader's answer differs from what exiftool and exiv2 report (tests/data/exif/README.md):
// - the date is DateTime (the last change), ahead of DateTimeOriginal: Canon PowerShot S330 and
//   Canon EOS D60 sort by their DateTime, which is later than the moment of recording;
// - FujiFilm DX-5 has no DateTime and a DateTimeOriginal of blanks, so it has no date;
// - Issue 609's DateTimeOriginal of zeros is never looked at, its DateTime decides;
// - Canon EOS D60's XMP APP1 after its EXIF block is not taken for the EXIF block;
// - Kodak ProBack's interoperability pointer back to IFD0 is not followed a second time;
// - "sections" counts what the walk read: up to and including the start-of-scan.
#include "exif/reader_fixture.h"
#include "job/sort_images.h"
#include "job/source_scan.h"
#include "platform/atomic_write.h"
#include "platform/file_system.h"

namespace ql::test {
namespace {

std::string RealFile(const std::string& name) { return DataFile("exif/jpeg-real/" + name); }

TEST(RealFilesTest, WhatTheReaderGets) {
  const struct {
    const char* file;
    int sections;
    bool jfif, iptc;
    TDateTime date;
    int width, height;
    std::string comment;  // "-": no COM section
  } cases[] = {
      {"Canon PowerShot S330.jpg", 6, false, false, At(2002, 11, 18, 22, 46, 9), 1600, 1200, "AppleMark\n"},
      {"Canon IXUS v3.jpg", 5, false, false, At(2002, 11, 23, 21, 24, 23), 614, 460, "-"},
      {"Canon EOS D60.jpg", 11, true, true, At(2002, 10, 26, 23, 35, 8), 1772, 1181, "-"},
      {"Kodak ProBack.jpg", 10, true, false, At(2004, 3, 13, 12, 33, 4), 4062, 2902, "-"},
      {"Apple iPhone 4.jpg", 11, true, false, At(2011, 1, 13, 14, 33, 39), 1296, 968, "-"},
      {"FujiFilm DX-5.jpg", 9, true, true, 0, 0, 0, "-"},
      {"Issue 609.jpg", 9, true, false, At(2023, 4, 5, 9, 6, 56), 2288, 1712, std::string(117, ' ') + '\0'},
      {"Casio EX-S1.jpg", 6, false, false, At(2002, 7, 13, 0, 7, 18), 640, 480, "-"},
  };
  TimgData reader(0);
  for (const auto& c : cases) {
    SCOPED_TRACE(c.file);
    EXPECT_TRUE(reader.ProcessFile(RealFile(c.file)));
    EXPECT_EQ(reader.SectionsRead, c.sections);
    ASSERT_TRUE(reader.HasEXIF());
    EXPECT_EQ(reader.JfifSection != nullptr, c.jfif);
    EXPECT_EQ(reader.HasIPTC(), c.iptc);
    EXPECT_EQ(reader.ImageInfo->GetImgDateTime(), c.date);
    EXPECT_EQ(reader.ImageInfo->Width, c.width);
    EXPECT_EQ(reader.ImageInfo->Height, c.height);
    EXPECT_EQ(reader.HasComment(), c.comment != "-");
    if (reader.HasComment()) {
      EXPECT_EQ(reader.GetCommentStr(), c.comment);
    }
  }
}

// The scan with "use EXIF fileinfo" ticked takes the EXIF date as the sort key, 0 for an EXIF
// block without a date, and the file's time for a file without EXIF block.
TEST(RealFilesTest, ScanSortsByTheExifDate) {
  TTempDir dir;
  CopyFileAtomic(RealFile("Canon PowerShot S330.jpg"), dir / "a_s330.jpg");
  CopyFileAtomic(RealFile("Issue 609.jpg"), dir / "b_609.JPG");
  CopyFileAtomic(RealFile("FujiFilm DX-5.jpg"), dir / "c_fuji.jpeg");
  const TBytes plain = TJpegBuilder().Jfif().Comment("no EXIF").Dqt().Scan().Get();
  WriteFile(dir / "d_plain.jpg", std::string(plain.begin(), plain.end()));
  WriteFile(dir / "e_scan.bmp", "BM");
  const std::int64_t mtime2010 = 1262347200;  // 1 January 2010, 12:00 UTC
  for (const char* name : {"a_s330.jpg", "b_609.JPG", "c_fuji.jpeg", "d_plain.jpg", "e_scan.bmp"}) {
    SetMTime(dir / name, mtime2010);
  }
  const std::int32_t fileKey = PackDosDateTime(LocalDateTimeOf(static_cast<std::time_t>(mtime2010)));

  TimgData reader(0);
  TImageTable images(MaxImages);
  ASSERT_EQ(ScanSourceFolder(dir.Path(), true, reader, images).Count, 5);
  EXPECT_EQ(images[0].Timestamp, PackDosDateTime(At(2002, 11, 18, 22, 46, 9)));
  EXPECT_EQ(images[1].Timestamp, PackDosDateTime(At(2023, 4, 5, 9, 6, 56)));
  EXPECT_EQ(images[2].Timestamp, 0);
  EXPECT_EQ(images[3].Timestamp, fileKey);
  EXPECT_EQ(images[4].Timestamp, fileKey);

  SortImages(images, 5, smDateAscending);
  std::vector<std::string> order;
  for (int i = 0; i < 5; ++i) order.push_back(images[static_cast<std::size_t>(i)].FileName);
  EXPECT_EQ(order, (std::vector<std::string>{"c_fuji.jpeg", "a_s330.jpg", "d_plain.jpg", "e_scan.bmp", "b_609.JPG"}));

  ASSERT_EQ(ScanSourceFolder(dir.Path(), false, reader, images).Count, 5);
  for (int i = 0; i < 5; ++i) EXPECT_EQ(images[static_cast<std::size_t>(i)].Timestamp, fileKey);
}

}  // namespace
}  // namespace ql::test
