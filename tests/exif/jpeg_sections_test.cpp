// The section walk: which sections are read, counted and recorded, and where the walk stops.
#include <sys/stat.h>

#include "exif/reader_fixture.h"

namespace ql::test {
namespace {

TTiffBuilder DatedTiff(std::string_view date = "2005:06:07 12:34:56") {
  TTiffBuilder tiff(false);
  tiff.Ascii(0, tagDateTime, date);
  return tiff;
}

struct TWalkCase {
  const char* name;
  TBytes bytes;
  bool result;
  int sections;
  bool exif, jfif, iptc, comment;
};

std::vector<TWalkCase> WalkCases() {
  const TTiffBuilder tiff = DatedTiff();
  TJpegBuilder manyApp2;
  manyApp2.Exif(tiff);
  for (int i = 0; i < 30; ++i) manyApp2.Segment(0xE2, Bytes("ICC_PROFILE"));
  manyApp2.Dqt().Scan();

  return {
      {"EXIF first, then the tables", TJpegBuilder().Exif(tiff).Dqt().Sof().Dht().Scan().Get(), true, 5, true, false, false, false},
      {"APP0, two DQT, SOF, DHT: given up at the fifth", TJpegBuilder().Jfif().Dqt().Dqt().Sof().Dht().Scan().Get(),
       false, 5, false, true, false, false},
      {"COM as the fifth section is not looked at", TJpegBuilder().Jfif().Dqt().Dqt().Sof().Comment("late").Scan().Get(),
       false, 5, false, true, false, false},
      {"COM as the fourth section is recorded", TJpegBuilder().Jfif().Dqt().Dqt().Comment("hi").Sof().Dht().Scan().Get(),
       true, 7, false, true, false, true},
      {"fill bytes before a marker are skipped", TJpegBuilder().Raw({0xFF, 0xFF}).Exif(tiff).Dqt().Scan().Get(), true, 3,
       true, false, false, false},
      {"a marker code right after a section, without 0xFF",
       TJpegBuilder().Jfif().Raw({0xFE, 0x00, 0x04, 'h', 'i'}).Scan().Get(), true, 3, false, true, false, true},
      {"EXIF and 30 APP2: 20 sections read, the scan not reached", manyApp2.Get(), true, 20, true, false, false, false},
      {"the file ends right after its EXIF section", TJpegBuilder().Exif(tiff).Get(), true, 1, true, false, false, false},
      {"a section cut short by the end of the file is not counted",
       TJpegBuilder().Comment("c").Raw({0xFF, 0xDB, 0x00, 0x43, 1, 2}).Get(), true, 1, false, false, false, true},
      {"the file ends inside fill bytes", TJpegBuilder().Comment("c").Raw({0xFF, 0xFF}).Get(), true, 1, false, false,
       false, true},
      {"not a JPEG", Bytes("GIF89a"), false, 0, false, false, false, false},
      {"an empty file", {}, false, 0, false, false, false, false},
      {"a length field below 2 fails; what was recorded stays",
       TJpegBuilder().Comment("c").Raw({0xFF, 0xDB, 0x00, 0x01}).Dqt().Scan().Get(), false, 1, false, false, false, true},
      {"EXIF section too short for the IFD0 offset fails; the section stays",
       TJpegBuilder().Segment(0xE1, Bytes(std::string_view("Exif\0\0II*\0", 10))).Dqt().Scan().Get(), false, 1, true,
       false, false, false},
      {"APP1 as the sixth section is dropped",
       TJpegBuilder().Comment("c").Dqt().Dqt().Dqt().Dqt().Exif(tiff).Dht().Scan().Get(), true, 7, false, false, false,
       true},
      {"APP1 as the fifth section is recorded",
       TJpegBuilder().Comment("c").Dqt().Dqt().Dqt().Exif(tiff).Dht().Scan().Get(), true, 7, true, false, false, true},
      {"an XMP APP1 is not an EXIF section", TJpegBuilder().Xmp().Comment("c").Scan().Get(), true, 3, false, false, false,
       true},
      {"an XMP APP1 counts as a section but not as metadata", TJpegBuilder().Xmp().Dqt().Dqt().Sof().Dht().Scan().Get(),
       false, 5, false, false, false, false},
      {"APP13 is metadata", TJpegBuilder().Iptc("x").Dqt().Scan().Get(), true, 3, false, false, true, false},
  };
}

class JpegSectionsTest : public TReaderTest {};

TEST_F(JpegSectionsTest, WalkTable) {
  for (const TWalkCase& c : WalkCases()) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(Process(c.bytes), c.result);
    EXPECT_EQ(reader.SectionsRead, c.sections);
    EXPECT_EQ(reader.HasEXIF(), c.exif);
    EXPECT_EQ(reader.JfifSection != nullptr, c.jfif);
    EXPECT_EQ(reader.HasIPTC(), c.iptc);
    EXPECT_EQ(reader.HasComment(), c.comment);
    EXPECT_EQ(reader.ImageInfo != nullptr, c.exif);
  }
}

TEST_F(JpegSectionsTest, LastComAndApp0WinFirstApp13Wins) {
  TJpegBuilder jpeg;
  jpeg.Jfif().Iptc("first").Comment("one").Iptc("second").Segment(0xE0, Bytes("JFXX")).Comment("two").Scan();
  ASSERT_TRUE(Process(jpeg));
  EXPECT_EQ(reader.GetCommentStr(), "two");
  EXPECT_EQ(reader.IptcSection, &reader.SectionTable[1]);
  EXPECT_EQ(reader.JfifSection, &reader.SectionTable[4]);
}

TEST_F(JpegSectionsTest, DroppedSixthApp1LeavesItsSlotToTheNextSection) {
  ASSERT_TRUE(Process(TJpegBuilder().Comment("c").Dqt().Dqt().Dqt().Dqt().Exif(DatedTiff()).Dht().Scan()));
  EXPECT_EQ(reader.SectionTable[5].Marker, 0xC4);  // slot 6: the DHT after the dropped APP1
  EXPECT_EQ(reader.SectionTable[6].Marker, 0xDA);
}

TEST_F(JpegSectionsTest, XmpAfterExifKeepsTheExifBlockAndItsDate) {
  TJpegBuilder jpeg;
  jpeg.Jfif().Exif(DatedTiff()).Xmp().Dqt().Scan();
  ASSERT_TRUE(Process(jpeg));
  EXPECT_EQ(reader.ExifSection, &reader.SectionTable[1]);
  EXPECT_EQ(Date(), At(2005, 6, 7, 12, 34, 56));
  EXPECT_EQ(reader.SectionsRead, 5);
}

TEST_F(JpegSectionsTest, XmpBeforeExifDoesNotHideIt) {
  ASSERT_TRUE(Process(TJpegBuilder().Xmp().Exif(DatedTiff()).Scan()));
  EXPECT_EQ(reader.ExifSection, &reader.SectionTable[1]);
  EXPECT_EQ(Date(), At(2005, 6, 7, 12, 34, 56));
}

TEST_F(JpegSectionsTest, OfTwoExifSectionsTheLastWins) {
  ASSERT_TRUE(Process(TJpegBuilder().Exif(DatedTiff("2001:01:01 00:00:00")).Exif(DatedTiff("2002:02:02 00:00:00")).Scan()));
  EXPECT_EQ(reader.ExifSection, &reader.SectionTable[1]);
  EXPECT_EQ(Date(), At(2002, 2, 2, 0, 0, 0));
}

TEST_F(JpegSectionsTest, WalkStopsRightAfterTheStartOfScanHeader) {
  TJpegBuilder jpeg;
  jpeg.Exif(DatedTiff()).Dqt().Segment(0xDA, {1, 1, 0, 0, 63, 0});
  const std::size_t afterScanHeader = jpeg.Size();
  jpeg.Raw({0x12, 0xFF, 0xFE, 0x00, 0x04, 'x', 'y', 0xFF, 0xD9});  // looks like a COM, is image data
  TByteStream stream(jpeg.Get());
  EXPECT_TRUE(reader.ReadJpegSections(stream));
  EXPECT_EQ(stream.Position(), afterScanHeader);
  EXPECT_FALSE(reader.HasComment());
}

TEST_F(JpegSectionsTest, WhichNamesAreRead) {
  const TBytes jpeg = TJpegBuilder().Exif(DatedTiff()).Scan().Get();
  for (const char* name : {"IMG_1.JPG", "b.jpeg", "c.JPEG", "d.jpe", "e.Jpe"}) {
    EXPECT_TRUE(Process(jpeg, name)) << name;
  }
  // The same bytes under other names: the file is not opened.
  for (const char* name : {"f.bmp", "g.BMP", "noextension", "h.jpg.txt", "i.tif"}) {
    EXPECT_FALSE(Process(jpeg, name)) << name;
    EXPECT_FALSE(reader.HasMetaData()) << name;
  }
}

TEST_F(JpegSectionsTest, EveryCallForgetsThePreviousFile) {
  ASSERT_TRUE(Process(TJpegBuilder().Exif(DatedTiff()).Comment("c").Scan()));
  EXPECT_FALSE(reader.ProcessFile(dir / "missing.jpg"));
  EXPECT_FALSE(reader.HasMetaData());
  EXPECT_EQ(reader.ImageInfo, nullptr);
  EXPECT_EQ(reader.SectionsRead, 0);
  EXPECT_FALSE(reader.BigEndian);

  ASSERT_EQ(mkdir((dir / "folder.jpg").c_str(), 0700), 0);
  EXPECT_FALSE(reader.ProcessFile(dir / "folder.jpg"));
}

TEST_F(JpegSectionsTest, ReadExifInfoReportsMetadataEvenWhenTheWalkFailed) {
  const TBytes shortExif = TJpegBuilder().Segment(0xE1, Bytes(std::string_view("Exif\0\0MM\0*", 10))).Scan().Get();
  EXPECT_FALSE(Process(shortExif));
  EXPECT_TRUE(reader.ReadExifInfo(dir / "a.jpg"));
  EXPECT_FALSE(reader.ReadExifInfo(dir / "missing.jpg"));
}

TEST_F(JpegSectionsTest, ReadErrorOfIfd0LeavesReadJpegSections) {
  const TBytes shortExif = TJpegBuilder().Segment(0xE1, Bytes(std::string_view("Exif\0\0II*\0", 10))).Get();
  TByteStream stream(shortExif);
  EXPECT_THROW(reader.ReadJpegSections(stream), TExifReadError);
}

}  // namespace
}  // namespace ql::test
