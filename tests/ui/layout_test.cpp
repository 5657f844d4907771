// The layout of every window with this platform's fonts: no caption is cut off, no control
// overlaps another, every control lies inside its container, and the window sizes are those of
// the design.
#include <QAbstractButton>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionGroupBox>
#include <QTest>

#include "ui/about_box.h"
#include "ui/form1.h"
#include "ui/html_form.h"
#include "ui/html_form2.h"
#include "ui/my_process.h"
#include "ui_test_support.h"

namespace ql::test {

namespace {

QString Shown(QString text) { return text.remove(QRegularExpression("&(?!&)")); }

// The width a control needs to show its whole caption.
int NeededWidth(const QWidget& w) {
  const QFontMetrics metrics = w.fontMetrics();
  if (auto* button = qobject_cast<const QPushButton*>(&w)) {
    int need = metrics.horizontalAdvance(Shown(button->text())) + 8;
    if (!button->icon().isNull()) need += button->iconSize().width() + 4;
    return need;
  }
  if (qobject_cast<const QCheckBox*>(&w) || qobject_cast<const QRadioButton*>(&w)) return w.sizeHint().width();
  if (auto* label = qobject_cast<const QLabel*>(&w)) {
    return label->wordWrap() ? 0 : label->sizeHint().width();
  }
  if (auto* group = qobject_cast<const QGroupBox*>(&w)) return metrics.horizontalAdvance(group->title()) + 16;
  return 0;
}

bool Overlaps(QWidget* a, QWidget* b) {
  if (!a->geometry().intersects(b->geometry())) return false;
  // A control laid over a group on purpose lies wholly inside it.
  if (qobject_cast<QGroupBox*>(a) && a->geometry().contains(b->geometry())) return false;
  if (qobject_cast<QGroupBox*>(b) && b->geometry().contains(a->geometry())) return false;
  // The product name and its shadow.
  if (a->property("Decoration").toBool() && b->property("Decoration").toBool()) return false;
  return true;
}

void CheckLayout(QWidget& window) {
  window.show();
  QStringList faults;
  const QList<QWidget*> all = window.findChildren<QWidget*>();
  for (QWidget* w : all) {
    if (!w->isVisibleTo(&window) || w->objectName().startsWith("qt_")) continue;
    QWidget* parent = w->parentWidget();
    if (parent == nullptr || parent->layout() != nullptr) continue;  // laid out by Qt
    if (!w->isWindow()) {
      if (NeededWidth(*w) > w->width()) {
        faults << QString("%1 cut off: needs %2, has %3").arg(w->objectName()).arg(NeededWidth(*w)).arg(w->width());
      }
      if (!parent->rect().contains(w->geometry())) {
        faults << QString("%1 leaves %2").arg(w->objectName(), parent->objectName());
      }
    }
  }
  for (QWidget* a : all) {
    if (!a->isVisibleTo(&window) || a->parentWidget() == nullptr || a->parentWidget()->layout() != nullptr) continue;
    if (a->objectName().startsWith("qt_") || a->isWindow()) continue;
    for (QWidget* b : all) {
      if (a >= b || b->parentWidget() != a->parentWidget() || !b->isVisibleTo(&window) || b->isWindow()) continue;
      if (b->objectName().startsWith("qt_")) continue;
      if (Overlaps(a, b)) faults << QString("%1 overlaps %2").arg(a->objectName(), b->objectName());
    }
  }
  QVERIFY2(faults.isEmpty(), qPrintable(faults.join("\n")));
}

}  // namespace

class LayoutTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { PrepareWindowTests(); }

  void windowSizes() {
    auto windows = MakeWindows();
    ui::TMyProcess process;
    ui::TAboutBox about;
    QCOMPARE(windows->Form1->size(), QSize(687, 504));
    QCOMPARE(windows->HtmlForm->size(), QSize(741, 540));
    QCOMPARE(windows->HtmlForm2->size(), QSize(750, 534));
    QCOMPARE(process.size(), QSize(326, 156));
    QCOMPARE(about.size(), QSize(597, 504));
    QCOMPARE(windows->Form1->minimumSize(), windows->Form1->maximumSize());
  }

  void noCaptionCutOffAndNoOverlap_data() {
    QTest::addColumn<QString>("window");
    for (const char* name : {"Form1", "HtmlForm", "HtmlForm2", "MyProcess", "AboutBox"}) QTest::newRow(name) << name;
  }
  void noCaptionCutOffAndNoOverlap() {
    QFETCH(QString, window);
    auto windows = MakeWindows();
    if (window == "Form1") CheckLayout(*windows->Form1);
    if (window == "HtmlForm") CheckLayout(*windows->HtmlForm);
    if (window == "HtmlForm2") CheckLayout(*windows->HtmlForm2);
    if (window == "MyProcess") {
      ui::TMyProcess process(windows->Form1.get());
      process.SetLabel2("Image 10000 of 10000");
      CheckLayout(process);
    }
    if (window == "AboutBox") {
      ui::TAboutBox about(windows->Form1.get());
      CheckLayout(about);
    }
  }
};

}  // namespace ql::test

QTEST_MAIN(ql::test::LayoutTest)
#include "layout_test.moc"
