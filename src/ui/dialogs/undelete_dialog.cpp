#include "ui/dialogs/undelete_dialog.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QListView>
#include <QPainter>
#include <QPushButton>
#include <QStyledItemDelegate>
#include <QVBoxLayout>
#include <algorithm>

#include "data/settings.h"
#include "edit/changes.h"
#include "ui/common/app_state.h"
#include "ui/common/date_text.h"
#include "ui/common/dialog_buttons.h"
#include "ui/common/item_roles.h"
#include "ui/common/pictures.h"
#include "ui/common/scale.h"
#include "ui/session/data_session.h"

namespace absence::ui {
namespace {

constexpr int kVisibleItems = 6;

QString Caption(TUndeleteMode mode) {
  switch (mode) {
    case TUndeleteMode::Reasons:
      return TfrmUnDelete::tr("Restore Absence Reasons");
    case TUndeleteMode::Depts:
      return TfrmUnDelete::tr("Restore Departments");
    case TUndeleteMode::Emps:
      return TfrmUnDelete::tr("Restore Employees");
    case TUndeleteMode::Accruals:
      return TfrmUnDelete::tr("Restore Benefit Accruals");
    case TUndeleteMode::Entries:
      return TfrmUnDelete::tr("Restore Absence");
    case TUndeleteMode::Globals:
      return TfrmUnDelete::tr("Restore Global Absence");
  }
  return QString();
}

QString Hours(float hours) {
  return QString::fromStdString(FormatNumber(hours, HourFormatPattern(App().Settings.HourFormat)));
}

// Modes whose rows are a day, a reason and hours rather than a name.
bool Dated(TUndeleteMode mode) {
  return mode == TUndeleteMode::Accruals || mode == TUndeleteMode::Entries ||
         mode == TUndeleteMode::Globals;
}

// Draws a row's date, reason and hours in the columns of its mode.
class TDeletedItemDelegate : public QStyledItemDelegate {
 public:
  TDeletedItemDelegate(TUndeleteMode mode, QObject* parent)
      : QStyledItemDelegate(parent), mode_(mode) {}

  QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
    QSize s = QStyledItemDelegate::sizeHint(option, index);
    s.setHeight(std::max(Scale(15), option.fontMetrics.height() + 2));
    return s;
  }

  void paint(QPainter* p, const QStyleOptionViewItem& option,
             const QModelIndex& index) const override {
    const bool selected = option.state & QStyle::State_Selected;
    p->fillRect(option.rect, selected ? option.palette.highlight() : option.palette.base());
    p->setPen(selected ? option.palette.highlightedText().color() : option.palette.text().color());
    const QRect r = option.rect;
    auto text = [&](int left, int right, const QString& s, Qt::Alignment align = Qt::AlignLeft) {
      p->drawText(QRect(r.left() + left, r.top(), right - left, r.height()),
                  align | Qt::AlignVCenter, s);
    };
    const int width = r.width() - 2;
    if (!Dated(mode_)) {
      text(2, width, index.data(Qt::DisplayRole).toString());
      return;
    }
    const QString date = FormatDate(index.data(kTrashDateRole).value<TDate>(), App().DatePattern);
    const QString reason = index.data(kTrashReasonRole).toString();
    const QString hours = Hours(index.data(kTrashHoursRole).toFloat());
    // The date column is as wide as a date in the list's font, at least its design width.
    const int dateWidth = option.fontMetrics.horizontalAdvance(QStringLiteral("00/00/0000")) + 4;
    if (mode_ == TUndeleteMode::Accruals) {
      const int dateLeft = Scale(130);
      text(2, dateLeft - 2, reason);
      text(dateLeft, dateLeft + dateWidth, date);
      text(std::max(Scale(200), dateLeft + dateWidth + 2), width, hours, Qt::AlignRight);
      return;
    }
    const int reasonStart = std::max(Scale(70), dateWidth + 4);
    text(2, reasonStart - 2, date);
    int reasonLeft = reasonStart;
    if (index.data(kTrashGlobalRole).toBool()) {
      const QPixmap globe = ResourcePicture(QStringLiteral("Globe"), Scale(12));
      p->drawPixmap(r.left() + reasonLeft, r.bottom() - 1 - globe.height(), globe);
      reasonLeft += globe.width() + 1;
    }
    const int reasonEnd = reasonStart + Scale(125);
    text(reasonLeft, reasonEnd, reason);
    text(reasonEnd + 5, width, hours, Qt::AlignRight);
  }

 private:
  TUndeleteMode mode_;
};

}  // namespace

TTrashModel::TTrashModel(TDataSession& session, QObject* parent)
    : QAbstractListModel(parent), session_(session) {
  // Another window's change, an undo or a reload can trash or restore records while the list
  // is open.
  connect(&session_, &TDataSession::Changed, this, &TTrashModel::Refresh);
  connect(&session_, &TDataSession::Reloaded, this, &TTrashModel::Refresh);
}

bool TTrashModel::Show(TUndeleteMode mode, int32_t empID, const TAccrualList* accruals) {
  mode_ = mode;
  empID_ = empID;
  accruals_ = accruals;
  const bool ownList =
      mode == TUndeleteMode::Entries || (mode == TUndeleteMode::Accruals && accruals == nullptr);
  const bool found = !ownList || session_.Employee(empID) != nullptr;
  Refresh();
  return found;
}

void TTrashModel::Refresh() {
  beginResetModel();
  rows_ = Rows();
  endResetModel();
}

std::vector<TTrashModel::TRow> TTrashModel::Rows() const {
  const TDataSet& d = session_.Data();
  const TEmpRecClass* emp = session_.Employee(empID_);
  auto reason = [&](int32_t id) { return QString::fromStdString(ReasonText(d.ReasonList, id)); };
  std::vector<TRow> rows;
  auto entries = [&](const TEntryList& list) {
    for (int p : TrashedPositions(list)) {
      const TAbsenceRecClass& e = *list[static_cast<std::size_t>(p)];
      rows.push_back({p, 0, {}, e.EntryDate, reason(e.ReasonID), e.Hours, e.IsGlobal()});
    }
  };
  auto named = [&](const auto& list, auto name, auto id) {
    for (int p : TrashedPositions(list)) {
      const auto& r = *list[static_cast<std::size_t>(p)];
      rows.push_back({p, id(r), QString::fromStdString(name(r)), 0, {}, 0, false});
    }
  };
  switch (mode_) {
    case TUndeleteMode::Reasons:
      named(
          d.ReasonList, [](const auto& r) { return r.Description; },
          [](const auto& r) { return r.ReasonID; });
      break;
    case TUndeleteMode::Depts:
      named(
          d.DeptList, [](const auto& r) { return r.DeptName; },
          [](const auto& r) { return r.DeptID; });
      break;
    case TUndeleteMode::Emps:
      named(
          d.EmpList, [](const auto& r) { return r.FullName(); },
          [](const auto& r) { return r.EmpID; });
      break;
    case TUndeleteMode::Accruals: {
      const TAccrualList* list = accruals_ ? accruals_ : emp ? &emp->Accruals : nullptr;
      if (!list) break;
      for (int p : TrashedPositions(*list)) {
        const auto& a = *(*list)[static_cast<std::size_t>(p)];
        rows.push_back({p, 0, {}, a.AsOfDate, reason(a.ReasonID), a.Hours, false});
      }
      break;
    }
    case TUndeleteMode::Entries:
      if (emp) entries(emp->Entries);
      break;
    case TUndeleteMode::Globals:
      entries(d.GlobalList);
      break;
  }
  return rows;
}

int TTrashModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(rows_.size());
}

QString TTrashModel::Text(const TRow& row) const {
  if (!Dated(mode_)) return row.Name;
  const QString date = FormatDate(row.Date, App().DatePattern);
  // The order the columns are drawn in, for keyboard search and accessibility.
  QString text = mode_ == TUndeleteMode::Accruals ? row.Reason : date;
  text += u'\t';
  text += mode_ == TUndeleteMode::Accruals ? date : row.Reason;
  text += u'\t';
  text += Hours(row.Hours);
  return text;
}

QVariant TTrashModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || index.row() >= rowCount()) return {};
  const TRow& row = rows_[static_cast<std::size_t>(index.row())];
  switch (role) {
    case Qt::DisplayRole:
      return Text(row);
    case kTrashPositionRole:
      return row.Position;
    case kRecordIdRole:
      return Dated(mode_) ? QVariant() : QVariant(qint32{row.RecordID});
    case kTrashDateRole:
      return Dated(mode_) ? QVariant(row.Date) : QVariant();
    case kTrashReasonRole:
      return Dated(mode_) ? QVariant(row.Reason) : QVariant();
    case kTrashHoursRole:
      return Dated(mode_) ? QVariant(row.Hours) : QVariant();
    case kTrashGlobalRole:
      return row.Global;
    default:
      return {};
  }
}

TfrmUnDelete::TfrmUnDelete(TDataSession& session, QWidget* parent)
    : QDialog(parent), session_(session), model_(session) {
  setObjectName(QStringLiteral("frmUnDelete"));
  auto* label = new QLabel(tr("Select entry(s) to restore:"));
  deletedList_ = new QListView;
  deletedList_->setObjectName(QStringLiteral("lstDeleted"));
  deletedList_->setModel(&model_);
  deletedList_->setSelectionMode(QAbstractItemView::ExtendedSelection);
  deletedList_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  label->setBuddy(deletedList_);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  CreateButtons(this, buttons, kUnDeleteHelpContext);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(label);
  layout->addWidget(deletedList_);
  layout->addSpacing(Scale(12) - layout->spacing());
  layout->addLayout(buttons);
  layout->setSizeConstraint(QLayout::SetFixedSize);
  connect(OkButton(), &QPushButton::clicked, this, &TfrmUnDelete::cmdOKClick);
  SetMode(mode_);
}

void TfrmUnDelete::SetMode(TUndeleteMode mode) {
  mode_ = mode;
  setWindowTitle(Caption(mode));
  delete deletedList_->itemDelegate();
  deletedList_->setItemDelegate(new TDeletedItemDelegate(mode, deletedList_));
  const int itemHeight = std::max(Scale(15), deletedList_->fontMetrics().height() + 2);
  // Room for a date, a reason and the hours in the list's font.
  const int dateWidth = deletedList_->fontMetrics().horizontalAdvance(QStringLiteral("00/00/0000"));
  const int width = std::max(Scale(300), dateWidth * 2 + Scale(200));
  deletedList_->setFixedSize(width, itemHeight * kVisibleItems + 4);
}

bool TfrmUnDelete::SetSource(int32_t empID) {
  empID_ = empID;
  accruals_ = nullptr;
  return model_.Show(mode_, empID);
}

void TfrmUnDelete::SetAccrualSource(TAccrualList& accruals) {
  SetMode(TUndeleteMode::Accruals);
  accruals_ = &accruals;
  model_.Show(mode_, empID_, &accruals);
}

int TfrmUnDelete::Count() const {
  return model_.rowCount();
}

void TfrmUnDelete::hideEvent(QHideEvent* event) {
  cursor_.Hidden();
  QDialog::hideEvent(event);
}

void TfrmUnDelete::showEvent(QShowEvent* event) {
  cursor_.Shown();
  QDialog::showEvent(event);
  deletedList_->setFocus();
}

void TfrmUnDelete::cmdOKClick() {
  std::vector<int> positions;
  for (const QModelIndex& row : deletedList_->selectionModel()->selectedRows())
    positions.push_back(row.data(kTrashPositionRole).toInt());
  // The restore takes positions in list order, whatever order they were picked in.
  std::sort(positions.begin(), positions.end());
  if (!positions.empty()) RestorePositions(positions);
  accept();
}

void TfrmUnDelete::RestorePositions(const std::vector<int>& positions) {
  switch (mode_) {
    case TUndeleteMode::Reasons:
      session_.Submit(
          std::make_unique<edit::TRestoreRecords>(edit::TRecordKind::Reason, positions));
      break;
    case TUndeleteMode::Depts:
      session_.Submit(std::make_unique<edit::TRestoreRecords>(edit::TRecordKind::Dept, positions));
      break;
    case TUndeleteMode::Emps:
      session_.Submit(
          std::make_unique<edit::TRestoreRecords>(edit::TRecordKind::Employee, positions));
      break;
    case TUndeleteMode::Accruals:
      if (accruals_)
        RestoreAccruals(*accruals_, positions);
      else
        session_.Submit(std::make_unique<edit::TRestoreBalances>(empID_, positions));
      break;
    case TUndeleteMode::Entries:
      session_.Submit(std::make_unique<edit::TRestoreEntries>(empID_, positions));
      break;
    case TUndeleteMode::Globals:
      session_.Submit(std::make_unique<edit::TRestoreEntries>(edit::kGlobalList, positions));
      break;
  }
}

}  // namespace absence::ui
