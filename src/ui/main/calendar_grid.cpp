#include "ui/main/calendar_grid.h"

#include <QApplication>
#include <QDrag>
#include <QHeaderView>
#include <QMouseEvent>

#include "ui/common/app_state.h"
#include "ui/common/calendar_drag.h"
#include "ui/common/date_text.h"
#include "ui/main/calendar_painter.h"

namespace absence::ui {
namespace {

constexpr int kCellRole = Qt::UserRole;

// Sunday = 0 ... Saturday = 6.
int DayOfWeek(TDate d) {
  return ToQDate(d).dayOfWeek() % 7;
}

// Reading order of a cell: row by row.
int ReadingIndex(int col, int row) {
  return row * 10 + col;
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
  setShowGrid(false);
  setAcceptDrops(true);
  setDragDropMode(QAbstractItemView::DropOnly);
  setItemDelegate(new TCalendarCellDelegate(this));
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

QPoint TCalendarGrid::CellAt(QPoint pos) const {
  const QPoint p(std::max(0, pos.x()), std::max(0, pos.y()));
  const int col = columnAt(p.x());
  const int row = rowAt(p.y());
  return QPoint(col < 0 ? kColumns - 1 : col, row < 0 ? kRows - 1 : row);
}

// grdCalendarMouseDown: Shift picks a range in reading order from the current cell, Ctrl
// toggles one cell; any other press clears the picks and may start dragging an entry.
void TCalendarGrid::mousePressEvent(QMouseEvent* event) {
  dragArmed_ = false;
  const QPoint cell = CellAt(event->position().toPoint());
  if (event->button() == Qt::LeftButton && (event->modifiers() & Qt::ShiftModifier)) {
    const int from = ReadingIndex(std::max(0, currentColumn()), std::max(0, currentRow()));
    const int to = ReadingIndex(cell.x(), cell.y());
    for (int row = 0; row < kRows; ++row)
      for (int col = 0; col < kColumns; ++col) {
        const int i = ReadingIndex(col, row);
        SetPicked(col, row, i >= std::min(from, to) && i <= std::max(from, to));
      }
    multiPick_ = true;
    viewport()->update();
    return;
  }
  if (event->button() == Qt::LeftButton && (event->modifiers() & Qt::ControlModifier)) {
    SetPicked(cell.x(), cell.y(), !Picked(cell.x(), cell.y()));
    multiPick_ = true;
    viewport()->update();
    return;
  }
  ClearPicks();
  if (event->button() != Qt::LeftButton) return;
  setCurrentCell(cell.y(), cell.x());
  if (!Cell(cell.x(), cell.y()).Entries.isEmpty()) {
    dragArmed_ = true;
    pressPos_ = event->position().toPoint();
    pressCell_ = cell;
  }
}

void TCalendarGrid::mouseMoveEvent(QMouseEvent* event) {
  if (!dragArmed_ || !(event->buttons() & Qt::LeftButton)) return;
  if ((event->position().toPoint() - pressPos_).manhattanLength() <
      QApplication::startDragDistance())
    return;
  dragArmed_ = false;
  StartEntryDrag();
}

void TCalendarGrid::mouseReleaseEvent(QMouseEvent* event) {
  dragArmed_ = false;
  if (event->button() == Qt::LeftButton) grdCalendarClick();
}

// The second press of a double click: with Shift or Ctrl it picks like a press, otherwise the
// owner opens the day.
void TCalendarGrid::mouseDoubleClickEvent(QMouseEvent* event) {
  if (event->modifiers() & (Qt::ShiftModifier | Qt::ControlModifier)) {
    mousePressEvent(event);
    return;
  }
  if (event->button() != Qt::LeftButton) return;
  const QPoint cell = CellAt(event->position().toPoint());
  setCurrentCell(cell.y(), cell.x());
  emit DayDoubleClicked();
}

void TCalendarGrid::grdCalendarClick() {
  if (!multiPick_) SetPicked(currentColumn(), currentRow(), true);
  viewport()->update();
  emit DayClicked();
}

// The entry drawn on the cell's bottom line: the second when there are two or more.
void TCalendarGrid::StartEntryDrag() {
  const TCellContent cell = Cell(pressCell_.x(), pressCell_.y());
  if (cell.Entries.isEmpty()) return;
  const TCellEntry& entry = cell.Entries[cell.Entries.size() >= 2 ? 1 : 0];
  auto* drag = new QDrag(this);
  drag->setMimeData(EntryMimeData({cell.Date, entry.ReasonID, entry.Kind}));
  RunDrag(drag);
}

bool TCalendarGrid::AcceptsDrop(const QMimeData* mime, QPoint pos) const {
  if (!DraggedReason(mime) && !DraggedEntry(mime)) return false;
  const QPoint cell = CellAt(pos);
  return DropAllowed && DropAllowed(CellDate(cell.x(), cell.y()));
}

void TCalendarGrid::dragEnterEvent(QDragEnterEvent* event) {
  if (DraggedReason(event->mimeData()) || DraggedEntry(event->mimeData()))
    event->acceptProposedAction();
  else
    event->ignore();
}

// grdCalendarDragOver: only days on which the employee is employed take a drop.
void TCalendarGrid::dragMoveEvent(QDragMoveEvent* event) {
  if (AcceptsDrop(event->mimeData(), event->position().toPoint()))
    event->acceptProposedAction();
  else
    event->ignore();
}

void TCalendarGrid::dropEvent(QDropEvent* event) {
  const QPoint pos = event->position().toPoint();
  if (!AcceptsDrop(event->mimeData(), pos)) return event->ignore();
  event->acceptProposedAction();
  const QPoint cell = CellAt(pos);
  emit Dropped(event->mimeData(), cell.x(), cell.y());
}

}  // namespace absence::ui
