#include "ui/system_colours.h"

#include "html/color_to_html.h"

#include <cstdint>

namespace ql::ui {

QColor ResolveColour(TColor value) {
  // One table of system colours serves the pages and the swatches.
  const auto rgb = static_cast<std::uint32_t>(ResolveColor(value));
  return QColor(static_cast<int>(rgb & 0xFF), static_cast<int>((rgb >> 8) & 0xFF), static_cast<int>((rgb >> 16) & 0xFF));
}

TColor ColourValue(const QColor& colour) {
  const QColor rgb = colour.toRgb();
  return static_cast<TColor>(static_cast<std::uint32_t>(rgb.red()) | (static_cast<std::uint32_t>(rgb.green()) << 8) |
                             (static_cast<std::uint32_t>(rgb.blue()) << 16));
}

}  // namespace ql::ui
