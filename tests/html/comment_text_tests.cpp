// The comment of a source image as it goes into its page: cut at a zero byte, UTF-8, escaped,
// line breaks as CR LF.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "html/comment_text.h"
#include "html/image_pages.h"
#include "html/page_checks.h"
#include "platform/text_lines.h"

namespace ql {
namespace {

using namespace std::string_literals;

TEST(CommentText, TableOfCases) {
  struct TCase {
    std::string Raw;
    std::string Expected;
  };
  const std::vector<TCase> cases = {
      {"Sunset at the lake\0"s, "Sunset at the lake"},  // the usual terminator is dropped
      {"Sunset at the lake", "Sunset at the lake"},     // no terminator: the last letter stays
      {"ab\0cd\0"s, "ab"},                              // cut at an inner zero byte
      {"\0hidden"s, ""},
      {"", ""},
      {"\0"s, ""},
      {"x", "x"},
      {"Ladybird & forget-me-nots <macro> \"f/2.8\"", "Ladybird &amp; forget-me-nots &lt;macro&gt; &quot;f/2.8&quot;"},
      {"it's", "it&#39;s"},
      {"&amp;", "&amp;amp;"},  // an entity in the comment is text, not markup
      {"D\xfcnengras an der K\xfcste", "D\u00fcnengras an der K\u00fcste"},  // Windows-1252
      {"D\u00fcnengras", "D\u00fcnengras"},                                    // UTF-8 kept
      {"\x80 5\0"s, "\u20ac 5"},
      {"Old planks,\nweathered", "Old planks,\r\nweathered"},
      {"a\r\nb\rc\n\rd", "a\r\nb\r\nc\r\n\r\nd"},
      {"ends with a break\n\0"s, "ends with a break\r\n"},
      {"@exifcomment@ delete", "@exifcomment@ delete"},
  };
  for (const TCase& c : cases) EXPECT_EQ(CommentText(c.Raw), c.Expected) << "raw '" << c.Raw << "'";
}

TEST(CommentText, ImagePageKeepsCrLfLineEndsWithAMultiLineComment) {
  TGalleryOptions options;
  options.Columns = 4;
  options.Rows = 3;
  options.Code1Images = {"<p>@exifcomment@</p>", "<img alt=\"@exifcomment@\">", "@image@"};
  const std::vector<TSourceImage> images = {{"Weathered Wood.jpg", ".jpg", 0, "weathered_wood"}};
  const std::string comment = CommentText("Old planks,\nweathered by sun & rain\r\0"s);

  const std::string page = JoinLinesCrLf(BuildImagePage(options, images, " <body>", 1, comment));
  EXPECT_EQ(page,
            "<p>Old planks,\r\nweathered by sun &amp; rain\r\n</p>\r\n"
            "<img alt=\"Old planks,\r\nweathered by sun &amp; rain\r\n\">\r\n"
            "weathered_wood.jpg\r\n");
  EXPECT_EQ(test::LineEndFault(page), "");
}

}  // namespace
}  // namespace ql
