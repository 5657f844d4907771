#include "job/source_scan.h"

#include <gtest/gtest.h>

#include "exif/img_data.h"
#include "platform/date_time.h"
#include "support/temp_dir.h"

namespace ql {
namespace {

using test::TTempDir;
using test::WriteFile;

TEST(ScanSourceFolder, TakesJpegAndBmpFilesInListingOrder) {
  TTempDir dir;
  for (const char* name : {"PHOTO.JPEG", "photo.Jpg", "scan.BMP", "photo.jpe", "photo.png", "photo.tif",
                           "photo.jpg.txt", "noext", ".x.jpg", "a b.jpg"}) {
    WriteFile(dir / name, "not an image");
  }
  TImageTable images(MaxImages);
  TimgData exif(0);
  const TScanResult scan = ScanSourceFolder(dir.Path(), false, exif, images);
  ASSERT_EQ(scan.Count, 4);
  EXPECT_EQ(scan.LeftOut, 0);
  EXPECT_EQ(images[0].FileName, "PHOTO.JPEG");
  EXPECT_EQ(images[0].Extension, ".JPEG");
  EXPECT_EQ(images[1].FileName, "a b.jpg");
  EXPECT_EQ(images[2].FileName, "photo.Jpg");
  EXPECT_EQ(images[2].Extension, ".Jpg");
  EXPECT_EQ(images[3].FileName, "scan.BMP");
}

TEST(ScanSourceFolder, DateKeyIsTheLocalModificationTime) {
  TTempDir dir;
  WriteFile(dir / "a.jpg", "x");
  WriteFile(dir / "old.bmp", "x");
  test::SetMTime(dir / "a.jpg", 1'118'147'696);  // June 2005
  test::SetMTime(dir / "old.bmp", 86'400 * 365);  // 1971: before the packed range
  TImageTable images(MaxImages);
  TimgData exif(0);
  ASSERT_EQ(ScanSourceFolder(dir.Path(), true, exif, images).Count, 2);
  EXPECT_EQ(images[0].Timestamp, PackDosDateTime(LocalDateTimeOf(1'118'147'696)));
  EXPECT_NE(images[0].Timestamp, 0);
  EXPECT_EQ(images[1].Timestamp, 0);
}

TEST(ScanSourceFolder, MissingFolderGivesNoImages) {
  TImageTable images(MaxImages);
  TimgData exif(0);
  EXPECT_EQ(ScanSourceFolder("/nonexistent/folder", true, exif, images).Count, 0);
  EXPECT_EQ(ScanSourceFolder("< not chosen yet >", true, exif, images).Count, 0);
}

TEST(ScanSourceFolder, TakesTheFirstMaxImagesAndCountsTheRest) {
  TTempDir dir;
  for (int i = 0; i <= MaxImages; ++i) {
    char name[32];
    std::snprintf(name, sizeof name, "img%05d.jpg", i);
    WriteFile(dir / name, "");
  }
  TImageTable images(MaxImages);
  TimgData exif(0);
  const TScanResult scan = ScanSourceFolder(dir.Path(), false, exif, images);
  EXPECT_EQ(scan.Count, MaxImages);
  EXPECT_EQ(scan.LeftOut, 1);
  EXPECT_EQ(images[MaxImages - 1].FileName, "img09999.jpg");
  EXPECT_EQ(images.size(), static_cast<std::size_t>(MaxImages));
}

}  // namespace
}  // namespace ql
