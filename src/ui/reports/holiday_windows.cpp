// The holiday rules editor, "Add Holidays for Year..." and the iCalendar import.
#include "ui/reports/holiday_windows.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QFileInfo>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTableView>
#include <QVBoxLayout>
#include <algorithm>

#include "convert/convert_error.h"
#include "convert/ical/ical_import.h"
#include "data/types.h"
#include "dates/date_text.h"
#include "dates/dates.h"
#include "ui/common/app_state.h"
#include "ui/common/dialog_buttons.h"
#include "ui/common/file_dialogs.h"
#include "ui/common/help.h"
#include "ui/common/item_roles.h"
#include "ui/common/message_box.h"
#include "ui/reports/time_list.h"
#include "ui/session/data_session.h"

namespace absence::ui {
namespace {

enum TColumn { kDate, kName, kReason, kHours, kWhat, kColumns };

// The texts of the buttons and their boxes, which belong to no window class of their own.
QString Tr(const char* text) {
  return QCoreApplication::translate("absence::ui::HolidayButtons", text);
}

QString Q(const std::string& s) {
  return QString::fromStdString(s);
}

QDialogButtonBox* OkCancelHelp(QDialog* dialog, const QString& okText) {
  auto* box = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel |
                                   QDialogButtonBox::Help);
  box->button(QDialogButtonBox::Ok)->setObjectName(QStringLiteral("cmdOK"));
  box->button(QDialogButtonBox::Ok)->setText(okText);
  box->button(QDialogButtonBox::Cancel)->setObjectName(QStringLiteral("cmdCancel"));
  box->button(QDialogButtonBox::Help)->setObjectName(QStringLiteral("cmdHelp"));
  QObject::connect(box, &QDialogButtonBox::rejected, dialog, &QDialog::reject);
  QObject::connect(box, &QDialogButtonBox::helpRequested, dialog,
                   [] { ShowHelpContext(kGlobalAbsenceHelpContext); });
  return box;
}

QSpinBox* YearBox(const char* name, int year) {
  auto* box = new QSpinBox;
  box->setObjectName(QLatin1String(name));
  box->setRange(kFirstHolidayYear, kLastHolidayYear);
  box->setValue(std::clamp(year, kFirstHolidayYear, kLastHolidayYear));
  return box;
}

}  // namespace

// ---------------------------------------------------------------------------------------------
THolidayPlanModel::THolidayPlanModel(const TDataSession& session, QObject* parent)
    : QAbstractTableModel(parent), session_(session) {}

void THolidayPlanModel::SetPlan(THolidayPlan plan) {
  beginResetModel();
  plan_ = std::move(plan);
  endResetModel();
}

const THoliday& THolidayPlanModel::At(int row) const {
  const auto r = static_cast<std::size_t>(row);
  return r < plan_.Add.size() ? plan_.Add[r] : plan_.Skip[r - plan_.Add.size()];
}

int THolidayPlanModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(plan_.Add.size() + plan_.Skip.size());
}

int THolidayPlanModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : kColumns;
}

QVariant THolidayPlanModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || index.row() >= rowCount()) return {};
  const THoliday& h = At(index.row());
  const bool added = static_cast<std::size_t>(index.row()) < plan_.Add.size();
  if (role == kSortValueRole) {
    if (index.column() == kDate) return h.Date;
    if (index.column() == kHours) return h.Hours;
  }
  if (role == Qt::TextAlignmentRole && index.column() == kHours)
    return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
  if (role != Qt::DisplayRole) return {};
  switch (index.column()) {
    case kDate:
      return Q(FormatDate(h.Date, App().DatePattern.toStdString()));
    case kName:
      return Q(h.Name);
    case kReason:
      return Q(ReasonText(session_.Data().ReasonList, h.ReasonID));
    case kHours:
      return Q(FormatNumber(h.Hours, HourFormatPattern(App().Settings.HourFormat)));
    case kWhat:
      return added ? tr("Add") : tr("Already there");
    default:
      return {};
  }
}

QVariant THolidayPlanModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (orientation != Qt::Horizontal || role != Qt::DisplayRole) return {};
  switch (section) {
    case kDate:
      return tr("Date");
    case kName:
      return tr("Holiday");
    case kReason:
      return tr("Reason");
    case kHours:
      return tr("Hours");
    case kWhat:
      return tr("Action");
    default:
      return {};
  }
}

// ---------------------------------------------------------------------------------------------
TfrmHolidayRules::TfrmHolidayRules(const TDataSession& session, QWidget* parent)
    : QDialog(parent), folder_(session.Folder()) {
  setObjectName(QStringLiteral("frmHolidayRules"));
  setWindowTitle(tr("Holiday Rules"));
  auto* layout = new QVBoxLayout(this);
  std::optional<std::string> text;
  try {
    text = ReadHolidayRulesText(folder_);
  } catch (const EDataFileError& e) {
    // An unreadable file is shown as empty rules; OK writes the new ones in its place.
    MessageBoxTitled(Q(e.what()), TMsgKind::Warning, mbOK);
  }
  if (!text) {
    auto* row = new QHBoxLayout;
    auto* label = new QLabel(tr("Start from:"));
    cboStarter = new QComboBox;
    cboStarter->setObjectName(QStringLiteral("cboStarter"));
    label->setBuddy(cboStarter);
    for (const auto& set : StarterRuleSets()) cboStarter->addItem(Q(set.Name));
    cboStarter->addItem(tr("No rules"));
    row->addWidget(label);
    row->addWidget(cboStarter, 1);
    layout->addLayout(row);
  }
  txtRules = new QPlainTextEdit;
  txtRules->setObjectName(QStringLiteral("txtRules"));
  txtRules->setLineWrapMode(QPlainTextEdit::NoWrap);
  layout->addWidget(txtRules, 1);
  lblFormat = new QLabel(Q(HolidayRulesHelp()).remove(QStringLiteral("# ")).remove('#'));
  lblFormat->setObjectName(QStringLiteral("lblFormat"));
  lblFormat->setWordWrap(true);
  layout->addWidget(lblFormat);
  buttons = OkCancelHelp(this, tr("OK"));
  layout->addWidget(buttons);
  connect(buttons, &QDialogButtonBox::accepted, this, &TfrmHolidayRules::OKClick);
  if (text) {
    txtRules->setPlainText(Q(*text));
  } else {
    connect(cboStarter, &QComboBox::currentIndexChanged, this, &TfrmHolidayRules::StarterChange);
    StarterChange(0);
  }
  resize(560, 480);
}

void TfrmHolidayRules::StarterChange(int index) {
  const auto& sets = StarterRuleSets();
  std::string text = HolidayRulesHelp();
  if (index >= 0 && static_cast<std::size_t>(index) < sets.size())
    text += sets[static_cast<std::size_t>(index)].Text;
  txtRules->setPlainText(Q(text));
}

void TfrmHolidayRules::OKClick() {
  const std::string text = txtRules->toPlainText().toStdString();
  try {
    ParseHolidayRules(text);
  } catch (const EHolidayRulesError& e) {
    QString lines;
    for (const auto& line : e.Errors()) lines += Q(line) + '\r';
    MessageBoxWhole(tr("The holiday rules have faults; correct them before saving."),
                    TMsgKind::Error, mbOK, lines);
    return;
  }
  try {
    WriteHolidayRulesText(folder_, text);
  } catch (const EDataFileError& e) {
    ShowErrorBox(Q(e.what()));
    return;
  }
  accept();
}

// ---------------------------------------------------------------------------------------------
THolidayPreview::THolidayPreview(TDataSession& session, QWidget* parent)
    : QDialog(parent), session_(session) {}

void THolidayPreview::Build(QBoxLayout* top) {
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(top);
  auto* form = new QFormLayout;
  cboReason = new QComboBox;
  cboReason->setObjectName(QStringLiteral("cboReason"));
  for (const auto& r : session_.Data().ReasonList)
    if (r->Active && !r->Deleted) cboReason->addItem(Q(r->Description), r->ReasonID);
  form->addRow(tr("&Reason:"), cboReason);
  spnHours = new QDoubleSpinBox;
  spnHours->setObjectName(QStringLiteral("spnHours"));
  spnHours->setRange(0.25, 24);
  spnHours->setSingleStep(0.25);
  spnHours->setValue(App().Settings.DefaultHours > 0 ? App().Settings.DefaultHours : 8);
  form->addRow(tr("&Hours:"), spnHours);
  layout->addLayout(form);
  model_ = new THolidayPlanModel(session_, this);
  lstDays = new QTableView;
  lstDays->setObjectName(QStringLiteral("lstDays"));
  lstDays->setModel(model_);
  lstDays->setSelectionMode(QAbstractItemView::NoSelection);
  lstDays->verticalHeader()->hide();
  lstDays->horizontalHeader()->setStretchLastSection(true);
  layout->addWidget(lstDays, 1);
  lblSummary = new QLabel;
  lblSummary->setObjectName(QStringLiteral("lblSummary"));
  lblSummary->setWordWrap(true);
  layout->addWidget(lblSummary);
  buttons = OkCancelHelp(this, tr("Add"));
  layout->addWidget(buttons);
  connect(buttons, &QDialogButtonBox::accepted, this, &THolidayPreview::OKClick);
  connect(cboReason, &QComboBox::currentIndexChanged, this, &THolidayPreview::Replan);
  connect(spnHours, &QDoubleSpinBox::valueChanged, this, &THolidayPreview::Replan);
  // Another window's change (an undo, say) can add or take away the days skipped.
  connect(&session_, &TDataSession::Changed, this, &THolidayPreview::Replan);
  connect(&session_, &TDataSession::Reloaded, this, &THolidayPreview::Replan);
  resize(620, 440);
}

void THolidayPreview::Replan() {
  const int32_t reasonID = cboReason->currentData().toInt();
  try {
    THolidayPlan plan =
        PlanHolidays(session_.Data(), Days(reasonID, static_cast<float>(spnHours->value())));
    const auto added = static_cast<int>(plan.Add.size());
    const auto skipped = static_cast<int>(plan.Skip.size());
    lblSummary->setText(tr("%n day(s) to add", nullptr, added) + ", " +
                        tr("%n already there.", nullptr, skipped));
    model_->SetPlan(std::move(plan));
  } catch (const std::exception& e) {
    model_->SetPlan({});
    lblSummary->setText(Q(e.what()));
  }
  buttons->button(QDialogButtonBox::Ok)->setEnabled(!model_->Plan().Add.empty());
}

void THolidayPreview::OKClick() {
  Replan();
  if (model_->Plan().Add.empty()) return;
  if (session_.Submit(HolidayChange(model_->Plan(), What()))) accept();
}

// ---------------------------------------------------------------------------------------------
TfrmAddHolidays::TfrmAddHolidays(TDataSession& session, std::vector<THolidayRule> rules, int year,
                                 QWidget* parent)
    : THolidayPreview(session, parent), rules_(std::move(rules)) {
  setObjectName(QStringLiteral("frmAddHolidays"));
  setWindowTitle(tr("Add Holidays for Year"));
  auto* top = new QHBoxLayout;
  spnYear = YearBox("spnYear", year);
  auto* label = new QLabel(tr("&Year:"));
  label->setBuddy(spnYear);
  top->addWidget(label);
  top->addWidget(spnYear);
  top->addStretch();
  Build(top);
  connect(spnYear, &QSpinBox::valueChanged, this, &TfrmAddHolidays::Replan);
  Replan();
}

std::vector<THoliday> TfrmAddHolidays::Days(int32_t reasonID, float hours) const {
  return HolidaysOfYear(rules_, spnYear->value(), reasonID, hours);
}

std::string TfrmAddHolidays::What() const {
  return "holidays of " + std::to_string(spnYear->value());
}

// ---------------------------------------------------------------------------------------------
TfrmImportHolidays::TfrmImportHolidays(TDataSession& session, int year, QWidget* parent)
    : THolidayPreview(session, parent) {
  setObjectName(QStringLiteral("frmImportHolidays"));
  setWindowTitle(tr("Import Holidays"));
  auto* top = new QFormLayout;
  auto* fileRow = new QHBoxLayout;
  txtFile = new QLineEdit;
  txtFile->setObjectName(QStringLiteral("txtFile"));
  btnBrowse = new QPushButton(tr("&Browse..."));
  btnBrowse->setObjectName(QStringLiteral("btnBrowse"));
  fileRow->addWidget(txtFile, 1);
  fileRow->addWidget(btnBrowse);
  top->addRow(tr("&Calendar file:"), fileRow);
  auto* yearRow = new QHBoxLayout;
  spnFromYear = YearBox("spnFromYear", year);
  spnToYear = YearBox("spnToYear", year);
  yearRow->addWidget(spnFromYear);
  yearRow->addWidget(new QLabel(tr("to")));
  yearRow->addWidget(spnToYear);
  yearRow->addStretch();
  top->addRow(tr("&Years:"), yearRow);
  auto* wrap = new QVBoxLayout;
  wrap->addLayout(top);
  Build(wrap);
  connect(btnBrowse, &QPushButton::clicked, this, &TfrmImportHolidays::BrowseClick);
  connect(txtFile, &QLineEdit::editingFinished, this, &TfrmImportHolidays::Replan);
  connect(spnFromYear, &QSpinBox::valueChanged, this, &TfrmImportHolidays::Replan);
  connect(spnToYear, &QSpinBox::valueChanged, this, &TfrmImportHolidays::Replan);
  Replan();
}

std::vector<THoliday> TfrmImportHolidays::Days(int32_t reasonID, float hours) const {
  if (txtFile->text().isEmpty())
    throw std::runtime_error(tr("Choose a calendar file.").toStdString());
  if (spnFromYear->value() > spnToYear->value())
    throw std::runtime_error(tr("The first year is after the last.").toStdString());
  try {
    return ReadCalendarHolidays(txtFile->text().toStdString(), reasonID, hours,
                                {spnFromYear->value(), spnToYear->value()})
        .Days;
  } catch (const EConvertError& e) {
    throw std::runtime_error(e.what());
  }
}

std::string TfrmImportHolidays::What() const {
  return "holidays from " + QFileInfo(txtFile->text()).fileName().toStdString();
}

void TfrmImportHolidays::BrowseClick() {
  TFileDialogCall call;
  call.Kind = TFileDialogKind::Open;
  call.Title = tr("Import Holidays");
  call.Filter = tr("iCalendar files (*.ics)|*.ics|Any file (*.*)|*.*");
  call.DefaultExt = QStringLiteral("ics");
  if (const auto file = PromptForFile(call)) {
    txtFile->setText(*file);
    Replan();
  }
}

// ---------------------------------------------------------------------------------------------
void AddHolidayButtons(QWidget* owner, TDataSession& session, QBoxLayout* layout,
                       std::function<int()> year) {
  auto* row = new QHBoxLayout;
  auto* rules = new QPushButton(Tr("Holiday Rules..."));
  rules->setObjectName(QStringLiteral("btnHolidayRules"));
  auto* add = new QPushButton(Tr("Add Holidays for Year..."));
  add->setObjectName(QStringLiteral("btnAddHolidays"));
  auto* import = new QPushButton(Tr("Import Holidays..."));
  import->setObjectName(QStringLiteral("btnImportHolidays"));
  row->addWidget(rules);
  row->addWidget(add);
  row->addWidget(import);
  row->addStretch();
  layout->addLayout(row);
  QObject::connect(rules, &QPushButton::clicked, owner, [owner, &session] {
    TfrmHolidayRules dlg(session, owner);
    RunDialog(dlg);
  });
  QObject::connect(add, &QPushButton::clicked, owner, [owner, &session, year] {
    std::vector<THolidayRule> parsed;
    try {
      const auto text = ReadHolidayRulesText(session.Folder());
      if (!text) {
        MessageBoxTitled(Tr("There are no holiday rules yet. Make them with Holiday "
                            "Rules... first."),
                         TMsgKind::Information, mbOK);
        return;
      }
      parsed = ParseHolidayRules(*text);
    } catch (const std::exception& e) {
      MessageBoxWhole(Tr("The holiday rules cannot be used; correct them with Holiday "
                         "Rules..."),
                      TMsgKind::Error, mbOK, Q(e.what()).replace('\n', '\r'));
      return;
    }
    TfrmAddHolidays dlg(session, std::move(parsed), year(), owner);
    RunDialog(dlg);
  });
  QObject::connect(import, &QPushButton::clicked, owner, [owner, &session, year] {
    TfrmImportHolidays dlg(session, year(), owner);
    RunDialog(dlg);
  });
}

}  // namespace absence::ui
