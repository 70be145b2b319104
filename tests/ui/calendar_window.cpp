#include "calendar_window.h"

#include <QComboBox>
#include <QDrag>
#include <QLabel>
#include <QTimer>

#include "support.h"
#include "ui/common/calendar_drag.h"
#include "ui/common/item_roles.h"
#include "ui/session/data_session.h"

namespace absence::ui::test {

void SaveSampleData(const std::string& folder, int extraReasons) {
  TDataSet data;
  for (int i = 0; i < extraReasons; ++i)
    AddReason(data.ReasonList, "Other " + std::to_string(i), true, false, TBasis::None,
              TValidate::None);
  AddReason(data.ReasonList, "Vacation", true, false, TBasis::None, TValidate::None);
  AddReason(data.ReasonList, "Holiday", true, false, TBasis::None, TValidate::None);
  AddReason(data.ReasonList, "Sick", true, false, TBasis::None, TValidate::None);
  AddEmp(data.EmpList, "Smith", "Ann", "", kToday - 3652, 0, 0, 'F');
  AddEmp(data.EmpList, "Jones", "Bob", "", kToday + 1, kToday + 20, 0, 'F');
  AddEmp(data.EmpList, "Brown", "Cy", "", kToday - 900, 0, 0, 'F');
  const int32_t vacation = data.ReasonList[FindReason(data.ReasonList, 0, "Vacation")]->ReasonID;
  const int32_t holiday = data.ReasonList[FindReason(data.ReasonList, 0, "Holiday")]->ReasonID;
  TEmpRecClass& smith = *data.EmpList[FindEmp(data.EmpList, 0, "Smith, Ann")];
  AddEntry(smith.Entries, data.EmpList, data.ReasonList, vacation, kToday, 8, TEntryKind::Own);
  SetAccrual(smith.Accruals, vacation, 80, kToday - 300);
  AddEntry(data.GlobalList, data.EmpList, data.ReasonList, holiday, kToday + 2, 8,
           TEntryKind::Global);
  SaveDataSet(data, folder, false);
}

TCalendarWindow::TCalendarWindow() : w(std::make_unique<TfrmMain>(10)) {
  w->resize(1000, 700);
  w->show();
  QTimer* timer = Find<QTimer>(w.get(), "Timer1");
  loaded = QTest::qWaitFor([&] { return !timer->isActive() && w->isEnabled(); }, 5000);
  grid = Find<QTableWidget>(w.get(), "grdCalendar");
}

TCalendarWindow::~TCalendarWindow() {
  SetDragHook(nullptr);
  w->close();
}

bool TCalendarWindow::Choose(const char* name) {
  return ChooseByKeys(Find<QComboBox>(w.get(), "cboEmpBox"), name);
}

TEmpRecClass& TCalendarWindow::Emp(const char* name) {
  TDataSet& data = absence::ui::test::TestData(w->Session());
  return *data.EmpList[FindEmp(data.EmpList, 0, name)];
}

int32_t TCalendarWindow::ReasonID(const char* name) {
  const TReasonList& reasons = absence::ui::test::TestData(w->Session()).ReasonList;
  return reasons[FindReason(reasons, 0, name)]->ReasonID;
}

QPoint TCalendarWindow::Center(int col, int row) const {
  return grid->visualItemRect(grid->item(row, col)).center();
}

void TCalendarWindow::Click(int col, int row, Qt::KeyboardModifiers modifiers) {
  QTest::mouseClick(grid->viewport(), Qt::LeftButton, modifiers, Center(col, row));
}

// As a person double-clicks: the press and release of the first click, then the second.
void TCalendarWindow::DoubleClick(int col, int row, Qt::KeyboardModifiers modifiers) {
  Click(col, row, modifiers);
  QTest::mouseDClick(grid->viewport(), Qt::LeftButton, modifiers, Center(col, row));
}

void TCalendarWindow::DropDragsOn(QWidget* target, QPoint at) {
  SetDragHook([this, target, at](QDrag& drag) {
    ++drags;
    accepted = DeliverDrop(target, at, drag.mimeData());
    return accepted ? Qt::CopyAction : Qt::IgnoreAction;
  });
}

void TCalendarWindow::DropDragsOn(int col, int row) {
  DropDragsOn(grid->viewport(), Center(col, row));
}

bool TCalendarWindow::DragReason(const char* reason, int col, int row) {
  auto* box = Find<QComboBox>(w.get(), "cboReasonBox");
  box->setCurrentIndex(box->findText(reason));
  DropDragsOn(col, row);
  accepted = false;
  const QPoint p = box->rect().center();
  DragWithMouse(box, p, p + QPoint(30, 10));
  return accepted;
}

bool TCalendarWindow::DragFromDay(int fromCol, int fromRow) {
  accepted = false;
  const QPoint p = Center(fromCol, fromRow);
  DragWithMouse(grid->viewport(), p, p + QPoint(20, 0));
  return accepted;
}

bool TCalendarWindow::DragEntry(int fromCol, int fromRow, int col, int row) {
  DropDragsOn(col, row);
  return DragFromDay(fromCol, fromRow);
}

bool TCalendarWindow::DragEntryToTrash(int fromCol, int fromRow) {
  auto* trash = Find<QLabel>(w.get(), "imgTrash");
  DropDragsOn(trash, trash->rect().center());
  return DragFromDay(fromCol, fromRow);
}

QString TCalendarWindow::Balance(const char* reason, int column) const {
  if (column < 2) return BalanceShown(reason, column);
  const QVariant figure = BalanceCell(reason, column).data(kSortValueRole);
  return figure.isValid() ? QString::number(figure.toDouble(), 'f', 2) : QString();
}

QString TCalendarWindow::BalanceShown(const char* reason, int column) const {
  const QModelIndex cell = BalanceCell(reason, column);
  return cell.isValid() ? cell.data().toString() : QString("<no row>");
}

QModelIndex TCalendarWindow::BalanceCell(const char* reason, int column) const {
  const QAbstractItemModel* balances = Find<QTableView>(w.get(), "grdBalances")->model();
  for (int r = 0; r < balances->rowCount(); ++r)
    if (balances->index(r, 0).data().toString() == reason) return balances->index(r, column);
  return {};
}

std::vector<TDate> OwnEntryDates(const TEmpRecClass& emp, int32_t reasonID, float* hours) {
  std::vector<TDate> dates;
  for (const auto& e : emp.Entries)
    if (e->IsLive() && !e->IsGlobal() && e->ReasonID == reasonID) {
      dates.push_back(e->EntryDate);
      if (hours) *hours = e->Hours;
    }
  return dates;
}

}  // namespace absence::ui::test
