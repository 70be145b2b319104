// The main window's menus, and which commands this build offers.
#include "ui/main/main_menus.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QToolButton>
#include <initializer_list>

#include "ui/common/hints.h"

namespace absence::ui {
namespace {

// A command whose window is not in this build stays disabled.
constexpr const char* kAvailableProperty = "available";

// How a command row differs from a plain, available command.
enum TRowFlag : unsigned {
  kSeparatorBefore = 1,  // a separator line above it
  kUnavailable = 2,      // its window is not in this build
  kStartsOff = 4,        // off until the data set says otherwise
  kHidden = 8,
};

struct TCommandRow {
  QAction* TMainMenus::*Action;
  const char* Name;
  const char* Caption;
  const char* Hint;
  unsigned Flags = 0;
};

struct TMenuRow {
  QMenu* TMainMenus::*Menu;
  const char* Name;
  const char* Caption;
  std::initializer_list<TCommandRow> Commands;
};

using M = TMainMenus;

const TMenuRow kMenus[] = {
    {&M::mnuFile,
     "mnuFile",
     "&File",
     {
         {&M::mnuFileSave, "mnuFileSave", "&Save Current Changes",
          "Save|Save all changes to the data files"},
         {&M::mnuFileAbandon, "mnuFileAbandon", "&Abandon All Changes",
          "Abandon|Discard all changes made since the last save"},
         {&M::mnuFileBackup, "mnuFileBackup", "&Backup Data...",
          "Backup|Copy all Absence data into a backup file", kSeparatorBefore},
         {&M::mnuFileRestore, "mnuFileRestore", "&Restore from Backup...",
          "Restore|Replace all Absence data with a backup file"},
         {&M::mnuFileSetup, "mnuFileSetup", "&Printer Setup...",
          "Printer Setup|Choose the printer and its settings", kSeparatorBefore},
         {&M::mnuFileImport, "mnuFileImport", "&Import Data...",
          "Import|Read employees or absences from a text file", kSeparatorBefore},
         {&M::mnuFileExport, "mnuFileExport", "&Export Data...",
          "Export|Write employees or absences to a text file"},
         {&M::mnuFileCalendar, "mnuFileCalendar", "Export &Calendar...",
          "Calendar|Write all absences to a calendar file (iCalendar)"},
         {&M::mnuFileMonthEnd, "mnuFileMonthEnd", "&Month-End...",
          "Month-End|Write the payroll summary and the employee statements of a month"},
         {&M::mnuFileExit, "mnuFileExit", "E&xit", "Exit|Save all changes and close Absence",
          kSeparatorBefore},
     }},
    {&M::mnuEdit,
     "mnuEdit",
     "&Edit",
     {
         {&M::mnuEditAbsence, "mnuEditAbsence", "&Absence Entries...",
          "List Absence|View all Absence entries of the employee for the year", kStartsOff},
         {&M::mnuEditGlobal, "mnuEditGlobal", "&Global Absence Entries...",
          "Global Entries|Add an Absence entry for all employees", kStartsOff},
         {&M::mnuEditEmp, "mnuEditEmp", "&Employees...", "Employees|Add, edit and delete employees",
          kSeparatorBefore},
         {&M::mnuEditDept, "mnuEditDept", "&Departments...",
          "Departments|Add, edit and delete departments"},
         {&M::mnuEditReason, "mnuEditReason", "Absence &Reasons...",
          "Reasons|Add, edit and delete absence reasons and policies"},
         {&M::mnuEditHistory, "mnuEditHistory", "&History...",
          "History|The saved changes to the data, newest first", kSeparatorBefore},
         {&M::mnuEditPreferences, "mnuEditPreferences", "&Preferences...",
          "Preferences|Change the tool bar, hour display and defaults", kSeparatorBefore},
     }},
    {&M::mnuReport,
     "mnuReport",
     "&Report",
     {
         {&M::mnuReportAbsence, "mnuReportAbsence", "&Absence Taken...",
          "Absence Taken|Report the absences taken"},
         {&M::mnuReportBalances, "mnuReportBalances", "Absence &Balances...",
          "Balances|Report the balances of the absence reasons"},
         {&M::mnuReportEmpInfo, "mnuReportEmpInfo", "Employee &Information...",
          "Employee Information|Report the employees' records"},
         {&M::mnuReportCalendar, "mnuReportCalendar", "&Month Calendar...",
          "Month Calendar|Print month calendars of absences", kSeparatorBefore},
         {&M::mnuReportDepInfo, "mnuReportDepInfo", "&Department Information...",
          "Department Information|Report the departments"},
         {&M::mnuReportStatements, "mnuReportStatements", "Employee &Statements...",
          "Employee Statements|Print a statement of absences and balances for each employee to "
          "sign",
          kSeparatorBefore},
     }},
    {&M::mnuHelp,
     "mnuHelp",
     "&Help",
     {
         {&M::mnuHelpContents, "mnuHelpContents", "&Contents",
          "Contents|Show the contents of Absence Help"},
         {&M::mnuHelpSearch, "mnuHelpSearch", "&Search for Help On...",
          "Search|Search Absence Help by keyword"},
         {&M::mnuHelpHelp, "mnuHelpHelp", "&How to Use Help",
          "How to Use Help|How the help window works"},
         {&M::mnuHelpTechSupport, "mnuHelpTechSupport", "&Technical Support",
          "Technical Support|How to get help with Absence", kSeparatorBefore},
         {&M::mnuHelpTip, "mnuHelpTip", "Tip of the &Day...", "Tip of the Day", kHidden},
         {&M::mnuHelpBugs, "mnuHelpBugs", "&Reporting Problems...", "Reporting Problems", kHidden},
         {&M::mnuHelpAbout, "mnuHelpAbout", "&About Absence...",
          "About|Version and copyright of Absence", kSeparatorBefore},
     }},
};

QAction* AddCommand(QMenu* menu, const TCommandRow& row) {
  const bool available = !(row.Flags & kUnavailable);
  QAction* action = menu->addAction(QString::fromUtf8(row.Caption));
  action->setObjectName(QString::fromLatin1(row.Name));
  SetHint(action, QString::fromUtf8(row.Hint));
  action->setProperty(kAvailableProperty, available);
  action->setEnabled(available);
  return action;
}

}  // namespace

void SetCommandEnabled(QAction* action, bool on) {
  action->setEnabled(on && action->property(kAvailableProperty).toBool());
}

void SetCommandEnabled(QToolButton* button, bool on) {
  const QVariant available = button->property(kAvailableProperty);
  button->setEnabled(on && (!available.isValid() || available.toBool()));
}

void SetCommandAvailable(QToolButton* button, bool available) {
  button->setProperty(kAvailableProperty, available);
  if (!available) button->setEnabled(false);
}

void TMainMenus::Create(QMenuBar* bar) {
  for (const TMenuRow& menuRow : kMenus) {
    QMenu* menu = bar->addMenu(QString::fromUtf8(menuRow.Caption));
    menu->setObjectName(QString::fromLatin1(menuRow.Name));
    this->*menuRow.Menu = menu;
    for (const TCommandRow& row : menuRow.Commands) {
      if (row.Flags & kSeparatorBefore) menu->addSeparator();
      QAction* action = AddCommand(menu, row);
      if (row.Flags & kStartsOff) action->setEnabled(false);
      if (row.Flags & kHidden) action->setVisible(false);
      this->*row.Action = action;
    }
  }
  mnuFileSave->setShortcut(QKeySequence::Save);
  mnuFileExit->setShortcut(QKeySequence(Qt::ALT | Qt::Key_F4));
}

}  // namespace absence::ui
