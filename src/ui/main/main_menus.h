#pragma once
// The main window's menus (File, Edit, Report, Help): the window's commands in their order,
// under the captions their object names go with.
class QAction;
class QMenuBar;

namespace absence::ui {

class TMainActions;

// Fills `bar` with the commands of `actions`. Returns the Report menu's own action, which the
// window turns off when there is nothing to print on.
QAction* CreateMainMenus(QMenuBar* bar, const TMainActions& actions);

}  // namespace absence::ui
