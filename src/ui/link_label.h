// A link label: blue, underlined, with a hand cursor; a click opens its address with the user's
// program.
#pragma once

#include <QLabel>
#include <QUrl>

namespace ql::ui {

class TLinkLabel : public QLabel {
  Q_OBJECT
 public:
  TLinkLabel(const QString& caption, const QUrl& target, QWidget* parent);

  const QUrl& Target() const { return target_; }

 signals:
  void Clicked();

 protected:
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  QUrl target_;
};

}  // namespace ql::ui
