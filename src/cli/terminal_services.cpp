#include "cli/terminal_services.h"

#include <spawn.h>
#include <unistd.h>

#include <cstdio>
#include <iostream>

extern char** environ;

namespace ql::cli {

volatile std::sig_atomic_t g_cancelRequested = 0;

namespace {

void OnInterrupt(int) {
  if (g_cancelRequested) _exit(130);
  g_cancelRequested = 1;
}

bool IsTerminal(int fd) { return isatty(fd) == 1; }

std::string FormatDuration(double seconds) {
  const auto total = static_cast<long>(seconds + 0.5);
  char buffer[32];
  std::snprintf(buffer, sizeof buffer, "%ld:%02ld", total / 60, total % 60);
  return buffer;
}

class TTerminalProgress : public IProgressDialog {
 public:
  TTerminalProgress() : terminal_(IsTerminal(STDERR_FILENO)) {}
  ~TTerminalProgress() override { Hide(); }

  void Show() override {
    shown_ = true;
    start_ = std::chrono::steady_clock::now();
  }
  void Hide() override {
    if (terminal_ && printed_) std::cerr << '\n' << std::flush;
    printed_ = false;
    shown_ = false;
  }
  void SetLabel2(const std::string& text) override {
    label_ = text;
    ++started_;
  }
  void SetProgressBar1(int position) override {
    if (!shown_) return;
    if (!terminal_) {
      std::cerr << label_ << '\n';
      return;
    }
    constexpr int kWidth = 30;
    const int filled = position * kWidth / 100;
    std::string line = "\r\033[K" + label_ + " [" + std::string(static_cast<std::size_t>(filled), '#') +
                       std::string(static_cast<std::size_t>(kWidth - filled), '.') + "] " + std::to_string(position) +
                       "%";
    // Time left from the images finished so far: position counts the image now starting.
    const double elapsed = std::chrono::duration<double>(std::chrono::steady_clock::now() - start_).count();
    const int done = started_ - 1;
    int total = 0;
    if (std::sscanf(label_.c_str(), "%*s %*d %*s %d", &total) == 1 && done > 0 && total > done) {
      line += "  " + FormatDuration(elapsed / done * (total - done)) + " left";
    }
    std::cerr << line << std::flush;
    printed_ = true;
  }
  bool CancelRequested() const override { return g_cancelRequested != 0; }

 private:
  bool terminal_;
  bool shown_ = false;
  bool printed_ = false;
  int started_ = 0;
  std::string label_;
  std::chrono::steady_clock::time_point start_;
};

}  // namespace

void InstallCancelHandler() {
  struct sigaction action {};
  action.sa_handler = OnInterrupt;
  sigemptyset(&action.sa_mask);
  sigaction(SIGINT, &action, nullptr);
}

TTerminalServices::TTerminalServices(bool answerYes, bool openPages) : answerYes_(answerYes), openPages_(openPages) {}

int TTerminalServices::MessageBox(const std::string& text, const std::string& caption, int flags) {
  std::cerr << caption << ": " << text << '\n';
  if ((flags & MB_OKCANCEL) == 0) return IDOK;
  if (answerYes_) {
    std::cerr << "(OK, as --yes asks)\n";
    return IDOK;
  }
  if (IsTerminal(STDIN_FILENO) && IsTerminal(STDERR_FILENO)) {
    std::cerr << "[y/N] " << std::flush;
    std::string answer;
    if (std::getline(std::cin, answer) && (answer == "y" || answer == "Y" || answer == "yes" || answer == "Yes")) {
      return IDOK;
    }
  }
  declined_ = true;
  return IDCANCEL;
}

std::unique_ptr<IProgressDialog> TTerminalServices::CreateProgressDialog() {
  return std::make_unique<TTerminalProgress>();
}

void TTerminalServices::OpenDocument(const std::string& path) {
  if (!openPages_) return;
  // Started and left to itself; the outcome is not examined.
  const char* argv[] = {"xdg-open", path.c_str(), nullptr};
  pid_t pid;
  posix_spawnp(&pid, "xdg-open", nullptr, nullptr, const_cast<char* const*>(argv), environ);
}

}  // namespace ql::cli
