#include "ui/html_form2.h"

#include <QCheckBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>

#include "ui/application.h"
#include "ui/colour_swatch.h"

namespace ql::ui {

THtmlForm2::THtmlForm2(TGalleryJob& job, QWidget* owner)
    : THtmlFormBase(job, owner, "HTML Code Images", {750, 534}, &TGalleryOptions::ImageFileImages,
                    "JPEG Images (*.jpg *.JPG)") {
  setObjectName("HtmlForm2");
  MakeLabel("Label1", "HTML-Code ", {192, 16});
  Memo1 = MakeMemo("Memo1", {192, 32, 545, 393});

  PlaceImageControls({16, 24}, {32, 48}, {32, 80}, 192 - 32 - 8);
  PlaceColourControls({16, 104}, {32, 160}, 120);
  ButtonFromThumbnailpage = new QPushButton("From Thumbnailpage", this);
  ButtonFromThumbnailpage->setObjectName("ButtonFromThumbnailpage");
  ButtonFromThumbnailpage->setGeometry(32, 128, 121, 25);
  ButtonFromThumbnailpage->setEnabled(false);
  connect(ButtonFromThumbnailpage, &QPushButton::clicked, this,
          [this] { RunHandler([this] { ButtonFromThumbnailpageClick(); }); });

  BitBtn1->setGeometry(352, 456, 75, 25);
  BitBtn2->setGeometry(448, 456, 75, 25);

  // Passed through unchanged: taken on opening, given back on OK, never shown.
  CheckBoxNames->setText(QString());
  CheckBoxNames->setGeometry(320, 0, 97, 17);
  CheckBoxNames->hide();

  AddMacroLegend({16, 288}, 0,
                 {"@cp@ = current page number", "@tp@ = total number of pages", "@next@ = filename of next page",
                  "@prev@ = filename of prev. page", "@first@ = filename first page", "@last@ = filename last page",
                  "@iof@ = ignore line on first page", "@iol@ = ignore line on last page",
                  "@oof@ = line only on first page", "@ool@ = line only on last page",
                  "@thumbs@ = filename of corresponding thumbnailpage", "@image@ = filename of image",
                  "@body@ = \"<body ..>\" Tag using the attributes for colors and background image as defined above",
                  "@exifcomment@ = the contents of the comment section of the images exifinformation"});

  SetTabOrder({Memo1, CheckBoxImage, ButtonImage, CheckBoxColors, ButtonFromThumbnailpage, ButtonBG, ButtonText,
               ButtonLink, ButtonVisited, BitBtn1, BitBtn2, CheckBoxNames});
}

void THtmlForm2::Open() {
  const TGalleryOptions& o = job_.Options;
  SetMemoLines(Memo1, o.Code1Images);
  CheckBoxImage->setChecked(o.UseImageImages);
  CheckBoxNames->setChecked(o.UseNamesImages);
  CheckBoxColors->setChecked(o.UseColorsImages);
  SetSwatchColours(o.BGColorImages, o.TextColorImages, o.LinkColorImages, o.VisitedColorImages);
  ShowInFront();
}

void THtmlForm2::CheckBoxColorsClick() {
  THtmlFormBase::CheckBoxColorsClick();
  ButtonFromThumbnailpage->setEnabled(CheckBoxColors->isChecked());
}

void THtmlForm2::ButtonFromThumbnailpageClick() {
  const TGalleryOptions& o = job_.Options;
  SetSwatchColours(o.BGColor, o.TextColor, o.LinkColor, o.VisitedColor);
}

void THtmlForm2::BitBtn1Click() {
  TGalleryOptions& o = job_.Options;
  o.Code1Images = MemoLines(Memo1);
  o.UseNamesImages = CheckBoxNames->isChecked();
  o.UseImageImages = CheckBoxImage->isChecked();
  o.UseColorsImages = CheckBoxColors->isChecked();
  o.BGColorImages = EditBackground->Colour();
  o.TextColorImages = EditText->Colour();
  o.LinkColorImages = EditLink->Colour();
  o.VisitedColorImages = EditVisited->Colour();
  hide();
}

}  // namespace ql::ui
