// The colour a swatch shows for a stored colour value. Values whose top byte is set name a system
// colour by their low byte; they resolve to the classic Windows default of that index (0 to 30),
// and -1 and every unknown index to black. Other values are red in the low byte, then green, then
// blue.
#pragma once

#include <QColor>

#include "job/gallery_options.h"

namespace ql::ui {

QColor ResolveColour(TColor value);

// The colour value of an opaque Qt colour (red in the low byte).
TColor ColourValue(const QColor& colour);

}  // namespace ql::ui
