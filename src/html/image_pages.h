// The image pages: the template Code1Images with the image macros expanded; the writer adds no
// line of its own.
#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "job/gallery_options.h"
#include "job/source_image.h"

namespace ql {

class TimgData;

// "img" + L + ".htm".
std::string ImagePageName(int image);

// The comment of the source file `sourcePath` as it goes into the page (CommentText): empty
// when the metadata reader cannot read the file or finds no comment section.
std::string ReadCommentText(TimgData& exifData, const std::string& sourcePath);

// The lines of image page `image` (1 to n) for `images`, rows 0 to n-1 of the table in page
// order. `bodyTag` is the image-page body tag, `commentText` the prepared comment of the image.
std::vector<std::string> BuildImagePage(const TGalleryOptions& options, std::span<const TSourceImage> images,
                                        std::string_view bodyTag, int image, std::string_view commentText);

}  // namespace ql
