// The window services of the command-line front end: message boxes on standard error with a
// question on a terminal, progress on standard error, Ctrl-C as Cancel.
#pragma once

#include <chrono>
#include <csignal>
#include <string>

#include "platform/memory_controls.h"

namespace ql::cli {

// Set by the first Ctrl-C; the progress dialog reports it as CancelRequested.
extern volatile std::sig_atomic_t g_cancelRequested;

// First Ctrl-C: request Cancel; second: end at once with status 130.
void InstallCancelHandler();

class TTerminalServices : public TMemoryControls {
 public:
  TTerminalServices(bool answerYes, bool openPages);

  int MessageBox(const std::string& text, const std::string& caption, int flags) override;
  std::unique_ptr<IProgressDialog> CreateProgressDialog() override;
  void ProcessMessages() override {}
  void SetBusyCursor(bool) override {}
  void OpenDocument(const std::string& path) override;

  // True once a warning was answered with Cancel.
  bool DeclinedWarning() const { return declined_; }

 private:
  bool answerYes_;
  bool openPages_;
  bool declined_ = false;
};

}  // namespace ql::cli
