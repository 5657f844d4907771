#include "settings/default_options.h"

#include "settings/default_code_blocks.h"

namespace ql {

void SetDefaultOptions(TGalleryOptions& o) {
  o.Quality = 85;
  o.maxWidth = 800;
  o.maxHeight = 600;
  o.ThumbQuality = 85;
  o.maxThumbSize = 140;
  o.Columns = 4;
  o.Rows = 3;
  o.UseNames = false;
  o.UseImage = false;
  o.UseColors = false;
  o.BGColor = 16777215;     // white, #FFFFFF
  o.TextColor = -1;         // a system colour reference that resolves to black
  o.LinkColor = 10485760;   // #0000A0
  o.VisitedColor = 16711808;  // #8000FF
  o.Code1 = DefaultCodeBlock(sDefaultCode1);
  o.Code2 = DefaultCodeBlock(sDefaultCode2);
  o.Code3 = DefaultCodeBlock(sDefaultCode3);
  o.Code1Images = DefaultCodeBlock(sDefaultCode1Images);
  CopyIndexLookToImagePages(o);
}

void CopyIndexLookToImagePages(TGalleryOptions& o) {
  o.UseNamesImages = o.UseNames;
  o.UseImageImages = o.UseImage;
  o.UseColorsImages = o.UseColors;
  o.BGColorImages = o.BGColor;
  o.TextColorImages = o.TextColor;
  o.LinkColorImages = o.LinkColor;
  o.VisitedColorImages = o.VisitedColor;
}

}  // namespace ql
