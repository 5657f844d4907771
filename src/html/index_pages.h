// The thumbnail index pages: Code1, " </head>", the body tag and Code2 with the index macros
// expanded, then the generated thumbnail rows, then Code3 with the macros expanded.
#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "job/gallery_options.h"
#include "job/source_image.h"

namespace ql {

// "page" + G + ".htm".
std::string IndexPageName(int page);

// Appends the six lines of the cell of image `p` (0-based): a cell `thumbSize` wide and high
// holding the thumbnail "t_" + webName + ".jpg", with alternative text webName + ".jpg", linked
// to the image's page "img" + (p+1) + ".htm", and with `useNames` the web name below it. The
// name is escaped for each place (link path, attribute, text); a web name stays as it is.
void AppendThumbnailCell(std::vector<std::string>& lines, int p, std::string_view webName, int thumbSize,
                         bool useNames);

// The lines of index page `page` (1 to D) for `images`, rows 0 to n-1 of the table in page order
// (n >= 1). `bodyTag` is the index-page body tag. The rows and cells come from the clamped
// Columns and Rows; the thumbnail rows are never searched for macros.
std::vector<std::string> BuildIndexPage(const TGalleryOptions& options, std::span<const TSourceImage> images,
                                        std::string_view bodyTag, int page);

}  // namespace ql
