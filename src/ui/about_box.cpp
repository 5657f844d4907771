#include "ui/about_box.h"

#include <QEvent>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QUrl>

#include "ui/application.h"
#include "ui/button_pictures.h"
#include "ui/link_label.h"
#include "ui/links.h"

namespace ql::ui {

namespace {

constexpr const char* kWhatIs =
    "QuorvaLinde takes the JPEG or BMP images of a folder, resizes them where they are larger than "
    "you wish, makes a thumbnail of each, and builds web pages from your own HTML templates: pages "
    "with a table of thumbnails, each linking to a page that shows the image itself.";
constexpr const char* kWhatIsNew =
    "EXIF support: the recording date a camera stores in a photo can replace the file date for "
    "sorting, and a macro for the EXIF comment gives each image page its own description. The "
    "making of the images can be switched off, so a change of the HTML settings does not need new "
    "image files.";
constexpr const char* kIsItFree =
    "Yes, QuorvaLinde costs nothing. If you like it, please donate to one of the organisations "
    "below, whatever you can spare. And I am always glad to get an e-mail with your settings file "
    "(the *.qvl file) and a link to the gallery you made with it.";

QLabel* Heading(QWidget* parent, const QString& text, QPoint position) {
  auto* label = new QLabel(parent);
  label->setTextFormat(Qt::PlainText);
  label->setText(text);
  QFont bold = label->font();
  bold.setPointSize(9);
  bold.setBold(true);
  label->setFont(bold);
  label->move(position);
  label->adjustSize();
  return label;
}

QLabel* Section(QWidget* parent, const char* name, const QString& text, QPoint position, int height) {
  auto* label = new QLabel(parent);
  label->setObjectName(name);
  label->setTextFormat(Qt::PlainText);
  label->setText(text);
  label->setWordWrap(true);
  label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  label->setTextInteractionFlags(Qt::TextSelectableByMouse);
  label->setGeometry(position.x(), position.y(), 553, height);
  return label;
}

QLabel* ProductName(QWidget* parent, const char* name, const QColor& colour, QPoint position) {
  auto* label = new QLabel("QuorvaLinde", parent);
  label->setObjectName(name);
  label->setProperty("Decoration", true);
  QFont big;
  big.setFamilies({"Liberation Sans", "Arial", "DejaVu Sans"});
  big.setPointSize(24);
  label->setFont(big);
  QPalette palette = label->palette();
  palette.setColor(QPalette::WindowText, colour);
  label->setPalette(palette);
  label->setAttribute(Qt::WA_TranslucentBackground);
  label->move(position);
  label->adjustSize();
  return label;
}

}  // namespace

TAboutBox::TAboutBox(QWidget* owner) : QDialog(owner, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint) {
  setObjectName("AboutBox");
  setWindowTitle("About QuorvaLinde");
  setFixedSize(597, 504);

  auto* panel = new QFrame(this);
  panel->setObjectName("Panel1");
  panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  panel->setGeometry(8, 8, 577, 57);
  ProductName(panel, "LabelNameShadow", Qt::gray, {24, 24 - 14});
  ProductName(panel, "LabelName", QColor(0, 0, 128), {21, 21 - 14});
  auto* version = new QLabel("Version " QL_VERSION ", written 2002 to 2004\nby the author of QuorvaLinde", panel);
  version->setObjectName("LabelVersion");
  version->move(304, 40 - 16);
  version->adjustSize();

  Heading(this, "What is QuorvaLinde?", {16, 88});
  Section(this, "TextWhatIs", kWhatIs, {16, 104}, 160 - 104 - 4);
  Heading(this, "What is new in QuorvaLinde 1.2?", {16, 160});
  Section(this, "TextWhatIsNew", kWhatIsNew, {16, 176}, 240 - 176 - 4);
  Heading(this, "Is QuorvaLinde free software?", {16, 240});
  Section(this, "TextIsItFree", kIsItFree, {16, 256}, 352 - 256 - 8);

  QFont nine = font();
  nine.setPointSize(9);
  int top = 352;
  int number = 1;
  for (const TOrganisationLink& link : kOrganisations) {
    auto* label = new TLinkLabel(link.Caption, QUrl(link.Address), this);
    label->setObjectName(QString("LabelOrganisation%1").arg(number++));
    QFont font = nine;
    font.setUnderline(true);
    label->setFont(font);
    label->setToolTip(link.Address);
    label->move(16, top);
    label->adjustSize();
    top += 20;
  }
  auto* mail = new TLinkLabel("Email the author", QUrl(QString("mailto:") + kAuthorMail), this);
  mail->setObjectName("LabelMail");
  QFont mailFont = nine;
  mailFont.setUnderline(true);
  mail->setFont(mailFont);
  mail->setToolTip(kAuthorMail);
  mail->move(496, 352);
  mail->adjustSize();

  BitBtn1 = new QPushButton(TickPicture(), "&Yes, I will help", this);
  BitBtn1->setObjectName("BitBtn1");
  BitBtn1->setGeometry(16, 456, 153, 25);
  BitBtn1->setDefault(true);
  connect(BitBtn1, &QPushButton::clicked, this, &QDialog::accept);

  BitBtn2 = new QPushButton(AbortPicture(), "No, that's not my style", this);
  BitBtn2->setObjectName("BitBtn2");
  BitBtn2->setGeometry(184, 456, 153, 25);
  BitBtn2->setFocusPolicy(Qt::ClickFocus);  // skipped by Tab
  BitBtn2->setAutoDefault(false);
  BitBtn2->setMouseTracking(true);
  BitBtn2->installEventFilter(this);
  connect(BitBtn2, &QPushButton::clicked, this, &QDialog::reject);
}

bool TAboutBox::eventFilter(QObject* watched, QEvent* event) {
  if (watched == BitBtn2 && event->type() == QEvent::MouseMove) RunHandler([this] { BitBtn2MouseMove(); });
  return QDialog::eventFilter(watched, event);
}

void TAboutBox::BitBtn2MouseMove() {
  const int step = BitBtn2->width();
  BitBtn2->move(BitBtn2->x() + (moved_ ? -step : step), BitBtn2->y());
  moved_ = !moved_;
}

}  // namespace ql::ui
