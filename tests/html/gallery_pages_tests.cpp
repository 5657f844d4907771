// WriteGalleryPages on disk: the files it writes, their line ends, and what happens when a page
// cannot be written.
#include <gtest/gtest.h>

#include <sys/stat.h>

#include <string>
#include <vector>

#include "exif/img_data.h"
#include "html/gallery_pages.h"
#include "html/page_checks.h"
#include "html/page_job.h"
#include "platform/errors.h"
#include "support/temp_dir.h"

namespace ql {
namespace {

using test::ListNames;
using test::ReadFile;
using test::TPageJob;
using test::TTempDir;

std::vector<std::string> PageNames(int indexPages, int imagePages) {
  std::vector<std::string> names;
  for (int i = 1; i <= imagePages; ++i) names.push_back("img" + std::to_string(i) + ".htm");
  for (int i = 1; i <= indexPages; ++i) names.push_back("page" + std::to_string(i) + ".htm");
  std::sort(names.begin(), names.end());
  return names;
}

TEST(WriteGalleryPages, WritesEveryIndexAndImagePageWithCrLfLineEnds) {
  TTempDir dir;
  TPageJob job(dir.Path(), 13);
  TPageWriteReport report;
  EXPECT_EQ(WriteGalleryPages(job.Context(), 13, &report), 0);
  EXPECT_EQ(report.IndexPages, 2);
  EXPECT_EQ(report.ImagePages, 13);
  EXPECT_TRUE(report.Failures.empty());
  EXPECT_EQ(ListNames(dir.Path()), PageNames(2, 13));
  for (const std::string& name : ListNames(dir.Path())) {
    const std::string text = ReadFile(dir / name);
    EXPECT_EQ(test::LineEndFault(text), "") << name;
    EXPECT_NE(text.find("</html>\r\n"), std::string::npos) << name;
  }
  // 6 lines of Code1, " </head>", the body, 27 of Code2, rows of 4 + 4 + 1 cells, 28 of Code3.
  EXPECT_EQ(test::CountLines(ReadFile(dir / "page2.htm")), 6u + 2 + 27 + (2 + 6) + 28);
  EXPECT_EQ(test::CountLines(ReadFile(dir / "page1.htm")), 6u + 2 + 27 + 3 * (2 + 4 * 6) + 28);
  EXPECT_EQ(test::CountLines(ReadFile(dir / "img13.htm")), 38u);
}

TEST(WriteGalleryPages, ReplacesAnExistingPage) {
  TTempDir dir;
  test::WriteFile(dir / "page1.htm", "an older, longer page from an earlier run\r\n");
  chmod((dir / "page1.htm").c_str(), 0640);
  TPageJob job(dir.Path(), 1);
  job.Options.Code1 = {};
  job.Options.Code2 = {};
  job.Options.Code3 = {};
  ASSERT_EQ(WriteGalleryPages(job.Context(), 1), 0);
  const std::string page = ReadFile(dir / "page1.htm");
  EXPECT_EQ(page.substr(0, 27), " </head>\r\n <body>\r\n  <tr>\r\n");
  EXPECT_EQ(page.substr(page.size() - 9), "  </tr>\r\n");
  struct stat st {};
  ASSERT_EQ(stat((dir / "page1.htm").c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 07777, 0640u);
}

TEST(WriteGalleryPages, AFailedPageGivesOneAndTheOtherPagesAreStillWritten) {
  TTempDir dir;
  // A folder where a page should be: no file can be renamed over it, whoever runs the test.
  ASSERT_EQ(mkdir((dir / "page2.htm").c_str(), 0755), 0);
  ASSERT_EQ(mkdir((dir / "img3.htm").c_str(), 0755), 0);
  TPageJob job(dir.Path(), 25);
  TPageWriteReport report;
  EXPECT_EQ(WriteGalleryPages(job.Context(), 25, &report), 1);
  EXPECT_EQ(report.IndexPages, 3);
  EXPECT_EQ(report.ImagePages, 25);
  ASSERT_EQ(report.Failures.size(), 2u);
  EXPECT_EQ(report.Failures[0].File, dir / "page2.htm");
  EXPECT_EQ(report.Failures[1].File, dir / "img3.htm");
  EXPECT_EQ(report.Failures[0].Reason, ErrnoText(EISDIR));
  // Every other page is there and complete; no temporary file is left behind.
  EXPECT_EQ(ListNames(dir.Path()), PageNames(3, 25));
  EXPECT_NE(ReadFile(dir / "page3.htm").find("<title>gallery page 3 of 3</title>"), std::string::npos);
  EXPECT_NE(ReadFile(dir / "img25.htm").find("</html>\r\n"), std::string::npos);
  EXPECT_TRUE(ListNames(dir / "page2.htm").empty());
}

TEST(WriteGalleryPages, MissingOutputFolderFailsEveryPage) {
  TTempDir dir;
  TPageJob job(dir / "missing", 2);
  TPageWriteReport report;
  EXPECT_EQ(WriteGalleryPages(job.Context(), 2, &report), 1);
  ASSERT_EQ(report.Failures.size(), 3u);
  EXPECT_EQ(report.Failures[0].File, dir / "missing/page1.htm");
  EXPECT_EQ(report.Failures[0].Reason, ErrnoText(ENOENT));
  EXPECT_EQ(report.Failures[2].File, dir / "missing/img2.htm");
  EXPECT_TRUE(ListNames(dir.Path()).empty());
  // Without a report the result alone tells.
  EXPECT_EQ(WriteGalleryPages(job.Context(), 2), 1);
}

TEST(WriteGalleryPages, UsesOnlyTheFirstNRows) {
  TTempDir dir;
  TPageJob job(dir.Path(), 5);  // rows 3 and 4 are left over from an earlier run
  ASSERT_EQ(WriteGalleryPages(job.Context(), 3), 0);
  EXPECT_EQ(ListNames(dir.Path()), PageNames(1, 3));
  const std::string index = ReadFile(dir / "page1.htm");
  EXPECT_NE(index.find("t_w3.jpg"), std::string::npos);
  EXPECT_EQ(index.find("t_w4.jpg"), std::string::npos);
  EXPECT_NE(ReadFile(dir / "img3.htm").find("image 3 of 3"), std::string::npos);
}

TEST(WriteGalleryPages, BadCountsWriteNothingOrAreRefused) {
  TTempDir dir;
  TPageJob job(dir.Path(), 2);
  TPageWriteReport report;
  report.IndexPages = 9;
  EXPECT_EQ(WriteGalleryPages(job.Context(), 0, &report), 0);
  EXPECT_EQ(report.IndexPages, 0);
  EXPECT_TRUE(ListNames(dir.Path()).empty());
  EXPECT_THROW(WriteGalleryPages(job.Context(), 3), TError);
}

TEST(WriteGalleryPages, BodyTagsComeFromTheirOwnOptionsAndBackgroundCopies) {
  TTempDir dir;
  TPageJob job(dir.Path(), 1);
  job.Options.UseColors = true;
  job.Options.UseImageImages = true;
  job.Options.ImageFileImages = "/pics/Sky Blue.bmp";
  job.BackgroundWebName = "not_used";
  job.BackgroundWebNameImages = "sky_blue";
  ASSERT_EQ(WriteGalleryPages(job.Context(), 1), 0);
  EXPECT_NE(ReadFile(dir / "page1.htm")
                .find("\r\n <body bgcolor=#FFFFFF text=#000000 link=#0000A0 vlink=#8000FF>\r\n"),
            std::string::npos);
  EXPECT_NE(ReadFile(dir / "img1.htm").find("\r\n  <body background=\"sky_blue.jpg\">\r\n"), std::string::npos);
}

// The comments of the example photos through the metadata reader. Skipped while the reader
// finds no metadata in any file.
TEST(WriteGalleryPages, ImagePagesCarryTheEscapedCommentsOfThePhotos) {
  const std::string photos = QL_EXAMPLES_PHOTOS_DIR;
  if (!TimgData(0).ProcessFile(photos + "/Ladybird.jpg")) GTEST_SKIP() << "the metadata reader reads no comments yet";
  struct TCase {
    std::string FileName;
    std::string Expected;
  };
  const std::vector<TCase> cases = {
      {"Ladybird.jpg", "Ladybird &amp; forget-me-nots &lt;macro&gt; &quot;f/2.8&quot;"},
      {"Rain Drops.jpg", "Raindrops on a leaf"},                      // ends with a zero byte
      {"Evening Storm.jpg", "Storm clouds over the road"},            // no zero byte: the "d" stays
      {"Weathered Wood.jpg", "Old planks,\r\nweathered by sun and rain"},  // LF in the file
      {"\u00dcber den D\u00fcnen.jpeg", "D\u00fcnengras an der K\u00fcste"},
      {"green meadow.jpg", ""},
      {"Wood Grain.bmp", ""},
  };
  TTempDir dir;
  TPageJob job(dir.Path());
  job.SourceDir = photos;
  job.Options.Code1Images = {"<p>@exifcomment@</p>"};
  for (const TCase& c : cases) job.Images.push_back({c.FileName, "", 0, "w"});
  ASSERT_EQ(WriteGalleryPages(job.Context(), static_cast<int>(cases.size())), 0);
  for (std::size_t i = 0; i < cases.size(); ++i) {
    EXPECT_EQ(ReadFile(dir / ("img" + std::to_string(i + 1) + ".htm")), "<p>" + cases[i].Expected + "</p>\r\n")
        << cases[i].FileName;
  }
}

}  // namespace
}  // namespace ql
