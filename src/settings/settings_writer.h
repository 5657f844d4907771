// Writing the text of a settings file: every single value as its key line and its value line,
// every code block as its key line, its lines and the end line, CR LF after every line.
#pragma once

#include <string>
#include <string_view>

#include "job/gallery_options.h"

namespace ql {

// The whole file for `options` (every field but UseNamesImages), the item index of the sort
// order and the texts of the two folder fields, as UTF-8 without byte-order mark. Raises TError
// when a text or code line holds a line break: the file keeps each value on one line, and such a
// value would shift every line after it when the file is read back.
std::string BuildSettingsText(const TGalleryOptions& options, int sortIndex, std::string_view sourcePath,
                              std::string_view destPath);

}  // namespace ql
