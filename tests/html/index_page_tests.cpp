// The lines of the index pages and the image pages: rows and cells, the macro passes over the
// code blocks, the cell lines to the byte, and the clamped Columns and Rows.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "html/image_pages.h"
#include "html/index_pages.h"
#include "html/page_layout.h"
#include "settings/default_options.h"

namespace ql {
namespace {

using TLines = std::vector<std::string>;

std::vector<TSourceImage> Images(int n) {
  std::vector<TSourceImage> images(static_cast<std::size_t>(n));
  for (int i = 0; i < n; ++i) images[static_cast<std::size_t>(i)].WebName = "w" + std::to_string(i + 1);
  return images;
}

// Short code blocks whose expansion shows the page number, the count and every navigation macro.
TGalleryOptions CompactOptions(int columns, int rows) {
  TGalleryOptions o;
  o.Columns = columns;
  o.Rows = rows;
  o.maxThumbSize = 140;
  o.Code1 = {"<title>@cp@/@tp@</title>"};
  o.Code2 = {"@iof@prev=@prev@", "@iol@next=@next@", "@oof@only-first", "@ool@only-last"};
  o.Code3 = {"@iof@first=@first@", "@iol@last=@last@", "@cp@ of @tp@"};
  return o;
}

// The page with every six-line cell folded into "cell imgN", N taken from its link, after the cell
// lines were checked against the cell of that image.
TLines Folded(const TLines& page, const std::vector<TSourceImage>& images, const TGalleryOptions& o) {
  TLines folded;
  for (std::size_t i = 0; i < page.size(); ++i) {
    if (page[i].rfind("   <td width=", 0) != 0) {
      folded.push_back(page[i]);
      continue;
    }
    const std::string& link = page.at(i + 2);  //     <a href="imgN.htm">
    const int number = std::stoi(link.substr(link.find("img") + 3));
    TLines cell;
    AppendThumbnailCell(cell, number - 1, images.at(static_cast<std::size_t>(number - 1)).WebName, o.maxThumbSize,
                        o.UseNames);
    EXPECT_EQ(TLines(page.begin() + static_cast<long>(i), page.begin() + static_cast<long>(i + 6)), cell);
    folded.push_back("cell img" + std::to_string(number));
    i += 5;
  }
  return folded;
}

struct TStructureCase {
  int N;
  int Page;
  TLines Expected;
};

TEST(IndexPages, RowsCellsAndNavigationWithFourColumnsAndThreeRows) {
  const TLines row4a = {"  <tr>", "cell img1", "cell img2", "cell img3", "cell img4", "  </tr>"};
  const TLines row4b = {"  <tr>", "cell img5", "cell img6", "cell img7", "cell img8", "  </tr>"};
  const TLines row4c = {"  <tr>", "cell img9", "cell img10", "cell img11", "cell img12", "  </tr>"};
  auto page = [](const TLines& head, std::vector<TLines> rows, const TLines& tail) {
    TLines lines = head;
    for (const TLines& row : rows) lines.insert(lines.end(), row.begin(), row.end());
    lines.insert(lines.end(), tail.begin(), tail.end());
    return lines;
  };
  // One page is both first and last.
  const TLines onlyHead = {"<title>1/1</title>", " </head>", " <body>", "", "", "only-first", "only-last"};
  const TLines onlyTail = {"", "", "1 of 1"};
  const std::vector<TStructureCase> cases = {
      {5, 1, page(onlyHead, {row4a, {"  <tr>", "cell img5", "  </tr>"}}, onlyTail)},
      {8, 1, page(onlyHead, {row4a, row4b}, onlyTail)},
      {12, 1, page(onlyHead, {row4a, row4b, row4c}, onlyTail)},
      {13, 1,
       page({"<title>1/2</title>", " </head>", " <body>", "", "next=page2.htm", "only-first", ""}, {row4a, row4b, row4c},
            {"", "last=page2.htm", "1 of 2"})},
      {13, 2,
       page({"<title>2/2</title>", " </head>", " <body>", "prev=page1.htm", "", "", "only-last"},
            {{"  <tr>", "cell img13", "  </tr>"}}, {"first=page1.htm", "", "2 of 2"})},
  };
  const TGalleryOptions o = CompactOptions(4, 3);
  for (const TStructureCase& c : cases) {
    const std::vector<TSourceImage> images = Images(c.N);
    EXPECT_EQ(Folded(BuildIndexPage(o, images, " <body>", c.Page), images, o), c.Expected)
        << "n = " << c.N << ", page " << c.Page;
  }
}

TEST(IndexPages, MiddlePageHasAllFourNeighbours) {
  const TGalleryOptions o = CompactOptions(1, 1);
  const std::vector<TSourceImage> images = Images(3);
  EXPECT_EQ(Folded(BuildIndexPage(o, images, " <body>", 2), images, o),
            (TLines{"<title>2/3</title>", " </head>", " <body>", "prev=page1.htm", "next=page3.htm", "", "", "  <tr>",
                    "cell img2", "  </tr>", "first=page1.htm", "last=page3.htm", "2 of 3"}));
}

TEST(IndexPages, CellLinesToTheByte) {
  TLines withNames;
  AppendThumbnailCell(withNames, 0, "sky_blue", 140, true);
  EXPECT_EQ(withNames, (TLines{"   <td width=140 height=140>", "    <center>", "    <a href=\"img1.htm\">",
                               "    <img src=\"t_sky_blue.jpg\" border=0 alt=\"sky_blue.jpg\"><br>sky_blue</a>",
                               "    </center>", "   </td>"}));
  TLines withoutNames;
  AppendThumbnailCell(withoutNames, 41, "sky_blue", 90, false);
  EXPECT_EQ(withoutNames, (TLines{"   <td width=90 height=90>", "    <center>", "    <a href=\"img42.htm\">",
                                  "    <img src=\"t_sky_blue.jpg\" border=0 alt=\"sky_blue.jpg\"></a>",
                                  "    </center>", "   </td>"}));
}

TEST(IndexPages, UseNamesChangesOnlyTheImageLine) {
  TGalleryOptions o = CompactOptions(4, 3);
  const std::vector<TSourceImage> images = Images(2);
  o.UseNames = false;
  const TLines off = BuildIndexPage(o, images, " <body>", 1);
  o.UseNames = true;
  const TLines on = BuildIndexPage(o, images, " <body>", 1);
  ASSERT_EQ(on.size(), off.size());
  std::vector<std::size_t> differing;
  for (std::size_t i = 0; i < on.size(); ++i) {
    if (on[i] != off[i]) differing.push_back(i);
  }
  ASSERT_EQ(differing.size(), 2u);
  EXPECT_EQ(off[differing[0]], "    <img src=\"t_w1.jpg\" border=0 alt=\"w1.jpg\"></a>");
  EXPECT_EQ(on[differing[0]], "    <img src=\"t_w1.jpg\" border=0 alt=\"w1.jpg\"><br>w1</a>");
  EXPECT_EQ(on[differing[1]], "    <img src=\"t_w2.jpg\" border=0 alt=\"w2.jpg\"><br>w2</a>");
}

TEST(IndexPages, EmptyCodeBlocksGiveHeadEndBodyAndRowsOnly) {
  TGalleryOptions o;
  o.Columns = 4;
  o.Rows = 3;
  o.maxThumbSize = 140;
  const std::vector<TSourceImage> images = Images(1);
  EXPECT_EQ(Folded(BuildIndexPage(o, images, " <body>", 1), images, o),
            (TLines{" </head>", " <body>", "  <tr>", "cell img1", "  </tr>"}));
  // And an empty image-page template gives an empty page: the writer adds nothing there.
  EXPECT_TRUE(BuildImagePage(o, images, " <body>", 1, "").empty());
}

TEST(IndexPages, CodeBlocksAreExpandedButTheRowsAreNot) {
  TGalleryOptions o = CompactOptions(4, 3);
  o.Code1 = {"<head>@cp@</head>"};  // its own closing tag still gets " </head>" after it
  o.Code2 = {"@iof@<a href=\"@prev@\">prev</a>", "@image@ @thumbs@ @body@ @exifcomment@"};
  o.Code3 = {"@tp@"};
  std::vector<TSourceImage> images = Images(13);
  images[12].WebName = "@cp@";  // no web name holds "@"; if one did, the rows would keep it
  EXPECT_EQ(BuildIndexPage(o, images, " <body @cp@>", 2),
            (TLines{"<head>2</head>", " </head>", " <body 2>", "<a href=\"page1.htm\">prev</a>",
                    "@image@ @thumbs@ @body@ @exifcomment@", "  <tr>", "   <td width=140 height=140>",
                    "    <center>", "    <a href=\"img13.htm\">",
                    "    <img src=\"t_%40cp%40.jpg\" border=0 alt=\"@cp@.jpg\"></a>", "    </center>", "   </td>",
                    "  </tr>", "2"}));
  EXPECT_EQ(BuildIndexPage(o, images, " <body>", 1)[3], "");  // "@iof@" blanks the line on page 1
}

TEST(IndexPages, NamesFromFilesAreEscapedForTheirPlace) {
  TGalleryOptions o = CompactOptions(4, 3);
  o.UseNames = true;
  std::vector<TSourceImage> images = Images(1);
  images[0].WebName = "a&b <c>\"d'";
  const TLines page = BuildIndexPage(o, images, " <body>", 1);
  EXPECT_EQ(page.at(11),
            "    <img src=\"t_a%26b%20%3Cc%3E%22d%27.jpg\" border=0 alt=\"a&amp;b &lt;c&gt;&quot;d&#39;.jpg\">"
            "<br>a&amp;b &lt;c&gt;&quot;d&#39;</a>");
}

TEST(PageLayout, ColumnsAndRowsAreClampedIntoTheDialogRange) {
  struct TCase {
    int Columns, Rows, N, Pages;
  };
  const std::vector<TCase> cases = {
      {4, 3, 12, 1}, {4, 3, 13, 2}, {4, 3, 1, 1},   {4, 3, 0, 0},         {0, 0, 3, 3},  {0, 5, 11, 3},
      {-7, 3, 7, 3}, {999, 999, 10000, 1},          {65536, 65536, 10000, 1}, {1000, 1, 1999, 3},
  };
  for (const TCase& c : cases) {
    EXPECT_EQ(IndexPageCount(c.N, TCellLayout(c.Columns, c.Rows)), c.Pages)
        << c.Columns << " x " << c.Rows << ", n = " << c.N;
  }
  EXPECT_EQ(TCellLayout(65536, 65536).PerPage(), 999 * 999);
}

TEST(IndexPages, ZeroColumnsAndRowsGiveOneThumbnailPerPage) {
  TGalleryOptions o = CompactOptions(0, 0);
  const std::vector<TSourceImage> images = Images(3);
  for (int page = 1; page <= 3; ++page) {
    const TLines folded = Folded(BuildIndexPage(o, images, " <body>", page), images, o);
    const TLines rows(folded.begin() + 7, folded.end() - 3);
    EXPECT_EQ(rows, (TLines{"  <tr>", "cell img" + std::to_string(page), "  </tr>"})) << "page " << page;
    EXPECT_EQ(folded.back(), std::to_string(page) + " of 3");
  }
}

TEST(ImagePages, DefaultTemplateOnFirstAndLastImage) {
  TGalleryOptions o;
  SetDefaultOptions(o);
  const std::vector<TSourceImage> images = Images(13);
  const TLines first = BuildImagePage(o, images, " <body>", 1, "");
  const TLines last = BuildImagePage(o, images, " <body>", 13, "");
  ASSERT_EQ(first.size(), 38u);
  ASSERT_EQ(last.size(), 38u);
  EXPECT_EQ(first[4], "  <title>gallery image 1 of 13</title>");
  EXPECT_EQ(first[6], "  <body>");  // " @body@": the template's blank and the tag's own
  EXPECT_EQ(first[7], "  <b><i><font face=\"Arial,Helvetica\"><font size=+2>w1.jpg</font></i></b> ");
  EXPECT_EQ(first[14], "");  // no "prev." on the first image
  EXPECT_EQ(first[20], "   <center><a href=\"img2.htm\">next page &gt;</a></center>");
  EXPECT_EQ(first[25], "");
  EXPECT_EQ(first[29], "   <center><a href=\"img13.htm\">last page &gt;&gt;</a></center>");
  EXPECT_EQ(first[34], "  <a href=\"page1.htm\">");
  EXPECT_EQ(first[35], "  <img src=\"w1.jpg\" border=0 alt=\"w1.jpg\">");
  EXPECT_EQ(last[14], "   <center><a href=\"img12.htm\">&lt; prev. page</a></center>");
  EXPECT_EQ(last[20], "");  // no "next" on the last image
  EXPECT_EQ(last[25], "   <center><a href=\"img1.htm\">&lt;&lt; first page</a></center>");
  EXPECT_EQ(last[29], "");
  EXPECT_EQ(last[34], "  <a href=\"page2.htm\">");
}

}  // namespace
}  // namespace ql
