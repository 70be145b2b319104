#pragma once
// The strip under the menus: the employee box and the buttons of the main window's commands,
// styled by the ToolCaption and ShowButtonBorder settings.
#include <QWidget>

#include "data/settings.h"

class QFrame;
class QToolButton;

namespace absence::ui {

class TMainActions;
class TPVComboBox;

class TMainToolbar : public QWidget {
  Q_OBJECT
 public:
  explicit TMainToolbar(const TMainActions& actions, QWidget* parent = nullptr);
  void ArrangeToolbar(TToolCaption toolCaption, bool showButtonBorder);

  // The box that chooses the employee the window shows.
  TPVComboBox* EmployeeBox() const { return employeeBox_; }

 private:
  TPVComboBox* employeeBox_ = nullptr;
  QList<QToolButton*> buttons_;
  QList<QFrame*> separators_;
};

}  // namespace absence::ui
