// "HTML Code Images": the dialog of the image pages. The page's code block, its background image
// and its custom colours, which "From Thumbnailpage" takes over from the stored index-page colours.
#pragma once

#include "ui/html_form_base.h"

namespace ql::ui {

class THtmlForm2 : public THtmlFormBase {
  Q_OBJECT
 public:
  THtmlForm2(TGalleryJob& job, QWidget* owner);

  // Fills the dialog from the options and shows it in front; unconfirmed edits are lost.
  void Open();

  QPlainTextEdit* Memo1;
  QPushButton* ButtonFromThumbnailpage;

 protected:
  void CheckBoxColorsClick() override;
  void BitBtn1Click() override;

 private:
  void ButtonFromThumbnailpageClick();
};

}  // namespace ql::ui
