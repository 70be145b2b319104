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

constexpr const char* kFileFilter = "Data File (*.txt)|*.txt|Any File (*.*)|*.*";
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
  setWindowTitle(import ? QStringLiteral("Import Wizard") : QStringLiteral("Export Wizard"));
  SetHelpContext(this, import ? kImportHelpContext : kExportHelpContext);

  ntWizard = new QStackedWidget;
  ntWizard->setObjectName(QStringLiteral("ntWizard"));
  const std::pair<QWidget*, const char*> pages[] = {
      {MakeStartupPage(), "Startup"}, {MakeDetailsPage(), "Details"},
      {MakeAbsencePage(), "Absence"}, {MakeFinishPage(), "Finish"},
      {MakeFilesPage(), "Files"},     {MakeRunPage(), "Import/Export"}};
  for (const auto& [page, caption] : pages) {
    page->setObjectName(QString::fromLatin1(caption));
    ntWizard->addWidget(page);
  }

  cmdCancel = new QPushButton(QStringLiteral("Cancel"));
  cmdHelp = new QPushButton(QStringLiteral("Help"));
  cmdBack = new QPushButton(QStringLiteral("&Back"));
  cmdNext = new QPushButton(QStringLiteral("&Next"));
  for (auto [b, name] : {std::pair{cmdCancel, "cmdCancel"}, std::pair{cmdHelp, "cmdHelp"},
                         std::pair{cmdBack, "cmdBack"}, std::pair{cmdNext, "cmdNext"}}) {
    b->setObjectName(QString::fromLatin1(name));
    b->setAutoDefault(false);
  }
  cmdNext->setDefault(true);
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(cmdCancel);
  buttons->addWidget(cmdHelp);
  buttons->addStretch(1);
  buttons->addWidget(cmdBack);
  buttons->addWidget(cmdNext);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(ntWizard, 1);
  layout->addLayout(buttons);
  setFixedSize(Scale(500), Scale(320));

  SetTexts();
  flow_ = new TPageFlow(ntWizard, cmdBack, cmdNext, this);
  ntWizard->setCurrentIndex(pgStartup);
  btnAllClick();
  lblSummary->setFixedWidth(Scale(kSummaryWidth));

  connect(cmdNext, &QPushButton::clicked, this, &TfrmConvert::cmdNextClick);
  connect(cmdBack, &QPushButton::clicked, this, &TfrmConvert::cmdBackClick);
  connect(cmdCancel, &QPushButton::clicked, this, &QDialog::reject);
  connect(cmdHelp, &QPushButton::clicked, this, [import] {
    ShowHelpTopic(import ? QStringLiteral("Importing_Data") : QStringLiteral("Exporting_Data"),
                  true);
  });
  connect(btnAll, &QRadioButton::clicked, this, &TfrmConvert::btnAllClick);
  connect(btnSelect, &QRadioButton::clicked, this, &TfrmConvert::btnSelectClick);
  connect(spdEmps, &QToolButton::clicked, this, &TfrmConvert::spdEmpsClick);
  connect(cmdStartCalendar, &QPushButton::clicked, this, [this] { PickDateFor(*txtStartDate); });
  connect(cmdEndCalendar, &QPushButton::clicked, this, [this] { PickDateFor(*txtEndDate); });
}

TfrmConvert::~TfrmConvert() {
  WriteInitFlag(ShowPageKey(import_), chkDisplay->isChecked());
}

void TfrmConvert::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (activated_) return;
  activated_ = true;
  FormActivate();
}

void TfrmConvert::FormActivate() {
  const bool skip = ReadInitFlag(ShowPageKey(import_));
  chkDisplay->setChecked(skip);
  if (skip) cmdNextClick();
}

void TfrmConvert::SetTexts() {
  lblIntro->setText(
      import_
          ? QStringLiteral("The next few screens will help you import information into Absence.")
          : QStringLiteral(
                "The next few screens will help you export information out of Absence."));
  lblInfo->setText(import_ ? QStringLiteral("Which type of information do you want to import?")
                           : QStringLiteral("Which type of information do you want to export?"));
  lblImportFile->setText(import_ ? QStringLiteral("Where is the import file located?")
                                 : QStringLiteral("Save the exported information as..."));
  lblEncoding->setVisible(!import_);
  cboEncoding->setVisible(!import_);
}

void TfrmConvert::cmdNextClick() {
  switch (flow_->Current()) {
    case pgStartup:
      flow_->GoTo(pgDetails);
      break;
    case pgDetails:
      flow_->GoTo(import_ ? pgFinish : btnEmployee->isChecked() ? pgFiles : pgAbsence);
      break;
    case pgAbsence:
      if (DatesAccepted()) flow_->GoTo(pgFiles);
      break;
    case pgFinish:
      flow_->GoTo(pgFiles);
      break;
    case pgFiles:
      if (!FileAccepted()) break;
      flow_->SetNext(import_ ? QStringLiteral("&Import") : QStringLiteral("&Export"), false);
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
  if (flow_->Current() == pgRun) flow_->SetNext(QStringLiteral("&Next"), true);
  flow_->Back();
}

void TfrmConvert::btnAllClick() {
  btnAll->setChecked(true);
  for (QWidget* w : std::initializer_list<QWidget*>{lblStartDate, lblEndDate, txtStartDate,
                                                    txtEndDate, cmdStartCalendar, cmdEndCalendar})
    w->setEnabled(false);
  txtStartDate->clear();
  txtEndDate->clear();
}

void TfrmConvert::btnSelectClick() {
  for (QWidget* w : std::initializer_list<QWidget*>{lblStartDate, lblEndDate, txtStartDate,
                                                    txtEndDate, cmdStartCalendar, cmdEndCalendar})
    w->setEnabled(true);
}

bool TfrmConvert::DatesAccepted() {
  if (btnAll->isChecked()) return true;
  const auto refuse = [](TDateEdit* box, const QString& text) {
    Inform(text);
    box->setFocus();
    return false;
  };
  if (txtStartDate->text().trimmed().isEmpty())
    return refuse(txtStartDate, QStringLiteral("Please enter a Start Date for the Absence entries "
                                               "you wish to export."));
  if (txtEndDate->text().trimmed().isEmpty())
    return refuse(txtEndDate, QStringLiteral("Please enter an End Date for the Absence entries you "
                                             "wish to export."));
  for (TDateEdit* box : {txtStartDate, txtEndDate})
    if (!box->ParseText()) return refuse(box, box->InvalidDateMessage());
  if (txtStartDate->Date() > txtEndDate->Date())
    return refuse(txtStartDate, QStringLiteral("The End Date can not be before the Start Date.  "
                                               "Please try again."));
  return true;
}

bool TfrmConvert::FileAccepted() {
  const QString name = txtImportFile->text();
  if (import_) {
    if (QFileInfo(name).isFile()) return true;
    Inform(
        QStringLiteral("The Data File you selected does not exist.  Please check your selection "
                       "and try again."));
    txtImportFile->setFocus();
    return false;
  }
  if (name.trimmed().isEmpty()) {
    Inform(QStringLiteral("Please select the location of your data file."));
    txtImportFile->setFocus();
    return false;
  }
  if (QFileInfo(name).absoluteDir().exists()) return true;
  return MessageBoxTitled(
             QStringLiteral("The directory does not exist.  Do you want to create it?"),
             TMsgKind::Confirmation, mbYes | mbNo) == mbYes;
}

TConvertChoice TfrmConvert::CurrentChoice() const {
  TConvertChoice c;
  c.Import = import_;
  c.Employees = btnEmployee->isChecked();
  c.Replace = btnReplace->isChecked();
  c.Selected = btnSelect->isChecked();
  c.StartText = txtStartDate->text();
  c.EndText = txtEndDate->text();
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
  const QFontMetrics fm(lblSummary->font());
  // The label's own measure of a line (bearings included), within its margins, so a shortened
  // name is never cut at the edge.
  const int room = lblSummary->contentsRect().width() - 2 * lblSummary->margin() - 2;
  const QString file = MinimizeName(
      txtImportFile->text(), [&fm](const QString& s) { return fm.boundingRect(s).width(); }, room);
  lblSummary->setText(SummaryText(c, file));
}

void TfrmConvert::spdEmpsClick() {
  TFileDialogCall call;
  call.Kind = import_ ? TFileDialogKind::Open : TFileDialogKind::Save;
  const bool employees = btnEmployee->isChecked();
  call.Title = QStringLiteral("%1 %2 File")
                   .arg(import_ ? QStringLiteral("Import") : QStringLiteral("Export"),
                        employees ? QStringLiteral("Employees") : QStringLiteral("Absence Taken"));
  call.Filter = QString::fromLatin1(kFileFilter);
  call.DefaultExt = QStringLiteral("txt");
  call.InitialName = txtImportFile->text();
  call.AskBeforeCreating = true;
  const std::optional<QString> chosen = PromptForFile(call);
  if (chosen && *chosen != QStringLiteral("*.txt")) txtImportFile->setText(*chosen);
}

}  // namespace absence::ui
