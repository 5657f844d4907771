// "About QuorvaLinde": what the program does, what version 1.2 brought, and whether it is free,
// with links to relief organisations and to the author. Its "No, that's not my style" button
// runs away from the mouse.
#pragma once

#include <QDialog>

class QPushButton;

namespace ql::ui {

class TAboutBox : public QDialog {
  Q_OBJECT
 public:
  explicit TAboutBox(QWidget* owner = nullptr);

  QPushButton* BitBtn1;  // "&Yes, I will help"
  QPushButton* BitBtn2;  // "No, that's not my style"

  // Each mouse movement over BitBtn2 moves it one width to the right, the next one back.
  void BitBtn2MouseMove();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  bool moved_ = false;
};

}  // namespace ql::ui
