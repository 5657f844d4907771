#include "html/page_macros.h"

#include "html/html_escape.h"
#include "html/page_layout.h"
#include "html/replace_macro.h"

namespace ql {

namespace {

// "@iof@" / "@oof@" against the first page, then "@iol@" / "@ool@" against the last.
void ExpandLineMacros(std::string& line, bool first, bool last) {
  ReplaceMacro(line, "@iof@", first ? kDeleteLine : "");
  ReplaceMacro(line, "@oof@", first ? "" : kDeleteLine);
  ReplaceMacro(line, "@iol@", last ? kDeleteLine : "");
  ReplaceMacro(line, "@ool@", last ? "" : kDeleteLine);
}

// "@cp@" ... "@last@": the numbers and the names of the pages of one series, `stem` + number +
// ".htm", wrapping around at both ends.
void ExpandNavigation(std::string& line, std::string_view stem, int current, int count) {
  auto name = [stem](int number) { return std::string(stem) + std::to_string(number) + ".htm"; };
  ReplaceMacro(line, "@cp@", std::to_string(current));
  ReplaceMacro(line, "@tp@", std::to_string(count));
  ReplaceMacro(line, "@next@", name(current == count ? 1 : current + 1));
  ReplaceMacro(line, "@prev@", name(current == 1 ? count : current - 1));
  ReplaceMacro(line, "@first@", name(1));
  ReplaceMacro(line, "@last@", name(count));
}

}  // namespace

void ExpandIndexMacros(std::string& line, int page, int pageCount) {
  ExpandLineMacros(line, page == 1, page == pageCount);
  ExpandNavigation(line, "page", page, pageCount);
}

void ExpandImageMacros(std::string& line, int image, int imageCount, int columns, int rows,
                       std::string_view bodyTag, std::string_view webName, std::string_view commentText) {
  ExpandLineMacros(line, image == 1, image == imageCount);
  ExpandNavigation(line, "img", image, imageCount);
  const TCellLayout layout(columns, rows);
  ReplaceMacro(line, "@thumbs@", "page" + std::to_string(IndexPageOfImage(image, layout)) + ".htm");
  ReplaceMacro(line, "@body@", bodyTag);
  ReplaceMacro(line, "@image@", UrlPathEscape(webName) + ".jpg");
  ReplaceMacroLiteral(line, "@exifcomment@", commentText);
}

}  // namespace ql
