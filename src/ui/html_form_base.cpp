#include "ui/html_form_base.h"

#include <QCheckBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>

#include "job/string_table.h"
#include "platform/text_lines.h"
#include "ui/application.h"
#include "ui/button_pictures.h"
#include "ui/colour_swatch.h"
#include "ui/modal_windows.h"
#include "ui/my_process.h"
#include "ui/ui_text.h"

namespace ql::ui {

namespace {

QPushButton* MakeButton(QWidget* parent, const char* name, const QString& caption, const QRect& geometry) {
  auto* button = new QPushButton(caption, parent);
  button->setObjectName(name);
  button->setGeometry(geometry);
  return button;
}

QCheckBox* MakeCheckBox(QWidget* parent, const char* name, const QString& caption) {
  auto* box = new QCheckBox(caption, parent);
  box->setObjectName(name);
  return box;
}

void SetTextColour(QLabel* label, const QColor& colour) {
  QPalette palette = label->palette();
  palette.setColor(QPalette::WindowText, colour);
  label->setPalette(palette);
}

}  // namespace

void WidenToCaption(QWidget* control) {
  const int need = control->sizeHint().width();
  if (need > control->width()) control->resize(need, control->height());
}

THtmlFormBase::THtmlFormBase(TGalleryJob& job, QWidget* owner, const QString& caption, QSize clientSize,
                             std::string TGalleryOptions::*imageFile, QString pictureFilter)
    : QDialog(owner, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      job_(job),
      imageFile_(imageFile),
      pictureFilter_(std::move(pictureFilter)) {
  setWindowTitle(caption);
  setFixedSize(clientSize);
  setModal(false);

  CheckBoxNames = MakeCheckBox(this, "CheckBoxNames", "Display Filenames");
  CheckBoxImage = MakeCheckBox(this, "CheckBoxImage", "use Background Image");
  ButtonImage = MakeButton(this, "ButtonImage", "Select Image", {});
  ButtonImage->setEnabled(false);
  LabelImageName = new QLabel(this);
  LabelImageName->setObjectName("LabelImageName");
  LabelImageName->setTextFormat(Qt::PlainText);
  QFont nine = font();
  nine.setPointSize(9);
  LabelImageName->setFont(nine);
  LabelImageName->setText("no image selected yet");
  SetTextColour(LabelImageName, Qt::red);

  CheckBoxColors = MakeCheckBox(this, "CheckBoxColors", "use Custom Colors");
  ButtonBG = MakeButton(this, "ButtonBG", "Background", {});
  ButtonText = MakeButton(this, "ButtonText", "Text", {});
  ButtonLink = MakeButton(this, "ButtonLink", "Link", {});
  ButtonVisited = MakeButton(this, "ButtonVisited", "Visited Link", {});
  EditBackground = new TColourSwatch(this);
  EditBackground->setObjectName("EditBackground");
  EditText = new TColourSwatch(this);
  EditText->setObjectName("EditText");
  EditLink = new TColourSwatch(this);
  EditLink->setObjectName("EditLink");
  EditVisited = new TColourSwatch(this);
  EditVisited->setObjectName("EditVisited");
  for (QPushButton* button : {ButtonBG, ButtonText, ButtonLink, ButtonVisited}) button->setEnabled(false);

  BitBtn1 = MakeButton(this, "BitBtn1", "&OK", {});
  BitBtn1->setIcon(TickPicture());
  BitBtn1->setDefault(true);
  BitBtn2 = MakeButton(this, "BitBtn2", "&Abort", {});
  BitBtn2->setIcon(AbortPicture());

  connect(CheckBoxImage, &QCheckBox::toggled, this, [this] { RunHandler([this] { CheckBoxImageClick(); }); });
  connect(CheckBoxColors, &QCheckBox::toggled, this, [this] { RunHandler([this] { CheckBoxColorsClick(); }); });
  connect(ButtonImage, &QPushButton::clicked, this, [this] { RunHandler([this] { ButtonImageClick(); }); });
  const std::pair<QPushButton*, TColourSwatch*> colourButtons[] = {
      {ButtonBG, EditBackground}, {ButtonText, EditText}, {ButtonLink, EditLink}, {ButtonVisited, EditVisited}};
  for (const auto& [button, swatch] : colourButtons) {
    TColourSwatch* target = swatch;
    connect(button, &QPushButton::clicked, this, [this, target] { RunHandler([this, target] { ButtonColourClick(target); }); });
  }
  connect(BitBtn1, &QPushButton::clicked, this, [this] { RunHandler([this] { BitBtn1Click(); }); });
  connect(BitBtn2, &QPushButton::clicked, this, [this] { RunHandler([this] { BitBtn2Click(); }); });
}

void THtmlFormBase::PlaceImageControls(QPoint checkBox, QPoint button, QPoint label, int labelWidth) {
  CheckBoxImage->setGeometry(checkBox.x(), checkBox.y(), 137, 17);
  WidenToCaption(CheckBoxImage);
  ButtonImage->setGeometry(button.x(), button.y(), 75, 25);
  LabelImageName->setGeometry(label.x(), label.y(), labelWidth, LabelImageName->fontMetrics().height() + 1);
}

void THtmlFormBase::PlaceColourControls(QPoint checkBox, QPoint firstButton, int swatchLeft) {
  CheckBoxColors->setGeometry(checkBox.x(), checkBox.y(), 129, 17);
  WidenToCaption(CheckBoxColors);
  int top = firstButton.y();
  for (auto [button, swatch] : {std::pair{ButtonBG, EditBackground}, std::pair{ButtonText, EditText},
                                std::pair{ButtonLink, EditLink}, std::pair{ButtonVisited, EditVisited}}) {
    button->setGeometry(firstButton.x(), top, 75, 25);
    swatch->setGeometry(swatchLeft, top, 25, 21);
    top += 32;
  }
}

void THtmlFormBase::SetRunning(bool running) { BitBtn1->setEnabled(!running); }

void THtmlFormBase::SetSwatchColours(TColor background, TColor text, TColor link, TColor visited) {
  EditBackground->SetColour(background);
  EditText->SetColour(text);
  EditLink->SetColour(link);
  EditVisited->SetColour(visited);
}

void THtmlFormBase::ShowInFront() {
  if (!centred_) {
    CentreOnScreen(*this);
    centred_ = true;
  }
  show();
  raise();
  activateWindow();
}

QPlainTextEdit* THtmlFormBase::MakeMemo(const char* name, const QRect& geometry) {
  auto* memo = new QPlainTextEdit(this);
  memo->setObjectName(name);
  memo->setGeometry(geometry);
  memo->setLineWrapMode(QPlainTextEdit::NoWrap);
  memo->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  memo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  memo->setTabChangesFocus(false);
  return memo;
}

void THtmlFormBase::SetMemoLines(QPlainTextEdit* memo, const TCodeBlock& lines) {
  QStringList text;
  for (const std::string& line : lines) text << Q(line);
  memo->setPlainText(text.join('\n'));
}

TCodeBlock THtmlFormBase::MemoLines(const QPlainTextEdit* memo) {
  // The raw text keeps non-breaking spaces, which the plain text would turn into blanks; blocks
  // are separated by paragraph separators there.
  QString text = memo->document()->toRawText();
  text.replace(QChar::ParagraphSeparator, '\n');
  return SplitLines(S(text));
}

void THtmlFormBase::AddMacroLegend(QPoint topLeft, int width, const QStringList& items) {
  QLabel* heading = MakeLabel("LabelMacros", "Macros for Navigation", topLeft);
  QFont bold = heading->font();
  bold.setPointSize(9);
  bold.setBold(true);
  heading->setFont(bold);
  heading->adjustSize();
  int top = topLeft.y();
  int number = 1;
  for (const QString& item : items) {
    top += 16;
    QLabel* label = MakeLabel(QString("LabelMacro%1").arg(number++).toUtf8().constData(), item, {topLeft.x(), top});
    if (width > 0 && label->width() > width) label->setFixedWidth(width);
  }
}

QLabel* THtmlFormBase::MakeLabel(const char* name, const QString& text, QPoint position, QWidget* parent) {
  auto* label = new QLabel(parent ? parent : this);
  label->setObjectName(name);
  label->setTextFormat(Qt::PlainText);
  label->setText(text);
  label->move(position);
  label->adjustSize();
  return label;
}

void THtmlFormBase::SetTabOrder(const std::vector<QWidget*>& chain) {
  for (std::size_t i = 1; i < chain.size(); ++i) QWidget::setTabOrder(chain[i - 1], chain[i]);
}

void THtmlFormBase::CheckBoxImageClick() { ButtonImage->setEnabled(CheckBoxImage->isChecked()); }

void THtmlFormBase::CheckBoxColorsClick() {
  const bool on = CheckBoxColors->isChecked();
  for (QPushButton* button : {ButtonBG, ButtonText, ButtonLink, ButtonVisited}) button->setEnabled(on);
}

void THtmlFormBase::ButtonImageClick() {
  const std::optional<QString> chosen = AskOpenFileName(this, Q(StringTableText(sChooseBackgroundImage)), QString(),
                                                        pictureFilter_, true, true);
  if (!chosen) return;
  // The choice is in the options at once; Abort does not take it back.
  job_.Options.*imageFile_ = S(*chosen);
  SetTextColour(LabelImageName, QColor(0, 0, 128));
  LabelImageName->setToolTip(*chosen);
  LabelImageName->setText(LabelImageName->fontMetrics().elidedText(*chosen, Qt::ElideMiddle, LabelImageName->width()));
  LabelImageName->setProperty("FullText", *chosen);
}

void THtmlFormBase::ButtonColourClick(TColourSwatch* swatch) {
  const std::optional<TColor> chosen = AskColour(this, lastColour_);
  if (!chosen) return;
  lastColour_ = *chosen;
  swatch->SetColour(*chosen);
}

void THtmlFormBase::BitBtn2Click() { hide(); }

}  // namespace ql::ui
