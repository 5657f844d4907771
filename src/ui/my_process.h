// The progress dialog of a run, "Wait a minute ya...": a status line, a bar from 0 to 100 and a
// Cancel button that only sets CancelRequested. It has no close box and no system menu; the run
// hides it when it ends.
#pragma once

#include <QDialog>

#include "platform/window_services.h"

class QLabel;
class QProgressBar;
class QPushButton;

namespace ql::ui {

class TMyProcess : public QDialog, public IProgressDialog {
  Q_OBJECT
 public:
  explicit TMyProcess(QWidget* owner = nullptr);

  // IProgressDialog
  void Show() override;
  void Hide() override;
  void SetLabel2(const std::string& text) override;
  void SetProgressBar1(int position) override;
  bool CancelRequested() const override { return cancelRequested_; }

  // The click handler of the Cancel button (and what Esc does).
  void BitBtn1Click();

 protected:
  void reject() override;
  void closeEvent(QCloseEvent* event) override;

 private:
  QLabel* Label1;
  QLabel* Label2;
  QProgressBar* ProgressBar1;
  QPushButton* BitBtn1;
  bool cancelRequested_ = false;
};

// Moves a window to the middle of the primary screen, keeping its size.
void CentreOnScreen(QWidget& window);

}  // namespace ql::ui
