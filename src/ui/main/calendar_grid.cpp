#include "ui/main/calendar_grid.h"

#include <QApplication>
#include <QDrag>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QWheelEvent>
#include <algorithm>
#include <vector>

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
  // A tab stop, so that the calendar can be used without a mouse; Tab leaves it.
  setFocusPolicy(Qt::StrongFocus);
  setTabKeyNavigation(false);
  setAccessibleName(tr("Calendar"));
  setShowGrid(false);
  setAcceptDrops(true);
  setDragDropMode(QAbstractItemView::DropOnly);
  setItemDelegate(new TCalendarCellDelegate(this));
  // Another day made current: its entry is the one a drag would take, and unless a range is
  // being extended, Shift ranges start there.
  connect(this, &QTableWidget::currentCellChanged, this,
          [this](int, int, int previousRow, int previousColumn) {
            chosen_ = -1;
            if (!extending_) anchor_ = CurrentDate();
            if (QTableWidgetItem* it = item(previousRow, previousColumn))
              it->setData(Qt::AccessibleDescriptionRole, QVariant());
          });
}

// Picked days stay picked while they remain shown.
void TCalendarGrid::ShowWeeks(TDate date) {
  std::vector<TDate> picked;
  for (int row = 0; row < kRows; ++row)
    for (int col = 0; col < kColumns; ++col)
      if (Picked(col, row)) picked.push_back(CellDate(col, row));
  const TDate start = date - DayOfWeek(date);
  for (int row = 0; row < kRows; ++row)
    for (int col = 0; col < kColumns; ++col) {
      const TDate d = start + row * kColumns + col;
      SetCell(col, row, DateCell(d, App().DatePattern));
      SetPicked(col, row, std::find(picked.begin(), picked.end(), d) != picked.end());
    }
  setCurrentCell(0, DayOfWeek(date));
  chosen_ = -1;
  if (!extending_) anchor_ = date;
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
  it->setData(Qt::AccessibleTextRole, CellAccessibleName(cell));
  // New content: the current day's chosen entry is again the one a drag takes.
  it->setData(Qt::AccessibleDescriptionRole, QVariant());
  if (row == currentRow() && col == currentColumn()) chosen_ = -1;
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
  anchor_ = CellDate(cell.x(), cell.y());
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
  anchor_ = CellDate(cell.x(), cell.y());
  emit DayDoubleClicked();
}

void TCalendarGrid::grdCalendarClick() {
  if (!multiPick_) SetPicked(currentColumn(), currentRow(), true);
  viewport()->update();
  emit DayClicked();
}

// The day's second entry when it has two or more, else its only one.
void TCalendarGrid::StartEntryDrag() {
  const TCellContent cell = Cell(pressCell_.x(), pressCell_.y());
  if (cell.Entries.isEmpty()) return;
  const TCellEntry& entry = cell.Entries[DraggedEntryIndex(cell)];
  auto* drag = new QDrag(this);
  drag->setMimeData(EntryMimeData({cell.Date, entry.ReasonID, entry.Kind}));
  RunDrag(drag);
}

int TCalendarGrid::ChosenEntryIndex() const {
  const TCellContent cell = Cell(std::max(0, currentColumn()), std::max(0, currentRow()));
  if (cell.Entries.isEmpty()) return -1;
  if (chosen_ >= 0 && chosen_ < cell.Entries.size()) return chosen_;
  return DraggedEntryIndex(cell);
}

std::optional<TDraggedEntry> TCalendarGrid::ChosenEntry() const {
  const int i = ChosenEntryIndex();
  if (i < 0) return std::nullopt;
  const TCellContent cell = Cell(std::max(0, currentColumn()), std::max(0, currentRow()));
  const TCellEntry& entry = cell.Entries[i];
  return TDraggedEntry{cell.Date, entry.ReasonID, entry.Kind};
}

void TCalendarGrid::keyPressEvent(QKeyEvent* event) {
  const Qt::KeyboardModifiers mods =
      event->modifiers() & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier);
  if (HandleEntryKeys(event)) return;
  int days = 0;
  switch (event->key()) {
    case Qt::Key_Left:
      days = -1;
      break;
    case Qt::Key_Right:
      days = 1;
      break;
    case Qt::Key_Up:
      days = -kColumns;
      break;
    case Qt::Key_Down:
      days = kColumns;
      break;
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
      if (mods != Qt::NoModifier) break;
      // The shown weeks move by one, and the current day with them.
      MoveCurrent(event->key() == Qt::Key_PageUp ? -kColumns : kColumns,
                  multiPick_ ? TMove::KeepPicks : TMove::Plain, true);
      return;
    case Qt::Key_Space:
      if (mods != Qt::NoModifier && mods != Qt::ControlModifier) break;
      TogglePick();
      return;
    case Qt::Key_Return:
    case Qt::Key_Enter:
      if (mods != Qt::NoModifier) break;
      // As a double click does: the picks give way to the day.
      ClearPicks();
      SetPicked(currentColumn(), currentRow(), true);
      emit DayDoubleClicked();
      return;
    case Qt::Key_Insert:
      if (mods != Qt::NoModifier) break;
      emit InsertRequested();
      return;
    default:
      break;
  }
  if (days != 0 &&
      (mods == Qt::NoModifier || mods == Qt::ShiftModifier || mods == Qt::ControlModifier)) {
    MoveCurrent(days, mods == Qt::ShiftModifier     ? TMove::Extend
                      : mods == Qt::ControlModifier ? TMove::KeepPicks
                                                    : TMove::Plain);
    return;
  }
  // Other keys belong to the window (its shortcuts, Tab).
  event->ignore();
}

// Delete, Ctrl+X, Ctrl+V, Escape and the choice among the day's entries.
bool TCalendarGrid::HandleEntryKeys(QKeyEvent* event) {
  const Qt::KeyboardModifiers mods =
      event->modifiers() & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier);
  if (mods == Qt::AltModifier && (event->key() == Qt::Key_Up || event->key() == Qt::Key_Down)) {
    const qsizetype count = Cell(currentColumn(), currentRow()).Entries.size();
    if (count > 0) {
      const int step = event->key() == Qt::Key_Up ? -1 : 1;
      chosen_ = int((ChosenEntryIndex() + step + count) % count);
      viewport()->update();
      // A screen reader hears the day again, now with its chosen entry.
      if (QTableWidgetItem* it = item(currentRow(), currentColumn()))
        it->setData(Qt::AccessibleDescriptionRole,
                    CellEntryName(Cell(currentColumn(), currentRow()).Entries[chosen_]));
    }
    return true;
  }
  if (event->key() == Qt::Key_Delete && mods == Qt::NoModifier) {
    if (const auto entry = ChosenEntry()) emit TrashRequested(*entry);
    return true;
  }
  if (event->matches(QKeySequence::Cut)) {
    cut_ = ChosenEntry();
    viewport()->update();
    return true;
  }
  if (event->matches(QKeySequence::Paste)) {
    // A day that refuses a drop keeps the entry cut for another one.
    if (cut_ && DropAllowed && DropAllowed(CurrentDate())) {
      const TDraggedEntry entry = *cut_;
      cut_.reset();
      emit EntryPasted(entry, currentColumn(), currentRow());
      viewport()->update();
    }
    return true;
  }
  if (event->key() == Qt::Key_Escape && mods == Qt::NoModifier && cut_) {
    cut_.reset();
    viewport()->update();
    return true;
  }
  return false;
}

void TCalendarGrid::MoveCurrent(int days, TMove how, bool scroll) {
  const TDate target = CurrentDate() + days;
  if (how == TMove::Plain) ClearPicks();
  if (how == TMove::KeepPicks) BeginMultiPick();
  extending_ = how == TMove::Extend;
  if (scroll) ScrollWeeks(days / kColumns);
  const TDate first = StartDate();
  const TDate last = first + kRows * kColumns - 1;
  if (target < first) ScrollWeeks(-int((first - target + kColumns - 1) / kColumns));
  if (target > last) ScrollWeeks(int((target - last + kColumns - 1) / kColumns));
  SetCurrentDate(target);
  extending_ = false;
  if (how == TMove::Extend)
    PickRange();
  else
    anchor_ = target;
  if (how == TMove::Plain) SetPicked(currentColumn(), currentRow(), true);
  viewport()->update();
  emit DayClicked();
}

void TCalendarGrid::ScrollWeeks(int weeks) {
  emit ScrollRequested(weeks);
}

void TCalendarGrid::SetCurrentDate(TDate date) {
  const int i = int(date - StartDate());
  if (i < 0 || i >= kRows * kColumns) return;
  setCurrentCell(i / kColumns, i % kColumns);
}

void TCalendarGrid::PickRange() {
  const TDate current = CurrentDate();
  const TDate from = std::min(anchor_, current);
  const TDate to = std::max(anchor_, current);
  for (int row = 0; row < kRows; ++row)
    for (int col = 0; col < kColumns; ++col) {
      const TDate d = CellDate(col, row);
      SetPicked(col, row, d >= from && d <= to);
    }
  multiPick_ = true;
}

void TCalendarGrid::BeginMultiPick() {
  if (multiPick_) return;
  SetPicked(currentColumn(), currentRow(), true);
  multiPick_ = true;
}

void TCalendarGrid::TogglePick() {
  BeginMultiPick();
  SetPicked(currentColumn(), currentRow(), !Picked(currentColumn(), currentRow()));
  anchor_ = CurrentDate();
  viewport()->update();
}

// Each notch of the wheel is a week, away from the user back in time.
void TCalendarGrid::wheelEvent(QWheelEvent* event) {
  wheelRest_ += event->angleDelta().y();
  const int notches = wheelRest_ / QWheelEvent::DefaultDeltasPerStep;
  wheelRest_ -= notches * QWheelEvent::DefaultDeltasPerStep;
  event->accept();
  // As Page Up/Down: the current day moves with the weeks.
  if (notches != 0)
    MoveCurrent(-notches * kColumns, multiPick_ ? TMove::KeepPicks : TMove::Plain, true);
}

void TCalendarGrid::focusInEvent(QFocusEvent* event) {
  QTableWidget::focusInEvent(event);
  viewport()->update();
}

void TCalendarGrid::focusOutEvent(QFocusEvent* event) {
  QTableWidget::focusOutEvent(event);
  viewport()->update();
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
