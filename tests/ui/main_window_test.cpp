// The main window: its state at the first start, the run button following the folders (chosen
// or typed), the preset thumbnail sizes, the sort order greying the EXIF box, Esc and Enter, the
// tab order and the settings buttons.
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QSlider>
#include <QTest>
#include <filesystem>

#include "job/string_table.h"
#include "platform/window_services.h"
#include "support/temp_dir.h"
#include "ui/form1.h"
#include "ui_test_support.h"

namespace ql::test {

using ui::ModalHooks;
using ui::TForm1;

class MainWindowTest : public QObject {
  Q_OBJECT

  std::unique_ptr<ui::TWindowSet> windows;
  TForm1* form = nullptr;

  template <typename T>
  T* Get(const char* name) {
    return Child<T>(form, name);
  }
  QPushButton* RunButton() { return Get<QPushButton>("BitBtnRun"); }

  void Activate() {
    form->show();
    form->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(form));
  }

 private slots:
  void initTestCase() { PrepareWindowTests(); }
  void init() {
    windows = MakeWindows();
    form = windows->Form1.get();
  }
  void cleanup() {
    windows.reset();
    std::filesystem::remove("default.qvl");  // what Save as Default wrote
  }

  void firstStartState() {
    const std::string notChosen = StringTableText(sNotChosenYet);
    QCOMPARE(form->windowTitle(), QString("QuorvaLinde"));
    QVERIFY(!RunButton()->isEnabled());
    QVERIFY(RunButton()->isDefault());
    QCOMPARE(Get<QLineEdit>("EditSource")->text().toStdString(), notChosen);
    QCOMPARE(Get<QLineEdit>("EditDesti")->text().toStdString(), notChosen);
    QCOMPARE(form->Job().SourceDir, notChosen);
    QCOMPARE(form->Job().DestDir, notChosen);
    QCOMPARE(Get<QComboBox>("ComboBoxFilter")->currentText(), QString("Lanczos3Filter"));
    QCOMPARE(Get<QComboBox>("ComboBoxFilter")->count(), 7);
    QVERIFY(Get<QCheckBox>("CheckBoxExif")->isChecked());
    QVERIFY(Get<QCheckBox>("CheckBoxExif")->isEnabled());
    QVERIFY(!Get<QCheckBox>("CheckBoxCreateNoImages")->isChecked());
    QVERIFY(Get<QRadioButton>("RadioButtonUser")->isChecked());
    QCOMPARE(Get<QLineEdit>("MaskEditUserSize")->text(), QString("140"));
    QCOMPARE(Get<QLineEdit>("MaskEditMaxWidth")->text(), QString("800"));
    QCOMPARE(Get<QLineEdit>("MaskEditMaxHeight")->text(), QString("600"));
    QCOMPARE(Get<QSlider>("TrackBarQuality")->value(), 85);
    QCOMPARE(Get<QSlider>("TrackBarThumbQuality")->value(), 85);
    QCOMPARE(Get<QLabel>("LabelImageQuality")->text(), QString("85"));
    QCOMPARE(Get<QLabel>("LabelThumbQuality")->text(), QString("85"));
    QCOMPARE(form->SortModeIndex(), 0);
    QCOMPARE(form->Job().ProgramDir, std::filesystem::current_path().string());
    QVERIFY(Get<QPushButton>("ButtonImportDirectory")->toolTip().contains("RunQuorvalinde"));
    QCOMPARE(Get<QPushButton>("ButtonHTML")->toolTip(), QString("Edit the HTML Code for the Thumbnailpages"));
  }

  void qualityLabelsFollowTrackBars() {
    Get<QSlider>("TrackBarQuality")->setValue(42);
    Get<QSlider>("TrackBarThumbQuality")->setValue(100);
    QCOMPARE(Get<QLabel>("LabelImageQuality")->text(), QString("42"));
    QCOMPARE(Get<QLabel>("LabelThumbQuality")->text(), QString("100"));
    form->SetTrackBarQualityPosition(0);  // limited to the range
    QCOMPARE(form->TrackBarQualityPosition(), 1);
  }

  void runButtonByFolderChoice() {
    TTempDir dir;
    std::filesystem::create_directory(dir / "in");
    std::filesystem::create_directory(dir / "out");
    auto& hooks = ModalHooks();

    hooks.Folders = {QString::fromStdString(dir / "in")};
    Get<QPushButton>("ButtonImportDirectory")->click();
    QCOMPARE(Get<QLineEdit>("EditSource")->text().toStdString(), dir / "in");
    QCOMPARE(form->Job().SourceDir, dir / "in");
    QVERIFY2(!RunButton()->isEnabled(), "the output folder is still not chosen");

    hooks.Folders = {QString::fromStdString(dir / "out")};
    Get<QPushButton>("ButtonExportDirectory")->click();
    QCOMPARE(form->Job().DestDir, dir / "out");
    QVERIFY(RunButton()->isEnabled());

    QCOMPARE(hooks.FolderRequests.size(), std::size_t{2});
    QCOMPARE(hooks.FolderRequests[0].Caption, QString("Choose Sourcefolder"));
    QCOMPARE(hooks.FolderRequests[0].Selected.toStdString(), StringTableText(sNotChosenYet));
    QCOMPARE(hooks.FolderRequests[0].Flags, 1u);  // return only file-system folders
    QCOMPARE(hooks.FolderRequests[1].Caption, QString("Choose Destinationfolder"));

    // The next opening pre-selects the chosen folder; Cancel changes nothing.
    hooks.Folders = {std::nullopt};
    Get<QPushButton>("ButtonImportDirectory")->click();
    QCOMPARE(hooks.FolderRequests[2].Selected.toStdString(), dir / "in");
    QCOMPARE(form->Job().SourceDir, dir / "in");
    QVERIFY(RunButton()->isEnabled());
  }

  void runButtonByTypedFolders() {
    TTempDir dir;
    std::filesystem::create_directory(dir / "in");
    Activate();
    auto* source = Get<QLineEdit>("EditSource");
    auto* desti = Get<QLineEdit>("EditDesti");

    source->setFocus(Qt::TabFocusReason);
    source->setText(QString::fromStdString(dir / "in"));
    QTest::keyClick(source, Qt::Key_Tab);  // the focus leaves the field
    QCOMPARE(form->Job().SourceDir, dir / "in");
    QVERIFY(!RunButton()->isEnabled());

    // A missing output folder is created, parents too, after the question is answered OK.
    desti->setFocus(Qt::TabFocusReason);
    desti->setText(QString::fromStdString(dir / "gal/new"));
    ModalHooks().Answers = {IDOK};
    QTest::keyClick(desti, Qt::Key_Tab);
    QCOMPARE(LastMessage().Text, StringTableText(sCreateDirectory));
    QCOMPARE(LastMessage().Caption, std::string("Warning"));
    QCOMPARE(LastMessage().Flags, MB_OKCANCEL | MB_ICONHAND);
    QVERIFY(std::filesystem::is_directory(dir / "gal/new"));
    QCOMPARE(form->Job().DestDir, dir / "gal/new");
    QVERIFY(RunButton()->isEnabled());

    // A typed input folder that does not exist is replaced by the accepted one.
    source->setFocus(Qt::TabFocusReason);
    source->setText(QString::fromStdString(dir / "nothing here"));
    QTest::keyClick(source, Qt::Key_Tab);
    QCOMPARE(source->text().toStdString(), dir / "in");
    QVERIFY(RunButton()->isEnabled());

    // Cancel on the question puts the accepted output folder back.
    desti->setFocus(Qt::TabFocusReason);
    desti->setText(QString::fromStdString(dir / "other"));
    ModalHooks().Answers = {IDCANCEL};
    QTest::keyClick(desti, Qt::Key_Tab);
    QCOMPARE(desti->text().toStdString(), dir / "gal/new");
    QVERIFY(!std::filesystem::exists(dir / "other"));
  }

  void presetSizes_data() {
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("preset");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QString>("selected");
    QTest::addColumn<int>("maxThumbSize");
    QTest::newRow("160 replaces 140") << "140" << "RadioButton160" << "160" << "RadioButtonUser" << 160;
    QTest::newRow("120 replaces 140") << "140" << "RadioButton120" << "120" << "RadioButtonUser" << 120;
    QTest::newRow("140 over 140 stays") << "140" << "RadioButton140" << "140" << "RadioButton140" << 140;
    QTest::newRow("160 over 160 stays") << "160" << "RadioButton160" << "160" << "RadioButton160" << 160;
  }
  void presetSizes() {
    QFETCH(QString, field);
    QFETCH(QString, preset);
    QFETCH(QString, shown);
    QFETCH(QString, selected);
    QFETCH(int, maxThumbSize);
    auto* userSize = Get<QLineEdit>("MaskEditUserSize");
    userSize->setText(field);
    form->Job().Options.maxThumbSize = 0;
    QTest::mouseClick(Get<QRadioButton>(preset.toUtf8().constData()), Qt::LeftButton);
    QCOMPARE(userSize->text(), shown);
    QVERIFY(Get<QRadioButton>(selected.toUtf8().constData())->isChecked());
    QCOMPARE(form->Job().Options.maxThumbSize, maxThumbSize);
  }

  void typingASizeSelectsUserDefined() {
    Get<QRadioButton>("RadioButton140")->click();  // field already 140: the preset stays selected
    QVERIFY(Get<QRadioButton>("RadioButton140")->isChecked());
    form->Job().Options.maxThumbSize = 140;
    auto* userSize = Get<QLineEdit>("MaskEditUserSize");
    userSize->clear();
    QTest::keyClicks(userSize, "95");
    QVERIFY(Get<QRadioButton>("RadioButtonUser")->isChecked());
    QCOMPARE(userSize->text(), QString("95"));
    QCOMPARE(form->Job().Options.maxThumbSize, 140);  // read only by a run or a save
    QTest::keyClicks(userSize, "x7");                 // digits only, three at most
    QCOMPARE(userSize->text(), QString("957"));
  }

  void sortModeGreysExif_data() {
    QTest::addColumn<int>("index");
    QTest::addColumn<bool>("exifEnabled");
    QTest::newRow("Date ascending") << 0 << true;
    QTest::newRow("Date descending") << 1 << true;
    QTest::newRow("Name ascending") << 2 << false;
    QTest::newRow("Name descending") << 3 << false;
  }
  void sortModeGreysExif() {
    QFETCH(int, index);
    QFETCH(bool, exifEnabled);
    auto* exif = Get<QCheckBox>("CheckBoxExif");
    exif->setChecked(false);
    QTest::mouseClick(Get<QRadioButton>(QString("SortMode%1").arg(index).toUtf8().constData()), Qt::LeftButton);
    QCOMPARE(form->SortModeIndex(), index);
    QCOMPARE(exif->isEnabled(), exifEnabled);
    QVERIFY2(!exif->isChecked(), "the tick does not change");
    // A settings file does it the same way, and back to a date order.
    form->SetSortModeIndex(index >= 2 ? 0 : 2);
    QCOMPARE(exif->isEnabled(), index >= 2);
  }

  void sortModeWithoutItem() {
    form->SetSortModeIndex(3);
    form->SetSortModeIndex(-1);
    QCOMPARE(form->SortModeIndex(), -1);
    QVERIFY(Get<QCheckBox>("CheckBoxExif")->isEnabled());
    form->SetSortModeIndex(2);
    QCOMPARE(form->SortModeIndex(), 2);
  }

  void escapeEndsTheProgram() {
    Activate();
    QSignalSpy closed(form, &TForm1::Closed);
    QTest::keyClick(Get<QLineEdit>("EditSource"), Qt::Key_Escape);
    QCOMPARE(closed.count(), 1);
    QVERIFY(!form->isVisible());
  }

  void enterRunsOnlyWhileEnabled() {
    TTempDir dir;
    std::filesystem::create_directory(dir / "in");
    std::filesystem::create_directory(dir / "out");
    WriteFile(dir / "in/a.jpg", "x");
    int conversions = 0;
    form->Job().Steps.ConvertImage = [&](auto&&...) { ++conversions; };
    form->Job().Steps.WriteGalleryPages = [](auto&&...) { return 0; };
    Activate();
    auto* source = Get<QLineEdit>("EditSource");
    source->setFocus();
    QTest::keyClick(source, Qt::Key_Return);
    QCOMPARE(conversions, 0);

    ModalHooks().Folders = {QString::fromStdString(dir / "in"), QString::fromStdString(dir / "out")};
    Get<QPushButton>("ButtonImportDirectory")->click();
    Get<QPushButton>("ButtonExportDirectory")->click();
    source->setFocus();
    QTest::keyClick(source, Qt::Key_Return);
    QCOMPARE(conversions, 2);  // the resized copy and the thumbnail
    QCOMPARE(ModalHooks().OpenedUrls.size(), std::size_t{1});
  }

  void tabOrder() {
    const QStringList expected = {"ButtonImportDirectory", "EditSource", "ButtonExportDirectory", "EditDesti",
                                  "ButtonHTML", "ButtonHTML2", "SortMode0", "SortMode1", "SortMode2", "SortMode3",
                                  "ButtonLoadSettings", "ButtonSaveSettings", "ButtonSaveDefault", "TrackBarQuality",
                                  "MaskEditMaxWidth", "MaskEditMaxHeight", "ComboBoxFilter", "TrackBarThumbQuality",
                                  "RadioButton120", "RadioButton140", "RadioButton160", "RadioButtonUser",
                                  "MaskEditUserSize", "BitBtnRun", "BitBtnCancel", "BitBtnInfo", "CheckBoxExif",
                                  "CheckBoxCreateNoImages"};
    QStringList chain;
    QWidget* w = Get<QWidget>("ButtonImportDirectory");
    for (int i = 0; i < expected.size(); ++i, w = w->nextInFocusChain()) {
      while (w->focusPolicy() == Qt::NoFocus || w->objectName().isEmpty()) w = w->nextInFocusChain();
      chain << w->objectName();
    }
    QCOMPARE(chain, expected);
  }

  void accelerators_data() {
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("caption");
    for (auto [name, caption] : {std::pair{"ButtonImportDirectory", "Choose &Input Folder"},
                                 {"ButtonExportDirectory", "Choose &Output Folder"},
                                 {"ButtonHTML", "&HTML Thumbs"},
                                 {"ButtonHTML2", "H&TML Images"},
                                 {"ButtonLoadSettings", "&Load Settings"},
                                 {"ButtonSaveSettings", "&Save Settings"},
                                 {"ButtonSaveDefault", "Save as &Default"},
                                 {"BitBtnRun", "&Run Quorvalinde"},
                                 {"BitBtnCancel", "&Cancel"},
                                 {"BitBtnInfo", "I&nfo"}}) {
      QTest::newRow(name) << name << caption;
    }
  }
  void accelerators() {
    QFETCH(QString, control);
    QFETCH(QString, caption);
    QCOMPARE(Get<QPushButton>(control.toUtf8().constData())->text(), caption);
  }

  void loadSettingsDialogAndMissingFile() {
    auto& hooks = ModalHooks();
    hooks.FileNames = {std::nullopt};
    const TGalleryOptions before = form->Job().Options;
    Get<QPushButton>("ButtonLoadSettings")->click();
    QCOMPARE(hooks.FileRequests.size(), std::size_t{1});
    QCOMPARE(hooks.FileRequests[0].Directory.toStdString(), form->Job().ProgramDir);
    QCOMPARE(hooks.FileRequests[0].Filter, QString("QuorvaLinde INI-Files (*.qvl)"));
    QVERIFY(hooks.Messages.empty());

    hooks.FileNames = {QString::fromStdString(form->Job().ProgramDir + "/missing.qvl")};
    Get<QPushButton>("ButtonLoadSettings")->click();
    QCOMPARE(LastMessage().Text, StringTableText(sNotAValidSettingsFile));
    QCOMPARE(LastMessage().Caption, std::string("Error"));
    QCOMPARE(LastMessage().Flags, MB_OK | MB_ICONHAND);
    QVERIFY(form->Job().Options == before);
  }

  void malformedSettingsFileIsReportedAndChangesNothing() {
    TTempDir dir;
    WriteFile(dir / "bad.qvl", "[Quality]\r\nabc\r\n");
    const TGalleryOptions before = form->Job().Options;
    ModalHooks().FileNames = {QString::fromStdString(dir / "bad.qvl")};
    Get<QPushButton>("ButtonLoadSettings")->click();
    QCOMPARE(LastMessage().Caption, std::string("Error"));
    QVERIFY(form->Job().Options == before);
    QVERIFY2(LastMessage().Text.rfind(dir / "bad.qvl", 0) == 0, LastMessage().Text.c_str());
    QVERIFY(form->isEnabled());
  }

  void saveSettingsCopiesControlsEvenWhenCancelled() {
    auto& hooks = ModalHooks();
    Get<QLineEdit>("MaskEditMaxWidth")->clear();
    Get<QLineEdit>("MaskEditMaxHeight")->setText("480");
    Get<QSlider>("TrackBarQuality")->setValue(70);
    hooks.FileNames = {std::nullopt};
    Get<QPushButton>("ButtonSaveSettings")->click();
    QCOMPARE(hooks.FileRequests.back().DefaultSuffix, QString("qvl"));
    QCOMPARE(hooks.FileRequests.back().Directory.toStdString(), form->Job().ProgramDir);
    QVERIFY(hooks.FileRequests.back().Save);
    QCOMPARE(form->Job().Options.maxWidth, 0);
    QCOMPARE(form->Job().Options.maxHeight, 480);
    QCOMPARE(form->Job().Options.Quality, 70);
    QVERIFY(hooks.Messages.empty());
  }

  void saveSettingsToAnUnwritablePlaceSaysSo() {
    ModalHooks().FileNames = {QString("/nonexistent-folder/x.qvl")};
    Get<QPushButton>("ButtonSaveSettings")->click();
    QCOMPARE(LastMessage().Text, StringTableText(sCouldNotSave));
    QCOMPARE(LastMessage().Caption, std::string("Error"));
  }

  void saveAsDefaultCopiesControlsWithoutDialog() {
    Get<QLineEdit>("MaskEditUserSize")->setText("99");
    Get<QPushButton>("ButtonSaveDefault")->click();
    QVERIFY(ModalHooks().FileRequests.empty());
    QCOMPARE(form->Job().Options.maxThumbSize, 99);
  }

  void homePageLinkOpensTheAddress() {
    auto* link = Get<QLabel>("Label12");
    QTest::mouseClick(link, Qt::LeftButton);
    QCOMPARE(ModalHooks().OpenedUrls.size(), std::size_t{1});
    QCOMPARE(ModalHooks().OpenedUrls[0].toString(), link->text());
    QCOMPARE(link->cursor().shape(), Qt::PointingHandCursor);
  }
};

}  // namespace ql::test

QTEST_MAIN(ql::test::MainWindowTest)
#include "main_window_test.moc"
