// The comment of a source image as it goes into its image page.
#pragma once

#include <string>
#include <string_view>

namespace ql {

// The payload of a JPEG comment section, prepared for a page:
// - cut at its first zero byte: the usual terminator is dropped, and whatever follows an inner
//   zero byte is not text; a comment without a zero byte keeps every character;
// - read as Windows-1252 when it is not valid UTF-8, and written as UTF-8;
// - HTML-escaped (& < > " ' as entities), so that it can stand in text or in a quoted attribute;
// - every line break (CR LF, a lone CR, a lone LF) written as CR LF, so that a page holding the
//   comment still ends every line of its file with CR LF.
std::string CommentText(std::string_view raw);

}  // namespace ql
