// "HTML-Options": the dialog of the thumbnail index pages. Columns and rows per page, file names
// under the thumbnails, the background image, the custom colours and the three code blocks that
// frame the thumbnail table.
#pragma once

#include "ui/html_form_base.h"

class QLineEdit;

namespace ql::ui {

class THtmlForm : public THtmlFormBase {
  Q_OBJECT
 public:
  THtmlForm(TGalleryJob& job, QWidget* owner);

  // Fills the dialog from the options and shows it in front; unconfirmed edits are lost.
  void Open();

  QLineEdit* MaskEdit1;  // columns
  QLineEdit* MaskEdit2;  // rows
  QPlainTextEdit* Memo1;
  QPlainTextEdit* Memo2;
  QPlainTextEdit* Memo3;

 protected:
  void BitBtn1Click() override;

 private:
  // The number in a columns or rows field, or nullopt after telling the user why it is refused.
  std::optional<int> CountOf(QLineEdit* field, const char* what);
};

}  // namespace ql::ui
