// Grabs each window to a PNG in build/screenshots (the `screenshots` target copies them to
// docs/screenshots for the README).
#include <QApplication>
#include <QDir>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

#include "job/string_table.h"
#include "ui/about_box.h"
#include "ui/form1.h"
#include "ui/html_form.h"
#include "ui/html_form2.h"
#include "ui/my_process.h"
#include "ui_test_support.h"

namespace ql::test {

class ScreenshotsTest : public QObject {
  Q_OBJECT

  static void Save(QWidget& window, const char* name) {
    QDir().mkpath(QL_SCREENSHOT_DIR);
    window.show();
    QTest::qWait(20);
    const QString path = QString(QL_SCREENSHOT_DIR) + "/" + name + ".png";
    QVERIFY(window.grab().save(path));
  }

 private slots:
  void initTestCase() { PrepareWindowTests(); }

  void grabEveryWindow() {
    auto windows = MakeWindows();
    ui::TForm1& form = *windows->Form1;
    Save(form, "main-window");

    form.findChild<QPushButton*>("ButtonHTML")->click();
    Save(*windows->HtmlForm, "html-thumbs");
    form.findChild<QPushButton*>("ButtonHTML2")->click();
    Save(*windows->HtmlForm2, "html-images");

    ui::TMyProcess process(&form);
    process.SetLabel2(StringTableText(sImage) + " 3 " + StringTableText(sOf) + " 12");
    process.SetProgressBar1(25);
    Save(process, "progress");

    ui::TAboutBox about(&form);
    Save(about, "about");
  }
};

}  // namespace ql::test

QTEST_MAIN(ql::test::ScreenshotsTest)
#include "screenshots_test.moc"
