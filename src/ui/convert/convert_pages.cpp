// The six pages of the import and export wizard.
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>
#include <QVBoxLayout>

#include "ui/common/app_state.h"
#include "ui/common/date_edit.h"
#include "ui/common/pictures.h"
#include "ui/common/scale.h"
#include "ui/convert/convert_wizard.h"

namespace absence::ui {
namespace {

constexpr int kPictureSize = 120;

QLabel* Text(const QString& text, const char* name = nullptr) {
  auto* label = new QLabel(text);
  label->setWordWrap(true);
  if (name) label->setObjectName(QString::fromLatin1(name));
  return label;
}

QRadioButton* Choice(const QString& caption, const char* name) {
  auto* b = new QRadioButton(caption);
  b->setObjectName(QString::fromLatin1(name));
  return b;
}

QPushButton* CalendarButton(const char* name) {
  auto* b = new QPushButton(TfrmConvert::tr("Show Calendar"));
  b->setObjectName(QString::fromLatin1(name));
  b->setAutoDefault(false);
  return b;
}

TDateEdit* DateBox(const char* name) {
  auto* box = new TDateEdit;
  box->setObjectName(QString::fromLatin1(name));
  box->SetDateFormat(App().DatePattern);
  box->setMaximumWidth(Scale(90));
  return box;
}

// A page's content: the texts and controls from the top, the rest of the page empty.
QWidget* Column(std::initializer_list<QWidget*> widgets) {
  auto* page = new QWidget;
  auto* layout = new QVBoxLayout(page);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(Scale(10));
  for (QWidget* w : widgets) layout->addWidget(w);
  layout->addStretch(1);
  return page;
}

}  // namespace

QWidget* TfrmConvert::WithPicture(const QString& picture, QWidget* content) {
  auto* page = new QWidget;
  auto* image = new QLabel;
  image->setObjectName(QStringLiteral("imgWizard"));
  image->setPixmap(ResourcePicture(picture, Scale(kPictureSize)));
  image->setAlignment(Qt::AlignTop | Qt::AlignHCenter);
  image->setFrameShape(QFrame::Panel);
  image->setFrameShadow(QFrame::Sunken);
  image->setFixedWidth(Scale(kPictureSize) + 8);
  auto* layout = new QHBoxLayout(page);
  layout->addWidget(image);
  layout->addSpacing(Scale(8));
  layout->addWidget(content, 1);
  return page;
}

QWidget* TfrmConvert::MakeStartupPage() {
  introLabel_ = Text(QString(), "lblIntro");
  skipStartBox_ = new QCheckBox(tr("Skip this page next time."));
  skipStartBox_->setObjectName(QStringLiteral("chkDisplay"));
  QWidget* column = Column(
      {introLabel_,
       Text(tr("At any time you can click on the Cancel button and abandon your work.  The "
               "information will only be imported or exported when you click on the Finish button "
               "that appears at the end of the process."))});
  static_cast<QVBoxLayout*>(column->layout())->addWidget(skipStartBox_);
  return WithPicture(QStringLiteral("Wizard"), column);
}

QWidget* TfrmConvert::MakeDetailsPage() {
  contentQuestion_ = Text(QString(), "lblInfo");
  employeesChoice_ = Choice(tr("Employee Information"), "btnEmployee");
  absencesChoice_ = Choice(tr("Employee Absence Taken"), "btnAbsence");
  employeesChoice_->setChecked(true);
  return WithPicture(
      QStringLiteral("Wizard"),
      Column({Text(tr("Please make sure you have reviewed the Help information on importing and "
                      "exporting information to be sure you are using the right file format and "
                      "that your data will be complete.")),
              contentQuestion_, employeesChoice_, absencesChoice_}));
}

QWidget* TfrmConvert::MakeAbsencePage() {
  allEntriesChoice_ = Choice(tr("All Absence Entries"), "btnAll");
  selectedEntriesChoice_ = Choice(tr("Selected Absence Entries"), "btnSelect");
  allEntriesChoice_->setChecked(true);
  startDateLabel_ = Text(tr("Starting on"), "lblStartDate");
  endDateLabel_ = Text(tr("Ending on"), "lblEndDate");
  startDateBox_ = DateBox("txtStartDate");
  endDateBox_ = DateBox("txtEndDate");
  startCalendarButton_ = CalendarButton("cmdStartCalendar");
  endCalendarButton_ = CalendarButton("cmdEndCalendar");
  auto* dates = new QWidget;
  auto* grid = new QGridLayout(dates);
  grid->setContentsMargins(Scale(20), 0, 0, 0);
  grid->addWidget(startDateLabel_, 0, 0);
  grid->addWidget(startDateBox_, 0, 1);
  grid->addWidget(startCalendarButton_, 0, 2);
  grid->addWidget(endDateLabel_, 1, 0);
  grid->addWidget(endDateBox_, 1, 1);
  grid->addWidget(endCalendarButton_, 1, 2);
  grid->setColumnStretch(3, 1);
  return WithPicture(QStringLiteral("Wizard"),
                     Column({Text(tr("Which Absence entries to you want to export?")),
                             allEntriesChoice_, selectedEntriesChoice_, dates}));
}

QWidget* TfrmConvert::MakeFinishPage() {
  existingDataQuestion_ =
      Text(tr("What do you want to do with the information already in Absence?"), "lblImport");
  replaceChoice_ = Choice(tr("Replace the information"), "btnReplace");
  addChoice_ = Choice(tr("Add to the information"), "btnAdd");
  replaceChoice_->setChecked(true);
  return WithPicture(QStringLiteral("Wizard"),
                     Column({existingDataQuestion_, replaceChoice_, addChoice_}));
}

QWidget* TfrmConvert::MakeFilesPage() {
  fileQuestion_ = Text(QString(), "lblImportFile");
  fileBox_ = new QLineEdit;
  fileBox_->setObjectName(QStringLiteral("txtImportFile"));
  browseButton_ = new QToolButton;
  browseButton_->setObjectName(QStringLiteral("spdEmps"));
  browseButton_->setText(tr("Browse..."));
  auto* file = new QWidget;
  auto* row = new QHBoxLayout(file);
  row->setContentsMargins(0, 0, 0, 0);
  row->addWidget(fileBox_, 1);
  row->addWidget(browseButton_);
  formatBox_ = new QComboBox;
  formatBox_->setObjectName(QStringLiteral("cboFileType"));
  formatBox_->addItems({tr("Comma Delimited"), tr("Tab Delimited"), tr("Fixed Length")});
  formatBox_->setCurrentIndex(0);
  formatBox_->setSizeAdjustPolicy(QComboBox::AdjustToContents);
  encodingLabel_ = Text(tr("Character encoding:"), "lblEncoding");
  encodingLabel_->setWordWrap(false);
  encodingBox_ = new QComboBox;
  encodingBox_->setObjectName(QStringLiteral("cboEncoding"));
  encodingBox_->addItems({QStringLiteral("Windows-1252"), QStringLiteral("UTF-8")});
  encodingBox_->setCurrentIndex(0);
  auto* format = new QWidget;
  auto* formatRow = new QHBoxLayout(format);
  formatRow->setContentsMargins(0, 0, 0, 0);
  formatRow->addWidget(formatBox_);
  formatRow->addStretch(1);
  // The encoding on a row of its own: beside the format it would not fit the page.
  auto* encoding = new QWidget;
  auto* encodingRow = new QHBoxLayout(encoding);
  encodingRow->setContentsMargins(0, 0, 0, 0);
  encodingRow->addWidget(encodingLabel_);
  encodingRow->addWidget(encodingBox_);
  encodingRow->addStretch(1);
  return WithPicture(
      QStringLiteral("Wizard"),
      Column({fileQuestion_, file, Text(tr("What format is your data in?")), format, encoding}));
}

QWidget* TfrmConvert::MakeRunPage() {
  summaryLabel_ = Text(QString(), "lblSummary");
  summaryLabel_->setWordWrap(false);
  summaryLabel_->setTextFormat(Qt::PlainText);
  progressBar_ = new QProgressBar;
  progressBar_->setObjectName(QStringLiteral("ProgressBar1"));
  progressBar_->setRange(0, 1);
  progressBar_->setValue(0);
  progressBar_->setTextVisible(false);
  QWidget* column = Column({Text(tr("Here is your data summary:")), summaryLabel_});
  static_cast<QVBoxLayout*>(column->layout())->addWidget(progressBar_);
  return WithPicture(QStringLiteral("Wizard1"), column);
}

}  // namespace absence::ui
