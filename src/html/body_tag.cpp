#include "html/body_tag.h"

#include "html/color_to_html.h"
#include "html/html_escape.h"

namespace ql {

TPageLook IndexPageLook(const TGalleryOptions& o) {
  return {o.UseColors, o.BGColor, o.TextColor, o.LinkColor, o.VisitedColor, o.UseImage, o.ImageFile};
}

TPageLook ImagePageLook(const TGalleryOptions& o) {
  return {o.UseColorsImages,    o.BGColorImages,  o.TextColorImages, o.LinkColorImages,
          o.VisitedColorImages, o.UseImageImages, o.ImageFileImages};
}

std::string BuildBodyTag(const TPageLook& look, std::string_view backgroundWebName) {
  std::string tag = " <body";
  if (look.UseColors) {
    tag += " bgcolor=" + ColorToHtml(look.BGColor) + " text=" + ColorToHtml(look.TextColor) +
           " link=" + ColorToHtml(look.LinkColor) + " vlink=" + ColorToHtml(look.VisitedColor);
  }
  if (look.UseImage && !look.ImageFile.empty()) {
    tag += " background=\"" + UrlPathEscape(backgroundWebName) + ".jpg\"";
  }
  tag += ">";
  return tag;
}

}  // namespace ql
