#include "ui/main/calendar_grid.h"

#include <QHeaderView>

#include "ui/common/app_state.h"
#include "ui/common/date_text.h"

namespace absence::ui {
namespace {

constexpr int kCellRole = Qt::UserRole;

// Sunday = 0 ... Saturday = 6.
int DayOfWeek(TDate d) {
  return ToQDate(d).dayOfWeek() % 7;
}

}  // namespace

TCalendarGrid::TCalendarGrid(QWidget* parent) : QTableWidget(kRows, kColumns, parent) {
  setObjectName(QStringLiteral("grdCalendar"));
  horizontalHeader()->hide();
  verticalHeader()->hide();
  horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
  verticalHeader()->setSectionResizeMode(QHeaderView::Stretch);
  horizontalHeader()->setMinimumSectionSize(1);
  verticalHeader()->setMinimumSectionSize(1);
  setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  setEditTriggers(QAbstractItemView::NoEditTriggers);
  setSelectionMode(QAbstractItemView::NoSelection);
  setFocusPolicy(Qt::NoFocus);
  connect(this, &QTableWidget::cellClicked, this, &TCalendarGrid::grdCalendarClick);
}

void TCalendarGrid::ShowWeeks(TDate date) {
  const TDate start = date - DayOfWeek(date);
  for (int row = 0; row < kRows; ++row)
    for (int col = 0; col < kColumns; ++col)
      SetCell(col, row, DateCell(start + row * kColumns + col, App().DatePattern));
  setCurrentCell(0, DayOfWeek(date));
}

TDate TCalendarGrid::CellDate(int col, int row) const {
  const QTableWidgetItem* it = item(row, col);
  return it ? it->data(kCellRole).value<TCellContent>().Date : 0;
}

TDate TCalendarGrid::CurrentDate() const {
  return CellDate(std::max(0, currentColumn()), std::max(0, currentRow()));
}

TCellContent TCalendarGrid::Cell(int col, int row) const {
  const QTableWidgetItem* it = item(row, col);
  return it ? it->data(kCellRole).value<TCellContent>() : TCellContent{};
}

void TCalendarGrid::SetCell(int col, int row, const TCellContent& cell) {
  QTableWidgetItem* it = item(row, col);
  if (!it) {
    it = new QTableWidgetItem;
    it->setTextAlignment(Qt::AlignLeft | Qt::AlignTop);
    setItem(row, col, it);
  }
  it->setText(cell.Text);
  it->setData(kCellRole, QVariant::fromValue(cell));
}

void TCalendarGrid::ClearPicks() {
  for (TBlockPickClass& p : picks_) p.Picked = false;
  multiPick_ = false;
  viewport()->update();
}

void TCalendarGrid::grdCalendarClick() {
  if (!multiPick_) SetPicked(currentColumn(), currentRow(), true);
  emit DayClicked();
}

}  // namespace absence::ui
