#include "ui/main/main_window.h"

#include <QAction>
#include <QApplication>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>
#include <QTimer>
#include <QToolButton>
#include <QUndoStack>
#include <QVBoxLayout>

#include "ui/common/app_state.h"
#include "ui/common/clock.h"
#include "ui/common/date_text.h"
#include "ui/common/help_key.h"
#include "ui/common/hints.h"
#include "ui/common/pv_combo_box.h"
#include "ui/common/scale.h"
#include "ui/main/balances_panel.h"
#include "ui/main/calendar_grid.h"
#include "ui/main/calendar_panel.h"
#include "ui/main/day_list.h"
#include "ui/main/dialog_buttons.h"
#include "ui/main/main_toolbar.h"
#include "ui/main/splash.h"
#include "ui/main/start_hint.h"
#include "ui/reports/history_window.h"
#include "ui/reports/month_end.h"
#include "ui/reports/print_calendar.h"
#include "ui/reports/selection_form.h"
#include "ui/session/data_session.h"

namespace absence::ui {

TfrmMain::TfrmMain(int loadDelayMs, QWidget* parent)
    : QMainWindow(parent), session_(new TDataSession(App().AppFolder, this)) {
  setObjectName(QStringLiteral("frmMain"));
  setWindowTitle(QStringLiteral("Absence"));
  SetHelpContext(this, kMainHelpContext);
  connect(qApp, &QGuiApplication::applicationStateChanged, this, &TfrmMain::AppActivate);

  // Counting starts now: the first tick loads the data set.
  Timer1 = new QTimer(this);
  Timer1->setObjectName(QStringLiteral("Timer1"));
  Timer1->setInterval(loadDelayMs);
  connect(Timer1, &QTimer::timeout, this, &TfrmMain::Timer1Timer);
  Timer1->start();

  menus_.Create(menuBar());
  toolbar_ = new TMainToolbar;
  calendar_ = new TCalendarPanel(*session_);
  auto* bottom = new QWidget;
  bottom->setObjectName(QStringLiteral("Panel1"));
  auto* row = new QHBoxLayout(bottom);
  row->setContentsMargins(Scale(8), Scale(2), Scale(8), Scale(4));
  balances_ = new TBalancesPanel(*session_);
  dayList_ = new TDayList(*session_);
  balances_->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Preferred);
  row->addWidget(balances_);
  row->addSpacing(Scale(12));
  row->addWidget(dayList_, 1);

  auto* central = new QWidget;
  auto* layout = new QVBoxLayout(central);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  layout->addWidget(toolbar_);
  auto* line = new QFrame;
  line->setFrameShape(QFrame::HLine);
  line->setFrameShadow(QFrame::Sunken);
  layout->addWidget(line);
  layout->addWidget(calendar_, 1);
  layout->addWidget(bottom);
  setCentralWidget(central);
  CreateStatusBar();
  ConnectCommands();
  ConnectHistory();

  resize(Scale(644), Scale(454));
  setMinimumSize(Scale(580), Scale(430));

  ReadSettings();
  const TDate today = Today();
  lblStatusDate->setText(FormatDate(today, App().DatePattern));
  ShowWeeks(today);
  // Today is the picked day until the user picks another.
  TCalendarGrid* grid = calendar_->Grid();
  grid->SetPicked(grid->currentColumn(), grid->currentRow(), true);
  balances_->LoadColumnWidths();
}

TfrmMain::~TfrmMain() {
  // The session goes with the window's children, once this object is no longer a TfrmMain:
  // nothing it announces then (its history cleared) may reach this window's handlers.
  session_->History()->disconnect();
  session_->disconnect(this);
}

void TfrmMain::CreateStatusBar() {
  statusBar()->setObjectName(QStringLiteral("StatusBar"));
  statusBar()->setFixedHeight(Scale(20));
  statusBar()->setSizeGripEnabled(true);
  lblStatusDate = new QLabel;
  lblStatusDate->setObjectName(QStringLiteral("lblStatusDate"));
  lblStatusDate->setMinimumWidth(Scale(90) - 10);
  lblStatusDate->setAlignment(Qt::AlignCenter);
  statusBar()->addPermanentWidget(lblStatusDate);
  lblStartHint = new QLabel;
  lblStartHint->setObjectName(QStringLiteral("lblStartHint"));
  lblStartHint->setToolTip(StartHintTip());
  statusBar()->addWidget(lblStartHint, 1);
}

void TfrmMain::ConnectCommands() {
  const TMainMenus& m = menus_;
  connect(m.mnuFileSave, &QAction::triggered, this, &TfrmMain::mnuFileSaveClick);
  connect(m.mnuFileAbandon, &QAction::triggered, this, &TfrmMain::mnuFileAbandonClick);
  connect(m.mnuFileBackup, &QAction::triggered, this, &TfrmMain::mnuFileBackupClick);
  connect(m.mnuFileRestore, &QAction::triggered, this, &TfrmMain::mnuFileRestoreClick);
  connect(m.mnuFileSetup, &QAction::triggered, this, &TfrmMain::mnuFileSetupClick);
  connect(m.mnuEditGlobal, &QAction::triggered, this, &TfrmMain::mnuEditGlobalClick);
  connect(m.mnuEditAbsence, &QAction::triggered, this, &TfrmMain::mnuEditAbsenceClick);
  connect(toolbar_->spdAbsenceView, &QToolButton::clicked, this, &TfrmMain::mnuEditAbsenceClick);
  connect(toolbar_->spdGlobal, &QToolButton::clicked, this, &TfrmMain::mnuEditGlobalClick);
  connect(m.mnuEditPreferences, &QAction::triggered, this, &TfrmMain::mnuEditPreferencesClick);
  connect(m.mnuFileImport, &QAction::triggered, this, &TfrmMain::mnuFileImportClick);
  connect(m.mnuFileExport, &QAction::triggered, this, &TfrmMain::mnuFileExportClick);
  connect(m.mnuFileCalendar, &QAction::triggered, this, &TfrmMain::mnuFileCalendarClick);
  connect(m.mnuFileMonthEnd, &QAction::triggered, this, [this] {
    calendar_->ClearPicks();
    TfrmMonthEnd window(*session_, this);
    RunDialog(window);
  });
  connect(m.mnuEditEmp, &QAction::triggered, this, &TfrmMain::mnuEditEmpClick);
  connect(toolbar_->spdEmp, &QToolButton::clicked, this, &TfrmMain::spdEmpClick);
  connect(m.mnuEditDept, &QAction::triggered, this, &TfrmMain::mnuEditDeptClick);
  connect(m.mnuEditReason, &QAction::triggered, this, &TfrmMain::mnuEditReasonClick);
  connect(m.mnuEditHistory, &QAction::triggered, this, [this] { ShowHistory(*session_, 0, this); });
  connect(m.mnuFileExit, &QAction::triggered, this, &TfrmMain::mnuFileExitClick);
  connect(m.mnuHelpContents, &QAction::triggered, this, &TfrmMain::mnuHelpContentsClick);
  connect(m.mnuHelpSearch, &QAction::triggered, this, &TfrmMain::mnuHelpSearchClick);
  connect(m.mnuHelpHelp, &QAction::triggered, this, &TfrmMain::mnuHelpHelpClick);
  connect(m.mnuHelpTechSupport, &QAction::triggered, this, &TfrmMain::mnuHelpTechSupportClick);
  connect(m.mnuHelpAbout, &QAction::triggered, this, &TfrmMain::mnuHelpAboutClick);
  connect(m.mnuReportCalendar, &QAction::triggered, this, [this] {
    TfrmPrintCalendar window(*session_, this);
    RunDialog(window);
  });
  for (auto [action, kind] : {std::pair{m.mnuReportAbsence, reports::TReportKind::Absence},
                              std::pair{m.mnuReportBalances, reports::TReportKind::Balances},
                              std::pair{m.mnuReportEmpInfo, reports::TReportKind::EmpInfo},
                              std::pair{m.mnuReportDepInfo, reports::TReportKind::Department},
                              std::pair{m.mnuReportStatements, reports::TReportKind::Statement}})
    connect(action, &QAction::triggered, this, [this, report = kind] {
      calendar_->ClearPicks();
      RunReportSelection(*session_, report, this);
    });
  connect(toolbar_->spdHelp, &QToolButton::clicked, this, &TfrmMain::spdHelpClick);
  connect(toolbar_->cboEmpBox, &QComboBox::activated, this, &TfrmMain::cboEmpBoxClick);
  connect(toolbar_->spdDate, &QToolButton::clicked, this, &TfrmMain::spdDateClick);

  connect(calendar_, &TCalendarPanel::WeeksShown, this, &TfrmMain::WeeksShown);
  connect(calendar_, &TCalendarPanel::DayChosen, this, &TfrmMain::ShowDayEntries);
  // Any change, undo or redo, made from whatever window: the balances and the day list follow.
  connect(session_, &TDataSession::Changed, this, &TfrmMain::EntriesChanged);
  connect(balances_, &TBalancesPanel::ExplainRequested, this, &TfrmMain::ExplainBalance);
  // Records replaced (save, abandon, restore): find the selection again by its identifier.
  connect(session_, &TDataSession::Reloaded, this, [this] {
    if (!session_->Employee(currentEmpID_)) currentEmpID_ = 0;
  });
}

// Undo and redo head the Edit menu and sit on the toolbar, on only while there is something
// to take back or make again.
void TfrmMain::ConnectHistory() {
  mnuEditUndo = session_->CreateUndoAction(this);
  mnuEditRedo = session_->CreateRedoAction(this);
  QAction* first = menus_.mnuEdit->actions().value(0);
  menus_.mnuEdit->insertActions(first, {mnuEditUndo, mnuEditRedo});
  menus_.mnuEdit->insertSeparator(first);
  QUndoStack* history = session_->History();
  connect(history, &QUndoStack::canUndoChanged, toolbar_->spdUndo, &QWidget::setEnabled);
  connect(history, &QUndoStack::canRedoChanged, toolbar_->spdRedo, &QWidget::setEnabled);
  connect(history, &QUndoStack::undoTextChanged, toolbar_->spdUndo, [this](const QString& what) {
    SetHint(toolbar_->spdUndo, QStringLiteral("Undo %1|Take back: %1").arg(what));
  });
  connect(history, &QUndoStack::redoTextChanged, toolbar_->spdRedo, [this](const QString& what) {
    SetHint(toolbar_->spdRedo, QStringLiteral("Redo %1|Make again: %1").arg(what));
  });
  connect(toolbar_->spdUndo, &QToolButton::clicked, this, [this] { mnuEditUndo->trigger(); });
  connect(toolbar_->spdRedo, &QToolButton::clicked, this, [this] { mnuEditRedo->trigger(); });
  // The lists were replaced by a change (an import or a restore, made, undone or redone).
  connect(session_, &TDataSession::Replaced, this, [this] { RefreshLists(RememberEmployee()); });
  // Reasons, departments or employees changed in any window, or by undo and redo: the boxes
  // are filled again once the change is announced, the shown employee kept when still there.
  for (auto signal : {&TDataSession::ReasonsChanged, &TDataSession::DeptsChanged,
                      &TDataSession::EmployeeListChanged})
    connect(session_, signal, this, [this] { listsStale_ = true; });
  connect(session_, &TDataSession::Changed, this, [this] {
    if (!listsStale_) return;
    listsStale_ = false;
    const int32_t shown = currentEmpID_;
    RefreshLists(QString());
    if (const int i = toolbar_->cboEmpBox->IndexOfID(shown); i >= 0) {
      toolbar_->cboEmpBox->setCurrentIndex(i);
      SelectEmployee(shown);
      ShowDayEntries();
    }
  });
}

void TfrmMain::SetSplash(TfrmSplash* splash) {
  splash_ = splash;
}

void TfrmMain::ShowAsStored() {
  if (ParseStartupState(App().Settings.StartupState).Maximised)
    showMaximized();
  else
    show();
}

void TfrmMain::AppActivate(Qt::ApplicationState state) {
  if (state != Qt::ApplicationActive || !ActivateFront) return;
  QWidget* front = QApplication::activeModalWidget();
  if (!front) front = QApplication::activeWindow();
  if (front) front->raise();
}

void TfrmMain::BringToFront() {
  setWindowState((windowState() & ~Qt::WindowMinimized) | Qt::WindowActive);
  show();
  raise();
  activateWindow();
}

void TfrmMain::showEvent(QShowEvent* event) {
  QMainWindow::showEvent(event);
  if (!activated_) {
    activated_ = true;
    FormActivate();
  }
}

void TfrmMain::resizeEvent(QResizeEvent* event) {
  QMainWindow::resizeEvent(event);
  if (!closing_) ArrangeControls();
}

void TfrmMain::ArrangeControls() {
  statusBar()->setFixedHeight(Scale(20));
}

}  // namespace absence::ui
