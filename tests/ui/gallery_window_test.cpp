// Runs from the window: a gallery of sample photos through a scripted folder choice and a click
// on the run button; Cancel from the progress dialog on another run; closing the window during a
// run; what is disabled while a run is in progress; a conversion error reported by the top-level
// handler with the file's name.
#include <QCheckBox>
#include <QGuiApplication>
#include <QImageReader>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <filesystem>

#include "platform/file_system.h"
#include "support/temp_dir.h"
#include "ui/form1.h"
#include "ui/html_form.h"
#include "ui/html_form2.h"
#include "ui/my_process.h"
#include "ui_test_support.h"

namespace ql::test {

using ui::ModalHooks;
using ui::TForm1;

// False while the image conversion and the page writer of this build are placeholders: the runs
// then use the stand-in steps below, which write files of the same names. Set it to true once
// both are built; the same tests then check the real output.
constexpr bool kRealSteps = true;

namespace {

int Count(const std::string& dir, const std::string& prefix, const std::string& suffix) {
  int n = 0;
  for (const std::string& name : ListNames(dir)) {
    if (name.rfind(prefix, 0) == 0 && name.size() >= suffix.size() &&
        name.compare(name.size() - suffix.size(), suffix.size(), suffix) == 0) {
      ++n;
    }
  }
  return n;
}

}  // namespace

class GalleryWindowTest : public QObject {
  Q_OBJECT

  std::unique_ptr<ui::TWindowSet> windows;
  TForm1* form = nullptr;
  std::unique_ptr<TTempDir> dir;
  std::string in, out;
  int conversions = 0;
  int pageWrites = 0;
  std::function<void()> duringFirstConversion;

  // Stand-ins that write what the real steps write, and count.
  void InstallSteps() {
    TRunSteps real = form->Job().Steps;
    form->Job().Steps.ConvertImage = [this, real](const TJobContext& ctx, const std::string& source,
                                                  const std::string& dest, int q, int w, int h, int f, bool thumb) {
      ++conversions;
      if (conversions == 1 && duringFirstConversion) duringFirstConversion();
      if (kRealSteps) {
        real.ConvertImage(ctx, source, dest, q, w, h, f, thumb);
      } else {
        std::filesystem::copy_file(JoinPath(ctx.SourceDir, source), JoinPath(ctx.DestDir, dest),
                                   std::filesystem::copy_options::overwrite_existing);
      }
    };
    form->Job().Steps.WriteGalleryPages = [this, real](const TJobContext& ctx, int n, TPageWriteReport* report) {
      ++pageWrites;
      if (kRealSteps) return real.WriteGalleryPages(ctx, n, report);
      WriteFile(JoinPath(ctx.DestDir, "page1.htm"), "<a href=\"img1.htm\">");
      for (int i = 1; i <= n; ++i) WriteFile(JoinPath(ctx.DestDir, "img" + std::to_string(i) + ".htm"), "<img>");
      return 0;
    };
  }

  void ChooseFolders() {
    ModalHooks().Folders = {QString::fromStdString(in), QString::fromStdString(out)};
    Child<QPushButton>(form, "ButtonImportDirectory")->click();
    Child<QPushButton>(form, "ButtonExportDirectory")->click();
    QVERIFY(Child<QPushButton>(form, "BitBtnRun")->isEnabled());
  }

  void ClickRun() { QTest::mouseClick(Child<QPushButton>(form, "BitBtnRun"), Qt::LeftButton); }

  void ClickCancelInProgressDialog() {
    ui::TMyProcess* dialog = form->CurrentProgressDialog();
    QVERIFY(dialog != nullptr && dialog->isVisible());
    QTest::mouseClick(Child<QPushButton>(dialog, "BitBtn1"), Qt::LeftButton);
  }

  void CheckIdleAfterRun() {
    QVERIFY2(form->CurrentProgressDialog() == nullptr, "the run's progress dialog is gone");
    QVERIFY2(QGuiApplication::overrideCursor() == nullptr, "the cursor is normal again");
    QVERIFY(!form->Running());
    QVERIFY(Child<QPushButton>(form, "BitBtnRun")->isEnabled());
    QVERIFY(Child<QLineEdit>(form, "EditSource")->isEnabled());
    QVERIFY(Child<QPushButton>(form, "ButtonLoadSettings")->isEnabled());
    QVERIFY(windows->HtmlForm->BitBtn1->isEnabled());
  }

 private slots:
  void initTestCase() { PrepareWindowTests(); }
  void init() {
    windows = MakeWindows();
    form = windows->Form1.get();
    form->show();
    dir = std::make_unique<TTempDir>();
    in = *dir / "photos";
    out = *dir / "gallery";
    std::filesystem::create_directory(in);
    std::filesystem::create_directory(out);
    conversions = pageWrites = 0;
    duringFirstConversion = nullptr;
  }
  void cleanup() {
    windows.reset();
    dir.reset();
  }

  void runsAGalleryOfSamplePhotosThenCancelsAnother() {
    CopySamplePhotos(in, 3);
    InstallSteps();
    ChooseFolders();
    ClickRun();
    QVERIFY2(ModalHooks().Messages.empty(), LastMessage().Text.c_str());
    QCOMPARE(conversions, 6);
    QCOMPARE(Count(out, "t_", ".jpg"), 3);
    QCOMPARE(Count(out, "", ".jpg"), 6);
    QVERIFY(RegularFileExists(JoinPath(out, "page1.htm")));
    for (int i = 1; i <= 3; ++i) QVERIFY(RegularFileExists(JoinPath(out, "img" + std::to_string(i) + ".htm")));
    QCOMPARE(ModalHooks().OpenedUrls.size(), std::size_t{1});
    QCOMPARE(ModalHooks().OpenedUrls[0], QUrl::fromLocalFile(QString::fromStdString(JoinPath(out, "page1.htm"))));
    QVERIFY(ReadFile(JoinPath(out, "page1.htm")).find("img1.htm") != std::string::npos);
    if (kRealSteps) {
      for (const std::string& name : ListNames(out)) {
        if (name.size() < 4 || name.compare(name.size() - 4, 4, ".jpg") != 0) continue;
        const QSize size = QImageReader(QString::fromStdString(JoinPath(out, name))).size();
        const int limit = name.rfind("t_", 0) == 0 ? 140 : 800;
        QVERIFY2(size.isValid() && size.width() <= limit && size.height() <= limit, name.c_str());
      }
    }
    CheckIdleAfterRun();

    // Another run into the same, now full, folder: OK to the question, then Cancel from the
    // progress dialog at its first dispatch of messages, during the first image. The second
    // image is still finished; no page is written and nothing is opened.
    for (const std::string& name : ListNames(out)) std::filesystem::remove(JoinPath(out, name));
    WriteFile(JoinPath(out, ".keep"), "");
    conversions = pageWrites = 0;
    ModalHooks().Answers = {IDOK};
    QTimer::singleShot(0, this, [this] { ClickCancelInProgressDialog(); });
    ClickRun();
    QCOMPARE(LastMessage().Caption, std::string("Warning"));
    QCOMPARE(conversions, 4);
    QCOMPARE(pageWrites, 0);
    QVERIFY(!RegularFileExists(JoinPath(out, "page1.htm")));
    QCOMPARE(ModalHooks().OpenedUrls.size(), std::size_t{1});
    CheckIdleAfterRun();

    // A fresh dialog for the next run, which goes to the end.
    bool freshDialog = false;
    duringFirstConversion = [&] { freshDialog = !form->CurrentProgressDialog()->CancelRequested(); };
    conversions = 0;
    ModalHooks().Answers = {IDOK};
    ClickRun();
    QVERIFY(freshDialog);
    QCOMPARE(conversions, 6);
    QCOMPARE(ModalHooks().OpenedUrls.size(), std::size_t{2});
  }

  void runDisablesWhatCouldStartOrChangeAnother() {
    CopySamplePhotos(in, 2);
    InstallSteps();
    ChooseFolders();
    windows->HtmlForm->show();
    QStringList stillEnabled;
    bool dialogShown = false;
    duringFirstConversion = [&] {
      for (const char* name : {"BitBtnRun", "ButtonImportDirectory", "ButtonExportDirectory", "EditSource",
                               "EditDesti", "ButtonLoadSettings", "ButtonSaveSettings", "ButtonSaveDefault",
                               "RadioButton120", "RadioButton140", "RadioButton160"}) {
        if (Child<QWidget>(form, name)->isEnabled()) stillEnabled << name;
      }
      if (windows->HtmlForm->BitBtn1->isEnabled()) stillEnabled << "HtmlForm OK";
      if (windows->HtmlForm2->BitBtn1->isEnabled()) stillEnabled << "HtmlForm2 OK";
      dialogShown = form->CurrentProgressDialog()->isVisible();
      // A click on the disabled run button starts nothing.
      Child<QPushButton>(form, "BitBtnRun")->click();
      QVERIFY(QGuiApplication::overrideCursor() != nullptr);
      // Cancel and the window's other controls still work.
      QVERIFY(Child<QPushButton>(form, "BitBtnCancel")->isEnabled());
      QVERIFY(Child<QCheckBox>(form, "CheckBoxExif")->isEnabled());
    };
    ClickRun();
    QVERIFY2(stillEnabled.isEmpty(), qPrintable(stillEnabled.join(", ")));
    QVERIFY(dialogShown);
    QCOMPARE(conversions, 4);
    CheckIdleAfterRun();
  }

  void closingDuringARunCancelsAndClosesAfterwards() {
    CopySamplePhotos(in, 3);
    InstallSteps();
    ChooseFolders();
    QSignalSpy closed(form, &TForm1::Closed);
    bool openDuringRun = false;
    duringFirstConversion = [&] {
      form->close();
      openDuringRun = form->isVisible() && closed.isEmpty();
    };
    ClickRun();
    QVERIFY(openDuringRun);
    QCOMPARE(conversions, 4);  // Cancel ended the loop after the second image
    QCOMPARE(pageWrites, 0);
    QCOMPARE(closed.count(), 1);
    QVERIFY(!form->isVisible());
  }

  void conversionErrorIsReportedWithTheFileName() {
    // A file that is no JPEG at all; the real conversion fails on it, and so does this build's.
    WriteFile(JoinPath(in, "broken.jpg"), "not a JPEG");
    ChooseFolders();
    ClickRun();
    QCOMPARE(LastMessage().Caption, std::string("QuorvaLinde"));
    QCOMPARE(LastMessage().Flags, MB_OK | MB_ICONHAND);
    const std::string prefix = JoinPath(in, "broken.jpg") + ": ";
    QVERIFY2(LastMessage().Text.rfind(prefix, 0) == 0, LastMessage().Text.c_str());
    QVERIFY(!RegularFileExists(JoinPath(out, "page1.htm")));
    QVERIFY(ModalHooks().OpenedUrls.empty());
    CheckIdleAfterRun();
    QVERIFY(form->isVisible());
  }

  void declinedQuestionWritesNothing() {
    CopySamplePhotos(in, 1);
    WriteFile(JoinPath(out, "old.htm"), "");
    InstallSteps();
    ChooseFolders();
    ModalHooks().Answers = {IDCANCEL};
    ClickRun();
    QCOMPARE(conversions, 0);
    QCOMPARE(ListNames(out), std::vector<std::string>{"old.htm"});
    QVERIFY(form->CurrentProgressDialog() == nullptr);
  }
};

}  // namespace ql::test

QTEST_MAIN(ql::test::GalleryWindowTest)
#include "gallery_window_test.moc"
