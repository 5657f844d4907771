// The progress dialog, the about box with its runaway button and links, the Info button, the
// resolution of system colours, and the top-level handler of the application, which reports an
// escaped error and goes on.
#include <QCloseEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QProgressBar>
#include <QPushButton>
#include <QTest>
#include <filesystem>
#include <stdexcept>

#include "support/temp_dir.h"

#include "platform/window_services.h"
#include "ui/about_box.h"
#include "ui/application.h"
#include "ui/form1.h"
#include "ui/html_form.h"
#include "ui/html_form2.h"
#include "ui/my_process.h"
#include "ui/system_colours.h"
#include "ui_test_support.h"

namespace ql::test {

using ui::ModalHooks;

namespace {

// Throws from its event handler, as a window handler might.
class TThrowingObject : public QObject {
 public:
  bool event(QEvent* e) override {
    if (e->type() == QEvent::User) throw std::runtime_error("photo.jpg: damaged");
    return QObject::event(e);
  }
};

void MoveMouseOver(QWidget* w) {
  QMouseEvent move(QEvent::MouseMove, QPointF(5, 5), w->mapToGlobal(QPointF(5, 5)), Qt::NoButton, Qt::NoButton,
                   Qt::NoModifier);
  QApplication::sendEvent(w, &move);
}

}  // namespace

class SmallWindowsTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { PrepareWindowTests(); }
  void init() { ModalHooks().Reset(); }

  void progressDialogStartsHiddenAndEmpty() {
    ui::TMyProcess dialog;
    QVERIFY(!dialog.isVisible());
    QVERIFY(!dialog.CancelRequested());
    QCOMPARE(Child<QProgressBar>(&dialog, "ProgressBar1")->value(), 0);
    QCOMPARE(Child<QLabel>(&dialog, "Label2")->text(), QString());
    QCOMPARE(dialog.windowTitle(), QString("Wait a minute ya..."));
    QVERIFY(!(dialog.windowFlags() & Qt::WindowCloseButtonHint));
    QVERIFY(!(dialog.windowFlags() & Qt::WindowSystemMenuHint));
    dialog.SetLabel2("Image 3 of 120");
    dialog.SetProgressBar1(66);
    QCOMPARE(Child<QLabel>(&dialog, "Label2")->text(), QString("Image 3 of 120"));
    QCOMPARE(Child<QProgressBar>(&dialog, "ProgressBar1")->value(), 66);
  }

  void progressCancelOnlySetsTheFlag_data() {
    QTest::addColumn<QString>("how");
    QTest::newRow("click") << "click";
    QTest::newRow("click twice") << "twice";
    QTest::newRow("Esc") << "esc";
    QTest::newRow("close request") << "close";
  }
  void progressCancelOnlySetsTheFlag() {
    QFETCH(QString, how);
    ui::TMyProcess dialog;
    dialog.Show();
    auto* cancel = Child<QPushButton>(&dialog, "BitBtn1");
    QCOMPARE(cancel->text(), QString("&Cancel"));
    if (how == "click" || how == "twice") QTest::mouseClick(cancel, Qt::LeftButton);
    if (how == "twice") QTest::mouseClick(cancel, Qt::LeftButton);
    if (how == "esc") QTest::keyClick(&dialog, Qt::Key_Escape);
    if (how == "close") {
      dialog.close();
      QVERIFY(!dialog.CancelRequested());  // no close box: a close request is refused
      QVERIFY(dialog.isVisible());
      return;
    }
    QVERIFY(dialog.CancelRequested());
    QVERIFY2(dialog.isVisible(), "the run hides the dialog, not Cancel");
    dialog.Hide();
    QVERIFY(!dialog.isVisible());
  }

  void runawayButton() {
    ui::TAboutBox about;
    about.show();
    QCOMPARE(about.BitBtn2->text(), QString("No, that's not my style"));
    QCOMPARE(about.BitBtn2->x(), 184);
    MoveMouseOver(about.BitBtn2);
    QCOMPARE(about.BitBtn2->x(), 337);
    MoveMouseOver(about.BitBtn2);
    QCOMPARE(about.BitBtn2->x(), 184);
    MoveMouseOver(about.BitBtn2);
    QCOMPARE(about.BitBtn2->x(), 337);
    QCOMPARE(about.BitBtn2->y(), 456);
    // Tab never lands on it; a click that does land closes the box.
    QVERIFY(!(about.BitBtn2->focusPolicy() & Qt::TabFocus));
    about.BitBtn2->click();
    QVERIFY(!about.isVisible());
    QCOMPARE(about.result(), int(QDialog::Rejected));
  }

  void aboutBoxYesIsTheDefaultAndCloses() {
    ui::TAboutBox about;
    about.show();
    QCOMPARE(about.windowTitle(), QString("About QuorvaLinde"));
    QVERIFY(about.BitBtn1->isDefault());
    QTest::keyClick(&about, Qt::Key_Return);
    QVERIFY(!about.isVisible());
    QCOMPARE(about.result(), int(QDialog::Accepted));
  }

  void aboutBoxLinksOpenTheirAddresses() {
    ui::TAboutBox about;
    about.show();
    auto* mail = Child<QLabel>(&about, "LabelMail");
    QTest::mouseClick(mail, Qt::LeftButton);
    QTest::mouseClick(Child<QLabel>(&about, "LabelOrganisation1"), Qt::LeftButton);
    const auto& opened = ModalHooks().OpenedUrls;
    QCOMPARE(opened.size(), std::size_t{2});
    QCOMPARE(opened[0].scheme(), QString("mailto"));
    QCOMPARE(opened[0].path(), mail->toolTip());
    QCOMPARE(opened[1].scheme(), QString("https"));
  }

  void infoShowsAFreshAboutBoxModally() {
    auto windows = MakeWindows();
    std::vector<int> positions;
    ModalHooks().OnModalDialog = [&](QDialog& dialog) {
      auto* about = qobject_cast<ui::TAboutBox*>(&dialog);
      QVERIFY(about != nullptr);
      QVERIFY(about->isVisible());
      positions.push_back(about->BitBtn2->x());
      MoveMouseOver(about->BitBtn2);
    };
    auto* info = Child<QPushButton>(windows->Form1.get(), "BitBtnInfo");
    info->click();
    info->click();
    QCOMPARE(ModalHooks().ModalDialogs, 2);
    QCOMPARE(positions, (std::vector<int>{184, 184}));  // the runaway flag starts afresh
    QVERIFY(windows->Form1->findChildren<ui::TAboutBox*>().size() == 1);  // only the one made at start
  }

  void topLevelHandlerReportsAndGoesOn() {
    TThrowingObject object;
    QEvent event(QEvent::User);
    QApplication::sendEvent(&object, &event);
    QCOMPARE(ModalHooks().Messages.size(), std::size_t{1});
    QCOMPARE(LastMessage().Text, std::string("photo.jpg: damaged"));
    QCOMPARE(LastMessage().Caption, std::string("QuorvaLinde"));
    QCOMPARE(LastMessage().Flags, MB_OK | MB_ICONHAND);
    QApplication::sendEvent(&object, &event);
    QCOMPARE(ModalHooks().Messages.size(), std::size_t{2});
  }

  void handlerErrorIsReportedWithoutReachingTheToolkit() {
    bool ran = false;
    ui::RunHandler([&] {
      ran = true;
      throw TFileError("/in/x.jpg", "cannot be decoded");
    });
    QVERIFY(ran);
    QCOMPARE(LastMessage().Text, std::string("/in/x.jpg: cannot be decoded"));
    QCOMPARE(LastMessage().Caption, std::string("QuorvaLinde"));
  }

  void windowsAreCreatedOnceAndOnlyTheMainOneIsShown() {
    auto windows = ui::CreateWindows();
    QVERIFY(windows != nullptr);
    QVERIFY(windows->Form1 && windows->HtmlForm && windows->MyProcess && windows->AboutBox && windows->HtmlForm2);
    QVERIFY(!windows->HtmlForm->isVisible() && !windows->MyProcess->isVisible() && !windows->AboutBox->isVisible());
    QVERIFY(ModalHooks().Messages.empty());
  }

  void damagedDefaultSettingsAreShownAndTheDefaultsApply() {
    WriteFile("default.qvl", "[Quality]\r\nabc\r\n");
    auto windows = ui::CreateWindows();
    std::filesystem::remove("default.qvl");
    QVERIFY(windows != nullptr);
    QCOMPARE(LastMessage().Caption, std::string("Error"));
    QVERIFY2(LastMessage().Text.find("default.qvl: line 2: 'abc' is not a number") != std::string::npos,
             LastMessage().Text.c_str());
    QCOMPARE(windows->Form1->Job().Options.Quality, 85);
  }

  void systemColours_data() {
    QTest::addColumn<int>("value");
    QTest::addColumn<QColor>("shown");
    QTest::newRow("white") << 16777215 << QColor(255, 255, 255);
    QTest::newRow("red in the low byte") << 0x000000FF << QColor(255, 0, 0);
    QTest::newRow("default link colour") << 10485760 << QColor(0, 0, 160);
    QTest::newRow("default visited colour") << 16711808 << QColor(128, 0, 255);
    QTest::newRow("-1 is black") << -1 << QColor(0, 0, 0);
    QTest::newRow("window colour") << int(0x80000005) << QColor(255, 255, 255);
    QTest::newRow("button face") << int(0x8000000F) << QColor(0xD4, 0xD0, 0xC8);
    QTest::newRow("highlight") << int(0x8000000D) << QColor(0x0A, 0x24, 0x6A);
    QTest::newRow("menu bar, the last index") << int(0x8000001E) << QColor(0xD4, 0xD0, 0xC8);
    QTest::newRow("unknown index 31") << int(0x8000001F) << QColor(0, 0, 0);
    // Only a negative value names a system colour; a positive one keeps its low three bytes.
    QTest::newRow("other top byte") << int(0x1F000005) << QColor(5, 0, 0);
  }
  void systemColours() {
    QFETCH(int, value);
    QFETCH(QColor, shown);
    QCOMPARE(ui::ResolveColour(value), shown);
  }
};

}  // namespace ql::test

// The program's own application object, so that its top-level handler is under test.
int main(int argc, char** argv) {
  ql::ui::TApplication application(argc, argv);
  ql::test::SmallWindowsTest test;
  return QTest::qExec(&test, argc, argv);
}
#include "small_windows_test.moc"
