// The small pictures of the buttons with pictures, drawn here so that they look the same on every
// desktop: a green tick (run, OK, yes), a red cross (cancel), a help sign (info), an abort sign,
// and the program's icon.
#pragma once

#include <QIcon>

namespace ql::ui {

QIcon TickPicture();
QIcon CrossPicture();
QIcon HelpPicture();
QIcon AbortPicture();
QIcon ProgramIcon();

}  // namespace ql::ui
