#include "ui/link_label.h"

#include <QMouseEvent>

#include "ui/application.h"
#include "ui/modal_windows.h"

namespace ql::ui {

TLinkLabel::TLinkLabel(const QString& caption, const QUrl& target, QWidget* parent)
    : QLabel(parent), target_(target) {
  setTextFormat(Qt::PlainText);
  setText(caption);
  QFont underlined = font();
  underlined.setUnderline(true);
  setFont(underlined);
  QPalette blue = palette();
  blue.setColor(QPalette::WindowText, Qt::blue);
  setPalette(blue);
  setCursor(Qt::PointingHandCursor);
}

void TLinkLabel::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) {
    RunHandler([this] { OpenUrl(target_); });
    emit Clicked();
  }
  QLabel::mouseReleaseEvent(event);
}

}  // namespace ql::ui
