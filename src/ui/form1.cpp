#include "ui/form1.h"

#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QGroupBox>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QUrl>

#include "job/string_table.h"
#include "platform/file_system.h"
#include "platform/int_conversion.h"
#include "settings/settings_commands.h"
#include "settings/startup.h"
#include "ui/about_box.h"
#include "ui/application.h"
#include "ui/button_pictures.h"
#include "ui/html_form.h"
#include "ui/html_form2.h"
#include "ui/link_label.h"
#include "ui/links.h"
#include "ui/modal_windows.h"
#include "ui/my_process.h"
#include "ui/open_folder_dialog.h"
#include "ui/ui_text.h"

namespace ql::ui {

namespace {

// The filter of the settings dialogs in Qt's form.
const QString kSettingsFilter = "QuorvaLinde INI-Files (*.qvl)";

}  // namespace

TForm1::TForm1()
    : QWidget(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                           Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint) {
  setObjectName("Form1");
  setWindowTitle(kApplicationTitle);
  setWindowIcon(ProgramIcon());
  setFixedSize(687, 504);
  CreateControls();
  ConnectHandlers();
  job_ = std::make_unique<TGalleryJob>(*this);
  ApplyStartUpSettings(*job_);
  FormCreate();
}

TForm1::~TForm1() = default;

void TForm1::SetHtmlForms(THtmlForm* htmlForm, THtmlForm2* htmlForm2) {
  htmlForm_ = htmlForm;
  htmlForm2_ = htmlForm2;
}

void TForm1::ConnectHandlers() {
  auto on = [this](auto* sender, auto signal, void (TForm1::*handler)()) {
    connect(sender, signal, this, [this, handler] { RunHandler([this, handler] { (this->*handler)(); }); });
  };
  on(ButtonImportDirectory, &QPushButton::clicked, &TForm1::ButtonImportDirectoryClick);
  on(ButtonExportDirectory, &QPushButton::clicked, &TForm1::ButtonExportDirectoryClick);
  on(ButtonHTML, &QPushButton::clicked, &TForm1::ButtonHTMLClick);
  on(ButtonHTML2, &QPushButton::clicked, &TForm1::ButtonHTML2Click);
  on(TrackBarQuality, &QSlider::valueChanged, &TForm1::TrackBarQualityChange);
  on(TrackBarThumbQuality, &QSlider::valueChanged, &TForm1::TrackBarThumbQualityChange);
  connect(RadioButton120, &QRadioButton::clicked, this, [this] { RunHandler([this] { RadioButtonPresetClick("120"); }); });
  connect(RadioButton140, &QRadioButton::clicked, this, [this] { RunHandler([this] { RadioButtonPresetClick("140"); }); });
  connect(RadioButton160, &QRadioButton::clicked, this, [this] { RunHandler([this] { RadioButtonPresetClick("160"); }); });
  on(MaskEditUserSize, &QLineEdit::textChanged, &TForm1::MaskEditUserSizeChange);
  on(SortModeButtons, &QButtonGroup::idToggled, &TForm1::SortModeClick);
  on(ButtonLoadSettings, &QPushButton::clicked, &TForm1::ButtonLoadSettingsClick);
  on(ButtonSaveSettings, &QPushButton::clicked, &TForm1::ButtonSaveSettingsClick);
  on(ButtonSaveDefault, &QPushButton::clicked, &TForm1::ButtonSaveDefaultClick);
  on(BitBtnRun, &QPushButton::clicked, &TForm1::BitBtnRunClick);
  on(BitBtnCancel, &QPushButton::clicked, &TForm1::BitBtnCancelClick);
  on(BitBtnInfo, &QPushButton::clicked, &TForm1::BitBtnInfoClick);
  on(Label12, &TLinkLabel::Clicked, &TForm1::Label12Click);
  EditSource->installEventFilter(this);
  EditDesti->installEventFilter(this);
}

void TForm1::FormCreate() { ComboBoxFilter->setCurrentIndex(5); }

// --- Handlers ----------------------------------------------------------------------------------

void TForm1::ButtonImportDirectoryClick() {
  OpenFolderDialog->DialogTitle = Q(StringTableText(sChooseSourceFolder));
  OpenFolderDialog->FolderName = Q(job_->SourceDir);
  if (!OpenFolderDialog->Execute()) return;
  job_->SourceDir = S(OpenFolderDialog->FolderName);
  EditSource->setText(OpenFolderDialog->FolderName);
  if (DirectoryExists(job_->DestDir)) SetRunButtonEnabled(true);
}

void TForm1::ButtonExportDirectoryClick() {
  OpenFolderDialog->DialogTitle = Q(StringTableText(sChooseDestinationFolder));
  OpenFolderDialog->FolderName = Q(job_->DestDir);
  if (!OpenFolderDialog->Execute()) return;
  job_->DestDir = S(OpenFolderDialog->FolderName);
  EditDesti->setText(OpenFolderDialog->FolderName);
  if (DirectoryExists(job_->SourceDir)) SetRunButtonEnabled(true);
}

void TForm1::ButtonHTMLClick() {
  if (htmlForm_ != nullptr) htmlForm_->Open();
}

void TForm1::ButtonHTML2Click() {
  if (htmlForm2_ != nullptr) htmlForm2_->Open();
}

void TForm1::TrackBarQualityChange() { LabelImageQuality->setText(QString::number(TrackBarQuality->value())); }

void TForm1::TrackBarThumbQualityChange() {
  LabelThumbQuality->setText(QString::number(TrackBarThumbQuality->value()));
}

void TForm1::RadioButtonPresetClick(const char* size) {
  // When this changes the field's text, "User defined max. size" becomes the selected button.
  MaskEditUserSize->setText(size);
  job_->Options.maxThumbSize = LeadingInt(S(MaskEditUserSize->text()));
}

void TForm1::MaskEditUserSizeChange() { RadioButtonUser->setChecked(true); }

void TForm1::SortModeClick() {
  // The name orders do not use the EXIF date; the tick stays as it is.
  CheckBoxExif->setEnabled(SortModeIndex() <= 1);
}

void TForm1::BitBtnRunClick() {
  if (running_) return;
  SetRunning(true);
  try {
    job_->RunGallery();
  } catch (const std::exception& error) {
    // The progress dialog is gone and the cursor normal again; the window stays usable.
    SetRunning(false);
    ReportError(error);
  }
  SetRunning(false);
  if (closePending_) close();
}

void TForm1::BitBtnCancelClick() { close(); }

void TForm1::BitBtnInfoClick() {
  TAboutBox about(this);
  CentreOnScreen(about);
  ExecModal(about);
}

void TForm1::Label12Click() {
  // Opened by the label itself; nothing more to do here.
}

// The settings commands live in the core; the window gives them its file dialogs.
void TForm1::ButtonLoadSettingsClick() {
  LoadSettingsCommand(*job_, [this](const TSettingsFileDialog& d) -> std::optional<std::string> {
    const auto file = AskOpenFileName(this, "Load Settings", Q(d.InitialDir), kSettingsFilter, false, false);
    return file ? std::optional<std::string>(S(*file)) : std::nullopt;
  });
}

void TForm1::ButtonSaveSettingsClick() {
  SaveSettingsCommand(*job_, [this](const TSettingsFileDialog& d) -> std::optional<std::string> {
    const auto file = AskSaveFileName(this, "Save Settings", Q(d.InitialDir), kSettingsFilter, "qvl");
    return file ? std::optional<std::string>(S(*file)) : std::nullopt;
  });
}

void TForm1::ButtonSaveDefaultClick() { SaveAsDefaultCommand(*job_); }

// --- Run state, keys and closing ----------------------------------------------------------------

void TForm1::SetRunning(bool running) {
  running_ = running;
  BitBtnRun->setEnabled(runEnabled_ && !running);
  for (QWidget* control : std::initializer_list<QWidget*>{
           ButtonImportDirectory, ButtonExportDirectory, EditSource, EditDesti, ButtonLoadSettings,
           ButtonSaveSettings, ButtonSaveDefault, RadioButton120, RadioButton140, RadioButton160}) {
    control->setEnabled(!running);
  }
  if (htmlForm_ != nullptr) htmlForm_->SetRunning(running);
  if (htmlForm2_ != nullptr) htmlForm2_->SetRunning(running);
}

void TForm1::keyPressEvent(QKeyEvent* event) {
  switch (event->key()) {
    case Qt::Key_Escape:
      BitBtnCancel->click();
      return;
    case Qt::Key_Return:
    case Qt::Key_Enter:
      if (BitBtnRun->isEnabled()) BitBtnRun->click();
      return;
    default:
      QWidget::keyPressEvent(event);
  }
}

void TForm1::closeEvent(QCloseEvent* event) {
  if (running_) {
    // The run is asked to stop; the window closes once it has returned.
    closePending_ = true;
    if (process_) process_->BitBtn1Click();
    event->ignore();
    return;
  }
  if (htmlForm_ != nullptr) htmlForm_->hide();
  if (htmlForm2_ != nullptr) htmlForm2_->hide();
  event->accept();
  emit Closed();
}

bool TForm1::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::FocusOut && !running_) {
    // The focus moving to another control of the window accepts the field; the window losing
    // the focus (another window, a message box) or a context menu does not.
    const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
    if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason) {
      if (watched == EditSource) RunHandler([this] { job_->EditSourceExit(); });
      if (watched == EditDesti) RunHandler([this] { job_->EditDestiExit(); });
    }
  }
  return QWidget::eventFilter(watched, event);
}

// --- IWindowServices ----------------------------------------------------------------------------

int TForm1::TrackBarQualityPosition() const { return TrackBarQuality->value(); }
void TForm1::SetTrackBarQualityPosition(int position) { TrackBarQuality->setValue(position); }
int TForm1::TrackBarThumbQualityPosition() const { return TrackBarThumbQuality->value(); }
void TForm1::SetTrackBarThumbQualityPosition(int position) { TrackBarThumbQuality->setValue(position); }

std::string TForm1::MaskEditMaxWidthText() const { return S(MaskEditMaxWidth->text()); }
void TForm1::SetMaskEditMaxWidthText(const std::string& text) { MaskEditMaxWidth->setText(Q(text)); }
std::string TForm1::MaskEditMaxHeightText() const { return S(MaskEditMaxHeight->text()); }
void TForm1::SetMaskEditMaxHeightText(const std::string& text) { MaskEditMaxHeight->setText(Q(text)); }
std::string TForm1::MaskEditUserSizeText() const { return S(MaskEditUserSize->text()); }
void TForm1::SetMaskEditUserSizeText(const std::string& text) { MaskEditUserSize->setText(Q(text)); }

int TForm1::ComboBoxFilterIndex() const { return ComboBoxFilter->currentIndex(); }

int TForm1::SortModeIndex() const { return SortModeButtons->checkedId(); }

void TForm1::SetSortModeIndex(int index) {
  index = std::clamp(index, -1, 3);
  if (index == SortModeIndex()) return;
  if (index < 0) {
    // No item selected: an exclusive group cannot uncheck its last button.
    SortModeButtons->setExclusive(false);
    SortModeButtons->checkedButton()->setChecked(false);
    SortModeButtons->setExclusive(true);
  } else {
    SortModeButtons->button(index)->setChecked(true);
  }
  SortModeClick();
}

bool TForm1::CheckBoxExifChecked() const { return CheckBoxExif->isChecked(); }
bool TForm1::CheckBoxCreateNoImagesChecked() const { return CheckBoxCreateNoImages->isChecked(); }

std::string TForm1::EditSourceText() const { return S(EditSource->text()); }
void TForm1::SetEditSourceText(const std::string& text) { EditSource->setText(Q(text)); }
std::string TForm1::EditDestiText() const { return S(EditDesti->text()); }
void TForm1::SetEditDestiText(const std::string& text) { EditDesti->setText(Q(text)); }

void TForm1::SetRunButtonEnabled(bool enabled) {
  runEnabled_ = enabled;
  BitBtnRun->setEnabled(enabled && !running_);
}

int TForm1::MessageBox(const std::string& text, const std::string& caption, int flags) {
  return ShowMessageBox(QApplication::activeWindow() ? QApplication::activeWindow() : this, text, caption, flags);
}

std::unique_ptr<IProgressDialog> TForm1::CreateProgressDialog() {
  auto dialog = std::make_unique<TMyProcess>(this);
  process_ = dialog.get();
  return dialog;
}

void TForm1::ProcessMessages() { QCoreApplication::processEvents(); }

void TForm1::SetBusyCursor(bool busy) {
  if (busy) {
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
  } else {
    QGuiApplication::restoreOverrideCursor();
  }
}

void TForm1::OpenDocument(const std::string& path) { OpenUrl(QUrl::fromLocalFile(Q(path))); }

}  // namespace ql::ui
