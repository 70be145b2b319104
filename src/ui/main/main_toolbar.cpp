#include "ui/main/main_toolbar.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QToolButton>

#include "ui/common/hints.h"
#include "ui/common/pictures.h"
#include "ui/common/pv_combo_box.h"
#include "ui/common/scale.h"
#include "ui/common/speed_button.h"
#include "ui/common/toolbar_style.h"

namespace absence::ui {
namespace {

QFrame* AddSeparator(QHBoxLayout* row, const char* name) {
  auto* bevel = new QFrame;
  bevel->setObjectName(QString::fromLatin1(name));
  bevel->setFrameShape(QFrame::VLine);
  bevel->setFrameShadow(QFrame::Sunken);
  row->addSpacing(Scale(6));
  row->addWidget(bevel);
  row->addSpacing(Scale(6));
  return bevel;
}

}  // namespace

TMainToolbar::TMainToolbar(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("pnlToolBack"));
  auto* row = new QHBoxLayout(this);
  row->setContentsMargins(Scale(8), Scale(2), Scale(8), Scale(2));
  row->setSpacing(Scale(1));
  lblEmp = new QLabel(QStringLiteral("Employee"));
  lblEmp->setObjectName(QStringLiteral("lblEmp"));
  cboEmpBox = new TPVComboBox;
  cboEmpBox->setObjectName(QStringLiteral("cboEmpBox"));
  cboEmpBox->setMinimumWidth(Scale(200));
  cboEmpBox->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
  lblEmp->setBuddy(cboEmpBox);
  row->addWidget(lblEmp);
  row->addSpacing(Scale(6));
  row->addWidget(cboEmpBox);
  row->addSpacing(Scale(10));
  spdAbsenceView = AddSpeedButton(
      row, "spdAbsenceView", QStringLiteral("&List"),
      QStringLiteral("List Absence|Click to view all Absence entries for the year"), "List", 1);
  spdEmp = AddSpeedButton(
      row, "spdEmp", QStringLiteral("E&mp"),
      QStringLiteral("Employee Data|Click to view/edit the employee's information"), "Emp", 2);
  bvlToolBar1 = AddSeparator(row, "bvlToolBar1");
  spdGlobal = AddSpeedButton(
      row, "spdGlobal", QStringLiteral("&Global"),
      QStringLiteral("Global Entry|Click to add a Absence entry for all active employees"), "Globe",
      3);
  spdUndo = AddSpeedButton(row, "spdUndo", QStringLiteral("Undo"),
                           QStringLiteral("Undo|Take back the last change"), "Undo", 6);
  spdRedo = AddSpeedButton(row, "spdRedo", QStringLiteral("Redo"),
                           QStringLiteral("Redo|Make the change taken back again"), "Redo", 7);
  bvlToolBar2 = AddSeparator(row, "bvlToolBar2");
  spdDate = AddSpeedButton(
      row, "spdDate", QStringLiteral("&Dates"),
      QStringLiteral("Show Calendar|Click to select a beginning date for the calendar"), "Dates",
      4);
  spdHelp = AddSpeedButton(row, "spdHelp", QStringLiteral("&Help"),
                           QStringLiteral("Absence Help|Click to display help for the Main Screen"),
                           "HelpBmp", 5);
  row->addStretch();
  for (QToolButton* b : {spdAbsenceView, spdEmp, spdGlobal, spdUndo, spdRedo}) b->setEnabled(false);
}

void TMainToolbar::ArrangeToolbar(TToolCaption toolCaption, bool showButtonBorder) {
  setUpdatesEnabled(false);
  int width = 41, height = 40, panel = 48;
  if (toolCaption == TToolCaption::Picture) width = height = 27, panel = 35;
  if (toolCaption == TToolCaption::Text) height = 27, panel = 35;
  const int icon = toolCaption == TToolCaption::Picture ? Scale(22) : Scale(20);
  for (QToolButton* b : {spdAbsenceView, spdEmp, spdGlobal, spdUndo, spdRedo, spdDate, spdHelp}) {
    StyleToolButton(b, toolCaption, showButtonBorder);
    b->setIconSize(QSize(icon, icon));
    b->setFixedSize(Scale(width), Scale(height));
  }
  setFixedHeight(Scale(panel));
  bvlToolBar1->setFixedHeight(Scale(panel) - 2 * Scale(6));
  bvlToolBar2->setFixedHeight(Scale(panel) - 2 * Scale(6));
  setUpdatesEnabled(true);
}

}  // namespace absence::ui
