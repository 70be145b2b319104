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
  auto* b = new QPushButton(QStringLiteral("Show Calendar"));
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
  lblIntro = Text(QString(), "lblIntro");
  chkDisplay = new QCheckBox(QStringLiteral("Skip this page next time."));
  chkDisplay->setObjectName(QStringLiteral("chkDisplay"));
  QWidget* column = Column(
      {lblIntro,
       Text(QStringLiteral(
           "At any time you can click on the Cancel button and abandon your work.  The "
           "information will only be imported or exported when you click on the Finish button "
           "that appears at the end of the process."))});
  static_cast<QVBoxLayout*>(column->layout())->addWidget(chkDisplay);
  return WithPicture(QStringLiteral("Wizard"), column);
}

QWidget* TfrmConvert::MakeDetailsPage() {
  lblInfo = Text(QString(), "lblInfo");
  btnEmployee = Choice(QStringLiteral("Employee Information"), "btnEmployee");
  btnAbsence = Choice(QStringLiteral("Employee Absence Taken"), "btnAbsence");
  btnEmployee->setChecked(true);
  return WithPicture(
      QStringLiteral("Wizard"),
      Column({Text(QStringLiteral(
                  "Please make sure you have reviewed the Help information on importing and "
                  "exporting information to be sure you are using the right file format and "
                  "that your data will be complete.")),
              lblInfo, btnEmployee, btnAbsence}));
}

QWidget* TfrmConvert::MakeAbsencePage() {
  btnAll = Choice(QStringLiteral("All Absence Entries"), "btnAll");
  btnSelect = Choice(QStringLiteral("Selected Absence Entries"), "btnSelect");
  btnAll->setChecked(true);
  lblStartDate = Text(QStringLiteral("Starting on"), "lblStartDate");
  lblEndDate = Text(QStringLiteral("Ending on"), "lblEndDate");
  txtStartDate = DateBox("txtStartDate");
  txtEndDate = DateBox("txtEndDate");
  cmdStartCalendar = CalendarButton("cmdStartCalendar");
  cmdEndCalendar = CalendarButton("cmdEndCalendar");
  auto* dates = new QWidget;
  auto* grid = new QGridLayout(dates);
  grid->setContentsMargins(Scale(20), 0, 0, 0);
  grid->addWidget(lblStartDate, 0, 0);
  grid->addWidget(txtStartDate, 0, 1);
  grid->addWidget(cmdStartCalendar, 0, 2);
  grid->addWidget(lblEndDate, 1, 0);
  grid->addWidget(txtEndDate, 1, 1);
  grid->addWidget(cmdEndCalendar, 1, 2);
  grid->setColumnStretch(3, 1);
  return WithPicture(QStringLiteral("Wizard"),
                     Column({Text(QStringLiteral("Which Absence entries to you want to export?")),
                             btnAll, btnSelect, dates}));
}

QWidget* TfrmConvert::MakeFinishPage() {
  lblImport =
      Text(QStringLiteral("What do you want to do with the information already in Absence?"),
           "lblImport");
  btnReplace = Choice(QStringLiteral("Replace the information"), "btnReplace");
  btnAdd = Choice(QStringLiteral("Add to the information"), "btnAdd");
  btnReplace->setChecked(true);
  return WithPicture(QStringLiteral("Wizard"), Column({lblImport, btnReplace, btnAdd}));
}

QWidget* TfrmConvert::MakeFilesPage() {
  lblImportFile = Text(QString(), "lblImportFile");
  txtImportFile = new QLineEdit;
  txtImportFile->setObjectName(QStringLiteral("txtImportFile"));
  spdEmps = new QToolButton;
  spdEmps->setObjectName(QStringLiteral("spdEmps"));
  spdEmps->setText(QStringLiteral("Browse..."));
  auto* file = new QWidget;
  auto* row = new QHBoxLayout(file);
  row->setContentsMargins(0, 0, 0, 0);
  row->addWidget(txtImportFile, 1);
  row->addWidget(spdEmps);
  cboFileType = new QComboBox;
  cboFileType->setObjectName(QStringLiteral("cboFileType"));
  cboFileType->addItems({QStringLiteral("Comma Delimited"), QStringLiteral("Tab Delimited"),
                         QStringLiteral("Fixed Length")});
  cboFileType->setCurrentIndex(0);
  cboFileType->setSizeAdjustPolicy(QComboBox::AdjustToContents);
  lblEncoding = Text(QStringLiteral("Character encoding:"), "lblEncoding");
  lblEncoding->setWordWrap(false);
  cboEncoding = new QComboBox;
  cboEncoding->setObjectName(QStringLiteral("cboEncoding"));
  cboEncoding->addItems({QStringLiteral("Windows-1252"), QStringLiteral("UTF-8")});
  cboEncoding->setCurrentIndex(0);
  auto* format = new QWidget;
  auto* formatRow = new QHBoxLayout(format);
  formatRow->setContentsMargins(0, 0, 0, 0);
  formatRow->addWidget(cboFileType);
  formatRow->addStretch(1);
  // The encoding on a row of its own: beside the format it would not fit the page.
  auto* encoding = new QWidget;
  auto* encodingRow = new QHBoxLayout(encoding);
  encodingRow->setContentsMargins(0, 0, 0, 0);
  encodingRow->addWidget(lblEncoding);
  encodingRow->addWidget(cboEncoding);
  encodingRow->addStretch(1);
  return WithPicture(
      QStringLiteral("Wizard"),
      Column({lblImportFile, file, Text(QStringLiteral("What format is your data in?")), format,
              encoding}));
}

QWidget* TfrmConvert::MakeRunPage() {
  lblSummary = Text(QString(), "lblSummary");
  lblSummary->setWordWrap(false);
  lblSummary->setTextFormat(Qt::PlainText);
  ProgressBar1 = new QProgressBar;
  ProgressBar1->setObjectName(QStringLiteral("ProgressBar1"));
  ProgressBar1->setRange(0, 1);
  ProgressBar1->setValue(0);
  ProgressBar1->setTextVisible(false);
  QWidget* column = Column({Text(QStringLiteral("Here is your data summary:")), lblSummary});
  static_cast<QVBoxLayout*>(column->layout())->addWidget(ProgressBar1);
  return WithPicture(QStringLiteral("Wizard1"), column);
}

}  // namespace absence::ui
