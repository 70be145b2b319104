#include "ui/dialogs/undelete_dialog.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QStyledItemDelegate>
#include <QVBoxLayout>

#include "data/settings.h"
#include "edit/changes.h"
#include "ui/common/app_state.h"
#include "ui/common/date_text.h"
#include "ui/common/dialog_buttons.h"
#include "ui/common/pictures.h"
#include "ui/common/scale.h"
#include "ui/session/data_session.h"

namespace absence::ui {
namespace {

constexpr int kPositionRole = Qt::UserRole;
constexpr int kGlobalRole = Qt::UserRole + 1;
constexpr int kVisibleItems = 6;

QString Caption(TUndeleteMode mode) {
  switch (mode) {
    case TUndeleteMode::Reasons:
      return QStringLiteral("Restore Absence Reasons");
    case TUndeleteMode::Depts:
      return QStringLiteral("Restore Departments");
    case TUndeleteMode::Emps:
      return QStringLiteral("Restore Employees");
    case TUndeleteMode::Accruals:
      return QStringLiteral("Restore Benefit Accruals");
    case TUndeleteMode::Entries:
      return QStringLiteral("Restore Absence");
    case TUndeleteMode::Globals:
      return QStringLiteral("Restore Global Absence");
  }
  return QString();
}

QString Hours(float hours) {
  return QString::fromStdString(FormatNumber(hours, HourFormatPattern(App().Settings.HourFormat)));
}

// Draws an item's "|"-separated fields in the columns of its mode.
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
    const QStringList fields = index.data(Qt::DisplayRole).toString().split(u'|');
    const QRect r = option.rect;
    auto text = [&](int left, int right, const QString& s, Qt::Alignment align = Qt::AlignLeft) {
      p->drawText(QRect(r.left() + left, r.top(), right - left, r.height()),
                  align | Qt::AlignVCenter, s);
    };
    const int width = r.width() - 2;
    if (fields.size() < 3) {
      text(2, width, fields.value(0));
      return;
    }
    // The date column is as wide as a date in the list's font, at least its design width.
    const int dateWidth = option.fontMetrics.horizontalAdvance(QStringLiteral("00/00/0000")) + 4;
    if (mode_ == TUndeleteMode::Accruals) {
      const int dateLeft = Scale(130);
      text(2, dateLeft - 2, fields[0]);
      text(dateLeft, dateLeft + dateWidth, fields[1]);
      text(std::max(Scale(200), dateLeft + dateWidth + 2), width, fields[2], Qt::AlignRight);
      return;
    }
    const int reasonStart = std::max(Scale(70), dateWidth + 4);
    text(2, reasonStart - 2, fields[0]);
    int reasonLeft = reasonStart;
    if (index.data(kGlobalRole).toBool()) {
      const QPixmap globe = ResourcePicture(QStringLiteral("Globe"), Scale(12));
      p->drawPixmap(r.left() + reasonLeft, r.bottom() - 1 - globe.height(), globe);
      reasonLeft += globe.width() + 1;
    }
    const int reasonEnd = reasonStart + Scale(125);
    text(reasonLeft, reasonEnd, fields[1].mid(1));
    text(reasonEnd + 5, width, fields[2], Qt::AlignRight);
  }

 private:
  TUndeleteMode mode_;
};

}  // namespace

TfrmUnDelete::TfrmUnDelete(TDataSession& session, QWidget* parent)
    : QDialog(parent), session_(session) {
  setObjectName(QStringLiteral("frmUnDelete"));
  auto* label = new QLabel(QStringLiteral("Select entry(s) to restore:"));
  lstDeleted = new QListWidget;
  lstDeleted->setObjectName(QStringLiteral("lstDeleted"));
  lstDeleted->setSelectionMode(QAbstractItemView::ExtendedSelection);
  label->setBuddy(lstDeleted);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  CreateButtons(this, buttons, kUnDeleteHelpContext);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(label);
  layout->addWidget(lstDeleted);
  layout->addSpacing(Scale(12) - layout->spacing());
  layout->addLayout(buttons);
  layout->setSizeConstraint(QLayout::SetFixedSize);
  connect(cmdOK, &QPushButton::clicked, this, &TfrmUnDelete::cmdOKClick);
  SetMode(mode_);
}

void TfrmUnDelete::SetMode(TUndeleteMode mode) {
  mode_ = mode;
  setWindowTitle(Caption(mode));
  delete lstDeleted->itemDelegate();
  lstDeleted->setItemDelegate(new TDeletedItemDelegate(mode, lstDeleted));
  const int itemHeight = std::max(Scale(15), lstDeleted->fontMetrics().height() + 2);
  // Room for a date, a reason and the hours in the list's font.
  const int dateWidth = lstDeleted->fontMetrics().horizontalAdvance(QStringLiteral("00/00/0000"));
  const int width = std::max(Scale(300), dateWidth * 2 + Scale(200));
  lstDeleted->setFixedSize(width, itemHeight * kVisibleItems + 4);
}

bool TfrmUnDelete::SetSource(int32_t empID) {
  empID_ = empID;
  lstDeleted->clear();
  const TDataSet& d = session_.Data();
  const TEmpRecClass* emp = session_.Employee(empID);
  std::vector<int> positions;
  switch (mode_) {
    case TUndeleteMode::Reasons:
      positions = TrashedPositions(d.ReasonList);
      break;
    case TUndeleteMode::Depts:
      positions = TrashedPositions(d.DeptList);
      break;
    case TUndeleteMode::Emps:
      positions = TrashedPositions(d.EmpList);
      break;
    case TUndeleteMode::Accruals:
      if (!emp) return false;
      accruals_ = nullptr;
      shown_ = &emp->Accruals;
      for (int p : TrashedPositions(emp->Accruals)) {
        auto* item = new QListWidgetItem(ItemText(p), lstDeleted);
        item->setData(kPositionRole, p);
      }
      return true;
    case TUndeleteMode::Entries:
      if (!emp) return false;
      positions = TrashedPositions(emp->Entries);
      break;
    case TUndeleteMode::Globals:
      positions = TrashedPositions(d.GlobalList);
      break;
  }
  for (int p : positions) {
    auto* item = new QListWidgetItem(ItemText(p), lstDeleted);
    item->setData(kPositionRole, p);
    item->setData(kGlobalRole, item->text().section(u'|', 1, 1).startsWith(u'G'));
  }
  return true;
}

void TfrmUnDelete::SetAccrualSource(TAccrualList& accruals) {
  SetMode(TUndeleteMode::Accruals);
  accruals_ = &accruals;
  shown_ = &accruals;
  lstDeleted->clear();
  for (int p : TrashedPositions(accruals)) {
    auto* item = new QListWidgetItem(ItemText(p), lstDeleted);
    item->setData(kPositionRole, p);
  }
}

int TfrmUnDelete::Count() const {
  return lstDeleted->count();
}

QString TfrmUnDelete::ItemText(int position) const {
  const TDataSet& d = session_.Data();
  const auto at = static_cast<std::size_t>(position);
  const QString& pattern = App().DatePattern;
  auto reason = [&](int32_t id) { return QString::fromStdString(ReasonText(d.ReasonList, id)); };
  auto entryText = [&](const TAbsenceRecClass& e) {
    return FormatDate(e.EntryDate, pattern) + u'|' + QChar::fromLatin1(e.IsGlobal() ? 'G' : 'T') +
           reason(e.ReasonID) + u'|' + Hours(e.Hours);
  };
  switch (mode_) {
    case TUndeleteMode::Reasons:
      return QString::fromStdString(d.ReasonList[at]->Description);
    case TUndeleteMode::Depts:
      return QString::fromStdString(d.DeptList[at]->DeptName);
    case TUndeleteMode::Emps:
      return QString::fromStdString(d.EmpList[at]->FullName());
    case TUndeleteMode::Accruals: {
      const auto& a = *(*shown_)[at];
      return reason(a.ReasonID) + u'|' + FormatDate(a.AsOfDate, pattern) + u'|' + Hours(a.Hours);
    }
    case TUndeleteMode::Entries:
      return entryText(*session_.Employee(empID_)->Entries[at]);
    case TUndeleteMode::Globals:
      return entryText(*d.GlobalList[at]);
  }
  return QString();
}

void TfrmUnDelete::hideEvent(QHideEvent* event) {
  cursor_.Hidden();
  QDialog::hideEvent(event);
}

void TfrmUnDelete::showEvent(QShowEvent* event) {
  cursor_.Shown();
  QDialog::showEvent(event);
  lstDeleted->setFocus();
}

void TfrmUnDelete::cmdOKClick() {
  std::vector<int> positions;
  for (int row = 0; row < lstDeleted->count(); ++row)
    if (lstDeleted->item(row)->isSelected())
      positions.push_back(lstDeleted->item(row)->data(kPositionRole).toInt());
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
