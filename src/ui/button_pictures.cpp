#include "ui/button_pictures.h"

#include <QFont>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <functional>

namespace ql::ui {

namespace {

QIcon Draw(int size, const std::function<void(QPainter&, int)>& paint) {
  QPixmap pixmap(size, size);
  pixmap.fill(Qt::transparent);
  QPainter painter(&pixmap);
  painter.setRenderHint(QPainter::Antialiasing);
  paint(painter, size);
  painter.end();
  return QIcon(pixmap);
}

void Tick(QPainter& p, int s) {
  QPen pen(QColor(0, 150, 0), s / 6.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
  p.setPen(pen);
  QPainterPath path;
  path.moveTo(s * 0.15, s * 0.55);
  path.lineTo(s * 0.40, s * 0.80);
  path.lineTo(s * 0.85, s * 0.22);
  p.drawPath(path);
}

void Cross(QPainter& p, int s) {
  p.setPen(QPen(QColor(200, 0, 0), s / 6.0, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(QPointF(s * 0.22, s * 0.22), QPointF(s * 0.78, s * 0.78));
  p.drawLine(QPointF(s * 0.78, s * 0.22), QPointF(s * 0.22, s * 0.78));
}

}  // namespace

QIcon TickPicture() { return Draw(16, Tick); }

QIcon CrossPicture() { return Draw(16, Cross); }

QIcon HelpPicture() {
  return Draw(16, [](QPainter& p, int s) {
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 80, 180));
    p.drawEllipse(QRectF(1, 1, s - 2, s - 2));
    QFont font("DejaVu Sans");
    font.setBold(true);
    font.setPixelSize(s - 4);
    p.setFont(font);
    p.setPen(Qt::white);
    p.drawText(QRectF(0, 0, s, s), Qt::AlignCenter, "?");
  });
}

QIcon AbortPicture() {
  return Draw(16, [](QPainter& p, int s) {
    p.setPen(QPen(QColor(200, 0, 0), 2));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QRectF(2, 2, s - 4, s - 4));
    p.drawLine(QPointF(s * 0.32, s * 0.32), QPointF(s * 0.68, s * 0.68));
    p.drawLine(QPointF(s * 0.68, s * 0.32), QPointF(s * 0.32, s * 0.68));
  });
}

QIcon ProgramIcon() {
  QIcon icon;
  for (int size : {16, 32, 48, 64}) {
    icon.addPixmap(Draw(size, [](QPainter& p, int s) {
                     // A framed picture: sky, a sun and two hills, on a white card.
                     const QRectF card(s * 0.06, s * 0.12, s * 0.88, s * 0.76);
                     p.setPen(QPen(QColor(0, 0, 128), s / 24.0 + 0.5));
                     p.setBrush(Qt::white);
                     p.drawRoundedRect(card, s * 0.06, s * 0.06);
                     const QRectF pic = card.adjusted(s * 0.08, s * 0.08, -s * 0.08, -s * 0.08);
                     p.setPen(Qt::NoPen);
                     p.setBrush(QColor(120, 180, 240));
                     p.drawRect(pic);
                     p.setBrush(QColor(255, 200, 40));
                     p.drawEllipse(QPointF(pic.right() - pic.width() * 0.25, pic.top() + pic.height() * 0.3),
                                   pic.width() * 0.12, pic.width() * 0.12);
                     QPainterPath hills;
                     hills.moveTo(pic.bottomLeft());
                     hills.lineTo(pic.left(), pic.bottom() - pic.height() * 0.3);
                     hills.quadTo(pic.left() + pic.width() * 0.3, pic.top() + pic.height() * 0.3,
                                  pic.left() + pic.width() * 0.6, pic.bottom() - pic.height() * 0.25);
                     hills.quadTo(pic.left() + pic.width() * 0.8, pic.top() + pic.height() * 0.5, pic.right(),
                                  pic.bottom() - pic.height() * 0.35);
                     hills.lineTo(pic.bottomRight());
                     hills.closeSubpath();
                     p.setBrush(QColor(40, 140, 60));
                     p.drawPath(hills);
                   }).pixmap(size));
  }
  return icon;
}

}  // namespace ql::ui
