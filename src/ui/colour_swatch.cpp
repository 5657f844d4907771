#include "ui/colour_swatch.h"

#include <QPainter>

#include "ui/system_colours.h"

namespace ql::ui {

TColourSwatch::TColourSwatch(QWidget* parent) : QFrame(parent) {
  setFrameStyle(QFrame::Panel | QFrame::Sunken);
  setLineWidth(1);
  setEnabled(false);
  setFocusPolicy(Qt::NoFocus);
}

void TColourSwatch::SetColour(TColor colour) {
  colour_ = colour;
  update();
}

QColor TColourSwatch::ShownColour() const { return ResolveColour(colour_); }

void TColourSwatch::paintEvent(QPaintEvent* event) {
  {
    QPainter painter(this);
    painter.fillRect(contentsRect(), ShownColour());
  }
  QFrame::paintEvent(event);
}

}  // namespace ql::ui
