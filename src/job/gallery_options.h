// The one record of all job and HTML options.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace ql {

// A platform colour value: red in the low byte, then green, then blue. A value whose top byte is
// set names a system colour by its low byte.
using TColor = std::int32_t;

// An ordered list of text lines.
using TCodeBlock = std::vector<std::string>;

struct TGalleryOptions {
  std::int32_t Quality = 0;       // JPEG quality of the resized copies, 1..100
  std::int32_t maxWidth = 0;      // largest width of a resized copy
  std::int32_t maxHeight = 0;     // largest height of a resized copy
  std::int32_t ThumbQuality = 0;  // JPEG quality of the thumbnails, 1..100
  std::int32_t maxThumbSize = 0;  // largest side of a thumbnail; also the size of a thumbnail cell
  std::int32_t Columns = 0;       // thumbnail cells per table row of an index page
  std::int32_t Rows = 0;          // table rows per index page
  bool UseImage = false;          // index pages carry a background image
  bool UseNames = false;          // index pages show the web name under each thumbnail
  std::string ImageFile;          // full path of the index-page background image; empty: none
  bool UseColors = false;         // index pages carry the four colour attributes
  TColor BGColor = 0;
  TColor TextColor = 0;
  TColor LinkColor = 0;
  TColor VisitedColor = 0;
  TCodeBlock Code1;  // index pages: from the start of the file up to the head's end
  TCodeBlock Code2;  // index pages: between the body tag and the thumbnail rows
  TCodeBlock Code3;  // index pages: from the end of the thumbnail rows to the end of the file
  bool UseImageImages = false;
  bool UseNamesImages = false;  // passed through the image-page dialog; no output depends on it
  std::string ImageFileImages;
  bool UseColorsImages = false;
  TColor BGColorImages = 0;
  TColor TextColorImages = 0;
  TColor LinkColorImages = 0;
  TColor VisitedColorImages = 0;
  TCodeBlock Code1Images;  // image pages: the whole page template

  bool operator==(const TGalleryOptions&) const = default;
};

}  // namespace ql
