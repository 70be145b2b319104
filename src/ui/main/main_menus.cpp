// The main window's menus, and which commands this build offers.
#include "ui/main/main_menus.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QToolButton>

#include "ui/common/hints.h"

namespace absence::ui {
namespace {

// A command whose window is not in this build stays disabled.
constexpr const char* kAvailableProperty = "available";

QAction* AddCommand(QMenu* menu, const char* name, const QString& caption, const QString& hint,
                    bool available = true) {
  QAction* action = menu->addAction(caption);
  action->setObjectName(QString::fromLatin1(name));
  SetHint(action, hint);
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
  mnuFile = bar->addMenu(QStringLiteral("&File"));
  mnuFile->setObjectName(QStringLiteral("mnuFile"));
  mnuFileSave = AddCommand(mnuFile, "mnuFileSave", QStringLiteral("&Save Current Changes"),
                           QStringLiteral("Save|Save all changes to the data files"));
  mnuFileSave->setShortcut(QKeySequence::Save);
  mnuFileAbandon =
      AddCommand(mnuFile, "mnuFileAbandon", QStringLiteral("&Abandon All Changes"),
                 QStringLiteral("Abandon|Discard all changes made since the last save"));
  mnuFile->addSeparator();
  mnuFileBackup = AddCommand(mnuFile, "mnuFileBackup", QStringLiteral("&Backup Data..."),
                             QStringLiteral("Backup|Copy all Absence data into a backup file"));
  mnuFileRestore =
      AddCommand(mnuFile, "mnuFileRestore", QStringLiteral("&Restore from Backup..."),
                 QStringLiteral("Restore|Replace all Absence data with a backup file"));
  mnuFile->addSeparator();
  mnuFileSetup = AddCommand(mnuFile, "mnuFileSetup", QStringLiteral("&Printer Setup..."),
                            QStringLiteral("Printer Setup|Choose the printer and its settings"));
  mnuFile->addSeparator();
  mnuFileImport = AddCommand(mnuFile, "mnuFileImport", QStringLiteral("&Import Data..."),
                             QStringLiteral("Import|Read employees or absences from a text file"));
  mnuFileExport = AddCommand(mnuFile, "mnuFileExport", QStringLiteral("&Export Data..."),
                             QStringLiteral("Export|Write employees or absences to a text file"));
  mnuFileCalendar =
      AddCommand(mnuFile, "mnuFileCalendar", QStringLiteral("Export &Calendar..."),
                 QStringLiteral("Calendar|Write all absences to a calendar file (iCalendar)"));
  mnuFile->addSeparator();
  mnuFileExit = AddCommand(mnuFile, "mnuFileExit", QStringLiteral("E&xit"),
                           QStringLiteral("Exit|Save all changes and close Absence"));
  mnuFileExit->setShortcut(QKeySequence(Qt::ALT | Qt::Key_F4));

  mnuEdit = bar->addMenu(QStringLiteral("&Edit"));
  mnuEdit->setObjectName(QStringLiteral("mnuEdit"));
  mnuEditAbsence = AddCommand(
      mnuEdit, "mnuEditAbsence", QStringLiteral("&Absence Entries..."),
      QStringLiteral("List Absence|View all Absence entries of the employee for the year"), false);
  mnuEditGlobal =
      AddCommand(mnuEdit, "mnuEditGlobal", QStringLiteral("&Global Absence Entries..."),
                 QStringLiteral("Global Entries|Add an Absence entry for all employees"));
  mnuEdit->addSeparator();
  mnuEditEmp = AddCommand(mnuEdit, "mnuEditEmp", QStringLiteral("&Employees..."),
                          QStringLiteral("Employees|Add, edit and delete employees"), false);
  mnuEditDept = AddCommand(mnuEdit, "mnuEditDept", QStringLiteral("&Departments..."),
                           QStringLiteral("Departments|Add, edit and delete departments"));
  mnuEditReason =
      AddCommand(mnuEdit, "mnuEditReason", QStringLiteral("Absence &Reasons..."),
                 QStringLiteral("Reasons|Add, edit and delete absence reasons and policies"));
  mnuEdit->addSeparator();
  mnuEditPreferences =
      AddCommand(mnuEdit, "mnuEditPreferences", QStringLiteral("&Preferences..."),
                 QStringLiteral("Preferences|Change the tool bar, hour display and defaults"));
  mnuEditAbsence->setEnabled(false);
  mnuEditGlobal->setEnabled(false);

  mnuReport = bar->addMenu(QStringLiteral("&Report"));
  mnuReport->setObjectName(QStringLiteral("mnuReport"));
  mnuReportAbsence = AddCommand(mnuReport, "mnuReportAbsence", QStringLiteral("&Absence Taken..."),
                                QStringLiteral("Absence Taken|Report the absences taken"), false);
  mnuReportBalances =
      AddCommand(mnuReport, "mnuReportBalances", QStringLiteral("Absence &Balances..."),
                 QStringLiteral("Balances|Report the balances of the absence reasons"), false);
  mnuReportEmpInfo =
      AddCommand(mnuReport, "mnuReportEmpInfo", QStringLiteral("Employee &Information..."),
                 QStringLiteral("Employee Information|Report the employees' records"), false);
  mnuReport->addSeparator();
  mnuReportCalendar =
      AddCommand(mnuReport, "mnuReportCalendar", QStringLiteral("&Month Calendar..."),
                 QStringLiteral("Month Calendar|Print month calendars of absences"));
  mnuReportDepInfo =
      AddCommand(mnuReport, "mnuReportDepInfo", QStringLiteral("&Department Information..."),
                 QStringLiteral("Department Information|Report the departments"), false);

  mnuHelp = bar->addMenu(QStringLiteral("&Help"));
  mnuHelp->setObjectName(QStringLiteral("mnuHelp"));
  mnuHelpContents = AddCommand(mnuHelp, "mnuHelpContents", QStringLiteral("&Contents"),
                               QStringLiteral("Contents|Show the contents of Absence Help"));
  mnuHelpSearch = AddCommand(mnuHelp, "mnuHelpSearch", QStringLiteral("&Search for Help On..."),
                             QStringLiteral("Search|Search Absence Help by keyword"));
  mnuHelpHelp = AddCommand(mnuHelp, "mnuHelpHelp", QStringLiteral("&How to Use Help"),
                           QStringLiteral("How to Use Help|How the help window works"));
  mnuHelp->addSeparator();
  mnuHelpTechSupport =
      AddCommand(mnuHelp, "mnuHelpTechSupport", QStringLiteral("&Technical Support"),
                 QStringLiteral("Technical Support|How to get help with Absence"));
  mnuHelpTip = AddCommand(mnuHelp, "mnuHelpTip", QStringLiteral("Tip of the &Day..."),
                          QStringLiteral("Tip of the Day"));
  mnuHelpBugs = AddCommand(mnuHelp, "mnuHelpBugs", QStringLiteral("&Reporting Problems..."),
                           QStringLiteral("Reporting Problems"));
  mnuHelpTip->setVisible(false);
  mnuHelpBugs->setVisible(false);
  mnuHelp->addSeparator();
  mnuHelpAbout = AddCommand(mnuHelp, "mnuHelpAbout", QStringLiteral("&About Absence..."),
                            QStringLiteral("About|Version and copyright of Absence"));
}

}  // namespace absence::ui
