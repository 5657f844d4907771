// The macro passes over one template line: index pages and image pages.
//
// Line macros, applied first: "@iof@" blanks the line on the first page, "@oof@" blanks it on
// every other page, "@iol@" and "@ool@" likewise for the last page; where they do not blank the
// line they are removed. A blanked line stays in the page as an empty line. Then the numbers and
// the names of neighbouring pages, and on image pages "@thumbs@", "@body@", "@image@" and last the
// comment. Matching is exact and case-sensitive; a macro not replaced on a kind of page stays.
#pragma once

#include <string>
#include <string_view>

namespace ql {

// Index page `page` (G) of `pageCount` (D), in this order: "@iof@", "@oof@", "@iol@", "@ool@",
// "@cp@" G, "@tp@" D, "@next@" page<G+1>.htm (page1.htm on the last page), "@prev@"
// page<G-1>.htm (page<D>.htm on the first), "@first@" page1.htm, "@last@" page<D>.htm.
void ExpandIndexMacros(std::string& line, int page, int pageCount);

// Image page `image` (L) of `imageCount` (n), in this order: the four line macros, "@cp@" L,
// "@tp@" n, "@next@" img<L+1>.htm (img1.htm on the last), "@prev@" img<L-1>.htm (img<n>.htm on
// the first), "@first@" img1.htm, "@last@" img<n>.htm, "@thumbs@" the index page showing the
// image's thumbnail (Columns and Rows clamped as on the index pages), "@body@" `bodyTag`,
// "@image@" `webName` + ".jpg", and "@exifcomment@" `commentText`. The name is escaped as a
// link path, which also keeps it inside any attribute or text ("%20" for a blank); a web name
// (a-z, 0-9, "_") stays as it is.
//
// `commentText` is inserted as it is, once for each "@exifcomment@" in the line at that point,
// and never searched for macros: it must already be prepared for the page (CommentText).
void ExpandImageMacros(std::string& line, int image, int imageCount, int columns, int rows,
                       std::string_view bodyTag, std::string_view webName, std::string_view commentText);

}  // namespace ql
