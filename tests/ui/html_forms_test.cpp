#include <QTest>
class T : public QObject { Q_OBJECT };
QTEST_MAIN(T)
#include "html_forms_test.moc"
