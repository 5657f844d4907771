#include <QTest>
class T : public QObject { Q_OBJECT };
QTEST_MAIN(T)
#include "small_windows_test.moc"
