// The main window's menus and toolbar, and the commands that need no other window.
#include <QAction>
#include <QApplication>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenuBar>
#include <QToolButton>

#include "ui/common/app_state.h"
#include "ui/common/fonts.h"
#include "ui/common/help.h"
#include "ui/common/hints.h"
#include "ui/common/pictures.h"
#include "ui/common/pv_combo_box.h"
#include "ui/common/scale.h"
#include "ui/common/toolbar_style.h"
#include "ui/main/about_box.h"
#include "ui/main/main_window.h"

namespace absence::ui {
namespace {

// A command whose window comes with a later part of the program stays disabled.
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

QToolButton* AddSpeedButton(QHBoxLayout* row, const char* name, const QString& caption,
                            const QString& hint, int tag) {
  auto* button = new QToolButton;
  button->setObjectName(QString::fromLatin1(name));
  button->setText(caption);
  button->setProperty(kToolTagProperty, tag);
  SetHint(button, hint);
  row->addWidget(button);
  return button;
}

QFrame* Separator(const char* name) {
  auto* bevel = new QFrame;
  bevel->setObjectName(QString::fromLatin1(name));
  bevel->setFrameShape(QFrame::VLine);
  bevel->setFrameShadow(QFrame::Sunken);
  return bevel;
}

}  // namespace

void TfrmMain::SetCommandEnabled(QAction* action, bool on) {
  action->setEnabled(on && action->property(kAvailableProperty).toBool());
}

void TfrmMain::SetCommandEnabled(QToolButton* button, bool on) {
  const QVariant available = button->property(kAvailableProperty);
  button->setEnabled(on && (!available.isValid() || available.toBool()));
}

void TfrmMain::CreateMenus() {
  mnuFile = menuBar()->addMenu(QStringLiteral("&File"));
  mnuFile->setObjectName(QStringLiteral("mnuFile"));
  mnuFileSave = AddCommand(mnuFile, "mnuFileSave", QStringLiteral("&Save Current Changes"),
                           QStringLiteral("Save|Save all changes to the data files"));
  mnuFileSave->setShortcut(QKeySequence::Save);
  mnuFileAbandon =
      AddCommand(mnuFile, "mnuFileAbandon", QStringLiteral("&Abandon All Changes"),
                 QStringLiteral("Abandon|Discard all changes made since the last save"));
  mnuFile->addSeparator();
  mnuFileBackup =
      AddCommand(mnuFile, "mnuFileBackup", QStringLiteral("&Backup Data..."),
                 QStringLiteral("Backup|Copy all Absence data into a backup file"), false);
  mnuFileRestore =
      AddCommand(mnuFile, "mnuFileRestore", QStringLiteral("&Restore from Backup..."),
                 QStringLiteral("Restore|Replace all Absence data with a backup file"), false);
  mnuFile->addSeparator();
  mnuFileSetup =
      AddCommand(mnuFile, "mnuFileSetup", QStringLiteral("&Printer Setup..."),
                 QStringLiteral("Printer Setup|Choose the printer and its settings"), false);
  mnuFile->addSeparator();
  mnuFileImport =
      AddCommand(mnuFile, "mnuFileImport", QStringLiteral("&Import Data..."),
                 QStringLiteral("Import|Read employees or absences from a text file"), false);
  mnuFileExport =
      AddCommand(mnuFile, "mnuFileExport", QStringLiteral("&Export Data..."),
                 QStringLiteral("Export|Write employees or absences to a text file"), false);
  mnuFile->addSeparator();
  mnuFileExit = AddCommand(mnuFile, "mnuFileExit", QStringLiteral("E&xit"),
                           QStringLiteral("Exit|Save all changes and close Absence"));
  mnuFileExit->setShortcut(QKeySequence(Qt::ALT | Qt::Key_F4));

  mnuEdit = menuBar()->addMenu(QStringLiteral("&Edit"));
  mnuEdit->setObjectName(QStringLiteral("mnuEdit"));
  mnuEditAbsence = AddCommand(
      mnuEdit, "mnuEditAbsence", QStringLiteral("&Absence Entries..."),
      QStringLiteral("List Absence|View all Absence entries of the employee for the year"), false);
  mnuEditGlobal = AddCommand(
      mnuEdit, "mnuEditGlobal", QStringLiteral("&Global Absence Entries..."),
      QStringLiteral("Global Entries|View the Absence entries made for all employees"), false);
  mnuEdit->addSeparator();
  mnuEditEmp = AddCommand(mnuEdit, "mnuEditEmp", QStringLiteral("&Employees..."),
                          QStringLiteral("Employees|Add, edit and delete employees"), false);
  mnuEditDept = AddCommand(mnuEdit, "mnuEditDept", QStringLiteral("&Departments..."),
                           QStringLiteral("Departments|Add, edit and delete departments"), false);
  mnuEditReason = AddCommand(
      mnuEdit, "mnuEditReason", QStringLiteral("Absence &Reasons..."),
      QStringLiteral("Reasons|Add, edit and delete absence reasons and policies"), false);
  mnuEdit->addSeparator();
  mnuEditPreferences = AddCommand(
      mnuEdit, "mnuEditPreferences", QStringLiteral("&Preferences..."),
      QStringLiteral("Preferences|Change the tool bar, hour display and defaults"), false);
  mnuEditAbsence->setEnabled(false);
  mnuEditGlobal->setEnabled(false);

  mnuReport = menuBar()->addMenu(QStringLiteral("&Report"));
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
                 QStringLiteral("Month Calendar|Print month calendars of absences"), false);
  mnuReportDepInfo =
      AddCommand(mnuReport, "mnuReportDepInfo", QStringLiteral("&Department Information..."),
                 QStringLiteral("Department Information|Report the departments"), false);

  mnuHelp = menuBar()->addMenu(QStringLiteral("&Help"));
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

  connect(mnuFileSave, &QAction::triggered, this, &TfrmMain::mnuFileSaveClick);
  connect(mnuFileAbandon, &QAction::triggered, this, &TfrmMain::mnuFileAbandonClick);
  connect(mnuFileExit, &QAction::triggered, this, &TfrmMain::mnuFileExitClick);
  connect(mnuHelpContents, &QAction::triggered, this, &TfrmMain::mnuHelpContentsClick);
  connect(mnuHelpSearch, &QAction::triggered, this, &TfrmMain::mnuHelpSearchClick);
  connect(mnuHelpHelp, &QAction::triggered, this, &TfrmMain::mnuHelpHelpClick);
  connect(mnuHelpTechSupport, &QAction::triggered, this, &TfrmMain::mnuHelpTechSupportClick);
  connect(mnuHelpAbout, &QAction::triggered, this, &TfrmMain::mnuHelpAboutClick);
}

void TfrmMain::CreateToolbar() {
  pnlToolBack = new QWidget;
  pnlToolBack->setObjectName(QStringLiteral("pnlToolBack"));
  auto* row = new QHBoxLayout(pnlToolBack);
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
      QStringLiteral("List Absence|Click to view all Absence entries for the year"), 1);
  spdEmp = AddSpeedButton(
      row, "spdEmp", QStringLiteral("E&mp"),
      QStringLiteral("Employee Data|Click to view/edit the employee's information"), 2);
  bvlToolBar1 = Separator("bvlToolBar1");
  row->addSpacing(Scale(6));
  row->addWidget(bvlToolBar1);
  row->addSpacing(Scale(6));
  spdGlobal = AddSpeedButton(
      row, "spdGlobal", QStringLiteral("&Global"),
      QStringLiteral("Global Entry|Click to add a Absence entry for all active employees"), 3);
  bvlToolBar2 = Separator("bvlToolBar2");
  row->addSpacing(Scale(6));
  row->addWidget(bvlToolBar2);
  row->addSpacing(Scale(6));
  spdDate = AddSpeedButton(
      row, "spdDate", QStringLiteral("&Dates"),
      QStringLiteral("Show Calendar|Click to select a beginning date for the calendar"), 4);
  spdHelp =
      AddSpeedButton(row, "spdHelp", QStringLiteral("&Help"),
                     QStringLiteral("Absence Help|Click to display help for the Main Screen"), 5);
  row->addStretch();

  spdAbsenceView->setIcon(ResourceIcon(QStringLiteral("List")));
  spdEmp->setIcon(ResourceIcon(QStringLiteral("Emp")));
  spdGlobal->setIcon(ResourceIcon(QStringLiteral("Globe")));
  spdDate->setIcon(ResourceIcon(QStringLiteral("Dates")));
  spdHelp->setIcon(ResourceIcon(QStringLiteral("HelpBmp")));
  // Their windows come with later parts of the program.
  for (QToolButton* b : {spdAbsenceView, spdEmp, spdGlobal, spdDate})
    b->setProperty(kAvailableProperty, false);
  for (QToolButton* b : {spdAbsenceView, spdEmp, spdGlobal, spdDate}) b->setEnabled(false);
  connect(spdHelp, &QToolButton::clicked, this, &TfrmMain::spdHelpClick);
  connect(cboEmpBox, &QComboBox::activated, this, &TfrmMain::cboEmpBoxClick);
}

void TfrmMain::ArrangeToolbar() {
  setUpdatesEnabled(false);
  const TSettings& s = App().Settings;
  int width = 41, height = 40, panel = 48;
  if (s.ToolCaption == 0) width = height = 27, panel = 35;
  if (s.ToolCaption == 1) height = 27, panel = 35;
  const QSize iconSize(s.ToolCaption == 0 ? Scale(22) : Scale(20),
                       s.ToolCaption == 0 ? Scale(22) : Scale(20));
  for (QToolButton* b : {spdAbsenceView, spdEmp, spdGlobal, spdDate, spdHelp}) {
    StyleToolButton(b, s.ToolCaption, s.ShowButtonBorder);
    b->setIconSize(iconSize);
    b->setFixedSize(Scale(width), Scale(height));
  }
  pnlToolBack->setFixedHeight(Scale(panel));
  bvlToolBar1->setFixedHeight(Scale(panel) - 2 * Scale(6));
  bvlToolBar2->setFixedHeight(Scale(panel) - 2 * Scale(6));
  setUpdatesEnabled(true);
}

void TfrmMain::mnuFileExitClick() {
  close();
}

void TfrmMain::mnuHelpContentsClick() {
  ShowHelpContents();
}

void TfrmMain::mnuHelpSearchClick() {
  ShowHelpSearch(QString());
}

void TfrmMain::mnuHelpHelpClick() {
  ShowHelpContext(kHelpOnHelpContext);
}

void TfrmMain::mnuHelpTechSupportClick() {
  ShowHelpContext(30);
}

void TfrmMain::mnuHelpAboutClick() {
  TAboutBox box(this);
  box.exec();
}

void TfrmMain::spdHelpClick() {
  ClearPicks();
  ShowHelpTopic(QStringLiteral("Main_Screen"));
}

}  // namespace absence::ui
