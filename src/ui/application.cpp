#include "ui/application.h"

#include <QFont>
#include <QStyleFactory>

#include "platform/window_services.h"
#include "ui/modal_windows.h"

namespace ql::ui {

TApplication::TApplication(int& argc, char** argv) : QApplication(argc, argv) { SetUpApplication(); }

bool TApplication::notify(QObject* receiver, QEvent* event) {
  try {
    return QApplication::notify(receiver, event);
  } catch (const std::exception& error) {
    ReportError(error);
  } catch (...) {
    ReportError(std::runtime_error("unknown error"));
  }
  return false;
}

QFont WindowFont() {
  QFont font;
  font.setFamilies({"Liberation Sans", "Arial", "DejaVu Sans", "Sans Serif"});
  font.setPointSize(8);
  return font;
}

void SetUpApplication() {
  QApplication::setApplicationName(kApplicationTitle);
  QApplication::setDesktopFileName("quorvalinde");
  // One style everywhere, so the layout at 96 DPI looks the same on every desktop.
  if (QStyle* style = QStyleFactory::create("Fusion")) QApplication::setStyle(style);
  QApplication::setFont(WindowFont());
}

void ReportError(const std::exception& error) {
  ShowMessageBox(QApplication::activeWindow(), error.what(), kApplicationTitle, MB_OK | MB_ICONHAND);
}

void RunHandler(const std::function<void()>& handler) {
  try {
    handler();
  } catch (const std::exception& error) {
    ReportError(error);
  }
}

}  // namespace ql::ui
