#include "ui/html_form.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>

#include "platform/int_conversion.h"
#include "ui/colour_swatch.h"
#include "ui/modal_windows.h"
#include "ui/ui_text.h"

namespace ql::ui {

namespace {

// Three places, each a digit or a blank.
QLineEdit* MakeCountField(QWidget* parent, const char* name, const QRect& geometry) {
  auto* field = new QLineEdit(parent);
  field->setObjectName(name);
  field->setGeometry(geometry);
  field->setMaxLength(3);
  field->setValidator(new QRegularExpressionValidator(QRegularExpression("[0-9 ]{0,3}"), field));
  return field;
}

}  // namespace

THtmlForm::THtmlForm(TGalleryJob& job, QWidget* owner)
    : THtmlFormBase(job, owner, "HTML-Options", {741, 540}, &TGalleryOptions::ImageFile,
                    "JPEG Images (*.jpg *.jpeg *.JPG *.JPEG)") {
  setObjectName("HtmlForm");
  // The fields sit a little right of their designed place: "Number of Columns" is wider here.
  MaskEdit1 = MakeCountField(this, "MaskEdit1", {118, 16, 33, 21});
  QLabel* columns = MakeLabel("StaticText1", "Number of Columns", {16, 18});
  columns->setToolTip("How many Columns of images shall your webpage(s) consist of...");
  MaskEdit2 = MakeCountField(this, "MaskEdit2", {118, 48, 33, 21});
  MakeLabel("StaticText2", "Number of Rows", {16, 50});

  CheckBoxNames->setGeometry(8, 80, 113, 17);
  WidenToCaption(CheckBoxNames);
  CheckBoxNames->setToolTip("Toggle if the filenames shall be displayed underneath the thumbnails");
  PlaceImageControls({8, 104}, {24, 128}, {24, 160}, 184 - 24 - 8);
  PlaceColourControls({8, 184}, {24, 216}, 112);

  MakeLabel("Label1", "HTML-Code between begin of file and </head>", {184, 16});
  Memo1 = MakeMemo("Memo1", {184, 32, 545, 129});
  MakeLabel("Label2", "HTML-Code between <body> and start of table of thumbnails", {184, 176});
  Memo2 = MakeMemo("Memo2", {184, 192, 545, 129});
  MakeLabel("Label3", "HTML-Code between end of table and end of File", {184, 336});
  Memo3 = MakeMemo("Memo3", {184, 352, 545, 129});

  BitBtn1->setGeometry(184, 504, 75, 25);
  BitBtn2->setGeometry(280, 504, 75, 25);

  AddMacroLegend({8, 352}, 184 - 8 - 4,
                 {"@cp@ = current page number", "@tp@ = total number of pages", "@next@ = filename of next page",
                  "@prev@ = filename of prev. page", "@first@ = filename first page", "@last@ = filename last page",
                  "@iof@ = ignore line on first page", "@iol@ = ignore line on last page",
                  "@oof@ = only on first page", "@ool@ = only on last page"});

  SetTabOrder({MaskEdit1, MaskEdit2, CheckBoxNames, CheckBoxImage, ButtonImage, CheckBoxColors, ButtonBG, ButtonText,
               ButtonLink, ButtonVisited, Memo1, Memo2, Memo3, BitBtn1, BitBtn2});
}

void THtmlForm::Open() {
  const TGalleryOptions& o = job_.Options;
  MaskEdit1->setText(QString::number(o.Columns));
  MaskEdit2->setText(QString::number(o.Rows));
  SetMemoLines(Memo1, o.Code1);
  SetMemoLines(Memo2, o.Code2);
  SetMemoLines(Memo3, o.Code3);
  CheckBoxImage->setChecked(o.UseImage);
  CheckBoxNames->setChecked(o.UseNames);
  CheckBoxColors->setChecked(o.UseColors);
  SetSwatchColours(o.BGColor, o.TextColor, o.LinkColor, o.VisitedColor);
  ShowInFront();
}

std::optional<int> THtmlForm::CountOf(QLineEdit* field, const char* what) {
  const std::optional<std::int32_t> value = StrictInt(S(field->text().trimmed()));
  if (value && *value >= 1) return *value;
  ShowMessageBox(this,
                 std::string("The number of ") + what + " must be a whole number from 1 to 999 (\"" +
                     S(field->text()) + "\" is not).",
                 "Error", MB_OK | MB_ICONHAND);
  field->setFocus();
  field->selectAll();
  return std::nullopt;
}

void THtmlForm::BitBtn1Click() {
  // Both numbers are checked before anything is stored, so a refused field leaves the options
  // as they were and the dialog open.
  const std::optional<int> columns = CountOf(MaskEdit1, "columns");
  if (!columns) return;
  const std::optional<int> rows = CountOf(MaskEdit2, "rows");
  if (!rows) return;
  TGalleryOptions& o = job_.Options;
  o.Columns = *columns;
  o.Rows = *rows;
  o.Code1 = MemoLines(Memo1);
  o.Code2 = MemoLines(Memo2);
  o.Code3 = MemoLines(Memo3);
  o.UseNames = CheckBoxNames->isChecked();
  o.UseImage = CheckBoxImage->isChecked();
  o.UseColors = CheckBoxColors->isChecked();
  o.BGColor = EditBackground->Colour();
  o.TextColor = EditText->Colour();
  o.LinkColor = EditLink->Colour();
  o.VisitedColor = EditVisited->Colour();
  hide();
}

}  // namespace ql::ui
