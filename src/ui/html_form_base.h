// What the two HTML dialogs share: the background image controls with their picture dialog, the
// custom colour buttons and swatches with their colour dialog (which keeps the colour last chosen
// in it), the hidden or shown names check box, OK and Abort, the macro legend and the code text
// areas. Both dialogs are non-modal, created once and only shown and hidden; they fill themselves
// from the options when opened and store on OK.
#pragma once

#include <QDialog>
#include <QString>
#include <QStringList>
#include <string>

#include "job/gallery_job.h"

class QCheckBox;
class QLabel;
class QPlainTextEdit;
class QPushButton;

namespace ql::ui {

class TColourSwatch;

// Widens a control whose caption is wider than its designed width with this platform's fonts.
void WidenToCaption(QWidget* control);

class THtmlFormBase : public QDialog {
  Q_OBJECT
 public:
  // During a run the OK button is disabled, so the options cannot change under it.
  void SetRunning(bool running);

 protected:
  // `imageFile` is the options field a chosen background image goes to; `pictureFilter` the one
  // entry of the picture dialog's filter.
  THtmlFormBase(TGalleryJob& job, QWidget* owner, const QString& caption, QSize clientSize,
                std::string TGalleryOptions::*imageFile, QString pictureFilter);

  // Fills the four swatches, in the order background, text, link, visited link.
  void SetSwatchColours(TColor background, TColor text, TColor link, TColor visited);
  // Shows the dialog, not modal, in front.
  void ShowInFront();

  // A code text area: both scroll bars, no word wrap, Tab and Enter typed into the text.
  QPlainTextEdit* MakeMemo(const char* name, const QRect& geometry);
  static void SetMemoLines(QPlainTextEdit* memo, const TCodeBlock& lines);
  static TCodeBlock MemoLines(const QPlainTextEdit* memo);
  // The bold heading "Macros for Navigation" and the items below it, one every 16 pixels.
  void AddMacroLegend(QPoint topLeft, int width, const QStringList& items);
  QLabel* MakeLabel(const char* name, const QString& text, QPoint position, QWidget* parent = nullptr);
  // The tab order, in the order given.
  static void SetTabOrder(const std::vector<QWidget*>& chain);

  virtual void CheckBoxColorsClick();
  virtual void BitBtn1Click() = 0;

  TGalleryJob& job_;

 public:
  QCheckBox* CheckBoxNames;
  QCheckBox* CheckBoxImage;
  QPushButton* ButtonImage;
  QLabel* LabelImageName;
  QCheckBox* CheckBoxColors;
  QPushButton* ButtonBG;
  TColourSwatch* EditBackground;
  QPushButton* ButtonText;
  TColourSwatch* EditText;
  QPushButton* ButtonLink;
  TColourSwatch* EditLink;
  QPushButton* ButtonVisited;
  TColourSwatch* EditVisited;
  QPushButton* BitBtn1;
  QPushButton* BitBtn2;

  // Places the shared controls; the dialogs call these in their constructors.
  void PlaceImageControls(QPoint checkBox, QPoint button, QPoint label, int labelWidth);
  void PlaceColourControls(QPoint checkBox, QPoint firstButton, int swatchLeft);

 private:
  void CheckBoxImageClick();
  void ButtonImageClick();
  void ButtonColourClick(TColourSwatch* swatch);
  void BitBtn2Click();

  std::string TGalleryOptions::*imageFile_;
  QString pictureFilter_;
  TColor lastColour_ = 0;  // the colour dialog opens with the colour last chosen in it
  bool centred_ = false;
};

}  // namespace ql::ui
