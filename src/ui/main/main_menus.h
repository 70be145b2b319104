#pragma once
// The main window's menus (File, Edit, Report, Help) with every command named as its handler
// expects, and the rule that keeps a command off while its window is not in this build.
class QAction;
class QMenu;
class QMenuBar;
class QToolButton;

namespace absence::ui {

struct TMainMenus {
  // Fills `bar`.
  void Create(QMenuBar* bar);

  QMenu* mnuFile = nullptr;
  QMenu* mnuEdit = nullptr;
  QMenu* mnuReport = nullptr;
  QMenu* mnuHelp = nullptr;
  QAction* mnuFileSave = nullptr;
  QAction* mnuFileAbandon = nullptr;
  QAction* mnuFileBackup = nullptr;
  QAction* mnuFileRestore = nullptr;
  QAction* mnuFileSetup = nullptr;
  QAction* mnuFileImport = nullptr;
  QAction* mnuFileExport = nullptr;
  QAction* mnuFileCalendar = nullptr;
  QAction* mnuFileMonthEnd = nullptr;
  QAction* mnuFileExit = nullptr;
  QAction* mnuEditAbsence = nullptr;
  QAction* mnuEditGlobal = nullptr;
  QAction* mnuEditEmp = nullptr;
  QAction* mnuEditDept = nullptr;
  QAction* mnuEditReason = nullptr;
  QAction* mnuEditHistory = nullptr;
  QAction* mnuEditPreferences = nullptr;
  QAction* mnuReportAbsence = nullptr;
  QAction* mnuReportBalances = nullptr;
  QAction* mnuReportEmpInfo = nullptr;
  QAction* mnuReportCalendar = nullptr;
  QAction* mnuReportDepInfo = nullptr;
  QAction* mnuReportStatements = nullptr;
  QAction* mnuHelpContents = nullptr;
  QAction* mnuHelpSearch = nullptr;
  QAction* mnuHelpHelp = nullptr;
  QAction* mnuHelpTechSupport = nullptr;
  QAction* mnuHelpTip = nullptr;
  QAction* mnuHelpBugs = nullptr;
  QAction* mnuHelpAbout = nullptr;
};

// A command whose window is not in this build stays off whatever `on` says.
void SetCommandEnabled(QAction* action, bool on);
void SetCommandEnabled(QToolButton* button, bool on);
void SetCommandAvailable(QToolButton* button, bool available);

}  // namespace absence::ui
