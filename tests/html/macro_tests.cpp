// The macro primitive, the two macro passes, colours and the body tag, as tables of cases.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "html/body_tag.h"
#include "html/color_to_html.h"
#include "html/page_macros.h"
#include "html/replace_macro.h"

namespace ql {
namespace {

struct TReplaceCase {
  std::string Line;
  std::string Macro;
  std::string Replacement;
  std::string Expected;
};

TEST(ReplaceMacro, TableOfCases) {
  const std::vector<TReplaceCase> cases = {
      {"a @cp@ b @cp@ c", "@cp@", "7", "a 7 b 7 c"},
      {"a @CP@ b", "@cp@", "7", "a @CP@ b"},            // case-sensitive
      {"x @cp@ y", "@cp@", "delete", ""},               // blanks the line
      {"nothing here", "@cp@", "delete", "nothing here"},  // "delete" only where the macro is
      {"x @cp@ y", "", "z", "x @cp@ y"},                // an empty macro is never found
      {"@cp@", "@cp@", "", ""},
      // The line is searched again from its start: occurrences formed by a replacement with
      // the text around it are replaced too.
      {"@io@iof@f@", "@iof@", "", ""},
      {"@io@io@iof@f@f@", "@iof@", "", ""},
      {"@@cp@cp@@", "@cp@", "", "@"},
      // A replacement holding its own macro is inserted once per occurrence, not searched.
      {"<@x@|@x@>", "@x@", "[@x@]", "<[@x@]|[@x@]>"},
      {"@x@", "@x@", "@x@", "@x@"},
      {"@x@", "@x@", "@@x@@", "@@x@@"},
  };
  for (const TReplaceCase& c : cases) {
    std::string line = c.Line;
    ReplaceMacro(line, c.Macro, c.Replacement);
    EXPECT_EQ(line, c.Expected) << "line '" << c.Line << "', " << c.Macro << " -> " << c.Replacement;
  }
}

TEST(ReplaceMacroLiteral, InsertsOncePerOccurrenceAndNeverSearches) {
  const std::vector<TReplaceCase> cases = {
      {"a @m@ b @m@", "@m@", "x", "a x b x"},
      {"a @m@ b", "@m@", "delete", "a delete b"},  // no line-blanking word here
      {"@m@", "@m@", "@m@@m@", "@m@@m@"},
      {"@@m@m@@", "@m@", "", "@m@@"},  // an occurrence formed by the insert is not replaced
      {"none", "@m@", "x", "none"},
      {"@m@", "", "x", "@m@"},
  };
  for (const TReplaceCase& c : cases) {
    std::string line = c.Line;
    ReplaceMacroLiteral(line, c.Macro, c.Replacement);
    EXPECT_EQ(line, c.Expected) << "line '" << c.Line << "'";
  }
}

struct TIndexCase {
  std::string Line;
  int Page;
  int Count;
  std::string Expected;
};

TEST(ExpandIndexMacros, TableOfCases) {
  const std::vector<TIndexCase> cases = {
      // A single page: it is both the first and the last.
      {"@iof@first hidden", 1, 1, ""},
      {"@iol@last hidden", 1, 1, ""},
      {"@oof@only first", 1, 1, "only first"},
      {"@ool@only last", 1, 1, "only last"},
      {"@next@ @prev@ @first@ @last@", 1, 1, "page1.htm page1.htm page1.htm page1.htm"},
      // Wrap-around of the neighbours.
      {"@next@ @prev@", 2, 2, "page1.htm page1.htm"},
      {"@next@ @prev@", 1, 3, "page2.htm page3.htm"},
      {"@next@ @prev@", 2, 3, "page3.htm page1.htm"},
      {"@cp@ of @tp@ (@cp@)", 2, 3, "2 of 3 (2)"},
      {"@first@ @last@", 2, 12, "page1.htm page12.htm"},
      // The line macros on the middle page: removed or blanking.
      {"<@iof@@iol@x>", 2, 3, "<x>"},
      {"@oof@x", 2, 3, ""},
      {"@ool@x", 2, 3, ""},
      {"@oof@x", 3, 3, ""},
      {"@ool@x", 3, 3, "x"},
      // A blanked line is blanked whatever else it holds.
      {"@cp@ @iof@ @next@", 1, 2, ""},
      // Wrong letter case and image-page macros stay as written.
      {"@CP@ @Tp@ @cp", 1, 1, "@CP@ @Tp@ @cp"},
      {"@image@ @thumbs@ @body@ @exifcomment@", 1, 2, "@image@ @thumbs@ @body@ @exifcomment@"},
      // A line macro removed on this page can join the text around it into another macro.
      {"@c@iof@p@", 2, 2, "2"},
      {"", 1, 1, ""},
  };
  for (const TIndexCase& c : cases) {
    std::string line = c.Line;
    ExpandIndexMacros(line, c.Page, c.Count);
    EXPECT_EQ(line, c.Expected) << "line '" << c.Line << "' on page " << c.Page << " of " << c.Count;
  }
}

struct TImageCase {
  std::string Line;
  int Image;
  int Count;
  int Columns;
  int Rows;
  std::string Expected;
};

TEST(ExpandImageMacros, TableOfCases) {
  const std::string body = " <body bgcolor=#FFFFFF>";
  const std::vector<TImageCase> cases = {
      {"@next@ @prev@ @first@ @last@", 1, 1, 4, 3, "img1.htm img1.htm img1.htm img1.htm"},
      {"@iof@x", 1, 1, 4, 3, ""},
      {"@iol@x", 1, 1, 4, 3, ""},
      {"@oof@x@ool@", 1, 1, 4, 3, "x"},
      {"@prev@ @next@", 1, 5, 4, 3, "img5.htm img2.htm"},
      {"@prev@ @next@", 5, 5, 4, 3, "img4.htm img1.htm"},
      {"@cp@/@tp@", 3, 5, 4, 3, "3/5"},
      {"@thumbs@", 1, 13, 4, 3, "page1.htm"},
      {"@thumbs@", 12, 13, 4, 3, "page1.htm"},
      {"@thumbs@", 13, 13, 4, 3, "page2.htm"},
      {"@thumbs@", 25, 30, 4, 3, "page3.htm"},
      // Columns and Rows out of range are clamped into 1..999, never a division by zero.
      {"@thumbs@", 3, 5, 0, 0, "page3.htm"},
      {"@thumbs@", 3, 5, -4, 3, "page1.htm"},
      {"@thumbs@", 5000, 9000, 65536, 65536, "page1.htm"},
      {"@body@", 2, 3, 4, 3, body},
      {"<img src=\"@image@\" alt=\"@image@\">", 2, 3, 4, 3, "<img src=\"sky_blue.jpg\" alt=\"sky_blue.jpg\">"},
      {"[@exifcomment@]", 2, 3, 4, 3, "[Sunset]"},
      {"@iof@@exifcomment@", 1, 3, 4, 3, ""},
      {"@CP@ @cp", 1, 1, 4, 3, "@CP@ @cp"},
  };
  for (const TImageCase& c : cases) {
    std::string line = c.Line;
    ExpandImageMacros(line, c.Image, c.Count, c.Columns, c.Rows, body, "sky_blue", "Sunset");
    EXPECT_EQ(line, c.Expected) << "line '" << c.Line << "' on image " << c.Image << " of " << c.Count;
  }
}

TEST(ExpandImageMacros, CommentIsLiteralAndSearchedForNothing) {
  struct TCase {
    std::string Line;
    std::string Comment;
    std::string Expected;
  };
  const std::vector<TCase> cases = {
      {"<p>@exifcomment@</p>", "delete", "<p>delete</p>"},  // does not blank the line
      {"@exifcomment@", "@exifcomment@", "@exifcomment@"},
      {"a @exifcomment@ b @exifcomment@", "@exifcomment@@exifcomment@",
       "a @exifcomment@@exifcomment@ b @exifcomment@@exifcomment@"},
      {"@exifcomment@", "@cp@ @next@ @iof@ @image@", "@cp@ @next@ @iof@ @image@"},
      {"@exifcomment@", "", ""},
  };
  for (const TCase& c : cases) {
    std::string line = c.Line;
    ExpandImageMacros(line, 1, 3, 4, 3, " <body>", "w", c.Comment);
    EXPECT_EQ(line, c.Expected) << "comment '" << c.Comment << "'";
  }
}

TEST(ExpandImageMacros, ImageNameIsEscapedAsALinkPath) {
  // The run's web names are a-z, 0-9 and "_" only; any other name cannot leave its attribute.
  std::string line = "<img src=\"@image@\" alt=\"@image@\">@image@";
  ExpandImageMacros(line, 1, 1, 4, 3, " <body>", "a\"><b c#d", "");
  EXPECT_EQ(line, "<img src=\"a%22%3E%3Cb%20c%23d.jpg\" alt=\"a%22%3E%3Cb%20c%23d.jpg\">a%22%3E%3Cb%20c%23d.jpg");
}

TEST(ColorToHtml, TableOfCases) {
  struct TCase {
    TColor Color;
    std::string Expected;
  };
  const std::vector<TCase> cases = {
      {0xA00000, "#0000A0"},
      {0xFF0080, "#8000FF"},
      {0xFFFFFF, "#FFFFFF"},
      {0x000000, "#000000"},
      {0x123456, "#563412"},
      {0x1FFFFFFF, "#FFFFFF"},  // top byte set but not negative: only the low 24 bits count
      {-1, "#000000"},          // the default text colour: no system colour 255
      {static_cast<TColor>(0xFF000005), "#FFFFFF"},  // COLOR_WINDOW
      {static_cast<TColor>(0xFF000008), "#000000"},  // COLOR_WINDOWTEXT
      {static_cast<TColor>(0x80000001), "#3A6EA5"},  // COLOR_BACKGROUND: only the low byte counts
      {static_cast<TColor>(0xFF00000F), "#D4D0C8"},  // COLOR_BTNFACE
      {static_cast<TColor>(0xFF000018), "#FFFFE1"},  // COLOR_INFOBK
      {static_cast<TColor>(0xFF00001E), "#D4D0C8"},  // COLOR_MENUBAR, the last index
      {static_cast<TColor>(0xFF000019), "#000000"},  // 25 names no system colour
      {static_cast<TColor>(0xFF00001F), "#000000"},  // past the last index
  };
  for (const TCase& c : cases) EXPECT_EQ(ColorToHtml(c.Color), c.Expected) << std::hex << c.Color;
}

TEST(BuildBodyTag, TableOfCases) {
  TPageLook all;
  all.UseColors = true;
  all.BGColor = 16777215;
  all.TextColor = -1;
  all.LinkColor = 10485760;
  all.VisitedColor = 16711808;
  all.UseImage = true;
  all.ImageFile = "/pics/Sky Blue.bmp";

  TPageLook colorsOnly = all;
  colorsOnly.UseImage = false;
  TPageLook imageWithoutFile = all;
  imageWithoutFile.UseColors = false;
  imageWithoutFile.ImageFile = "";
  TPageLook imageOnly = all;
  imageOnly.UseColors = false;

  struct TCase {
    TPageLook Look;
    std::string WebName;
    std::string Expected;
  };
  const std::vector<TCase> cases = {
      {all, "sky_blue",
       " <body bgcolor=#FFFFFF text=#000000 link=#0000A0 vlink=#8000FF background=\"sky_blue.jpg\">"},
      {TPageLook(), "sky_blue", " <body>"},
      {colorsOnly, "sky_blue", " <body bgcolor=#FFFFFF text=#000000 link=#0000A0 vlink=#8000FF>"},
      {imageWithoutFile, "sky_blue", " <body>"},
      {imageOnly, "sky_blue", " <body background=\"sky_blue.jpg\">"},
      {imageOnly, "a\"b c", " <body background=\"a%22b%20c.jpg\">"},
  };
  for (const TCase& c : cases) EXPECT_EQ(BuildBodyTag(c.Look, c.WebName), c.Expected);
}

TEST(BuildBodyTag, TakesTheIndexOrTheImagePageOptions) {
  TGalleryOptions o;
  o.UseColors = true;
  o.BGColor = 0x0000FF;
  o.UseImageImages = true;
  o.ImageFileImages = "/bg/sky.png";
  EXPECT_EQ(BuildBodyTag(IndexPageLook(o), "index_bg"), " <body bgcolor=#FF0000 text=#000000 link=#000000 vlink=#000000>");
  EXPECT_EQ(BuildBodyTag(ImagePageLook(o), "sky"), " <body background=\"sky.jpg\">");
}

}  // namespace
}  // namespace ql
