// The main window's menus: which command sits where.
#include "ui/main/main_menus.h"

#include <QCoreApplication>
#include <QMenu>
#include <QMenuBar>
#include <initializer_list>

#include "ui/main/main_actions.h"

namespace absence::ui {
namespace {

struct TMenuItem {
  TCommand Command;
  bool SeparatorBefore = false;
};

struct TMenuRow {
  const char* Name;
  const char* Caption;
  std::initializer_list<TMenuItem> Items;
};

const TMenuRow kMenus[] = {
    {"mnuFile",
     QT_TRANSLATE_NOOP("absence::ui::TMainMenus", "&File"),
     {{TCommand::Save},
      {TCommand::Abandon},
      {TCommand::Backup, true},
      {TCommand::Restore},
      {TCommand::PrinterSetup, true},
      {TCommand::Import, true},
      {TCommand::Export},
      {TCommand::ExportCalendar},
      {TCommand::MonthEnd},
      {TCommand::Exit, true}}},
    {"mnuEdit",
     QT_TRANSLATE_NOOP("absence::ui::TMainMenus", "&Edit"),
     {{TCommand::Undo},
      {TCommand::Redo},
      {TCommand::AbsenceEntries, true},
      {TCommand::GlobalEntries},
      {TCommand::Employees, true},
      {TCommand::Departments},
      {TCommand::Reasons},
      {TCommand::History, true},
      {TCommand::Preferences, true}}},
    {"mnuReport",
     QT_TRANSLATE_NOOP("absence::ui::TMainMenus", "&Report"),
     {{TCommand::ReportAbsence},
      {TCommand::ReportBalances},
      {TCommand::ReportEmpInfo},
      {TCommand::ReportCalendar, true},
      {TCommand::ReportDepInfo},
      {TCommand::ReportStatements, true}}},
    {"mnuHelp",
     QT_TRANSLATE_NOOP("absence::ui::TMainMenus", "&Help"),
     {{TCommand::HelpContents},
      {TCommand::HelpSearch},
      {TCommand::HelpOnHelp},
      {TCommand::TechSupport, true},
      {TCommand::TipOfTheDay},
      {TCommand::ReportingProblems},
      {TCommand::About, true}}},
};

}  // namespace

QAction* CreateMainMenus(QMenuBar* bar, const TMainActions& actions) {
  QAction* report = nullptr;
  for (const TMenuRow& row : kMenus) {
    QMenu* menu = bar->addMenu(QCoreApplication::translate("absence::ui::TMainMenus", row.Caption));
    menu->setObjectName(QString::fromLatin1(row.Name));
    for (const TMenuItem& item : row.Items) {
      if (item.SeparatorBefore) menu->addSeparator();
      menu->addAction(actions[item.Command]);
    }
    if (qstrcmp(row.Name, "mnuReport") == 0) report = menu->menuAction();
  }
  return report;
}

}  // namespace absence::ui
