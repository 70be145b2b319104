#include "ui/convert/convert_wizard.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedWidget>
#include <QToolButton>
#include <QVBoxLayout>

#include "convert/import_run.h"
#include "data/settings.h"
#include "ui/common/app_state.h"
#include "ui/common/date_edit.h"
#include "ui/common/file_dialogs.h"
#include "ui/common/help.h"
#include "ui/common/help_key.h"
#include "ui/common/init_flags.h"
#include "ui/common/message_box.h"
#include "ui/common/page_flow.h"
#include "ui/common/pick_date.h"
#include "ui/common/scale.h"
#include "ui/session/data_session.h"

namespace absence::ui {
namespace {

constexpr const char* kFileFilter =
    QT_TRANSLATE_NOOP("absence::ui::TfrmConvert", "Data File (*.txt)|*.txt|Any File (*.*)|*.*");
constexpr int kSummaryWidth = 300;

const char* ShowPageKey(bool import) {
  return import ? kShowImportPageKey : kShowExportPageKey;
}

void Inform(const QString& text) {
  MessageBoxTitled(text, TMsgKind::Information, mbOK);
}

}  // namespace

TfrmConvert::TfrmConvert(TDataSession& session, bool import, QWidget* parent)
    : QDialog(parent), session_(session), import_(import) {
  setObjectName(QStringLiteral("frmConvert"));
  setWindowTitle(import ? tr("Import Wizard") : tr("Export Wizard"));
  SetHelpContext(this, import ? kImportHelpContext : kExportHelpContext);

  pages_ = new QStackedWidget;
  pages_->setObjectName(QStringLiteral("ntWizard"));
  const std::pair<QWidget*, const char*> pages[] = {
      {MakeStartupPage(), "Startup"}, {MakeDetailsPage(), "Details"},
      {MakeAbsencePage(), "Absence"}, {MakeFinishPage(), "Finish"},
      {MakeFilesPage(), "Files"},     {MakeRunPage(), "Import/Export"}};
  for (const auto& [page, caption] : pages) {
    page->setObjectName(QString::fromLatin1(caption));
    pages_->addWidget(page);
  }

  cancelButton_ = new QPushButton(tr("Cancel"));
  helpButton_ = new QPushButton(tr("Help"));
  backButton_ = new QPushButton(tr("&Back"));
  nextButton_ = new QPushButton(tr("&Next"));
  for (auto [b, name] : {std::pair{cancelButton_, "cmdCancel"}, std::pair{helpButton_, "cmdHelp"},
                         std::pair{backButton_, "cmdBack"}, std::pair{nextButton_, "cmdNext"}}) {
    b->setObjectName(QString::fromLatin1(name));
    b->setAutoDefault(false);
  }
  nextButton_->setDefault(true);
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(cancelButton_);
  buttons->addWidget(helpButton_);
  buttons->addStretch(1);
  buttons->addWidget(backButton_);
  buttons->addWidget(nextButton_);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(pages_, 1);
  layout->addLayout(buttons);
  setFixedSize(Scale(500), Scale(320));

  SetTexts();
  flow_ = new TPageFlow(pages_, backButton_, nextButton_, this);
  pages_->setCurrentIndex(pgStartup);
  btnAllClick();
  summaryLabel_->setFixedWidth(Scale(kSummaryWidth));

  connect(nextButton_, &QPushButton::clicked, this, &TfrmConvert::cmdNextClick);
  connect(backButton_, &QPushButton::clicked, this, &TfrmConvert::cmdBackClick);
  connect(cancelButton_, &QPushButton::clicked, this, &QDialog::reject);
  connect(helpButton_, &QPushButton::clicked, this, [import] {
    ShowHelpTopic(import ? QStringLiteral("Importing_Data") : QStringLiteral("Exporting_Data"),
                  true);
  });
  connect(allEntriesChoice_, &QRadioButton::clicked, this, &TfrmConvert::btnAllClick);
  connect(selectedEntriesChoice_, &QRadioButton::clicked, this, &TfrmConvert::btnSelectClick);
  connect(browseButton_, &QToolButton::clicked, this, &TfrmConvert::spdEmpsClick);
  connect(startCalendarButton_, &QPushButton::clicked, this,
          [this] { PickDateFor(*startDateBox_); });
  connect(endCalendarButton_, &QPushButton::clicked, this, [this] { PickDateFor(*endDateBox_); });
}

TfrmConvert::~TfrmConvert() {
  WriteInitFlag(ShowPageKey(import_), skipStartBox_->isChecked());
}

void TfrmConvert::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (activated_) return;
  activated_ = true;
  FormActivate();
}

void TfrmConvert::FormActivate() {
  const bool skip = ReadInitFlag(ShowPageKey(import_));
  skipStartBox_->setChecked(skip);
  if (skip) cmdNextClick();
}

void TfrmConvert::SetTexts() {
  introLabel_->setText(
      import_ ? tr("The next few screens will help you import information into Absence.")
              : tr("The next few screens will help you export information out of Absence."));
  contentQuestion_->setText(import_ ? tr("Which type of information do you want to import?")
                                    : tr("Which type of information do you want to export?"));
  fileQuestion_->setText(import_ ? tr("Where is the import file located?")
                                 : tr("Save the exported information as..."));
  encodingLabel_->setVisible(!import_);
  encodingBox_->setVisible(!import_);
}

void TfrmConvert::cmdNextClick() {
  switch (flow_->Current()) {
    case pgStartup:
      flow_->GoTo(pgDetails);
      break;
    case pgDetails:
      flow_->GoTo(import_ ? pgFinish : employeesChoice_->isChecked() ? pgFiles : pgAbsence);
      break;
    case pgAbsence:
      if (DatesAccepted()) flow_->GoTo(pgFiles);
      break;
    case pgFinish:
      flow_->GoTo(pgFiles);
      break;
    case pgFiles:
      if (!FileAccepted()) break;
      flow_->SetNext(import_ ? tr("&Import") : tr("&Export"), false);
      BuildSummary();
      flow_->GoTo(pgRun);
      break;
    case pgRun:
      if (import_ && !ReplaceConfirmed()) break;
      if (import_ ? RunImport() : RunExport()) AskAnother();
      break;
  }
}

void TfrmConvert::cmdBackClick() {
  if (flow_->Current() == pgRun) flow_->SetNext(tr("&Next"), true);
  flow_->Back();
}

void TfrmConvert::btnAllClick() {
  allEntriesChoice_->setChecked(true);
  for (QWidget* w :
       std::initializer_list<QWidget*>{startDateLabel_, endDateLabel_, startDateBox_, endDateBox_,
                                       startCalendarButton_, endCalendarButton_})
    w->setEnabled(false);
  startDateBox_->clear();
  endDateBox_->clear();
}

void TfrmConvert::btnSelectClick() {
  for (QWidget* w :
       std::initializer_list<QWidget*>{startDateLabel_, endDateLabel_, startDateBox_, endDateBox_,
                                       startCalendarButton_, endCalendarButton_})
    w->setEnabled(true);
}

bool TfrmConvert::DatesAccepted() {
  if (allEntriesChoice_->isChecked()) return true;
  const auto refuse = [](TDateEdit* box, const QString& text) {
    Inform(text);
    box->setFocus();
    return false;
  };
  if (startDateBox_->text().trimmed().isEmpty())
    return refuse(startDateBox_, tr("Please enter a Start Date for the Absence entries "
                                    "you wish to export."));
  if (endDateBox_->text().trimmed().isEmpty())
    return refuse(endDateBox_, tr("Please enter an End Date for the Absence entries you "
                                  "wish to export."));
  for (TDateEdit* box : {startDateBox_, endDateBox_})
    if (!box->ParseText()) return refuse(box, box->InvalidDateMessage());
  if (startDateBox_->Date() > endDateBox_->Date())
    return refuse(startDateBox_, tr("The End Date can not be before the Start Date.  "
                                    "Please try again."));
  return true;
}

bool TfrmConvert::FileAccepted() {
  const QString name = fileBox_->text();
  if (import_) {
    if (QFileInfo(name).isFile()) return true;
    Inform(
        tr("The Data File you selected does not exist.  Please check your selection "
           "and try again."));
    fileBox_->setFocus();
    return false;
  }
  if (name.trimmed().isEmpty()) {
    Inform(tr("Please select the location of your data file."));
    fileBox_->setFocus();
    return false;
  }
  if (QFileInfo(name).absoluteDir().exists()) return true;
  return MessageBoxTitled(tr("The directory does not exist.  Do you want to create it?"),
                          TMsgKind::Confirmation, mbYes | mbNo) == mbYes;
}

TConvertChoice TfrmConvert::CurrentChoice() const {
  TConvertChoice c;
  c.Import = import_;
  c.Employees = employeesChoice_->isChecked();
  c.Replace = replaceChoice_->isChecked();
  c.Selected = selectedEntriesChoice_->isChecked();
  c.StartText = startDateBox_->text();
  c.EndText = endDateBox_->text();
  if (import_ && c.Replace) {
    const TReplaceLoss loss = ReplaceLoss(
        session_.Data(), c.Employees ? TConvertContent::Employees : TConvertContent::Absences);
    c.RemovesEmployees = loss.Employees;
    c.RemovesEntries = loss.Entries;
    c.RemovesBalances = loss.Balances;
  }
  return c;
}

void TfrmConvert::BuildSummary() {
  const TConvertChoice c = CurrentChoice();
  const QFontMetrics fm(summaryLabel_->font());
  // The label's own measure of a line (bearings included), within its margins, so a shortened
  // name is never cut at the edge.
  const int room = summaryLabel_->contentsRect().width() - 2 * summaryLabel_->margin() - 2;
  const QString file = MinimizeName(
      fileBox_->text(), [&fm](const QString& s) { return fm.boundingRect(s).width(); }, room);
  summaryLabel_->setText(SummaryText(c, file));
}

void TfrmConvert::spdEmpsClick() {
  TFileDialogCall call;
  call.Kind = import_ ? TFileDialogKind::Open : TFileDialogKind::Save;
  const bool employees = employeesChoice_->isChecked();
  call.Title = tr("%1 %2 File")
                   .arg(import_ ? tr("Import") : tr("Export"),
                        employees ? tr("Employees") : tr("Absence Taken"));
  call.Filter = tr(kFileFilter);
  call.DefaultExt = QStringLiteral("txt");
  call.InitialName = fileBox_->text();
  call.AskBeforeCreating = true;
  const std::optional<QString> chosen = PromptForFile(call);
  if (chosen && *chosen != QStringLiteral("*.txt")) fileBox_->setText(*chosen);
}

}  // namespace absence::ui
