// The selection dialog of the absence taken, balance, employee and department reports.
#include "ui/reports/selection_form.h"

#include <QApplication>
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>
#include <QVBoxLayout>
#include <stdexcept>

#include "dates/dates.h"
#include "reports/selection.h"
#include "ui/common/app_state.h"
#include "ui/common/clock.h"
#include "ui/common/date_edit.h"
#include "ui/common/dialog_buttons.h"
#include "ui/common/help.h"
#include "ui/common/help_key.h"
#include "ui/common/message_box.h"
#include "ui/common/pick_date.h"
#include "ui/common/pictures.h"
#include "ui/reports/ab_report.h"
#include "ui/reports/report_settings.h"
#include "ui/reports/selection_list.h"
#include "ui/session/data_session.h"

namespace absence::ui {
namespace {

using reports::TReportKind;

// What each kind shows; the caption and help context are the Report menu's.
struct TKindLayout {
  TReportKind Kind;
  const char* Caption;
  int HelpContext;
  bool SelectFrom;
  bool ReportType;
  bool Dates;
  bool AsOf;
  bool EmpInfo;
};

constexpr TKindLayout kKinds[] = {
    {TReportKind::Absence, "Absence Taken Selection", 2110, true, true, true, false, false},
    {TReportKind::Balances, "Absence Reason Balance Report Selection", 2130, true, false, false,
     true, false},
    {TReportKind::EmpInfo, "Employee Information Selection", 2150, true, false, false, false, true},
    {TReportKind::Department, "Department Information Selection", 2140, false, false, false, false,
     false},
    {TReportKind::Statement, "Employee Statement Selection", 2160, true, false, true, false, false},
};

const TKindLayout& LayoutOf(TReportKind kind) {
  for (const TKindLayout& k : kKinds)
    if (k.Kind == kind) return k;
  throw std::invalid_argument("no selection dialog for this report");
}

template <typename T>
T* Named(T* widget, const char* name) {
  widget->setObjectName(QString::fromLatin1(name));
  return widget;
}

QPushButton* MoveButton(const char* caption, const char* name) {
  auto* b = Named(new QPushButton(QString::fromLatin1(caption)), name);
  QFont bold = b->font();
  bold.setBold(true);
  b->setFont(bold);
  b->setAutoDefault(false);
  b->setFixedWidth(b->fontMetrics().horizontalAdvance(QStringLiteral("<<")) * 3);
  return b;
}

QToolButton* CalendarButton(const char* name) {
  auto* b = Named(new QToolButton, name);
  b->setIcon(ResourceIcon(QStringLiteral("Dates")));
  b->setToolTip(QStringLiteral("Show Calendar"));
  b->setFocusPolicy(Qt::NoFocus);
  return b;
}

TDateEdit* DateBox(const char* name) {
  auto* box = Named(new TDateEdit, name);
  box->SetDateFormat(App().DatePattern);
  box->setFixedWidth(box->fontMetrics().horizontalAdvance(QStringLiteral("00/00/00000")) + 12);
  return box;
}

QString SourceCaption(TEmployeeDisplay display, bool selected) {
  const QString head = selected ? QStringLiteral("Selected ") : QStringLiteral("Available ");
  switch (display) {
    case TEmployeeDisplay::Current:
      return head + QStringLiteral("Current Employees");
    case TEmployeeDisplay::Former:
      return head + QStringLiteral("Former Employees");
    case TEmployeeDisplay::All:
      break;
  }
  return head + QStringLiteral("Employees");
}

}  // namespace

QString SelectionCaption(TReportKind kind) {
  return QString::fromLatin1(LayoutOf(kind).Caption);
}

int SelectionHelpContext(TReportKind kind) {
  return LayoutOf(kind).HelpContext;
}

TfrmSelection::TfrmSelection(const TDataSession& session, reports::TSelection& selection,
                             QWidget* parent)
    : QDialog(parent), session_(session), selection_(selection) {
  setObjectName(QStringLiteral("frmSelection"));
  setWindowTitle(QStringLiteral("Choices Dialog"));
  auto* layout = new QVBoxLayout(this);
  layout->setSizeConstraint(QLayout::SetFixedSize);  // the height follows the groups shown
  CreateLists();
  CreateOptions();
  CreateButtons();
  UpdateButtons();
}

void TfrmSelection::CreateLists() {
  lblSource = Named(new QLabel(QStringLiteral("Source List:")), "lblSource");
  lstSource = new TSelectionList("lstSource");
  lblDestination = Named(new QLabel(QStringLiteral("Destination List:")), "lblDestination");
  lstDestination = new TSelectionList("lstDestination");
  lstSource->SetPartner(lstDestination);
  lstDestination->SetPartner(lstSource);
  for (TSelectionList* list : {lstSource, lstDestination})
    list->setMinimumSize(list->fontMetrics().averageCharWidth() * 28,
                         list->fontMetrics().height() * 12);
  lblSource->setBuddy(lstSource);
  lblDestination->setBuddy(lstDestination);
  IncludeBtn = MoveButton(">", "IncludeBtn");
  IncAllBtn = MoveButton(">>", "IncAllBtn");
  ExcludeBtn = MoveButton("<", "ExcludeBtn");
  ExAllBtn = MoveButton("<<", "ExAllBtn");

  auto* moves = new QVBoxLayout;
  moves->addStretch();
  for (QPushButton* b : {IncludeBtn, IncAllBtn, ExcludeBtn, ExAllBtn}) moves->addWidget(b);
  moves->addStretch();
  auto* grid = new QGridLayout;
  grid->addWidget(lblSource, 0, 0);
  grid->addWidget(lstSource, 1, 0);
  grid->addLayout(moves, 1, 1);
  grid->addWidget(lblDestination, 0, 2);
  grid->addWidget(lstDestination, 1, 2);
  static_cast<QVBoxLayout*>(layout())->addLayout(grid);

  connect(IncludeBtn, &QPushButton::clicked, this,
          [this] { Move(lstSource, lstDestination, false); });
  connect(IncAllBtn, &QPushButton::clicked, this,
          [this] { Move(lstSource, lstDestination, true); });
  connect(ExcludeBtn, &QPushButton::clicked, this,
          [this] { Move(lstDestination, lstSource, false); });
  connect(ExAllBtn, &QPushButton::clicked, this, [this] { Move(lstDestination, lstSource, true); });
  connect(lstSource, &QListWidget::itemDoubleClicked, this,
          [this] { Move(lstSource, lstDestination, false); });
  connect(lstDestination, &QListWidget::itemDoubleClicked, this,
          [this] { Move(lstDestination, lstSource, false); });
  connect(lstDestination, &TSelectionList::Dropped, this,
          [this] { Move(lstSource, lstDestination, false); });
  connect(lstSource, &TSelectionList::Dropped, this,
          [this] { Move(lstDestination, lstSource, false); });
}

void TfrmSelection::CreateOptions() {
  pnlSelectFrom = Named(new QGroupBox(QStringLiteral(" Select from ")), "pnlSelectFrom");
  btnEmps = Named(new QRadioButton(QStringLiteral("Employees")), "btnEmps");
  btnDepts = Named(new QRadioButton(QStringLiteral("Departments")), "btnDepts");
  btnEmps->setChecked(true);
  auto* from = new QHBoxLayout(pnlSelectFrom);
  from->addWidget(btnEmps);
  from->addWidget(btnDepts);
  chkNewPage = Named(new QCheckBox(QStringLiteral("New page for each Employee")), "chkNewPage");
  chkNewPage->setChecked(true);

  pnlReportType = Named(new QGroupBox(QStringLiteral(" Report Type ")), "pnlReportType");
  btnDetail = Named(new QRadioButton(QStringLiteral("Detail")), "btnDetail");
  btnSummary = Named(new QRadioButton(QStringLiteral("Summary")), "btnSummary");
  btnDetail->setChecked(true);
  auto* type = new QHBoxLayout(pnlReportType);
  type->addWidget(btnDetail);
  type->addWidget(btnSummary);

  pnlDates = Named(new QGroupBox, "pnlDates");
  txtStartDate = DateBox("txtStartDate");
  spdStartDate = CalendarButton("spdStartDate");
  txtEndDate = DateBox("txtEndDate");
  spdEndDate = CalendarButton("spdEndDate");
  auto* dates = new QGridLayout(pnlDates);
  dates->addWidget(new QLabel(QStringLiteral("Beginning on")), 0, 0);
  dates->addWidget(txtStartDate, 0, 1);
  dates->addWidget(spdStartDate, 0, 2);
  dates->addWidget(new QLabel(QStringLiteral("Ending on")), 1, 0);
  dates->addWidget(txtEndDate, 1, 1);
  dates->addWidget(spdEndDate, 1, 2);
  dates->setColumnStretch(3, 1);

  pnlAsOfDate = Named(new QGroupBox(QStringLiteral(" Report Totals ")), "pnlAsOfDate");
  txtAsOfDate = DateBox("txtAsOfDate");
  txtAsOfDate->SetRequiredField(true);  // the report needs a date to total up to
  spdAsOfDate = CalendarButton("spdAsOfDate");
  chkIncludeAll = Named(new QCheckBox(QStringLiteral("Include all Reasons")), "chkIncludeAll");
  auto* asOf = new QGridLayout(pnlAsOfDate);
  asOf->addWidget(new QLabel(QStringLiteral("As of")), 0, 0);
  asOf->addWidget(txtAsOfDate, 0, 1);
  asOf->addWidget(spdAsOfDate, 0, 2);
  asOf->addWidget(chkIncludeAll, 1, 0, 1, 3);
  asOf->setColumnStretch(3, 1);

  pnlEmpInfo = Named(new QGroupBox(QStringLiteral(" Print ")), "pnlEmpInfo");
  chkEmpInfo = Named(new QCheckBox(QStringLiteral(" Employee Information")), "chkEmpInfo");
  chkEmpAccruals =
      Named(new QCheckBox(QStringLiteral(" Benefit Accrual Balances")), "chkEmpAccruals");
  chkEmpInfo->setChecked(true);
  chkEmpAccruals->setChecked(true);
  auto* info = new QVBoxLayout(pnlEmpInfo);
  info->addWidget(chkEmpInfo);
  info->addWidget(chkEmpAccruals);

  auto* options = new QGridLayout;
  options->addWidget(pnlSelectFrom, 0, 0);
  options->addWidget(chkNewPage, 0, 1);
  options->addWidget(pnlReportType, 1, 0);
  options->addWidget(pnlDates, 1, 1);
  options->addWidget(pnlAsOfDate, 2, 0, 1, 2);
  options->addWidget(pnlEmpInfo, 3, 0, 1, 2);
  static_cast<QVBoxLayout*>(layout())->addLayout(options);
  for (QWidget* w : {static_cast<QWidget*>(pnlReportType), static_cast<QWidget*>(pnlDates),
                     static_cast<QWidget*>(pnlAsOfDate), static_cast<QWidget*>(pnlEmpInfo)})
    w->hide();

  connect(btnEmps, &QRadioButton::toggled, this, [this](bool on) {
    if (on) SelectFromClick();
  });
  connect(btnDepts, &QRadioButton::toggled, this, [this](bool on) {
    if (on) SelectFromClick();
  });
  for (auto [box, button] :
       {std::pair{txtStartDate, spdStartDate}, std::pair{txtEndDate, spdEndDate},
        std::pair{txtAsOfDate, spdAsOfDate}}) {
    TDateEdit* b = box;
    connect(b, &TDateEdit::Exit, this, [this, b] { DateExit(b); });
    connect(button, &QToolButton::clicked, this, [b] { PickDateFor(*b); });
  }
}

void TfrmSelection::CreateButtons() {
  cmdPreview = Named(new QPushButton(QStringLiteral("Preview")), "cmdPreview");
  cmdPrint = Named(new QPushButton(QStringLiteral("Print")), "cmdPrint");
  cmdCancel = Named(new QPushButton(QStringLiteral("Close")), "cmdCancel");
  cmdHelp = Named(new QPushButton(QStringLiteral("Help")), "cmdHelp");
  auto* row = new QHBoxLayout;
  row->addStretch();
  for (QPushButton* b : {cmdPreview, cmdPrint, cmdCancel, cmdHelp}) {
    b->setAutoDefault(false);
    row->addWidget(b);
  }
  static_cast<QVBoxLayout*>(layout())->addLayout(row);
  connect(cmdPreview, &QPushButton::clicked, this, [this] { cmdReportClick(true); });
  connect(cmdPrint, &QPushButton::clicked, this, [this] { cmdReportClick(false); });
  connect(cmdCancel, &QPushButton::clicked, this, &QDialog::reject);
  connect(cmdHelp, &QPushButton::clicked, this,
          [this] { ShowHelpContext(property(kHelpContextProperty).toInt()); });
}

void TfrmSelection::Configure(TReportKind kind) {
  const TKindLayout& k = LayoutOf(kind);
  kind_ = kind;
  pnlSelectFrom->setVisible(k.SelectFrom);
  pnlReportType->setVisible(k.ReportType);
  pnlDates->setVisible(k.Dates);
  pnlAsOfDate->setVisible(k.AsOf);
  pnlEmpInfo->setVisible(k.EmpInfo);
  if (k.AsOf) txtAsOfDate->SetDate(Today());
  if (kind == TReportKind::Department)
    chkNewPage->setText(QStringLiteral("New Page for each Department"));
  if (kind == TReportKind::Statement) {
    // Each statement is a page of its own; the period defaults to the last complete month.
    chkNewPage->setVisible(false);
    const TYMD today = DecodeDate(Today());
    const TDate first = EncodeDate(today.Year, today.Month, 1);
    txtStartDate->SetDate(AddMonths(-1, first));
    txtEndDate->SetDate(first - 1);
  }
  FillSource();
}

void TfrmSelection::FillSource() {
  lstSource->clear();
  lstDestination->clear();
  const TDataSet& d = session_.Data();
  const bool departments = kind_ == TReportKind::Department || btnDepts->isChecked();
  const TEmployeeDisplay display = App().Settings.EmployeeDisplay;
  const reports::TSelection choices = departments ? reports::DepartmentChoices(d.DeptList)
                                                  : reports::EmployeeChoices(d.EmpList, display);
  for (const reports::TSelectionItem& item : choices) lstSource->AddItem(item);
  if (departments) {
    lblSource->setText(QStringLiteral("Available Departments"));
    lblDestination->setText(QStringLiteral("Selected Departments"));
  } else {
    lblSource->setText(SourceCaption(display, false));
    lblDestination->setText(SourceCaption(display, true));
  }
  UpdateButtons();
}

void TfrmSelection::SelectFromClick() {
  chkNewPage->setText(btnDepts->isChecked() ? QStringLiteral("New page for each Department")
                                            : QStringLiteral("New page for each Employee"));
  FillSource();
}

void TfrmSelection::Move(TSelectionList* from, TSelectionList* to, bool all) {
  for (const reports::TSelectionItem& item : from->TakeItems(all)) to->AddItem(item);
  from->setFocus();
  UpdateButtons();
}

void TfrmSelection::UpdateButtons() {
  const bool source = lstSource->count() > 0;
  const bool chosen = lstDestination->count() > 0;
  IncludeBtn->setEnabled(source);
  IncAllBtn->setEnabled(source);
  ExcludeBtn->setEnabled(chosen);
  ExAllBtn->setEnabled(chosen);
  cmdPreview->setEnabled(chosen);
  cmdPrint->setEnabled(chosen);
}

void TfrmSelection::DateExit(TDateEdit* box) {
  // Close closes the dialog even while a date is unfinished.
  box->SetValidateInput(QApplication::focusWidget() != cmdCancel);
}

namespace {

// A typed date that does not parse is reported once: leaving the box already told the user
// and put the focus back, so a box holding the focus stays silent here.
bool DateReadable(TDateEdit* box) {
  box->SetValidateInput(true);
  if (box->ParseText()) return true;
  if (!box->hasFocus()) box->Validate();
  return false;
}

bool Refuse(const QString& message, TDateEdit* focus) {
  MessageBoxTitled(message, TMsgKind::Information, mbOK);
  focus->setFocus(Qt::OtherFocusReason);
  return false;
}

}  // namespace

bool TfrmSelection::DatesValid() {
  if (txtStartDate->text().isEmpty())
    return Refuse(QStringLiteral("Please enter a Beginning On date."), txtStartDate);
  if (!DateReadable(txtStartDate)) return false;
  if (txtEndDate->text().isEmpty())
    return Refuse(QStringLiteral("Please enter an Ending On date."), txtEndDate);
  if (!DateReadable(txtEndDate)) return false;
  if (txtStartDate->Date() > txtEndDate->Date())
    return Refuse(QStringLiteral("The Ending On date cannot be before the Beginning on date."),
                  txtStartDate);
  return true;
}

reports::TReportOptions TfrmSelection::Options() const {
  reports::TReportOptions o;
  o.Kind = kind_;
  o.NewPagePerGroup = chkNewPage->isChecked() || kind_ == TReportKind::Statement;
  o.SelectFromEmployees = btnEmps->isChecked();
  o.StartDate = txtStartDate->Date();
  o.EndDate = txtEndDate->Date();
  o.Detail = btnDetail->isChecked();
  o.ReportDate = txtAsOfDate->Date();
  o.IncludeAllReasons = chkIncludeAll->isChecked();
  o.PrintEmpInfo = chkEmpInfo->isChecked();
  o.PrintAccruals = chkEmpAccruals->isChecked();
  o.InformationList = true;
  return o;
}

void TfrmSelection::cmdReportClick(bool preview) {
  if ((kind_ == TReportKind::Absence || kind_ == TReportKind::Statement) && !DatesValid()) return;
  if (kind_ == TReportKind::Balances && !DateReadable(txtAsOfDate)) return;
  selection_ = lstDestination->Items();
  TfrmABReport report(session_.Data(), Options(), selection_, ProgramReportSettings(),
                      App().PrinterName, this);
  if (preview)
    report.Preview();
  else
    report.Print();
}

void RunReportSelection(const TDataSession& session, TReportKind kind, QWidget* owner) {
  reports::TSelection selection;
  TfrmSelection dialog(session, selection, owner);
  dialog.setWindowTitle(SelectionCaption(kind));
  SetHelpContext(&dialog, SelectionHelpContext(kind));
  dialog.Configure(kind);
  RunDialog(dialog);
}

}  // namespace absence::ui
