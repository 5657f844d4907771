// The two HTML dialogs: filled from the options on opening, stored on OK, nothing stored on Abort
// or the close box (except a chosen background image), the refusal of bad column and row counts,
// colours kept raw, "From Thumbnailpage", and Tab and Enter inside the text areas.
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

#include "job/string_table.h"
#include "platform/window_services.h"
#include "ui/colour_swatch.h"
#include "ui/form1.h"
#include "ui/html_form.h"
#include "ui/html_form2.h"
#include "ui_test_support.h"

namespace ql::test {

using ui::ModalHooks;

class HtmlFormsTest : public QObject {
  Q_OBJECT

  std::unique_ptr<ui::TWindowSet> windows;
  ui::THtmlForm* form = nullptr;
  ui::THtmlForm2* form2 = nullptr;
  TGalleryOptions& Options() { return windows->Form1->Job().Options; }

  void OpenThumbs() { Child<QPushButton>(windows->Form1.get(), "ButtonHTML")->click(); }
  void OpenImages() { Child<QPushButton>(windows->Form1.get(), "ButtonHTML2")->click(); }
  QLineEdit* Columns() { return Child<QLineEdit>(form, "MaskEdit1"); }
  QLineEdit* Rows() { return Child<QLineEdit>(form, "MaskEdit2"); }
  QPlainTextEdit* Memo(QWidget* dialog, const char* name) { return Child<QPlainTextEdit>(dialog, name); }

 private slots:
  void initTestCase() { PrepareWindowTests(); }
  void init() {
    windows = MakeWindows();
    form = windows->HtmlForm.get();
    form2 = windows->HtmlForm2.get();
  }
  void cleanup() { windows.reset(); }

  void openingFillsAndOkWithoutChangesStoresTheSame() {
    Options().UseNames = true;
    Options().UseImageImages = true;
    Options().UseNamesImages = true;
    const TGalleryOptions before = Options();
    QVERIFY(!form->isVisible());
    OpenThumbs();
    QVERIFY(form->isVisible());
    QCOMPARE(form->windowTitle(), QString("HTML-Options"));
    QCOMPARE(Columns()->text(), QString("4"));
    QCOMPARE(Rows()->text(), QString("3"));
    QVERIFY(Memo(form, "Memo2")->toPlainText().startsWith("  <b><i><font face=\"Arial,Helvetica\">"));
    QVERIFY(form->CheckBoxNames->isChecked());
    QVERIFY(!form->ButtonImage->isEnabled());
    form->BitBtn1->click();
    QVERIFY(!form->isVisible());
    QVERIFY(Options() == before);

    OpenImages();
    QCOMPARE(form2->windowTitle(), QString("HTML Code Images"));
    QVERIFY(form2->ButtonImage->isEnabled());
    QVERIFY(!form2->CheckBoxNames->isVisible());
    form2->BitBtn1->click();
    QVERIFY(!form2->isVisible());
    QVERIFY(Options() == before);
  }

  void okStoresEveryField() {
    OpenThumbs();
    Columns()->setText(" 5 ");
    Rows()->setText("2  ");
    Memo(form, "Memo2")->setPlainText("<p>one</p>\r\n<p>two</p>\n");
    form->CheckBoxNames->setChecked(true);
    form->CheckBoxImage->setChecked(true);
    form->CheckBoxColors->setChecked(true);
    ModalHooks().Colours = {0x00123456};
    form->ButtonLink->click();
    form->BitBtn1->click();
    QCOMPARE(Options().Columns, 5);
    QCOMPARE(Options().Rows, 2);
    QCOMPARE(Options().Code2, (TCodeBlock{"<p>one</p>", "<p>two</p>"}));
    QVERIFY(Options().UseNames && Options().UseImage && Options().UseColors);
    QCOMPARE(Options().LinkColor, 0x00123456);
    QCOMPARE(Options().TextColor, -1);  // a system colour goes back as it came
  }

  void abortAndCloseBoxStoreNothing_data() {
    QTest::addColumn<bool>("closeBox");
    QTest::newRow("Abort") << false;
    QTest::newRow("close box") << true;
  }
  void abortAndCloseBoxStoreNothing() {
    QFETCH(bool, closeBox);
    const TGalleryOptions before = Options();
    OpenThumbs();
    Columns()->setText("7");
    Memo(form, "Memo1")->setPlainText("changed");
    form->CheckBoxColors->setChecked(true);
    ModalHooks().Colours = {0x0000FF};
    form->ButtonBG->click();
    if (closeBox) {
      form->close();
    } else {
      form->BitBtn2->click();
    }
    QVERIFY(!form->isVisible());
    QVERIFY(Options() == before);
  }

  void abortKeepsAChosenBackground_data() {
    QTest::addColumn<int>("dialog");
    QTest::addColumn<QString>("patterns");
    QTest::newRow("thumbnail pages") << 1 << "*.jpg *.jpeg *.JPG *.JPEG";
    QTest::newRow("image pages") << 2 << "*.jpg *.JPG";
  }
  void abortKeepsAChosenBackground() {
    QFETCH(int, dialog);
    QFETCH(QString, patterns);
    ui::THtmlFormBase* d = dialog == 1 ? static_cast<ui::THtmlFormBase*>(form) : form2;
    dialog == 1 ? OpenThumbs() : OpenImages();
    auto* label = Child<QLabel>(d, "LabelImageName");
    QCOMPARE(label->text(), QString("no image selected yet"));
    QCOMPARE(label->palette().color(QPalette::WindowText), QColor(Qt::red));
    d->CheckBoxImage->setChecked(true);
    QVERIFY(d->ButtonImage->isEnabled());
    ModalHooks().FileNames = {QString("/pics/Sky Blue.jpg")};
    d->ButtonImage->click();
    const ui::TFileRequest request = ModalHooks().FileRequests.back();
    QCOMPARE(request.Caption.toStdString(), StringTableText(sChooseBackgroundImage));
    QCOMPARE(request.Filter, "JPEG Images (" + patterns + ")");
    QCOMPARE(dialog == 1 ? Options().ImageFile : Options().ImageFileImages, std::string("/pics/Sky Blue.jpg"));
    QCOMPARE(label->toolTip(), QString("/pics/Sky Blue.jpg"));
    QCOMPARE(label->palette().color(QPalette::WindowText), QColor(0, 0, 128));
    d->BitBtn2->click();
    QCOMPARE(dialog == 1 ? Options().ImageFile : Options().ImageFileImages, std::string("/pics/Sky Blue.jpg"));
    QVERIFY(!(dialog == 1 ? Options().UseImage : Options().UseImageImages));
    // A cancelled choice leaves the path alone.
    dialog == 1 ? OpenThumbs() : OpenImages();
    ModalHooks().FileNames = {std::nullopt};
    d->ButtonImage->click();
    QCOMPARE(dialog == 1 ? Options().ImageFile : Options().ImageFileImages, std::string("/pics/Sky Blue.jpg"));
  }

  void refusedCountsStoreNothingAndKeepTheDialogOpen_data() {
    QTest::addColumn<QString>("columns");
    QTest::addColumn<QString>("rows");
    QTest::addColumn<QString>("field");
    QTest::newRow("columns empty") << "" << "3" << "MaskEdit1";
    QTest::newRow("columns blanks") << "   " << "3" << "MaskEdit1";
    QTest::newRow("columns 0") << "0" << "3" << "MaskEdit1";
    QTest::newRow("columns 000") << "000" << "3" << "MaskEdit1";
    QTest::newRow("columns blank between digits") << "1 2" << "3" << "MaskEdit1";
    QTest::newRow("rows empty") << "4" << "" << "MaskEdit2";
    QTest::newRow("rows 0") << "6" << "0" << "MaskEdit2";
  }
  void refusedCountsStoreNothingAndKeepTheDialogOpen() {
    QFETCH(QString, columns);
    QFETCH(QString, rows);
    QFETCH(QString, field);
    const TGalleryOptions before = Options();
    OpenThumbs();
    Columns()->setText(columns);
    Rows()->setText(rows);
    Memo(form, "Memo3")->setPlainText("edited");
    form->BitBtn1->click();
    QVERIFY(form->isVisible());
    QVERIFY2(Options() == before, "nothing is stored, not even the columns");
    QCOMPARE(LastMessage().Caption, std::string("Error"));
    QCOMPARE(LastMessage().Flags, MB_OK | MB_ICONHAND);
    QVERIFY(LastMessage().Text.find(field == "MaskEdit1" ? "columns" : "rows") != std::string::npos);
    // Put right, the same dialog stores.
    Columns()->setText("2");
    Rows()->setText("9");
    form->BitBtn1->click();
    QVERIFY(!form->isVisible());
    QCOMPARE(Options().Columns, 2);
    QCOMPARE(Options().Rows, 9);
    QCOMPARE(Options().Code3, TCodeBlock{"edited"});
  }

  void countFieldsTakeDigitsAndBlanksOnly() {
    OpenThumbs();
    Columns()->clear();
    QTest::keyClicks(Columns(), "-x12345");
    QCOMPARE(Columns()->text(), QString("123"));
  }

  void reopeningDiscardsUnconfirmedEdits() {
    OpenThumbs();
    Columns()->setText("9");
    form->CheckBoxColors->setChecked(true);
    OpenThumbs();
    QCOMPARE(Columns()->text(), QString("4"));
    QVERIFY(!form->CheckBoxColors->isChecked());
    QVERIFY(!form->ButtonBG->isEnabled());
  }

  void customColours() {
    OpenThumbs();
    QVERIFY(!form->ButtonText->isEnabled());
    QCOMPARE(form->EditText->ShownColour(), QColor(0, 0, 0));  // -1: black
    QCOMPARE(form->EditBackground->ShownColour(), QColor(255, 255, 255));
    QCOMPARE(form->EditLink->ShownColour(), QColor(0, 0, 160));
    QVERIFY(!form->EditText->isEnabled());
    form->CheckBoxColors->setChecked(true);
    for (QPushButton* b : {form->ButtonBG, form->ButtonText, form->ButtonLink, form->ButtonVisited}) QVERIFY(b->isEnabled());
    auto& hooks = ModalHooks();
    hooks.Colours = {0x00FF0000, std::nullopt, 0x000000FF};
    form->ButtonText->click();
    QCOMPARE(form->EditText->Colour(), 0x00FF0000);
    QCOMPARE(form->EditText->ShownColour(), QColor(0, 0, 255));
    form->ButtonVisited->click();  // cancelled
    QCOMPARE(form->EditVisited->Colour(), 16711808);
    form->ButtonBG->click();
    // The colour dialog opens with the colour last chosen in it, black the first time.
    QCOMPARE(hooks.ColourRequests, (std::vector<TColor>{0, 0x00FF0000, 0x00FF0000}));
    form->CheckBoxColors->setChecked(false);
    QVERIFY(!form->ButtonText->isEnabled());
    form->BitBtn1->click();
    QCOMPARE(Options().TextColor, 0x00FF0000);  // stored whether or not the box is ticked
    QCOMPARE(Options().BGColor, 0x000000FF);
    QVERIFY(!Options().UseColors);
  }

  void tabAndEnterInsideTheTextAreas() {
    OpenThumbs();
    form->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(form));
    QPlainTextEdit* memo = Memo(form, "Memo1");
    memo->setPlainText("a");
    memo->setFocus();
    memo->moveCursor(QTextCursor::End);
    QTest::keyClick(memo, Qt::Key_Tab);
    QTest::keyClick(memo, Qt::Key_Return);
    QTest::keyClicks(memo, "b");
    QCOMPARE(memo->toPlainText(), QString("a\t\nb"));
    QVERIFY(form->isVisible());
    QCOMPARE(QApplication::focusWidget(), memo);
    // Enter elsewhere is the OK button.
    Columns()->setFocus();
    QTest::keyClick(Columns(), Qt::Key_Return);
    QVERIFY(!form->isVisible());
    QCOMPARE(Options().Code1, (TCodeBlock{"a\t", "b"}));
  }

  void textAreaKeepsNonBreakingSpaces() {
    Options().Code1 = {"a\xC2\xA0" "b", "", "c"};
    OpenThumbs();
    form->BitBtn1->click();
    QCOMPARE(Options().Code1, (TCodeBlock{"a\xC2\xA0" "b", "", "c"}));
  }

  void fromThumbnailpageCopiesTheStoredColours() {
    Options().BGColor = 0x00AAAAAA;
    OpenThumbs();
    form->CheckBoxColors->setChecked(true);
    ModalHooks().Colours = {0x00010203};
    form->ButtonBG->click();  // changed in the open dialog, not confirmed
    OpenImages();
    QVERIFY(!form2->ButtonFromThumbnailpage->isEnabled());
    form2->CheckBoxColors->setChecked(true);
    QVERIFY(form2->ButtonFromThumbnailpage->isEnabled());
    form2->ButtonFromThumbnailpage->click();
    QCOMPARE(form2->EditBackground->Colour(), 0x00AAAAAA);
    QCOMPARE(form2->EditText->Colour(), -1);
    const TGalleryOptions before = Options();
    form2->BitBtn2->click();  // Abort: the image-page colours stay
    QVERIFY(Options() == before);
    OpenImages();
    form2->CheckBoxColors->setChecked(true);
    form2->ButtonFromThumbnailpage->click();
    form2->BitBtn1->click();
    QCOMPARE(Options().BGColorImages, 0x00AAAAAA);
    form2->CheckBoxColors->setChecked(false);
    QVERIFY(!form2->ButtonFromThumbnailpage->isEnabled());
  }

  void imagePageOkStoresAndPassesNamesThrough() {
    Options().UseNamesImages = true;
    OpenImages();
    Memo(form2, "Memo1")->clear();
    form2->BitBtn1->click();
    QVERIFY(Options().Code1Images.empty());
    QVERIFY(Options().UseNamesImages);
  }

  void tabOrder_data() {
    QTest::addColumn<int>("dialog");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("thumbnail pages") << 1
                                     << QStringList{"MaskEdit1", "MaskEdit2", "CheckBoxNames", "CheckBoxImage",
                                                    "CheckBoxColors", "Memo1", "Memo2", "Memo3", "BitBtn1", "BitBtn2"};
    QTest::newRow("image pages") << 2 << QStringList{"Memo1", "CheckBoxImage", "CheckBoxColors", "BitBtn1", "BitBtn2"};
  }
  void tabOrder() {
    QFETCH(int, dialog);
    QFETCH(QStringList, expected);
    QWidget* d = dialog == 1 ? static_cast<QWidget*>(form) : form2;
    dialog == 1 ? OpenThumbs() : OpenImages();
    // With everything disabled that starts disabled, the chain of what Tab can reach.
    QStringList chain;
    QWidget* w = Child<QWidget>(d, expected.first().toUtf8().constData());
    for (int guard = 0; chain.size() < expected.size() && guard < 200; ++guard, w = w->nextInFocusChain()) {
      if (w->isEnabled() && w->isVisible() && (w->focusPolicy() & Qt::TabFocus) && !w->objectName().isEmpty()) {
        chain << w->objectName();
      }
    }
    QCOMPARE(chain, expected);
  }

  void runDisablesOk() {
    form->SetRunning(true);
    form2->SetRunning(true);
    QVERIFY(!form->BitBtn1->isEnabled());
    QVERIFY(!form2->BitBtn1->isEnabled());
    form->SetRunning(false);
    QVERIFY(form->BitBtn1->isEnabled());
  }
};

}  // namespace ql::test

QTEST_MAIN(ql::test::HtmlFormsTest)
#include "html_forms_test.moc"
