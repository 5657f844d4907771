// The application object: the title "QuorvaLinde", the window style and font, and the top-level
// handler. An exception that escapes a window handler is shown in a message box captioned
// "QuorvaLinde" and the program goes on.
#pragma once

#include <QApplication>
#include <exception>
#include <functional>

namespace ql::ui {

inline constexpr const char* kApplicationTitle = "QuorvaLinde";

class TApplication : public QApplication {
  Q_OBJECT
 public:
  TApplication(int& argc, char** argv);

  // Catches what a handler lets escape during event delivery.
  bool notify(QObject* receiver, QEvent* event) override;
};

// Sets the title, the style and the window font on the application; TApplication does it, and
// tests that use QTest's application call it themselves.
void SetUpApplication();

// The font of every window: a sans-serif face at 8 point.
QFont WindowFont();

// Shows the error's text in a message box captioned "QuorvaLinde".
void ReportError(const std::exception& error);

// Runs a window handler; an exception it raises is reported and goes no further. Handlers that
// the windows connect to their controls run through this, so an error never unwinds through the
// toolkit.
void RunHandler(const std::function<void()>& handler);

}  // namespace ql::ui
