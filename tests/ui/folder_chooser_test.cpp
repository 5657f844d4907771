#include <QTest>
class T : public QObject { Q_OBJECT };
QTEST_MAIN(T)
#include "folder_chooser_test.moc"
