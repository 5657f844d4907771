// The replacement primitive of the page templates: a macro word in a line is replaced by a text,
// or the whole line is blanked by the word "delete".
#pragma once

#include <string>
#include <string_view>

namespace ql {

// The replacement that blanks the line instead of replacing the macro.
inline constexpr std::string_view kDeleteLine = "delete";

// Replaces every occurrence of `macro` in `line` (byte for byte, case-sensitive) by
// `replacement`; when `replacement` is exactly "delete" and the macro occurs, the line becomes
// empty. After each replacement the line is searched again as a whole, so an occurrence that a
// replacement forms with the text around it is replaced too ("@io@iof@f@" with "" gives "").
// An empty macro is never found.
//
// The work is bounded for every input: a replacement that contains the macro itself is
// inserted once per occurrence and not searched (as ReplaceMacroLiteral does), and at most one
// replacement per byte of the line as given is made.
void ReplaceMacro(std::string& line, std::string_view macro, std::string_view replacement);

// Replaces each occurrence of `macro` in `line` as it stands, from left to right, by `text`.
// The inserted text is never searched, and "delete" has no meaning here: `text` goes in as it is.
void ReplaceMacroLiteral(std::string& line, std::string_view macro, std::string_view text);

}  // namespace ql
