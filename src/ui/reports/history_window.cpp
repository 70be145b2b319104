// The History window and its model.
#include "ui/reports/history_window.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>
#include <algorithm>
#include <map>
#include <utility>

#include "reports/history_list.h"
#include "ui/common/app_state.h"
#include "ui/common/date_edit.h"
#include "ui/common/dialog_buttons.h"
#include "ui/common/file_dialogs.h"
#include "ui/common/item_roles.h"
#include "ui/common/message_box.h"
#include "ui/common/pv_combo_box.h"
#include "ui/common/wait_cursor.h"
#include "ui/reports/list_print.h"
#include "ui/session/data_session.h"

namespace absence::ui {
namespace {

// The values column shows this many values of a change; the tip shows more, the printout and
// the CSV file all of them.
constexpr std::size_t kValuesShown = 6;
constexpr std::size_t kValuesInTip = 40;

QString Text(const std::string& s) {
  return QString::fromStdString(s);
}

// The kinds of change in the words the kind box shows.
QString KindWords(const std::string& kind) {
  namespace k = journal_kind;
  static const std::pair<const char*, const char*> kWords[] = {
      {k::kAddEntries, QT_TRANSLATE_NOOP("TfrmHistory", "Entries added")},
      {k::kEditEntries, QT_TRANSLATE_NOOP("TfrmHistory", "Entries changed")},
      {k::kTrashEntry, QT_TRANSLATE_NOOP("TfrmHistory", "Entry deleted")},
      {k::kRestoreEntries, QT_TRANSLATE_NOOP("TfrmHistory", "Entries restored")},
      {k::kAddEmployee, QT_TRANSLATE_NOOP("TfrmHistory", "Employee added")},
      {k::kEditEmployee, QT_TRANSLATE_NOOP("TfrmHistory", "Employee changed")},
      {k::kSetBalances, QT_TRANSLATE_NOOP("TfrmHistory", "Balances changed")},
      {k::kRestoreBalances, QT_TRANSLATE_NOOP("TfrmHistory", "Balances restored")},
      {k::kTrashRecords, QT_TRANSLATE_NOOP("TfrmHistory", "Records deleted")},
      {k::kRestoreRecords, QT_TRANSLATE_NOOP("TfrmHistory", "Records restored")},
      {k::kAddReason, QT_TRANSLATE_NOOP("TfrmHistory", "Reason added")},
      {k::kEditReason, QT_TRANSLATE_NOOP("TfrmHistory", "Reason changed")},
      {k::kSetRules, QT_TRANSLATE_NOOP("TfrmHistory", "Policy changed")},
      {k::kAddDept, QT_TRANSLATE_NOOP("TfrmHistory", "Department added")},
      {k::kEditDept, QT_TRANSLATE_NOOP("TfrmHistory", "Department changed")},
      {k::kImport, QT_TRANSLATE_NOOP("TfrmHistory", "Import")},
      {k::kRestore, QT_TRANSLATE_NOOP("TfrmHistory", "Restore from backup")},
      {k::kAbandon, QT_TRANSLATE_NOOP("TfrmHistory", "Changes abandoned")},
  };
  for (const auto& [code, words] : kWords)
    if (kind == code) return QCoreApplication::translate("TfrmHistory", words);
  return Text(kind);  // a kind a newer program wrote
}

// Names by identifier: the data set's own where it has the record, else the newest name the
// journal knows (a record removed since).
using TNames = std::map<int32_t, std::string>;

void FillBox(TPVComboBox* box, const QString& all, const TNames& names) {
  std::vector<std::pair<std::string, int32_t>> sorted;
  for (const auto& [id, name] : names) sorted.emplace_back(name, id);
  std::sort(sorted.begin(), sorted.end());
  box->AddItem(all, 0);
  for (const auto& [name, id] : sorted) box->AddItem(Text(name), id);
}

std::optional<int32_t> Chosen(const TPVComboBox* box) {
  const int32_t id = box->CurrentID();
  return id == 0 ? std::nullopt : std::optional<int32_t>(id);
}

}  // namespace

// ---------------------------------------------------------------------------------------------
THistoryModel::THistoryModel(QObject* parent)
    : QAbstractTableModel(parent), journal_(std::make_shared<TJournal>()) {}

void THistoryModel::SetJournal(std::shared_ptr<const TJournal> journal) {
  journal_ = std::move(journal);
  Select();
}

void THistoryModel::SetFilter(const TJournalFilter& filter) {
  filter_ = filter;
  Select();
}

void THistoryModel::SetDatePattern(const QString& pattern) {
  datePattern_ = pattern.toStdString();
  if (!shown_.empty()) emit dataChanged(index(0, kWhenColumn), index(rowCount() - 1, kWhenColumn));
}

void THistoryModel::Select() {
  beginResetModel();
  shown_ = SelectJournal(*journal_, filter_, TJournalOrder::NewestFirst);
  endResetModel();
}

int THistoryModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(shown_.size());
}

int THistoryModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : kColumnCount;
}

QVariant THistoryModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || index.row() >= rowCount()) return {};
  const std::size_t position = shown_[static_cast<std::size_t>(index.row())];
  const TJournalRecord& r = journal_->Records[position];
  if (role == kRecordIdRole) return QVariant::fromValue<qint64>(static_cast<qint64>(position));
  if (role == kSortValueRole && index.column() == kWhenColumn)
    return QVariant::fromValue<qint64>(r.Time);
  if (role == Qt::DisplayRole) {
    switch (index.column()) {
      case kWhenColumn:
        return Text(reports::HistoryWhen(r.Time, datePattern_));
      case kUserColumn:
        return Text(r.User);
      case kChangeColumn:
        return Text(r.Text);
      case kValuesColumn:
        return Text(reports::HistoryValuesText(r, kValuesShown));
      default:
        return {};
    }
  }
  if (role == Qt::ToolTipRole) {
    if (index.column() == kUserColumn) return Text(r.User + "@" + r.Host);
    if (index.column() == kValuesColumn && !r.Values.empty()) {
      QStringList lines;
      for (std::size_t i = 0; i < r.Values.size() && i < kValuesInTip; ++i)
        lines << Text(reports::HistoryValueText(r.Values[i]));
      if (r.Values.size() > kValuesInTip)
        lines << tr("and %1 more").arg(r.Values.size() - kValuesInTip);
      return lines.join(QLatin1Char('\n'));
    }
  }
  return {};
}

QVariant THistoryModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (orientation != Qt::Horizontal || role != Qt::DisplayRole) return {};
  switch (section) {
    case kWhenColumn:
      return tr("When");
    case kUserColumn:
      return tr("User");
    case kChangeColumn:
      return tr("Change");
    case kValuesColumn:
      return tr("Before \u2192 After");
    default:
      return {};
  }
}

// ---------------------------------------------------------------------------------------------
TfrmHistory::TfrmHistory(const TDataSession& session, int32_t empID, QWidget* parent)
    : QDialog(parent), session_(session) {
  setObjectName(QStringLiteral("frmHistory"));
  setWindowTitle(tr("History"));
  setSizeGripEnabled(true);

  cboEmployee_ = new TPVComboBox;
  cboEmployee_->setObjectName(QStringLiteral("cboEmployee"));
  cboReason_ = new TPVComboBox;
  cboReason_->setObjectName(QStringLiteral("cboReason"));
  cboDept_ = new TPVComboBox;
  cboDept_->setObjectName(QStringLiteral("cboDepartment"));
  cboKind_ = new QComboBox;
  cboKind_->setObjectName(QStringLiteral("cboKind"));
  txtFrom_ = new TDateEdit;
  txtFrom_->setObjectName(QStringLiteral("txtFrom"));
  txtTo_ = new TDateEdit;
  txtTo_->setObjectName(QStringLiteral("txtTo"));
  for (TDateEdit* box : {txtFrom_, txtTo_}) {
    box->SetDateFormat(App().DatePattern);
    box->SetValidateInput(true);
  }

  auto* filters = new QFormLayout;
  filters->addRow(tr("&Employee:"), cboEmployee_);
  filters->addRow(tr("&Reason:"), cboReason_);
  filters->addRow(tr("&Department:"), cboDept_);
  filters->addRow(tr("&Kind:"), cboKind_);
  auto* dates = new QHBoxLayout;
  dates->addWidget(txtFrom_);
  dates->addWidget(new QLabel(tr("to")));
  dates->addWidget(txtTo_);
  dates->addStretch();
  filters->addRow(tr("&Saved from:"), dates);

  model_ = new THistoryModel(this);
  model_->SetDatePattern(App().DatePattern);
  grdHistory_ = new QTableView;
  grdHistory_->setObjectName(QStringLiteral("grdHistory"));
  grdHistory_->setModel(model_);
  grdHistory_->setSelectionBehavior(QAbstractItemView::SelectRows);
  grdHistory_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  grdHistory_->setWordWrap(false);
  grdHistory_->verticalHeader()->hide();
  // Fixed row heights: the view never measures 100,000 rows.
  grdHistory_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  grdHistory_->horizontalHeader()->setStretchLastSection(true);
  const int em = fontMetrics().horizontalAdvance(QLatin1Char('M'));
  grdHistory_->setColumnWidth(THistoryModel::kWhenColumn, 11 * em);
  grdHistory_->setColumnWidth(THistoryModel::kUserColumn, 7 * em);
  grdHistory_->setColumnWidth(THistoryModel::kChangeColumn, 22 * em);

  lblCount_ = new QLabel;
  lblCount_->setObjectName(QStringLiteral("lblCount"));
  lblProblems_ = new QLabel;
  lblProblems_->setObjectName(QStringLiteral("lblProblems"));
  lblProblems_->setWordWrap(true);

  buttons_ = new QDialogButtonBox(QDialogButtonBox::Close);
  cmdPrint_ = buttons_->addButton(tr("&Print..."), QDialogButtonBox::ActionRole);
  cmdPrint_->setObjectName(QStringLiteral("cmdPrint"));
  cmdExport_ = buttons_->addButton(tr("E&xport..."), QDialogButtonBox::ActionRole);
  cmdExport_->setObjectName(QStringLiteral("cmdExport"));
  buttons_->button(QDialogButtonBox::Close)->setObjectName(QStringLiteral("cmdClose"));
  connect(buttons_, &QDialogButtonBox::rejected, this, &QDialog::reject);
  connect(cmdPrint_, &QPushButton::clicked, this, &TfrmHistory::PrintClick);
  connect(cmdExport_, &QPushButton::clicked, this, &TfrmHistory::ExportClick);

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(filters);
  layout->addWidget(lblProblems_);
  layout->addWidget(grdHistory_, 1);
  layout->addWidget(lblCount_);
  layout->addWidget(buttons_);
  resize(70 * em, 36 * em);

  {
    const TWaitCursor wait;
    const std::string path = JournalPath(session.Folder());
    auto journal = std::make_shared<TJournal>(ReadJournal(path));
    QStringList problems;
    for (const std::string& p : journal->Problems(path)) problems << Text(p);
    lblProblems_->setText(problems.join(QLatin1Char('\n')));
    lblProblems_->setVisible(!problems.isEmpty());
    model_->SetJournal(std::move(journal));
  }
  FillChoices(empID);
  ApplyFilter();

  for (QComboBox* box : {static_cast<QComboBox*>(cboEmployee_), static_cast<QComboBox*>(cboReason_),
                         static_cast<QComboBox*>(cboDept_), cboKind_})
    connect(box, &QComboBox::currentIndexChanged, this, &TfrmHistory::ApplyFilter);
  // A date counts when the box is left or Enter is pressed in it.
  connect(txtFrom_, &TDateEdit::Exit, this, [this] { DateBoxDone(txtFrom_, filter_.From); });
  connect(txtTo_, &TDateEdit::Exit, this, [this] { DateBoxDone(txtTo_, filter_.To); });
  txtFrom_->installEventFilter(this);
  txtTo_->installEventFilter(this);
}

bool TfrmHistory::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::KeyPress) {
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
      if (watched == txtFrom_) DateBoxDone(txtFrom_, filter_.From);
      if (watched == txtTo_) DateBoxDone(txtTo_, filter_.To);
    }
  }
  return QDialog::eventFilter(watched, event);
}

void TfrmHistory::FillChoices(int32_t empID) {
  TNames emps, reasons, depts;
  std::map<std::string, bool> kinds;
  for (const TJournalRecord& r : model_->Journal().Records) {
    kinds[r.Kind] = true;
    for (const TJournalRef& ref : r.Records) {
      // Later records carry the newer name.
      if (ref.Type == TJournalRefType::Employee) emps[ref.ID] = ref.Name;
      if (ref.Type == TJournalRefType::Reason) reasons[ref.ID] = ref.Name;
      if (ref.Type == TJournalRefType::Dept) depts[ref.ID] = ref.Name;
    }
  }
  const TDataSet& set = session_.Data();
  for (const auto& e : set.EmpList)
    if (!e->Deleted) emps[e->EmpID] = e->FullName();
  for (const auto& r : set.ReasonList)
    if (!r->Deleted) reasons[r->ReasonID] = r->Description;
  for (const auto& d : set.DeptList)
    if (!d->Deleted) depts[d->DeptID] = d->DeptName;
  if (const TEmpRecClass* e = empID ? session_.Employee(empID) : nullptr)
    emps[empID] = e->FullName();

  FillBox(cboEmployee_, tr("(all employees)"), emps);
  FillBox(cboReason_, tr("(all reasons)"), reasons);
  FillBox(cboDept_, tr("(all departments)"), depts);
  cboKind_->addItem(tr("(all kinds)"), QString());
  std::vector<std::pair<QString, std::string>> sortedKinds;
  for (const auto& [kind, seen] : kinds) sortedKinds.emplace_back(KindWords(kind), kind);
  std::sort(sortedKinds.begin(), sortedKinds.end());
  for (const auto& [words, kind] : sortedKinds) cboKind_->addItem(words, Text(kind));
  if (empID != 0) cboEmployee_->setCurrentIndex(std::max(0, cboEmployee_->IndexOfID(empID)));
}

void TfrmHistory::ApplyFilter() {
  filter_.EmpID = Chosen(cboEmployee_);
  filter_.ReasonID = Chosen(cboReason_);
  filter_.DeptID = Chosen(cboDept_);
  filter_.Kind = cboKind_->currentData().toString().toStdString();
  model_->SetFilter(filter_);
  UpdateCount();
}

void TfrmHistory::DateBoxDone(TDateEdit* box, TDate& end) {
  TDate date = 0;
  if (!box->text().trimmed().isEmpty()) {
    if (!box->ParseText()) return;  // the box says what is wrong
    date = box->Date();
  }
  if (date == end) return;
  end = date;
  ApplyFilter();
}

void TfrmHistory::UpdateCount() {
  const int shown = model_->rowCount();
  const auto all = static_cast<int>(model_->Journal().Records.size());
  const QString changes = all == 1 ? tr("1 change") : tr("%1 changes").arg(all);
  lblCount_->setText(shown == all ? changes : tr("%1 of %2").arg(shown).arg(changes));
  cmdPrint_->setEnabled(shown > 0 && !App().NoPrinter);
  cmdExport_->setEnabled(shown > 0);
}

QString TfrmHistory::FilterWords() const {
  QStringList words;
  const QComboBox* boxes[] = {cboEmployee_, cboReason_, cboDept_, cboKind_};
  for (const QComboBox* box : boxes)
    if (box->currentIndex() > 0) words << box->currentText();
  if (filter_.From != 0 || filter_.To != 0)
    words << tr("saved %1 to %2")
                 .arg(filter_.From != 0 ? txtFrom_->text() : tr("the start"),
                      filter_.To != 0 ? txtTo_->text() : tr("now"));
  return words.join(QStringLiteral(", "));
}

void TfrmHistory::PrintClick() {
  const std::string subtitle = FilterWords().toStdString();
  const TJournal& journal = model_->Journal();
  const std::vector<std::size_t>& shown = model_->Shown();
  PrintList(
      [&](const reports::TPrintoutSetup& setup) {
        return reports::PrintHistoryList(setup, journal, shown, subtitle);
      },
      tr("Change History"));
}

void TfrmHistory::ExportClick() {
  TFileDialogCall call;
  call.Kind = TFileDialogKind::Save;
  call.Title = tr("Export History");
  call.Filter = tr("CSV file (*.csv)|*.csv|Any file (*.*)|*.*");
  call.DefaultExt = QStringLiteral("csv");
  call.InitialName = QStringLiteral("history.csv");
  const std::optional<QString> file = PromptForFile(call);
  if (!file) return;
  try {
    const TWaitCursor wait;
    reports::WriteHistoryCsvFile(file->toStdString(), model_->Journal(), model_->Shown());
  } catch (const std::exception& e) {
    ShowErrorBox(Text(e.what()));
  }
}

void ShowHistory(const TDataSession& session, int32_t empID, QWidget* owner) {
  TfrmHistory window(session, empID, owner);
  RunDialog(window);
}

}  // namespace absence::ui
