// The built-in HTML code blocks: texts 7 to 10 of the string table (index page head, index page
// top, index page bottom, image page), and the image-page template of the earlier settings
// layout.
#pragma once

#include "job/gallery_options.h"

namespace ql {

inline constexpr int sDefaultCode1 = 7;
inline constexpr int sDefaultCode2 = 8;
inline constexpr int sDefaultCode3 = 9;
inline constexpr int sDefaultCode1Images = 10;

// The block of string table text `id` (7 to 10); empty for any other number.
TCodeBlock DefaultCodeBlock(int id);

// The image-page template that files of the earlier layout get; it differs from the default
// image-page block only in the version of its generator line ("1.1").
TCodeBlock LegacyImagePageTemplate();

}  // namespace ql
