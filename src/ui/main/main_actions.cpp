#include "ui/main/main_actions.h"

#include <QAction>
#include <QCoreApplication>
#include <QKeySequence>
#include <QWidget>

#include "ui/common/hints.h"

namespace absence::ui {
namespace {

constexpr const char* kContext = "absence::ui::TMainActions";

// A command whose window is not in this build stays disabled.
constexpr const char* kAvailableProperty = "available";

enum TCommandFlag : unsigned {
  kUnavailable = 1,  // its window is not in this build
  kStartsOff = 2,    // off until the data set says otherwise
  kHidden = 4,
};

struct TCommandRow {
  TCommand Command;
  const char* Name;
  const char* Caption;
  const char* Hint;
  unsigned Flags = 0;
};

const TCommandRow kCommands[] = {
    {TCommand::Save, "mnuFileSave",
     QT_TRANSLATE_NOOP("absence::ui::TMainActions", "&Save Current Changes"),
     QT_TRANSLATE_NOOP("absence::ui::TMainActions", "Save|Save all changes to the data files")},
    {TCommand::Abandon, "mnuFileAbandon",
     QT_TRANSLATE_NOOP("absence::ui::TMainActions", "&Abandon All Changes"),
     QT_TRANSLATE_NOOP("absence::ui::TMainActions",
                       "Abandon|Discard all changes made since the last save")},
    {TCommand::Backup, "mnuFileBackup",
     QT_TRANSLATE_NOOP("absence::ui::TMainActions", "&Backup Data..."),
     QT_TRANSLATE_NOOP("absence::ui::TMainActions",
                       "Backup|Copy all Absence data into a backup file")},
    {TCommand::Restore, "mnuFileRestore",
     QT_TRANSLATE_NOOP("absence::ui::TMainActions", "&Restore from Backup..."),
     QT_TRANSLATE_NOOP("absence::ui::TMainActions",
                       "Restore|Replace all Absence data with a backup file")},
    {TCommand::PrinterSetup, "mnuFileSetup",
     QT_TRANSLATE_NOOP("absence::ui::TMainActions", "&Printer Setup..."),
     QT_TRANSLATE_NOOP("absence::ui::TMainActions",
                       "Printer Setup|Choose the printer and its settings")},
    {TCommand::Import, "mnuFileImport",
     QT_TRANSLATE_NOOP("absence::ui::TMainActions", "&Import Data..."),
     QT_TRANSLATE_NOOP("absence::ui::TMainActions",
                       "Import|Read employees or absences from a text file")},
    {TCommand::Export, "mnuFileExport",
     QT_TRANSLATE_NOOP("absence::ui::TMainActions", "&Export Data..."),
     QT_TRANSLATE_NOOP("absence::ui::TMainActions",
                       "Export|Write employees or absences to a text file")},
    {TCommand::ExportCalendar, "mnuFileCalendar",
     QT_TRANSLATE_NOOP("absence::ui::TMainActions", "Export &Calendar..."),
     QT_TRANSLATE_NOOP("absence::ui::TMainActions",
                       "Calendar|Write all absences to a calendar file (iCalendar)")},
    {TCommand::MonthEnd, "mnuFileMonthEnd",
     QT_TRANSLATE_NOOP("absence::ui::TMainActions", "&Month-End..."),
     QT_TRANSLATE_NOOP(
         "absence::ui::TMainActions",
         "Month-End|Write the payroll summary and the employee statements of a month")},
    {TCommand::Exit, "mnuFileExit", QT_TRANSLATE_NOOP("absence::ui::TMainActions", "E&xit"),
     QT_TRANSLATE_NOOP("absence::ui::TMainActions", "Exit|Save all changes and close Absence")},
    {TCommand::AbsenceEntries, "mnuEditAbsence",
     QT_TRANSLATE_NOOP("absence::ui::TMainActions", "&Absence Entries..."),
     QT_TRANSLATE_NOOP("absence::ui::TMainActions",
                       "List Absence|View all Absence entries of the employee for the year"),
     kStartsOff},
    {TCommand::GlobalEntries, "mnuEditGlobal",
     QT_TRANSLATE_NOOP("absence::ui::TMainActions", "&Global Absence Entries..."),
     QT_TRANSLATE_NOOP("absence::ui::TMainActions",
                       "Global Entries|Add an Absence entry for all employees"),
     kStartsOff},
    {TCommand::Employees, "mnuEditEmp",
     QT_TRANSLATE_NOOP("absence::ui::TMainActions", "&Employees..."),
     QT_TRANSLATE_NOOP("absence::ui::TMainActions", "Employees|Add, edit and delete employees")},
    {TCommand::Departments, "mnuEditDept",
     QT_TRANSLATE_NOOP("absence::ui::TMainActions", "&Departments..."),
     QT_TRANSLATE_NOOP("absence::ui::TMainActions",
                       "Departments|Add, edit and delete departments")},
    {TCommand::Reasons, "mnuEditReason",
     QT_TRANSLATE_NOOP("absence::ui::TMainActions", "Absence &Reasons..."),
     QT_TRANSLATE_NOOP("absence::ui::TMainActions",
                       "Reasons|Add, edit and delete absence reasons and policies")},
    {TCommand::History, "mnuEditHistory",
     QT_TRANSLATE_NOOP("absence::ui::TMainActions", "&History..."),
     QT_TRANSLATE_NOOP("absence::ui::TMainActions",
                       "History|The saved changes to the data, newest first")},
    {TCommand::Preferences, "mnuEditPreferences",
     QT_TRANSLATE_NOOP("absence::ui::TMainActions", "&Preferences..."),
     QT_TRANSLATE_NOOP("absence::ui::TMainActions",
                       "Preferences|Change the tool bar, hour display and defaults")},
    {TCommand::ReportAbsence, "mnuReportAbsence",
     QT_TRANSLATE_NOOP("absence::ui::TMainActions", "&Absence Taken..."),
     QT_TRANSLATE_NOOP("absence::ui::TMainActions", "Absence Taken|Report the absences taken")},
    {TCommand::ReportBalances, "mnuReportBalances",
     QT_TRANSLATE_NOOP("absence::ui::TMainActions", "Absence &Balances..."),
     QT_TRANSLATE_NOOP("absence::ui::TMainActions",
                       "Balances|Report the balances of the absence reasons")},
    {TCommand::ReportEmpInfo, "mnuReportEmpInfo",
     QT_TRANSLATE_NOOP("absence::ui::TMainActions", "Employee &Information..."),
     QT_TRANSLATE_NOOP("absence::ui::TMainActions",
                       "Employee Information|Report the employees' records")},
    {TCommand::ReportCalendar, "mnuReportCalendar",
     QT_TRANSLATE_NOOP("absence::ui::TMainActions", "&Month Calendar..."),
     QT_TRANSLATE_NOOP("absence::ui::TMainActions",
                       "Month Calendar|Print month calendars of absences")},
    {TCommand::ReportDepInfo, "mnuReportDepInfo",
     QT_TRANSLATE_NOOP("absence::ui::TMainActions", "&Department Information..."),
     QT_TRANSLATE_NOOP("absence::ui::TMainActions",
                       "Department Information|Report the departments")},
    {TCommand::ReportStatements, "mnuReportStatements",
     QT_TRANSLATE_NOOP("absence::ui::TMainActions", "Employee &Statements..."),
     QT_TRANSLATE_NOOP("absence::ui::TMainActions",
                       "Employee Statements|Print a statement of absences and balances for each "
                       "employee to sign")},
    {TCommand::HelpContents, "mnuHelpContents",
     QT_TRANSLATE_NOOP("absence::ui::TMainActions", "&Contents"),
     QT_TRANSLATE_NOOP("absence::ui::TMainActions", "Contents|Show the contents of Absence Help")},
    {TCommand::HelpSearch, "mnuHelpSearch",
     QT_TRANSLATE_NOOP("absence::ui::TMainActions", "&Search for Help On..."),
     QT_TRANSLATE_NOOP("absence::ui::TMainActions", "Search|Search Absence Help by keyword")},
    {TCommand::HelpOnHelp, "mnuHelpHelp",
     QT_TRANSLATE_NOOP("absence::ui::TMainActions", "&How to Use Help"),
     QT_TRANSLATE_NOOP("absence::ui::TMainActions", "How to Use Help|How the help window works")},
    {TCommand::TechSupport, "mnuHelpTechSupport",
     QT_TRANSLATE_NOOP("absence::ui::TMainActions", "&Technical Support"),
     QT_TRANSLATE_NOOP("absence::ui::TMainActions",
                       "Technical Support|How to get help with Absence")},
    {TCommand::TipOfTheDay, "mnuHelpTip",
     QT_TRANSLATE_NOOP("absence::ui::TMainActions", "Tip of the &Day..."),
     QT_TRANSLATE_NOOP("absence::ui::TMainActions", "Tip of the Day"), kHidden},
    {TCommand::ReportingProblems, "mnuHelpBugs",
     QT_TRANSLATE_NOOP("absence::ui::TMainActions", "&Reporting Problems..."),
     QT_TRANSLATE_NOOP("absence::ui::TMainActions", "Reporting Problems"), kHidden},
    {TCommand::About, "mnuHelpAbout",
     QT_TRANSLATE_NOOP("absence::ui::TMainActions", "&About Absence..."),
     QT_TRANSLATE_NOOP("absence::ui::TMainActions", "About|Version and copyright of Absence")},
    {TCommand::EmployeeData, "cmdEmployeeData",
     QT_TRANSLATE_NOOP("absence::ui::TMainActions", "Employee Data"),
     QT_TRANSLATE_NOOP("absence::ui::TMainActions",
                       "Employee Data|Click to view/edit the employee's information"),
     kStartsOff},
    {TCommand::PickDate, "cmdPickDate",
     QT_TRANSLATE_NOOP("absence::ui::TMainActions", "Show Calendar"),
     QT_TRANSLATE_NOOP("absence::ui::TMainActions",
                       "Show Calendar|Click to select a beginning date for the calendar")},
    {TCommand::ScreenHelp, "cmdScreenHelp",
     QT_TRANSLATE_NOOP("absence::ui::TMainActions", "Absence Help"),
     QT_TRANSLATE_NOOP("absence::ui::TMainActions",
                       "Absence Help|Click to display help for the Main Screen")},
    {TCommand::FindEmployee, "cmdFindEmployee",
     QT_TRANSLATE_NOOP("absence::ui::TMainActions", "Find Employee"),
     QT_TRANSLATE_NOOP("absence::ui::TMainActions", "Find Employee|Go to the employee box")},
};

QString Translated(const char* text) {
  return QCoreApplication::translate(kContext, text);
}

}  // namespace

TMainActions::TMainActions(QWidget* window, QAction* undo, QAction* redo) : QObject(window) {
  for (const TCommandRow& row : kCommands) {
    auto* action = new QAction(Translated(row.Caption), window);
    action->setObjectName(QString::fromLatin1(row.Name));
    SetHint(action, Translated(row.Hint));
    const bool available = !(row.Flags & kUnavailable);
    action->setProperty(kAvailableProperty, available);
    action->setEnabled(available && !(row.Flags & kStartsOff));
    action->setVisible(!(row.Flags & kHidden));
    actions_[Index(row.Command)] = action;
  }
  undo->setProperty(kAvailableProperty, true);
  redo->setProperty(kAvailableProperty, true);
  // The history's actions carry no hint of their own until it names a change.
  SetHint(undo, Translated(QT_TRANSLATE_NOOP("absence::ui::TMainActions",
                                             "Undo|Take back the last change")));
  SetHint(redo, Translated(QT_TRANSLATE_NOOP("absence::ui::TMainActions",
                                             "Redo|Make the change taken back again")));
  actions_[Index(TCommand::Undo)] = undo;
  actions_[Index(TCommand::Redo)] = redo;

  // The platform's own keys where there is a convention; Alt+F4 still closes too.
  (*this)[TCommand::Save]->setShortcut(QKeySequence::Save);
  // Not every platform names a Quit key; Ctrl+Q is the common one.
  QList<QKeySequence> quit = QKeySequence::keyBindings(QKeySequence::Quit);
  if (quit.isEmpty()) quit << QKeySequence(Qt::CTRL | Qt::Key_Q);
  quit << QKeySequence(Qt::ALT | Qt::Key_F4);
  (*this)[TCommand::Exit]->setShortcuts(quit);
  (*this)[TCommand::ScreenHelp]->setShortcuts(QKeySequence::HelpContents);
  (*this)[TCommand::FindEmployee]->setShortcuts(QKeySequence::Find);
  for (QAction* action : actions_) window->addAction(action);
}

void TMainActions::SetEnabled(TCommand command, bool on) const {
  QAction* action = (*this)[command];
  action->setEnabled(on && action->property(kAvailableProperty).toBool());
}

}  // namespace absence::ui
