// What the reader and the writer of settings files share: the end line of a code block, the
// name of the default file and the largest file the reader takes.
#pragma once

#include <cstddef>
#include <string_view>

namespace ql {

// The line after the last line of a code block. The reader takes a line as the end of its block
// when it equals this text once blanks and control characters around it are removed.
inline constexpr std::string_view kBlockEnd = "@*end/@";

// The settings file that start-up loads and Save as Default writes, in the program folder.
inline constexpr std::string_view kDefaultSettingsName = "default.qvl";

// A settings file holds a few kilobytes of options and HTML; anything beyond this is not one,
// and refusing it keeps the reader from holding millions of lines for it.
inline constexpr std::size_t kMaxSettingsFileBytes = std::size_t{16} << 20;

// Likewise for lines: every line of a code block is kept as a string of its own, and a file of
// millions of short lines would cost seconds and hundreds of megabytes before it could be
// refused for another reason.
inline constexpr std::size_t kMaxSettingsFileLines = 1000000;

}  // namespace ql
