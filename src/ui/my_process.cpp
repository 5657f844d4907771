#include "ui/my_process.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>

#include "ui/application.h"
#include "ui/button_pictures.h"
#include "ui/ui_text.h"

namespace ql::ui {

void CentreOnScreen(QWidget& window) {
  const QScreen* screen = QGuiApplication::primaryScreen();
  if (screen == nullptr) return;
  const QRect desk = screen->geometry();
  const QSize outer = window.frameGeometry().size();
  window.move(desk.x() + (desk.width() - outer.width()) / 2, desk.y() + (desk.height() - outer.height()) / 2);
}

TMyProcess::TMyProcess(QWidget* owner)
    : QDialog(owner, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint) {
  setObjectName("MyProcess");
  setWindowTitle("Wait a minute ya...");
  setFixedSize(326, 156);

  Label1 = new QLabel("Processing Images and Thumbnails - please wait!", this);
  Label1->setObjectName("Label1");
  Label1->move(51, 16);
  Label1->adjustSize();

  ProgressBar1 = new QProgressBar(this);
  ProgressBar1->setObjectName("ProgressBar1");
  ProgressBar1->setGeometry(26, 52, 273, 16);
  ProgressBar1->setRange(0, 100);
  ProgressBar1->setValue(0);
  ProgressBar1->setTextVisible(false);

  // The status line starts at its left edge and grows to the right.
  Label2 = new QLabel(this);
  Label2->setObjectName("Label2");
  Label2->setTextFormat(Qt::PlainText);
  Label2->setGeometry(127, 88, width() - 127 - 4, fontMetrics().height() + 2);

  BitBtn1 = new QPushButton(CrossPicture(), "&Cancel", this);
  BitBtn1->setObjectName("BitBtn1");
  BitBtn1->setGeometry(125, 120, 75, 25);
  BitBtn1->setAutoDefault(false);
  connect(BitBtn1, &QPushButton::clicked, this, [this] { RunHandler([this] { BitBtn1Click(); }); });
}

void TMyProcess::Show() {
  CentreOnScreen(*this);
  show();
  raise();
}

void TMyProcess::Hide() { hide(); }

void TMyProcess::SetLabel2(const std::string& text) { Label2->setText(Q(text)); }

void TMyProcess::SetProgressBar1(int position) { ProgressBar1->setValue(position); }

void TMyProcess::BitBtn1Click() { cancelRequested_ = true; }

// Esc is the Cancel button; it does not close the dialog.
void TMyProcess::reject() { BitBtn1->click(); }

// Only the run closes the dialog.
void TMyProcess::closeEvent(QCloseEvent* event) { event->ignore(); }

}  // namespace ql::ui
