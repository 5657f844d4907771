// quorvalinde: the desktop window. Creates the windows, shows the main window and runs the
// message loop until the main window closes.
#include <exception>

#include "ui/application.h"
#include "ui/form1.h"
#include "ui/my_process.h"
#include "ui/window_set.h"

int main(int argc, char** argv) {
  ql::ui::TApplication application(argc, argv);
  std::unique_ptr<ql::ui::TWindowSet> windows;
  try {
    windows = std::make_unique<ql::ui::TWindowSet>();
  } catch (const std::exception& error) {
    // An error while the main window is made (a damaged default.qvl) ends the program.
    ql::ui::ReportError(error);
    return 1;
  }
  QObject::connect(windows->Form1.get(), &ql::ui::TForm1::Closed, &application, &QCoreApplication::quit,
                   Qt::QueuedConnection);
  ql::ui::CentreOnScreen(*windows->Form1);
  windows->Form1->show();
  return application.exec();
}
