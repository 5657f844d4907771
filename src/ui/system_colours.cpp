#include "ui/system_colours.h"

#include <array>
#include <cstdint>

namespace ql::ui {

namespace {

// The classic Windows defaults of the system colours 0 (scroll bar) to 30 (menu bar), as
// 0xRRGGBB.
constexpr std::array<std::uint32_t, 31> kSystemColours = {
    0xD4D0C8,  // 0 scroll bar
    0x3A6EA5,  // 1 desktop
    0x0A246A,  // 2 active caption
    0x808080,  // 3 inactive caption
    0xD4D0C8,  // 4 menu
    0xFFFFFF,  // 5 window
    0x000000,  // 6 window frame
    0x000000,  // 7 menu text
    0x000000,  // 8 window text
    0xFFFFFF,  // 9 caption text
    0xD4D0C8,  // 10 active border
    0xD4D0C8,  // 11 inactive border
    0x808080,  // 12 application workspace
    0x0A246A,  // 13 highlight
    0xFFFFFF,  // 14 highlight text
    0xD4D0C8,  // 15 button face
    0x808080,  // 16 button shadow
    0x808080,  // 17 grey text
    0x000000,  // 18 button text
    0xD4D0C8,  // 19 inactive caption text
    0xFFFFFF,  // 20 button highlight
    0x404040,  // 21 3D dark shadow
    0xD4D0C8,  // 22 3D light
    0x000000,  // 23 tooltip text
    0xFFFFE1,  // 24 tooltip background
    0xB5B5B5,  // 25 (unnamed)
    0x000080,  // 26 hot-tracked item
    0xA6CAF0,  // 27 gradient of the active caption
    0xC0C0C0,  // 28 gradient of the inactive caption
    0x0A246A,  // 29 menu highlight
    0xD4D0C8,  // 30 menu bar
};

}  // namespace

QColor ResolveColour(TColor value) {
  const auto bits = static_cast<std::uint32_t>(value);
  if ((bits & 0xFF000000u) != 0) {
    const std::uint32_t index = bits & 0xFFu;
    if (index >= kSystemColours.size()) return QColor(0, 0, 0);
    const std::uint32_t rgb = kSystemColours[index];
    return QColor(static_cast<int>(rgb >> 16), static_cast<int>((rgb >> 8) & 0xFF), static_cast<int>(rgb & 0xFF));
  }
  return QColor(static_cast<int>(bits & 0xFF), static_cast<int>((bits >> 8) & 0xFF), static_cast<int>((bits >> 16) & 0xFF));
}

TColor ColourValue(const QColor& colour) {
  const QColor rgb = colour.toRgb();
  return static_cast<TColor>(static_cast<std::uint32_t>(rgb.red()) | (static_cast<std::uint32_t>(rgb.green()) << 8) |
                             (static_cast<std::uint32_t>(rgb.blue()) << 16));
}

}  // namespace ql::ui
