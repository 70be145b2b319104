#include "ui/main/calendar_panel.h"

#include <QApplication>
#include <QDrag>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLocale>
#include <QMouseEvent>
#include <QToolButton>
#include <QVBoxLayout>
#include <vector>

#include "dates/dates.h"
#include "edit/changes.h"
#include "ui/common/app_state.h"
#include "ui/common/calendar_drag.h"
#include "ui/common/date_text.h"
#include "ui/common/hints.h"
#include "ui/common/pictures.h"
#include "ui/common/pv_combo_box.h"
#include "ui/common/scale.h"
#include "ui/common/wait_cursor.h"
#include "ui/dialogs/absence_entry_flows.h"
#include "ui/dialogs/undelete_dialog.h"
#include "ui/main/calendar_grid.h"
#include "ui/main/trash_can.h"
#include "ui/session/data_session.h"

namespace absence::ui {
namespace {

QString MonthAndYear(TDate d) {
  const QDate q = ToQDate(d);
  return QLocale::system().monthName(q.month(), QLocale::LongFormat) + u' ' +
         QString::number(q.year());
}

}  // namespace

TCalendarPanel::TCalendarPanel(TDataSession& session, QWidget* parent)
    : QWidget(parent), session_(session) {
  setObjectName(QStringLiteral("pnlMain"));
  CreateControls();
  connect(grdCalendar, &TCalendarGrid::DayClicked, this, &TCalendarPanel::DayChosen);
  grdCalendar->DropAllowed = [this](TDate d) { return DropAllowed(d); };
  connect(grdCalendar, &TCalendarGrid::Dropped, this, &TCalendarPanel::grdCalendarDragDrop);
  connect(grdCalendar, &TCalendarGrid::DayDoubleClicked, this,
          &TCalendarPanel::grdCalendarDblClick);
  connect(imgTrash, &TTrashCan::EntryDropped, this, &TCalendarPanel::imgTrashDragDrop);
  // The keyboard and the wheel take the same ways as the mouse: scrolling, the drop of the
  // chosen reason, the drop on the trash and the move of an entry.
  connect(grdCalendar, &TCalendarGrid::ScrollRequested, this,
          [this](int weeks) { ShowWeeks(grdCalendar->StartDate() + weeks * 7); });
  connect(grdCalendar, &TCalendarGrid::InsertRequested, this, &TCalendarPanel::InsertReason);
  connect(grdCalendar, &TCalendarGrid::TrashRequested, this, &TCalendarPanel::imgTrashDragDrop);
  connect(grdCalendar, &TCalendarGrid::EntryPasted, this,
          [this](const TDraggedEntry& entry, int col, int row) {
            if (DropAllowed(grdCalendar->CellDate(col, row)))
              MoveEntry(entry.Date, entry.ReasonID, entry.Kind, col, row);
          });
  connect(imgTrash, &TTrashCan::Opened, this, &TCalendarPanel::imgTrashDblClick);
  cboReasonBox->installEventFilter(this);
  // Whatever window changed the shown employee's entries (or a global entry), and undo and
  // redo too, the cells follow.
  connect(&session_, &TDataSession::EmployeeChanged, this, [this](int32_t id) {
    if (id == empID_) FillCells();
  });
  // Held down, a scroll button moves one week at once, again after a pause, then steadily: the
  // button repeats its press while held.
  for (QToolButton* b : {spdCalendarUp, spdCalendarDown}) {
    b->setAutoRepeat(true);
    b->setAutoRepeatDelay(kFirstRepeatMs);
    b->setAutoRepeatInterval(kRepeatMs);
    connect(b, &QToolButton::pressed, this,
            [this, back = b == spdCalendarUp] { ScrollOneWeek(back); });
  }
}

void TCalendarPanel::CreateControls() {
  auto* grid = new QGridLayout(this);
  grid->setContentsMargins(Scale(8), Scale(4), Scale(8), Scale(4));
  grid->setHorizontalSpacing(0);
  grid->setVerticalSpacing(Scale(2));

  auto* top = new QHBoxLayout;
  auto* lblReason = new QLabel(tr("Reason"));
  cboReasonBox = new TPVComboBox;
  cboReasonBox->setObjectName(QStringLiteral("cboReasonBox"));
  cboReasonBox->setMinimumWidth(Scale(160));
  SetHint(cboReasonBox, tr("|Drag the Reason to the selected date(s) to add a Absence entry."));
  lblReason->setBuddy(cboReasonBox);
  lblMonth = new QLabel;
  lblMonth->setObjectName(QStringLiteral("lblMonth"));
  QFont monthFont = lblMonth->font();
  monthFont.setBold(true);
  monthFont.setPointSizeF(monthFont.pointSizeF() * 1.25);
  lblMonth->setFont(monthFont);
  lblMonth->setAlignment(Qt::AlignCenter);
  imgTrash = new TTrashCan;
  imgTrash->setVisible(false);
  top->addWidget(lblReason);
  top->addSpacing(Scale(6));
  top->addWidget(cboReasonBox);
  top->addStretch(1);
  top->addWidget(lblMonth);
  top->addStretch(1);
  top->addWidget(imgTrash);
  grid->addLayout(top, 0, 0, 1, TCalendarGrid::kColumns + 1);

  const QLocale locale = QLocale::system();
  static constexpr const char* kDayLabelNames[] = {"lblSunday",    "lblMonday",   "lblTuesday",
                                                   "lblWednesday", "lblThursday", "lblFriday",
                                                   "lblSaturday"};
  for (int i = 0; i < TCalendarGrid::kColumns; ++i) {
    // Qt counts Monday as 1 and Sunday as 7; the calendar starts on Sunday.
    lblDays[i] = new QLabel(locale.dayName(i == 0 ? 7 : i, QLocale::LongFormat));
    lblDays[i]->setObjectName(QString::fromLatin1(kDayLabelNames[i]));
    lblDays[i]->setAlignment(Qt::AlignCenter);
    lblDays[i]->setMinimumWidth(1);
    grid->addWidget(lblDays[i], 1, i);
    grid->setColumnStretch(i, 1);
  }

  grdCalendar = new TCalendarGrid;
  grdCalendar->setMinimumSize(Scale(7 * 60), Scale(4 * 30));
  grid->addWidget(grdCalendar, 2, 0, 1, TCalendarGrid::kColumns);

  auto* scroll = new QVBoxLayout;
  scroll->setSpacing(0);
  spdCalendarUp = new QToolButton;
  spdCalendarUp->setObjectName(QStringLiteral("spdCalendarUp"));
  spdCalendarUp->setArrowType(Qt::UpArrow);
  SetHint(spdCalendarUp, tr("Back one week"));
  spdCalendarDown = new QToolButton;
  spdCalendarDown->setObjectName(QStringLiteral("spdCalendarDown"));
  spdCalendarDown->setArrowType(Qt::DownArrow);
  SetHint(spdCalendarDown, tr("Forward one week"));
  for (QToolButton* b : {spdCalendarUp, spdCalendarDown}) {
    b->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Expanding);
    b->setFixedWidth(Scale(18));
    scroll->addWidget(b);
  }
  grid->addLayout(scroll, 2, TCalendarGrid::kColumns);
  grid->setRowStretch(2, 1);
}

bool TCalendarPanel::LoadReasons() {
  cboReasonBox->clear();
  for (const auto& reason : session_.Data().ReasonList) {
    if (!reason->Active || reason->Deleted) continue;
    cboReasonBox->AddItem(QString::fromStdString(reason->Description), reason->ReasonID);
  }
  if (cboReasonBox->count() > 0) cboReasonBox->setCurrentIndex(0);
  return cboReasonBox->count() > 0;
}

void TCalendarPanel::ShowWeeks(TDate date) {
  grdCalendar->ShowWeeks(date);
  const TDate first = grdCalendar->StartDate();
  const TDate last = grdCalendar->CellDate(TCalendarGrid::kColumns - 1, TCalendarGrid::kRows - 1);
  QString caption = MonthAndYear(first);
  if (ToQDate(last).month() != ToQDate(first).month())
    caption += QStringLiteral(" - ") + MonthAndYear(last);
  lblMonth->setText(caption);
  FillCells();
  emit WeeksShown();
}

void TCalendarPanel::ShowEmployee(int32_t empID) {
  empID_ = empID;
  FillCells();
  grdCalendar->ClearPicks();
}

void TCalendarPanel::RefreshCell(int col, int row) {
  const TEmpRecClass* emp = session_.Employee(empID_);
  const TDate d = grdCalendar->CellDate(col, row);
  const TSettings& s = App().Settings;
  grdCalendar->SetCell(col, row,
                       emp ? BuildCellText(d, App().DatePattern, *emp, session_.Data().ReasonList,
                                           s.BenefitMonth, s.BenefitDay)
                           : DateCell(d, App().DatePattern));
}

// The trash follows the shown year whenever the cells are filled.
void TCalendarPanel::FillCells() {
  for (int row = 0; row < TCalendarGrid::kRows; ++row)
    for (int col = 0; col < TCalendarGrid::kColumns; ++col) RefreshCell(col, row);
  const TEmpRecClass* emp = session_.Employee(empID_);
  imgTrash->SetFull(emp && HasTrashInYear(emp->Entries, Year(BalanceDate())));
}

void TCalendarPanel::RefreshDate(TDate date) {
  for (int c = 0; c < TCalendarGrid::kColumns; ++c)
    for (int r = 0; r < TCalendarGrid::kRows; ++r)
      if (grdCalendar->CellDate(c, r) == date) RefreshCell(c, r);
  grdCalendar->viewport()->update();
}

TDate TCalendarPanel::BalanceDate() const {
  return grdCalendar->CellDate(6, 2);
}

void TCalendarPanel::ShowTrash() {
  imgTrash->setVisible(true);
}

void TCalendarPanel::ClearPicks() {
  grdCalendar->ClearPicks();
}

void TCalendarPanel::SetReasonDragEnabled(bool on) {
  reasonDrag_ = on;
  if (on)
    cboReasonBox->setCursor(PointNWCursor());
  else
    cboReasonBox->unsetCursor();
}

// A press on the reason box that moves becomes a drag of the reason; one that does not opens
// the box's list as usual.
bool TCalendarPanel::eventFilter(QObject* watched, QEvent* event) {
  if (watched != cboReasonBox || !reasonDrag_) return QWidget::eventFilter(watched, event);
  // Only the three mouse events below are read as mouse events.
  auto* mouse = dynamic_cast<QMouseEvent*>(event);
  if (!mouse) return QWidget::eventFilter(watched, event);
  switch (event->type()) {
    case QEvent::MouseButtonPress:
      if (mouse->button() != Qt::LeftButton) break;
      reasonPressed_ = true;
      reasonPress_ = mouse->position().toPoint();
      return true;
    case QEvent::MouseMove:
      if (!reasonPressed_ || (mouse->position().toPoint() - reasonPress_).manhattanLength() <
                                 QApplication::startDragDistance())
        break;
      reasonPressed_ = false;
      if (cboReasonBox->currentIndex() >= 0) {
        auto* drag = new QDrag(cboReasonBox);
        drag->setMimeData(ReasonMimeData(cboReasonBox->CurrentID()));
        drag->setDragCursor(PointNWCursor().pixmap(), Qt::CopyAction);
        RunDrag(drag);
      }
      return true;
    case QEvent::MouseButtonRelease:
      if (!reasonPressed_) break;
      reasonPressed_ = false;
      cboReasonBox->showPopup();
      return true;
    default:
      break;
  }
  return QWidget::eventFilter(watched, event);
}

bool TCalendarPanel::DropAllowed(TDate date) const {
  const TEmpRecClass* emp = session_.Employee(empID_);
  return emp && emp->IsEmployedOn(date);
}

void TCalendarPanel::grdCalendarDragDrop(const QMimeData* mime, int col, int row) {
  if (const auto reason = DraggedReason(mime))
    DropReason(*reason, col, row);
  else if (const auto entry = DraggedEntry(mime))
    MoveEntry(entry->Date, entry->ReasonID, entry->Kind, col, row);
}

// The reason goes to every picked day when dropped on a picked one, else to the day dropped
// on; an own entry of that reason on the day gets the hours added.
void TCalendarPanel::DropReason(int32_t reasonID, int col, int row) {
  const TEmpRecClass* emp = session_.Employee(empID_);
  if (!emp || !session_.Reason(reasonID)) return;
  std::vector<TDate> days;
  if (grdCalendar->Picked(col, row)) {
    grdCalendar->SetMultiPick(false);
    for (int c = 0; c < TCalendarGrid::kColumns; ++c)
      for (int r = 0; r < TCalendarGrid::kRows; ++r) {
        if (!grdCalendar->Picked(c, r)) continue;
        grdCalendar->SetPicked(c, r, false);
        // Days outside the employment take no entry, picked or not.
        const TDate d = grdCalendar->CellDate(c, r);
        if (emp->IsEmployedOn(d)) days.push_back(d);
      }
  } else {
    days.push_back(grdCalendar->CellDate(col, row));
  }
  grdCalendar->viewport()->update();
  if (days.empty()) return;
  session_.Submit(std::make_unique<edit::TAddEntries>(
      empID_, reasonID, std::move(days), App().Settings.DefaultHours, TEntryKind::Own));
}

// Insert: the reason of the reason box goes where a drop of it would put it. With days picked,
// a picked day the employee works on takes the drop (so all picked days get the entry),
// otherwise the current day.
void TCalendarPanel::InsertReason() {
  if (!reasonDrag_ || cboReasonBox->currentIndex() < 0) return;
  const QPoint current(grdCalendar->currentColumn(), grdCalendar->currentRow());
  std::vector<QPoint> targets;
  if (grdCalendar->Picked(current.x(), current.y())) targets.push_back(current);
  for (int c = 0; c < TCalendarGrid::kColumns; ++c)
    for (int r = 0; r < TCalendarGrid::kRows; ++r)
      if (grdCalendar->Picked(c, r)) targets.emplace_back(c, r);
  if (targets.empty()) targets.push_back(current);
  for (const QPoint& target : targets)
    if (DropAllowed(grdCalendar->CellDate(target.x(), target.y())))
      return DropReason(cboReasonBox->CurrentID(), target.x(), target.y());
}

// A global entry moves with its copies in every employee's list.
void TCalendarPanel::MoveEntry(TDate from, int32_t reasonID, TEntryKind kind, int col, int row) {
  const TEmpRecClass* emp = session_.Employee(empID_);
  const TDate to = grdCalendar->CellDate(col, row);
  if (!emp || to == from) return;
  const bool global = kind == TEntryKind::Global;
  const TEntryList& list = global ? session_.Data().GlobalList : emp->Entries;
  const int index = FindEntry(list, reasonID, kind, from);
  if (index < 0) return;
  const TAbsenceRecClass& entry = *list[static_cast<std::size_t>(index)];
  session_.Submit(std::make_unique<edit::TEditEntries>(
      global ? edit::kGlobalList : empID_,
      std::vector<edit::TEntryEdit>{{reasonID, kind, from, entry.ReasonID, entry.Hours, to}}));
}

// A day's entries open in the entry dialog, unless days are being picked.
void TCalendarPanel::grdCalendarDblClick() {
  if (grdCalendar->MultiPick() || !session_.Employee(empID_)) return;
  grdCalendar->ClearPicks();
  const QPoint cell(std::max(0, grdCalendar->currentColumn()),
                    std::max(0, grdCalendar->currentRow()));
  const TCellContent content = grdCalendar->Cell(cell.x(), cell.y());
  if (content.Entries.isEmpty()) return;
  EditDayEntries(session_, empID_, content.Date, window());
}

// The dropped entry goes to the trash; a global one is hidden for this employee only.
void TCalendarPanel::imgTrashDragDrop(const TDraggedEntry& dragged) {
  if (!session_.Employee(empID_)) return;
  session_.Submit(
      std::make_unique<edit::TTrashEntry>(empID_, dragged.ReasonID, dragged.Kind, dragged.Date));
}

void TCalendarPanel::imgTrashDblClick() {
  grdCalendar->ClearPicks();
  if (!session_.Employee(empID_)) return;
  TWaitCursor wait;
  TfrmUnDelete dlg(session_, window());
  dlg.SetMode(TUndeleteMode::Entries);
  dlg.SetSource(empID_);
  RunDialog(dlg);
}

void TCalendarPanel::ScrollOneWeek(bool back) {
  ShowWeeks(grdCalendar->StartDate() + (back ? -7 : 7));
  grdCalendar->ClearPicks();
}

}  // namespace absence::ui
