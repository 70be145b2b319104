#pragma once
// pnlToolBack: the employee box and the speed buttons, styled by the ToolCaption and
// ShowButtonBorder settings.
#include <QWidget>

#include "data/settings.h"

class QFrame;
class QLabel;
class QToolButton;

namespace absence::ui {

class TPVComboBox;

class TMainToolbar : public QWidget {
  Q_OBJECT
 public:
  explicit TMainToolbar(QWidget* parent = nullptr);
  void ArrangeToolbar(TToolCaption toolCaption, bool showButtonBorder);

  QLabel* lblEmp = nullptr;
  TPVComboBox* cboEmpBox = nullptr;
  QToolButton* spdAbsenceView = nullptr;
  QToolButton* spdEmp = nullptr;
  QFrame* bvlToolBar1 = nullptr;
  QToolButton* spdGlobal = nullptr;
  QToolButton* spdUndo = nullptr;
  QToolButton* spdRedo = nullptr;
  QFrame* bvlToolBar2 = nullptr;
  QToolButton* spdDate = nullptr;
  QToolButton* spdHelp = nullptr;
};

}  // namespace absence::ui
