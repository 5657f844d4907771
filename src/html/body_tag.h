// The body tag of a page, from the colour and background options of the index pages or of the
// image pages.
#pragma once

#include <string>
#include <string_view>

#include "job/gallery_options.h"

namespace ql {

// One set of page options: the index-page fields or their image-page counterparts.
struct TPageLook {
  bool UseColors = false;
  TColor BGColor = 0;
  TColor TextColor = 0;
  TColor LinkColor = 0;
  TColor VisitedColor = 0;
  bool UseImage = false;
  std::string_view ImageFile;  // the chosen background image; empty: none
};

// UseColors, BGColor, ... ImageFile.
TPageLook IndexPageLook(const TGalleryOptions& options);
// UseColorsImages, BGColorImages, ... ImageFileImages.
TPageLook ImagePageLook(const TGalleryOptions& options);

// " <body", then with UseColors " bgcolor=#RRGGBB text=... link=... vlink=..." (unquoted), then
// with UseImage and a background image ' background="' + backgroundWebName + '.jpg"', then ">".
// The background is the copy the run made into the output folder under `backgroundWebName`; the
// name is escaped as a link path (a web name stays as it is).
std::string BuildBodyTag(const TPageLook& look, std::string_view backgroundWebName);

}  // namespace ql
