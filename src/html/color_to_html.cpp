#include "html/color_to_html.h"

#include <array>

namespace ql {

namespace {

constexpr TColor Rgb(int r, int g, int b) { return r | (g << 8) | (b << 16); }

// The "Windows Classic" defaults of the system colours, in index order.
constexpr std::array<TColor, 31> kClassicSystemColors = {
    Rgb(212, 208, 200),  //  0 COLOR_SCROLLBAR
    Rgb(58, 110, 165),   //  1 COLOR_BACKGROUND (desktop)
    Rgb(10, 36, 106),    //  2 COLOR_ACTIVECAPTION
    Rgb(128, 128, 128),  //  3 COLOR_INACTIVECAPTION
    Rgb(212, 208, 200),  //  4 COLOR_MENU
    Rgb(255, 255, 255),  //  5 COLOR_WINDOW
    Rgb(0, 0, 0),        //  6 COLOR_WINDOWFRAME
    Rgb(0, 0, 0),        //  7 COLOR_MENUTEXT
    Rgb(0, 0, 0),        //  8 COLOR_WINDOWTEXT
    Rgb(255, 255, 255),  //  9 COLOR_CAPTIONTEXT
    Rgb(212, 208, 200),  // 10 COLOR_ACTIVEBORDER
    Rgb(212, 208, 200),  // 11 COLOR_INACTIVEBORDER
    Rgb(128, 128, 128),  // 12 COLOR_APPWORKSPACE
    Rgb(10, 36, 106),    // 13 COLOR_HIGHLIGHT
    Rgb(255, 255, 255),  // 14 COLOR_HIGHLIGHTTEXT
    Rgb(212, 208, 200),  // 15 COLOR_BTNFACE (COLOR_3DFACE)
    Rgb(128, 128, 128),  // 16 COLOR_BTNSHADOW (COLOR_3DSHADOW)
    Rgb(128, 128, 128),  // 17 COLOR_GRAYTEXT
    Rgb(0, 0, 0),        // 18 COLOR_BTNTEXT
    Rgb(212, 208, 200),  // 19 COLOR_INACTIVECAPTIONTEXT
    Rgb(255, 255, 255),  // 20 COLOR_BTNHIGHLIGHT (COLOR_3DHILIGHT)
    Rgb(64, 64, 64),     // 21 COLOR_3DDKSHADOW
    Rgb(212, 208, 200),  // 22 COLOR_3DLIGHT
    Rgb(0, 0, 0),        // 23 COLOR_INFOTEXT
    Rgb(255, 255, 225),  // 24 COLOR_INFOBK
    Rgb(0, 0, 0),        // 25 no system colour has this index
    Rgb(0, 0, 128),      // 26 COLOR_HOTLIGHT
    Rgb(166, 202, 240),  // 27 COLOR_GRADIENTACTIVECAPTION
    Rgb(192, 192, 192),  // 28 COLOR_GRADIENTINACTIVECAPTION
    Rgb(10, 36, 106),    // 29 COLOR_MENUHILIGHT
    Rgb(212, 208, 200),  // 30 COLOR_MENUBAR
};

}  // namespace

TColor SystemColorRgb(int index) {
  if (index < 0 || index >= static_cast<int>(kClassicSystemColors.size())) return 0;
  return kClassicSystemColors[static_cast<std::size_t>(index)];
}

TColor ResolveColor(TColor color) {
  if (color < 0) return SystemColorRgb(color & 0xFF);
  return color & 0xFFFFFF;
}

std::string ColorToHtml(TColor color) {
  static constexpr char kHex[] = "0123456789ABCDEF";
  const TColor rgb = ResolveColor(color);
  std::string html = "#";
  for (const int shift : {0, 8, 16}) {  // red, green, blue
    const int byte = (rgb >> shift) & 0xFF;
    html += kHex[byte >> 4];
    html += kHex[byte & 0x0F];
  }
  return html;
}

}  // namespace ql
