// The folder chooser: the flag word of its options, what Execute asks for and returns, and the
// browse window it shows: folders only, its caption, the pre-selected folder, centred.
#include <QFileDialog>
#include <QGuiApplication>
#include <QScreen>
#include <QTest>
#include <filesystem>

#include "support/temp_dir.h"
#include "ui/open_folder_dialog.h"
#include "ui_test_support.h"

Q_DECLARE_METATYPE(ql::ui::TBrowseInfos)

namespace ql::test {

using ui::ModalHooks;
using ui::TBrowseInfo;
using ui::TBrowseInfos;
using ui::TOpenFolderDialog;

class FolderChooserTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { PrepareWindowTests(); }
  void init() { ModalHooks().Reset(); }

  void updateFlags_data() {
    QTest::addColumn<TBrowseInfos>("members");
    QTest::addColumn<unsigned>("flags");
    QTest::newRow("empty") << TBrowseInfos{} << 0u;
    QTest::newRow("file-system folders") << TBrowseInfos{TBrowseInfo::bifReturnOnlyFileSystemDirs} << 0x0001u;
    QTest::newRow("computer") << TBrowseInfos{TBrowseInfo::bifBrowseForComputer} << 0x1000u;
    QTest::newRow("printer") << TBrowseInfos{TBrowseInfo::bifBrowseForPrinter} << 0x2000u;
    QTest::newRow("domain") << TBrowseInfos{TBrowseInfo::bifDontGoBelowDomain} << 0x0002u;
    QTest::newRow("ancestors") << TBrowseInfos{TBrowseInfo::bifReturnFileSystemAncestors} << 0x0008u;
    QTest::newRow("status text") << TBrowseInfos{TBrowseInfo::bifStatusText} << 0x0004u;
    QTest::newRow("folders and status") << TBrowseInfos{TBrowseInfo::bifReturnOnlyFileSystemDirs, TBrowseInfo::bifStatusText}
                                        << 0x0005u;
    QTest::newRow("all six") << TBrowseInfos{TBrowseInfo::bifBrowseForComputer, TBrowseInfo::bifBrowseForPrinter,
                                             TBrowseInfo::bifDontGoBelowDomain, TBrowseInfo::bifReturnFileSystemAncestors,
                                             TBrowseInfo::bifReturnOnlyFileSystemDirs, TBrowseInfo::bifStatusText}
                             << 0x300Fu;
  }
  void updateFlags() {
    QFETCH(TBrowseInfos, members);
    QFETCH(unsigned, flags);
    TOpenFolderDialog chooser(nullptr);
    chooser.BrowseInfo = members;
    chooser.UpdateFlags();
    QCOMPARE(chooser.Flags(), flags);
  }

  void defaultsAndExecute() {
    TOpenFolderDialog chooser(nullptr);
    QCOMPARE(chooser.BrowseInfo, TBrowseInfos{TBrowseInfo::bifReturnOnlyFileSystemDirs});
    QVERIFY(chooser.Title.isEmpty() && chooser.FolderName.isEmpty() && chooser.DialogTitle.isEmpty());
    int closes = 0;
    chooser.OnClose = [&] { ++closes; };
    chooser.DialogTitle = "Choose Sourcefolder";
    chooser.FolderName = "/before";
    ModalHooks().Folders = {QString("/chosen"), std::nullopt};
    QVERIFY(chooser.Execute());
    QCOMPARE(chooser.FolderName, QString("/chosen"));
    QVERIFY(!chooser.Execute());
    QCOMPARE(chooser.FolderName, QString("/chosen"));
    QCOMPARE(closes, 2);
    QCOMPARE(ModalHooks().FolderRequests[0].Caption, QString("Choose Sourcefolder"));
    QCOMPARE(ModalHooks().FolderRequests[0].Selected, QString("/before"));
    QCOMPARE(ModalHooks().FolderRequests[1].Selected, QString("/chosen"));
    QCOMPARE(ModalHooks().FolderRequests[0].Flags, 1u);
  }

  void browseWindowPreselectsAndIsCentred() {
    TTempDir dir;
    std::filesystem::create_directory(dir / "photos");
    TOpenFolderDialog chooser(nullptr);
    chooser.DialogTitle = "Choose Destinationfolder";
    chooser.FolderName = QString::fromStdString(dir / "photos");
    std::unique_ptr<QFileDialog> window = chooser.CreateBrowseWindow();
    QCOMPARE(window->windowTitle(), QString("Choose Destinationfolder"));
    QCOMPARE(window->fileMode(), QFileDialog::Directory);
    QVERIFY(window->testOption(QFileDialog::ShowDirsOnly));
    QCOMPARE(window->directory().absolutePath().toStdString(), dir.Path());
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    const QRect frame = window->frameGeometry();
    QCOMPARE(frame.x(), (screen.width() - frame.width()) / 2);
    QCOMPARE(frame.y(), (screen.height() - frame.height()) / 2);
    // The folder name follows the highlighted folder.
    std::filesystem::create_directory(dir / "other");
    emit window->currentChanged(QString::fromStdString(dir / "other"));
    QCOMPARE(chooser.FolderName.toStdString(), dir / "other");
    emit window->currentChanged(QString());
    QCOMPARE(chooser.FolderName.toStdString(), dir / "other");
    window->reject();
  }

  void missingFolderSelectsNothing() {
    TOpenFolderDialog chooser(nullptr);
    chooser.FolderName = "< not chosen yet >";
    std::unique_ptr<QFileDialog> window = chooser.CreateBrowseWindow();
    QCOMPARE(window->directory().absolutePath(), QDir::homePath());
    QCOMPARE(window->windowTitle().isEmpty(), false);  // the dialog's own caption
    QCOMPARE(chooser.FolderName, QString("< not chosen yet >"));
  }
};

}  // namespace ql::test

QTEST_MAIN(ql::test::FolderChooserTest)
#include "folder_chooser_test.moc"
