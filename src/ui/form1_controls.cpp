// The controls of the main window: positions and sizes at 96 DPI, captions, hints, initial
// states and tab order.
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpressionValidator>
#include <QSlider>
#include <QVBoxLayout>

#include "ui/button_pictures.h"
#include "ui/form1.h"
#include "ui/html_form_base.h"
#include "ui/link_label.h"
#include "ui/links.h"
#include "ui/open_folder_dialog.h"

namespace ql::ui {

namespace {

const QString kFolderHint = "Button \"RunQuorvalinde\" cannot be pressed before input and output folder are defined";
const QString kQualityHint = "The higher the quality the bigger the filesize";

template <typename T>
T* Named(T* widget, const char* name, const QRect& geometry = {}) {
  widget->setObjectName(name);
  if (!geometry.isNull()) widget->setGeometry(geometry);
  return widget;
}

QLabel* Label(QWidget* parent, const char* name, const QString& text, QPoint position) {
  auto* label = Named(new QLabel(parent), name);
  label->setTextFormat(Qt::PlainText);
  label->setText(text);
  label->move(position);
  label->adjustSize();
  return label;
}

// A size field: up to `digits` digits, each optional.
QLineEdit* SizeField(QWidget* parent, const char* name, int digits, const QRect& geometry) {
  auto* field = Named(new QLineEdit(parent), name, geometry);
  field->setMaxLength(digits);
  field->setValidator(new QRegularExpressionValidator(QRegularExpression(QString("[0-9]{0,%1}").arg(digits)), field));
  return field;
}

QSlider* TrackBar(QWidget* parent, const char* name, const QRect& geometry) {
  auto* bar = Named(new QSlider(Qt::Horizontal, parent), name, geometry);
  bar->setRange(1, 100);
  bar->setSingleStep(1);
  bar->setPageStep(10);
  bar->setTickPosition(QSlider::TicksBelow);
  bar->setTickInterval(99);  // one tick at each end
  bar->setToolTip(kQualityHint);
  return bar;
}

// "lowest", "highest", "JPEG Quality" and the value label of a track bar at `barLeft` in `group`.
QLabel* QualityLabels(QGroupBox* group, const char* prefix, int first, QPoint valueLabel) {
  Label(group, QString("Label%1").arg(first).toUtf8().constData(), "JPEG Quality", {48, 24});
  Label(group, QString("Label%1").arg(first + 1).toUtf8().constData(), "lowest", {48, 66});
  Label(group, QString("Label%1").arg(first + 2).toUtf8().constData(), "highest", {224, 66});
  QLabel* value = Label(group, prefix, "85", valueLabel);
  return value;
}

}  // namespace

void TForm1::CreateControls() {
  ButtonImportDirectory = Named(new QPushButton("Choose &Input Folder", this), "ButtonImportDirectory", {24, 16, 129, 25});
  ButtonImportDirectory->setToolTip(kFolderHint);
  EditSource = Named(new QLineEdit(this), "EditSource", {24, 48, 513, 21});
  ButtonExportDirectory = Named(new QPushButton("Choose &Output Folder", this), "ButtonExportDirectory", {24, 80, 129, 25});
  ButtonExportDirectory->setToolTip(kFolderHint);
  EditDesti = Named(new QLineEdit(this), "EditDesti", {24, 112, 513, 21});

  ButtonHTML = Named(new QPushButton("&HTML Thumbs", this), "ButtonHTML", {184, 152, 169, 25});
  ButtonHTML->setToolTip("Edit the HTML Code for the Thumbnailpages");
  ButtonHTML2 = Named(new QPushButton("H&TML Images", this), "ButtonHTML2", {184, 184, 169, 25});
  ButtonHTML2->setToolTip("Edit the HTML Code for the Imagepages");

  SortMode = Named(new QGroupBox("Sort Files according to", this), "SortMode", {24, 152, 145, 113});
  SortMode->setToolTip("The order in which the thumbnails are sorted on the websites");
  SortModeButtons = new QButtonGroup(this);
  auto* sortLayout = new QVBoxLayout(SortMode);
  sortLayout->setContentsMargins(8, 4, 4, 4);
  sortLayout->setSpacing(0);
  const char* sortItems[] = {"Date ascending", "Date descending", "Name ascending", "Name descending"};
  for (int i = 0; i < 4; ++i) {
    auto* item = new QRadioButton(sortItems[i], SortMode);
    item->setObjectName(QString("SortMode%1").arg(i));
    sortLayout->addWidget(item);
    SortModeButtons->addButton(item, i);
  }
  SortModeButtons->button(0)->setChecked(true);

  ButtonLoadSettings = Named(new QPushButton("&Load Settings", this), "ButtonLoadSettings", {576, 16, 89, 25});
  ButtonSaveSettings = Named(new QPushButton("&Save Settings", this), "ButtonSaveSettings", {576, 48, 89, 25});
  ButtonSaveDefault = Named(new QPushButton("Save as &Default", this), "ButtonSaveDefault", {576, 80, 89, 25});

  GroupBox1 = Named(new QGroupBox("Image Export Options", this), "GroupBox1", {16, 280, 321, 177});
  GroupBox2 = Named(new QGroupBox("Thumbnail Export Options", this), "GroupBox2", {352, 280, 321, 177});

  // A child of the window lying over its group, where the thumbnail track bar lies inside the
  // other group.
  TrackBarQuality = TrackBar(this, "TrackBarQuality", {56, 320, 225, 25});

  LabelImageQuality = QualityLabels(GroupBox1, "LabelImageQuality", 1, {267, 45});
  QLabel* label4 = Label(GroupBox1, "Label4", "Maximum Image Width", {9, 106});
  label4->setToolTip("Images wider than this are resized to fit this size. Aspect ratio is always kept");
  MaskEditMaxWidth = SizeField(GroupBox1, "MaskEditMaxWidth", 4, {128, 104, 33, 21});
  MaskEditMaxWidth->setToolTip(label4->toolTip());
  QLabel* label5 = Label(GroupBox1, "Label5", "Maximum Image Height", {9, 146});
  label5->setToolTip("Images higher than this are resized to fit this size. Aspect ratio is always kept");
  MaskEditMaxHeight = SizeField(GroupBox1, "MaskEditMaxHeight", 4, {128, 144, 33, 21});
  MaskEditMaxHeight->setToolTip(label5->toolTip());
  Label(GroupBox1, "Label13", "Filter for Resampling:", {192, 104});
  ComboBoxFilter = Named(new QComboBox(GroupBox1), "ComboBoxFilter", {192, 120, 113, 21});
  ComboBoxFilter->addItems({"SplineFilter", "BellFilter", "TriangleFilter", "BoxFilter", "HermiteFilter",
                            "Lanczos3Filter", "MitchellFilter"});
  ComboBoxFilter->setToolTip("normally Lanczos3 provides best quality");

  LabelThumbQuality = QualityLabels(GroupBox2, "LabelThumbQuality", 6, {267, 45});
  TrackBarThumbQuality = TrackBar(GroupBox2, "TrackBarThumbQuality", {40, 40, 225, 25});
  GroupBox3 = Named(new QGroupBox("Maximum Thumbnail Size", GroupBox2), "GroupBox3", {24, 88, 281, 81});
  RadioButton120 = Named(new QRadioButton("120 x 120", GroupBox3), "RadioButton120");
  RadioButton120->move(16, 19);
  RadioButton140 = Named(new QRadioButton("140 x 140", GroupBox3), "RadioButton140");
  RadioButton140->move(16, 39);
  RadioButton160 = Named(new QRadioButton("160 x 160", GroupBox3), "RadioButton160");
  RadioButton160->move(16, 59);
  RadioButtonUser = Named(new QRadioButton("User defined max. size", GroupBox3), "RadioButtonUser");
  RadioButtonUser->move(144, 19);
  for (QRadioButton* radio : {RadioButton120, RadioButton140, RadioButton160, RadioButtonUser}) radio->adjustSize();
  RadioButtonUser->setChecked(true);
  MaskEditUserSize = SizeField(GroupBox3, "MaskEditUserSize", 3, {160, 40, 25, 21});
  MaskEditUserSize->setAlignment(Qt::AlignRight);

  BitBtnRun = Named(new QPushButton(TickPicture(), "&Run Quorvalinde", this), "BitBtnRun", {88, 472, 161, 25});
  BitBtnRun->setDefault(true);
  BitBtnRun->setEnabled(false);
  BitBtnCancel = Named(new QPushButton(CrossPicture(), "&Cancel", this), "BitBtnCancel", {264, 472, 161, 25});
  BitBtnInfo = Named(new QPushButton(HelpPicture(), "I&nfo", this), "BitBtnInfo", {440, 472, 161, 25});
  // Enter on a focused button clicks it, as on the platform the window was designed for.
  for (QPushButton* button : findChildren<QPushButton*>()) button->setAutoDefault(true);

  CheckBoxExif = Named(new QCheckBox("use EXIF fileinfo if possible", this), "CheckBoxExif");
  CheckBoxExif->setGeometry(192, 216, 153, 17);
  WidenToCaption(CheckBoxExif);
  CheckBoxExif->setChecked(true);
  CheckBoxCreateNoImages = Named(new QCheckBox("create only webpages", this), "CheckBoxCreateNoImages");
  CheckBoxCreateNoImages->setGeometry(192, 236, 153, 17);
  WidenToCaption(CheckBoxCreateNoImages);

  // The product name twice, grey and navy, which gives a shadow.
  QFont display;
  display.setFamilies({"DejaVu Serif", "Serif"});
  display.setPointSize(24);
  display.setBold(true);
  display.setItalic(true);
  for (const auto& [name, colour, position] :
       {std::tuple{"LabelLogoShadow", QColor(Qt::gray), QPoint(384, 160)},
        std::tuple{"LabelLogo", QColor(0, 0, 128), QPoint(381, 158)}}) {
    QLabel* logo = Label(this, name, "quorvalinde", position);
    logo->setFont(display);
    QPalette palette = logo->palette();
    palette.setColor(QPalette::WindowText, colour);
    logo->setPalette(palette);
    logo->setAttribute(Qt::WA_TranslucentBackground);
    logo->setProperty("Decoration", true);
    logo->adjustSize();
  }
  Label(this, "Label11", "For updates, info etc. please visit my homepage at:", {384, 200});
  Label12 = Named(new TLinkLabel(kHomePage, QUrl(kHomePage), this), "Label12");
  Label12->move(384, 216);
  Label12->adjustSize();

  OpenFolderDialog = new TOpenFolderDialog(this);
  OpenFolderDialog->BrowseInfo = {TBrowseInfo::bifReturnOnlyFileSystemDirs};

  TrackBarQuality->raise();

  const QWidget* order[] = {ButtonImportDirectory, EditSource, ButtonExportDirectory, EditDesti, ButtonHTML,
                            ButtonHTML2, SortModeButtons->button(0), SortModeButtons->button(1),
                            SortModeButtons->button(2), SortModeButtons->button(3), ButtonLoadSettings,
                            ButtonSaveSettings, ButtonSaveDefault, TrackBarQuality, MaskEditMaxWidth,
                            MaskEditMaxHeight, ComboBoxFilter, TrackBarThumbQuality, RadioButton120,
                            RadioButton140, RadioButton160, RadioButtonUser, MaskEditUserSize, BitBtnRun,
                            BitBtnCancel, BitBtnInfo, CheckBoxExif, CheckBoxCreateNoImages};
  for (std::size_t i = 1; i < std::size(order); ++i) {
    QWidget::setTabOrder(const_cast<QWidget*>(order[i - 1]), const_cast<QWidget*>(order[i]));
  }
}

}  // namespace ql::ui
