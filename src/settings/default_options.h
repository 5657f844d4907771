// The built-in defaults of all options.
#pragma once

#include "job/gallery_options.h"

namespace ql {

// Fills `options` with the defaults: qualities 85, box 800 × 600, thumbnails 140, 4 columns and
// 3 rows, no names, no background image, no custom colours, white background, system text
// colour, the default code blocks, and the image-page options as copies of the index-page ones.
// ImageFile and ImageFileImages are left as they are.
void SetDefaultOptions(TGalleryOptions& options);

// The image pages take the index pages' look: names flag, background flag, colours flag and
// the four colours.
void CopyIndexLookToImagePages(TGalleryOptions& options);

}  // namespace ql
