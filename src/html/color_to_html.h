// Platform colour values as HTML colours. A colour value holds red in its low byte, then green,
// then blue; a negative value (top byte set) names a system colour by its low byte.
#pragma once

#include <string>

#include "job/gallery_options.h"

namespace ql {

// The RGB value of system colour `index`: the classic Windows default of the colour with that
// index (0 COLOR_SCROLLBAR to 30 COLOR_MENUBAR); black for every index that names no system
// colour (25, and 31 to 255).
TColor SystemColorRgb(int index);

// The colour's RGB value: a system colour reference resolved by SystemColorRgb, any other value
// with its top byte cleared. -1, the default text colour, gives black.
TColor ResolveColor(TColor color);

// "#" and red, green and blue as two upper-case hexadecimal digits each: hexadecimal A00000
// gives "#0000A0".
std::string ColorToHtml(TColor color);

}  // namespace ql
