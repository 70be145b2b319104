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
#include <algorithm>
#include <stdexcept>
#include <utility>

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
    {TReportKind::Absence,
     QT_TRANSLATE_NOOP("absence::ui::TfrmSelection", "Absence Taken Selection"), 2110, true, true,
     true, false, false},
    {TReportKind::Balances,
     QT_TRANSLATE_NOOP("absence::ui::TfrmSelection", "Absence Reason Balance Report Selection"),
     2130, true, false, false, true, false},
    {TReportKind::EmpInfo,
     QT_TRANSLATE_NOOP("absence::ui::TfrmSelection", "Employee Information Selection"), 2150, true,
     false, false, false, true},
    {TReportKind::Department,
     QT_TRANSLATE_NOOP("absence::ui::TfrmSelection", "Department Information Selection"), 2140,
     false, false, false, false, false},
    {TReportKind::Statement,
     QT_TRANSLATE_NOOP("absence::ui::TfrmSelection", "Employee Statement Selection"), 2160, true,
     false, true, false, false},
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
  b->setToolTip(TfrmSelection::tr("Show Calendar"));
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
  switch (display) {
    case TEmployeeDisplay::Current:
      return selected ? TfrmSelection::tr("Selected Current Employees")
                      : TfrmSelection::tr("Available Current Employees");
    case TEmployeeDisplay::Former:
      return selected ? TfrmSelection::tr("Selected Former Employees")
                      : TfrmSelection::tr("Available Former Employees");
    case TEmployeeDisplay::All:
      break;
  }
  return selected ? TfrmSelection::tr("Selected Employees")
                  : TfrmSelection::tr("Available Employees");
}

}  // namespace

QString SelectionCaption(TReportKind kind) {
  return TfrmSelection::tr(LayoutOf(kind).Caption);
}

int SelectionHelpContext(TReportKind kind) {
  return LayoutOf(kind).HelpContext;
}

TfrmSelection::TfrmSelection(const TDataSession& session, reports::TSelection& selection,
                             QWidget* parent)
    : QDialog(parent), session_(session), selection_(selection) {
  setObjectName(QStringLiteral("frmSelection"));
  setWindowTitle(tr("Choices Dialog"));
  auto* layout = new QVBoxLayout(this);
  layout->setSizeConstraint(QLayout::SetFixedSize);  // the height follows the groups shown
  CreateLists();
  CreateOptions();
  CreateButtons();
  UpdateButtons();
  for (auto changed :
       {&TDataSession::Reloaded, &TDataSession::EmployeeListChanged, &TDataSession::DeptsChanged})
    connect(&session_, changed, this, &TfrmSelection::RefreshChoices);
}

void TfrmSelection::CreateLists() {
  sourceLabel_ = Named(new QLabel(tr("Source List:")), "lblSource");
  sourceList_ = new TSelectionList("lstSource");
  destinationLabel_ = Named(new QLabel(tr("Destination List:")), "lblDestination");
  destinationList_ = new TSelectionList("lstDestination");
  sourceList_->SetPartner(destinationList_);
  destinationList_->SetPartner(sourceList_);
  for (TSelectionList* list : {sourceList_, destinationList_})
    list->setMinimumSize(list->fontMetrics().averageCharWidth() * 28,
                         list->fontMetrics().height() * 12);
  sourceLabel_->setBuddy(sourceList_);
  destinationLabel_->setBuddy(destinationList_);
  includeButton_ = MoveButton(">", "IncludeBtn");
  includeAllButton_ = MoveButton(">>", "IncAllBtn");
  excludeButton_ = MoveButton("<", "ExcludeBtn");
  excludeAllButton_ = MoveButton("<<", "ExAllBtn");

  auto* moves = new QVBoxLayout;
  moves->addStretch();
  for (QPushButton* b : {includeButton_, includeAllButton_, excludeButton_, excludeAllButton_})
    moves->addWidget(b);
  moves->addStretch();
  auto* grid = new QGridLayout;
  grid->addWidget(sourceLabel_, 0, 0);
  grid->addWidget(sourceList_, 1, 0);
  grid->addLayout(moves, 1, 1);
  grid->addWidget(destinationLabel_, 0, 2);
  grid->addWidget(destinationList_, 1, 2);
  static_cast<QVBoxLayout*>(layout())->addLayout(grid);

  connect(includeButton_, &QPushButton::clicked, this,
          [this] { Move(sourceList_, destinationList_, false); });
  connect(includeAllButton_, &QPushButton::clicked, this,
          [this] { Move(sourceList_, destinationList_, true); });
  connect(excludeButton_, &QPushButton::clicked, this,
          [this] { Move(destinationList_, sourceList_, false); });
  connect(excludeAllButton_, &QPushButton::clicked, this,
          [this] { Move(destinationList_, sourceList_, true); });
  connect(sourceList_, &QAbstractItemView::doubleClicked, this,
          [this] { Move(sourceList_, destinationList_, false); });
  connect(destinationList_, &QAbstractItemView::doubleClicked, this,
          [this] { Move(destinationList_, sourceList_, false); });
  connect(destinationList_, &TSelectionList::Dropped, this,
          [this] { Move(sourceList_, destinationList_, false); });
  connect(sourceList_, &TSelectionList::Dropped, this,
          [this] { Move(destinationList_, sourceList_, false); });
}

void TfrmSelection::CreateOptions() {
  selectFromGroup_ = Named(new QGroupBox(tr(" Select from ")), "pnlSelectFrom");
  employeesChoice_ = Named(new QRadioButton(tr("Employees")), "btnEmps");
  departmentsChoice_ = Named(new QRadioButton(tr("Departments")), "btnDepts");
  employeesChoice_->setChecked(true);
  auto* from = new QHBoxLayout(selectFromGroup_);
  from->addWidget(employeesChoice_);
  from->addWidget(departmentsChoice_);
  newPageBox_ = Named(new QCheckBox(tr("New page for each Employee")), "chkNewPage");
  newPageBox_->setChecked(true);

  reportTypeGroup_ = Named(new QGroupBox(tr(" Report Type ")), "pnlReportType");
  detailChoice_ = Named(new QRadioButton(tr("Detail")), "btnDetail");
  summaryChoice_ = Named(new QRadioButton(tr("Summary")), "btnSummary");
  detailChoice_->setChecked(true);
  auto* type = new QHBoxLayout(reportTypeGroup_);
  type->addWidget(detailChoice_);
  type->addWidget(summaryChoice_);

  datesGroup_ = Named(new QGroupBox, "pnlDates");
  startDateBox_ = DateBox("txtStartDate");
  startCalendarButton_ = CalendarButton("spdStartDate");
  endDateBox_ = DateBox("txtEndDate");
  endCalendarButton_ = CalendarButton("spdEndDate");
  auto* dates = new QGridLayout(datesGroup_);
  dates->addWidget(new QLabel(tr("Beginning on")), 0, 0);
  dates->addWidget(startDateBox_, 0, 1);
  dates->addWidget(startCalendarButton_, 0, 2);
  dates->addWidget(new QLabel(tr("Ending on")), 1, 0);
  dates->addWidget(endDateBox_, 1, 1);
  dates->addWidget(endCalendarButton_, 1, 2);
  dates->setColumnStretch(3, 1);

  asOfGroup_ = Named(new QGroupBox(tr(" Report Totals ")), "pnlAsOfDate");
  asOfDateBox_ = DateBox("txtAsOfDate");
  asOfDateBox_->SetRequiredField(true);  // the report needs a date to total up to
  asOfCalendarButton_ = CalendarButton("spdAsOfDate");
  includeAllReasonsBox_ = Named(new QCheckBox(tr("Include all Reasons")), "chkIncludeAll");
  auto* asOf = new QGridLayout(asOfGroup_);
  asOf->addWidget(new QLabel(tr("As of")), 0, 0);
  asOf->addWidget(asOfDateBox_, 0, 1);
  asOf->addWidget(asOfCalendarButton_, 0, 2);
  asOf->addWidget(includeAllReasonsBox_, 1, 0, 1, 3);
  asOf->setColumnStretch(3, 1);

  printGroup_ = Named(new QGroupBox(tr(" Print ")), "pnlEmpInfo");
  employeeInfoBox_ = Named(new QCheckBox(tr(" Employee Information")), "chkEmpInfo");
  accrualsBox_ = Named(new QCheckBox(tr(" Benefit Accrual Balances")), "chkEmpAccruals");
  employeeInfoBox_->setChecked(true);
  accrualsBox_->setChecked(true);
  auto* info = new QVBoxLayout(printGroup_);
  info->addWidget(employeeInfoBox_);
  info->addWidget(accrualsBox_);

  auto* options = new QGridLayout;
  options->addWidget(selectFromGroup_, 0, 0);
  options->addWidget(newPageBox_, 0, 1);
  options->addWidget(reportTypeGroup_, 1, 0);
  options->addWidget(datesGroup_, 1, 1);
  options->addWidget(asOfGroup_, 2, 0, 1, 2);
  options->addWidget(printGroup_, 3, 0, 1, 2);
  static_cast<QVBoxLayout*>(layout())->addLayout(options);
  for (QWidget* w : {static_cast<QWidget*>(reportTypeGroup_), static_cast<QWidget*>(datesGroup_),
                     static_cast<QWidget*>(asOfGroup_), static_cast<QWidget*>(printGroup_)})
    w->hide();

  connect(employeesChoice_, &QRadioButton::toggled, this, [this](bool on) {
    if (on) SelectFromClick();
  });
  connect(departmentsChoice_, &QRadioButton::toggled, this, [this](bool on) {
    if (on) SelectFromClick();
  });
  for (auto [box, button] :
       {std::pair{startDateBox_, startCalendarButton_}, std::pair{endDateBox_, endCalendarButton_},
        std::pair{asOfDateBox_, asOfCalendarButton_}}) {
    TDateEdit* b = box;
    connect(b, &TDateEdit::Exit, this, [this, b] { DateExit(b); });
    connect(button, &QToolButton::clicked, this, [b] { PickDateFor(*b); });
  }
}

void TfrmSelection::CreateButtons() {
  previewButton_ = Named(new QPushButton(tr("Preview")), "cmdPreview");
  printButton_ = Named(new QPushButton(tr("Print")), "cmdPrint");
  closeButton_ = Named(new QPushButton(tr("Close")), "cmdCancel");
  helpButton_ = Named(new QPushButton(tr("Help")), "cmdHelp");
  auto* row = new QHBoxLayout;
  row->addStretch();
  for (QPushButton* b : {previewButton_, printButton_, closeButton_, helpButton_}) {
    b->setAutoDefault(false);
    row->addWidget(b);
  }
  static_cast<QVBoxLayout*>(layout())->addLayout(row);
  connect(previewButton_, &QPushButton::clicked, this, [this] { cmdReportClick(true); });
  connect(printButton_, &QPushButton::clicked, this, [this] { cmdReportClick(false); });
  connect(closeButton_, &QPushButton::clicked, this, &QDialog::reject);
  connect(helpButton_, &QPushButton::clicked, this,
          [this] { ShowHelpContext(property(kHelpContextProperty).toInt()); });
}

void TfrmSelection::Configure(TReportKind kind) {
  const TKindLayout& k = LayoutOf(kind);
  kind_ = kind;
  selectFromGroup_->setVisible(k.SelectFrom);
  reportTypeGroup_->setVisible(k.ReportType);
  datesGroup_->setVisible(k.Dates);
  asOfGroup_->setVisible(k.AsOf);
  printGroup_->setVisible(k.EmpInfo);
  if (k.AsOf) asOfDateBox_->SetDate(Today());
  if (kind == TReportKind::Department) newPageBox_->setText(tr("New Page for each Department"));
  if (kind == TReportKind::Statement) {
    // Each statement is a page of its own; the period defaults to the last complete month.
    newPageBox_->setVisible(false);
    const TYMD today = DecodeDate(Today());
    const TDate first = EncodeDate(today.Year, today.Month, 1);
    startDateBox_->SetDate(AddMonths(-1, first));
    endDateBox_->SetDate(first - 1);
  }
  FillSource();
}

reports::TSelection TfrmSelection::Choices() const {
  const TDataSet& d = session_.Data();
  const bool departments = kind_ == TReportKind::Department || departmentsChoice_->isChecked();
  return departments ? reports::DepartmentChoices(d.DeptList)
                     : reports::EmployeeChoices(d.EmpList, App().Settings.EmployeeDisplay);
}

void TfrmSelection::FillSource() {
  destinationList_->Model().SetItems({});
  sourceList_->Model().SetItems(Choices());
  const bool departments = kind_ == TReportKind::Department || departmentsChoice_->isChecked();
  const TEmployeeDisplay display = App().Settings.EmployeeDisplay;
  if (departments) {
    sourceLabel_->setText(tr("Available Departments"));
    destinationLabel_->setText(tr("Selected Departments"));
  } else {
    sourceLabel_->setText(SourceCaption(display, false));
    destinationLabel_->setText(SourceCaption(display, true));
  }
  UpdateButtons();
}

void TfrmSelection::RefreshChoices() {
  reports::TSelection offered;
  reports::TSelection chosen;
  const reports::TSelection& wasChosen = destinationList_->Model().Items();
  for (const reports::TSelectionItem& item : Choices()) {
    const bool keep = std::any_of(wasChosen.begin(), wasChosen.end(),
                                  [&](const auto& c) { return c.ID == item.ID; });
    (keep ? chosen : offered).push_back(item);
  }
  sourceList_->Model().SetItems(std::move(offered));
  destinationList_->Model().SetItems(std::move(chosen));
  UpdateButtons();
}

void TfrmSelection::SelectFromClick() {
  newPageBox_->setText(departmentsChoice_->isChecked() ? tr("New page for each Department")
                                                       : tr("New page for each Employee"));
  FillSource();
}

void TfrmSelection::Move(TSelectionList* from, TSelectionList* to, bool all) {
  to->Model().AddItems(from->TakeItems(all));
  from->setFocus();
  UpdateButtons();
}

void TfrmSelection::UpdateButtons() {
  const bool source = sourceList_->Count() > 0;
  const bool chosen = destinationList_->Count() > 0;
  includeButton_->setEnabled(source);
  includeAllButton_->setEnabled(source);
  excludeButton_->setEnabled(chosen);
  excludeAllButton_->setEnabled(chosen);
  previewButton_->setEnabled(chosen);
  printButton_->setEnabled(chosen);
}

void TfrmSelection::DateExit(TDateEdit* box) {
  // Close closes the dialog even while a date is unfinished.
  box->SetValidateInput(QApplication::focusWidget() != closeButton_);
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
  if (startDateBox_->text().isEmpty())
    return Refuse(tr("Please enter a Beginning On date."), startDateBox_);
  if (!DateReadable(startDateBox_)) return false;
  if (endDateBox_->text().isEmpty())
    return Refuse(tr("Please enter an Ending On date."), endDateBox_);
  if (!DateReadable(endDateBox_)) return false;
  if (startDateBox_->Date() > endDateBox_->Date())
    return Refuse(tr("The Ending On date cannot be before the Beginning on date."), startDateBox_);
  return true;
}

reports::TReportOptions TfrmSelection::Options() const {
  reports::TReportOptions o;
  o.Kind = kind_;
  o.NewPagePerGroup = newPageBox_->isChecked() || kind_ == TReportKind::Statement;
  o.SelectFromEmployees = employeesChoice_->isChecked();
  o.StartDate = startDateBox_->Date();
  o.EndDate = endDateBox_->Date();
  o.Detail = detailChoice_->isChecked();
  o.ReportDate = asOfDateBox_->Date();
  o.IncludeAllReasons = includeAllReasonsBox_->isChecked();
  o.PrintEmpInfo = employeeInfoBox_->isChecked();
  o.PrintAccruals = accrualsBox_->isChecked();
  o.InformationList = true;
  return o;
}

void TfrmSelection::cmdReportClick(bool preview) {
  if ((kind_ == TReportKind::Absence || kind_ == TReportKind::Statement) && !DatesValid()) return;
  if (kind_ == TReportKind::Balances && !DateReadable(asOfDateBox_)) return;
  selection_ = destinationList_->Model().Items();
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
