#pragma once
// pnlMain: the reason box to drag from, the month caption, the trash, the day names, the
// four-week calendar and its week scroll buttons. It shows the selected employee's days and
// submits what the user drops on them to the data session, and follows its changes.
#include <QWidget>
#include <array>
#include <cstdint>

#include "data/kinds.h"
#include "data/types.h"

class QLabel;
class QMimeData;
class QToolButton;

namespace absence::ui {

class TCalendarGrid;
class TDataSession;
class TTrashCan;
struct TDraggedEntry;
class TPVComboBox;

class TCalendarPanel : public QWidget {
  Q_OBJECT
 public:
  // A held scroll button's pause before repeating, and between repeats.
  static constexpr int kFirstRepeatMs = 300;
  static constexpr int kRepeatMs = 150;

  explicit TCalendarPanel(TDataSession& session, QWidget* parent = nullptr);

  // Refills the reason box with the active reasons; false when there is none.
  bool LoadReasons();
  // Shows four weeks from the Sunday on or before `date`.
  void ShowWeeks(TDate date);
  // The employee whose days are shown; 0 shows dates only. Clears the picks.
  void ShowEmployee(int32_t empID);
  TCalendarGrid* Grid() const { return grdCalendar; }
  // The as-of date of the balances: the Saturday of the third week.
  TDate BalanceDate() const;
  void ClearPicks();
  // The trash can appears once the window is shown.
  void ShowTrash();
  // Whether a reason may be dragged from the reason box (an employee is shown and reasons
  // exist); the box shows the "PointNW" pointer while it may.
  void SetReasonDragEnabled(bool on);

 signals:
  // Other weeks are shown (ShowWeeks or a scroll button).
  void WeeksShown();
  // The current day changed by a click.
  void DayChosen();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void CreateControls();
  // Cell texts and contents for the shown employee (dates only without one).
  void FillCells();
  void RefreshCell(int col, int row);
  // The cells showing `date`, when it is shown.
  void RefreshDate(TDate date);
  bool DropAllowed(TDate date) const;
  void grdCalendarDragDrop(const QMimeData* mime, int col, int row);
  void DropReason(int32_t reasonID, int col, int row);
  void InsertReason();
  void MoveEntry(TDate from, int32_t reasonID, TEntryKind kind, int col, int row);
  void grdCalendarDblClick();
  void imgTrashDragDrop(const TDraggedEntry& dragged);
  void imgTrashDblClick();
  void ScrollOneWeek(bool back);

  TDataSession& session_;
  int32_t empID_ = 0;
  bool reasonDrag_ = false;
  QPoint reasonPress_;
  bool reasonPressed_ = false;
  TPVComboBox* cboReasonBox = nullptr;
  QLabel* lblMonth = nullptr;
  TTrashCan* imgTrash = nullptr;
  std::array<QLabel*, 7> lblDays{};  // lblSunday ... lblSaturday
  TCalendarGrid* grdCalendar = nullptr;
  QToolButton* spdCalendarUp = nullptr;
  QToolButton* spdCalendarDown = nullptr;
};

}  // namespace absence::ui
