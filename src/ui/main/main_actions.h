#pragma once
// Every main-window command as one QAction, made in one place: the menus list them, the
// toolbar's buttons show them, keyboard shortcuts reach them, and the window connects each to
// its handler once.
#include <QObject>
#include <array>

class QAction;
class QWidget;

namespace absence::ui {

enum class TCommand {
  Save,
  Abandon,
  Backup,
  Restore,
  PrinterSetup,
  Import,
  Export,
  ExportCalendar,
  MonthEnd,
  Exit,
  Undo,
  Redo,
  AbsenceEntries,
  GlobalEntries,
  Employees,
  Departments,
  Reasons,
  History,
  Preferences,
  ReportAbsence,
  ReportBalances,
  ReportEmpInfo,
  ReportCalendar,
  ReportDepInfo,
  ReportStatements,
  HelpContents,
  HelpSearch,
  HelpOnHelp,
  TechSupport,
  TipOfTheDay,
  ReportingProblems,
  About,
  // Commands of the toolbar and the keyboard only.
  EmployeeData,
  PickDate,
  ScreenHelp,
  FindEmployee,
  Count
};

class TMainActions : public QObject {
  Q_OBJECT
 public:
  // The actions belong to `window`, so their shortcuts work while it is active. `undo` and
  // `redo` come from the history, which keeps their texts current.
  TMainActions(QWidget* window, QAction* undo, QAction* redo);

  QAction* operator[](TCommand command) const { return actions_[Index(command)]; }
  // Turns a command on or off; one whose window is not in this build stays off.
  void SetEnabled(TCommand command, bool on) const;

 private:
  static constexpr std::size_t Index(TCommand c) { return static_cast<std::size_t>(c); }

  std::array<QAction*, static_cast<std::size_t>(TCommand::Count)> actions_{};
};

}  // namespace absence::ui
