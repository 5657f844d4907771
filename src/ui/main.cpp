// quorvalinde: the desktop window. Creates the windows, shows the main window and runs the
// message loop until the main window closes.
#include "ui/application.h"
#include "ui/form1.h"
#include "ui/my_process.h"
#include "ui/window_set.h"

int main(int argc, char** argv) {
  ql::ui::TApplication application(argc, argv);
  // An error while the main window is made (a damaged default.qvl) ends the program after its
  // message.
  const std::unique_ptr<ql::ui::TWindowSet> windows = ql::ui::CreateWindows();
  if (!windows) return 1;
  QObject::connect(windows->Form1.get(), &ql::ui::TForm1::Closed, &application, &QCoreApplication::quit,
                   Qt::QueuedConnection);
  ql::ui::CentreOnScreen(*windows->Form1);
  windows->Form1->show();
  return application.exec();
}
