// Texts as lists of lines.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace ql {

// Splits at CR LF, a lone CR or a lone LF; a break at the very end adds no empty line, and an
// empty text gives no line.
std::vector<std::string> SplitLines(std::string_view text);

// The lines with CR LF after every one, the last included.
std::string JoinLinesCrLf(const std::vector<std::string>& lines);

}  // namespace ql
