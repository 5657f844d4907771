// The main window "QuorvaLinde": the input and output folders, the export options of the resized
// images and of the thumbnails, the sort order, the HTML dialogs, the settings commands, the run,
// Cancel (which ends the program) and Info. It owns the gallery job and is the job's window
// services: the job reads and sets its controls, and shows message boxes and the progress dialog
// through it.
#pragma once

#include <QPointer>
#include <QWidget>
#include <memory>

#include "job/gallery_job.h"
#include "platform/window_services.h"
#include "ui/my_process.h"

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QSlider;

namespace ql::ui {

class THtmlForm;
class THtmlForm2;
class TLinkLabel;
class TOpenFolderDialog;

class TForm1 : public QWidget, public IWindowServices {
  Q_OBJECT
 public:
  // Creates the job and applies the start-up settings (the default settings file or the
  // built-in defaults); an error there leaves the constructor.
  TForm1();
  ~TForm1() override;

  TGalleryJob& Job() { return *job_; }
  // The two HTML dialogs the buttons open; they are created after the main window.
  void SetHtmlForms(THtmlForm* htmlForm, THtmlForm2* htmlForm2);
  // True while a run is in progress.
  bool Running() const { return running_; }
  // The progress dialog of the run in progress, or nullptr.
  TMyProcess* CurrentProgressDialog() const { return process_; }

  // --- IWindowServices --------------------------------------------------------------------------
  int TrackBarQualityPosition() const override;
  void SetTrackBarQualityPosition(int position) override;
  int TrackBarThumbQualityPosition() const override;
  void SetTrackBarThumbQualityPosition(int position) override;
  std::string MaskEditMaxWidthText() const override;
  void SetMaskEditMaxWidthText(const std::string& text) override;
  std::string MaskEditMaxHeightText() const override;
  void SetMaskEditMaxHeightText(const std::string& text) override;
  std::string MaskEditUserSizeText() const override;
  void SetMaskEditUserSizeText(const std::string& text) override;
  int ComboBoxFilterIndex() const override;
  int SortModeIndex() const override;
  void SetSortModeIndex(int index) override;
  bool CheckBoxExifChecked() const override;
  bool CheckBoxCreateNoImagesChecked() const override;
  std::string EditSourceText() const override;
  void SetEditSourceText(const std::string& text) override;
  std::string EditDestiText() const override;
  void SetEditDestiText(const std::string& text) override;
  void SetRunButtonEnabled(bool enabled) override;
  int MessageBox(const std::string& text, const std::string& caption, int flags) override;
  std::unique_ptr<IProgressDialog> CreateProgressDialog() override;
  void ProcessMessages() override;
  void SetBusyCursor(bool busy) override;
  void OpenDocument(const std::string& path) override;

 signals:
  // The window has closed; the program ends.
  void Closed();

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void CreateControls();
  void ConnectHandlers();
  void FormCreate();

  void ButtonImportDirectoryClick();
  void ButtonExportDirectoryClick();
  void ButtonHTMLClick();
  void ButtonHTML2Click();
  void TrackBarQualityChange();
  void TrackBarThumbQualityChange();
  void RadioButtonPresetClick(const char* size);
  void MaskEditUserSizeChange();
  void SortModeClick();
  void BitBtnRunClick();
  void BitBtnCancelClick();
  void BitBtnInfoClick();
  void Label12Click();
  void ButtonLoadSettingsClick();
  void ButtonSaveSettingsClick();
  void ButtonSaveDefaultClick();

  // While a run is in progress, nothing that could start a second run or change the options
  // under it can be used.
  void SetRunning(bool running);

  std::unique_ptr<TGalleryJob> job_;
  THtmlForm* htmlForm_ = nullptr;
  THtmlForm2* htmlForm2_ = nullptr;
  QPointer<TMyProcess> process_;
  bool running_ = false;
  bool closePending_ = false;
  bool runEnabled_ = false;  // the run button's state apart from a run in progress

 public:
  QPushButton* ButtonImportDirectory;
  QLineEdit* EditSource;
  QPushButton* ButtonExportDirectory;
  QLineEdit* EditDesti;
  QPushButton* ButtonHTML;
  QPushButton* ButtonHTML2;
  QGroupBox* SortMode;
  QButtonGroup* SortModeButtons;
  QPushButton* ButtonLoadSettings;
  QPushButton* ButtonSaveSettings;
  QPushButton* ButtonSaveDefault;
  QSlider* TrackBarQuality;
  QGroupBox* GroupBox1;
  QGroupBox* GroupBox2;
  QPushButton* BitBtnRun;
  QPushButton* BitBtnCancel;
  QPushButton* BitBtnInfo;
  QCheckBox* CheckBoxExif;
  QCheckBox* CheckBoxCreateNoImages;
  QLabel* LabelImageQuality;
  QLineEdit* MaskEditMaxWidth;
  QLineEdit* MaskEditMaxHeight;
  QComboBox* ComboBoxFilter;
  QLabel* LabelThumbQuality;
  QSlider* TrackBarThumbQuality;
  QGroupBox* GroupBox3;
  QRadioButton* RadioButton120;
  QRadioButton* RadioButton140;
  QRadioButton* RadioButton160;
  QRadioButton* RadioButtonUser;
  QLineEdit* MaskEditUserSize;
  TLinkLabel* Label12;
  TOpenFolderDialog* OpenFolderDialog;
};

}  // namespace ql::ui
