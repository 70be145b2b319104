#include "ui/main/main_window.h"

#include <QAction>
#include <QApplication>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QSplitter>
#include <QStatusBar>
#include <QTimer>
#include <QToolButton>
#include <QUndoStack>
#include <QVBoxLayout>
#include <algorithm>

#include "ui/common/app_state.h"
#include "ui/common/clock.h"
#include "ui/common/column_widths.h"
#include "ui/common/date_text.h"
#include "ui/common/dialog_buttons.h"
#include "ui/common/help_key.h"
#include "ui/common/hints.h"
#include "ui/common/pv_combo_box.h"
#include "ui/common/scale.h"
#include "ui/common/settings_service.h"
#include "ui/main/balances_panel.h"
#include "ui/main/calendar_grid.h"
#include "ui/main/calendar_panel.h"
#include "ui/main/day_list.h"
#include "ui/main/main_actions.h"
#include "ui/main/main_menus.h"
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
  setWindowTitle(tr("Absence"));
  SetHelpContext(this, kMainHelpContext);
  connect(qApp, &QGuiApplication::applicationStateChanged, this, &TfrmMain::AppActivate);

  // Counting starts now: the first tick loads the data set.
  loadTimer_ = new QTimer(this);
  loadTimer_->setObjectName(QStringLiteral("Timer1"));
  loadTimer_->setInterval(loadDelayMs);
  connect(loadTimer_, &QTimer::timeout, this, &TfrmMain::LoadWhenDue);
  loadTimer_->start();

  actions_ =
      new TMainActions(this, session_->CreateUndoAction(this), session_->CreateRedoAction(this));
  reportMenu_ = CreateMainMenus(menuBar(), *actions_);
  toolbar_ = new TMainToolbar(*actions_);
  calendar_ = new TCalendarPanel(*session_);
  auto* bottom = new QWidget;
  bottom->setObjectName(QStringLiteral("Panel1"));
  auto* row = new QHBoxLayout(bottom);
  row->setContentsMargins(Scale(8), Scale(2), Scale(8), Scale(4));
  balances_ = new TBalancesPanel(*session_);
  dayList_ = new TDayList(*session_);
  // Both panels grow with the window; the balances take the larger share for their figures.
  row->addWidget(balances_, 3);
  row->addSpacing(Scale(12));
  row->addWidget(dayList_, 2);
  // The user divides the height between the calendar and the panels below it.
  splitter_ = new QSplitter(Qt::Vertical);
  splitter_->setObjectName(QStringLiteral("splMain"));
  splitter_->setChildrenCollapsible(false);
  splitter_->addWidget(calendar_);
  splitter_->addWidget(bottom);

  auto* central = new QWidget;
  auto* layout = new QVBoxLayout(central);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  layout->addWidget(toolbar_);
  auto* line = new QFrame;
  line->setFrameShape(QFrame::HLine);
  line->setFrameShadow(QFrame::Sunken);
  layout->addWidget(line);
  layout->addWidget(splitter_, 1);
  setCentralWidget(central);
  CreateStatusBar();
  ConnectCommands();
  ConnectHistory();

  resize(Scale(644), Scale(454));
  setMinimumSize(Scale(580), Scale(430));

  ReadSettings();
  connect(&SettingsService(), &TSettingsService::valueChanged, this, &TfrmMain::SettingChanged);
  const TDate today = Today();
  statusDate_->setText(FormatDate(today, App().DatePattern));
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
  statusDate_ = new QLabel;
  statusDate_->setObjectName(QStringLiteral("lblStatusDate"));
  statusDate_->setMinimumWidth(Scale(90) - 10);
  statusDate_->setAlignment(Qt::AlignCenter);
  statusBar()->addPermanentWidget(statusDate_);
  startHint_ = new QLabel;
  startHint_->setObjectName(QStringLiteral("lblStartHint"));
  startHint_->setToolTip(StartHintTip());
  statusBar()->addWidget(startHint_, 1);
}

void TfrmMain::ConnectCommands() {
  const auto on = [this](TCommand command, auto handler) {
    connect((*actions_)[command], &QAction::triggered, this, handler);
  };
  on(TCommand::Save, &TfrmMain::mnuFileSaveClick);
  on(TCommand::Abandon, &TfrmMain::mnuFileAbandonClick);
  on(TCommand::Backup, &TfrmMain::mnuFileBackupClick);
  on(TCommand::Restore, &TfrmMain::mnuFileRestoreClick);
  on(TCommand::PrinterSetup, &TfrmMain::mnuFileSetupClick);
  on(TCommand::GlobalEntries, &TfrmMain::mnuEditGlobalClick);
  on(TCommand::AbsenceEntries, &TfrmMain::mnuEditAbsenceClick);
  on(TCommand::Preferences, &TfrmMain::mnuEditPreferencesClick);
  on(TCommand::Import, &TfrmMain::mnuFileImportClick);
  on(TCommand::Export, &TfrmMain::mnuFileExportClick);
  on(TCommand::ExportCalendar, &TfrmMain::mnuFileCalendarClick);
  on(TCommand::MonthEnd, [this] {
    calendar_->ClearPicks();
    TfrmMonthEnd window(*session_, this);
    RunDialog(window);
  });
  on(TCommand::Employees, &TfrmMain::mnuEditEmpClick);
  on(TCommand::EmployeeData, &TfrmMain::spdEmpClick);
  on(TCommand::Departments, &TfrmMain::mnuEditDeptClick);
  on(TCommand::Reasons, &TfrmMain::mnuEditReasonClick);
  on(TCommand::History, [this] { ShowHistory(*session_, 0, this); });
  on(TCommand::Exit, &TfrmMain::mnuFileExitClick);
  on(TCommand::HelpContents, &TfrmMain::mnuHelpContentsClick);
  on(TCommand::HelpSearch, &TfrmMain::mnuHelpSearchClick);
  on(TCommand::HelpOnHelp, &TfrmMain::mnuHelpHelpClick);
  on(TCommand::TechSupport, &TfrmMain::mnuHelpTechSupportClick);
  on(TCommand::About, &TfrmMain::mnuHelpAboutClick);
  on(TCommand::ReportCalendar, [this] {
    TfrmPrintCalendar window(*session_, this);
    RunDialog(window);
  });
  for (auto [command, kind] :
       {std::pair{TCommand::ReportAbsence, reports::TReportKind::Absence},
        std::pair{TCommand::ReportBalances, reports::TReportKind::Balances},
        std::pair{TCommand::ReportEmpInfo, reports::TReportKind::EmpInfo},
        std::pair{TCommand::ReportDepInfo, reports::TReportKind::Department},
        std::pair{TCommand::ReportStatements, reports::TReportKind::Statement}})
    on(command, [this, report = kind] {
      calendar_->ClearPicks();
      RunReportSelection(*session_, report, this);
    });
  on(TCommand::ScreenHelp, &TfrmMain::spdHelpClick);
  on(TCommand::PickDate, &TfrmMain::spdDateClick);
  connect(toolbar_->EmployeeBox(), &QComboBox::activated, this, &TfrmMain::cboEmpBoxClick);

  connect(calendar_, &TCalendarPanel::WeeksShown, this, &TfrmMain::WeeksShown);
  connect(calendar_, &TCalendarPanel::DayChosen, this, &TfrmMain::ShowDayEntries);
  connect(balances_, &TBalancesPanel::ExplainRequested, this, &TfrmMain::ExplainBalance);
  // Records replaced (save, abandon, restore): find the selection again by its identifier.
  connect(session_, &TDataSession::Reloaded, this, [this] {
    if (!session_->Employee(currentEmpID_)) currentEmpID_ = 0;
  });
}

// Undo and redo head the Edit menu and sit on the toolbar, on only while there is something
// to take back or make again.
void TfrmMain::ConnectHistory() {
  QUndoStack* history = session_->History();
  QAction* undo = (*actions_)[TCommand::Undo];
  QAction* redo = (*actions_)[TCommand::Redo];
  connect(history, &QUndoStack::undoTextChanged, undo,
          [undo](const QString& what) { SetHint(undo, tr("Undo %1|Take back: %1").arg(what)); });
  connect(history, &QUndoStack::redoTextChanged, redo,
          [redo](const QString& what) { SetHint(redo, tr("Redo %1|Make again: %1").arg(what)); });
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
    RefreshLists({});
    if (const int i = toolbar_->EmployeeBox()->IndexOfID(shown); i >= 0) {
      toolbar_->EmployeeBox()->setCurrentIndex(i);
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
  if (state != Qt::ApplicationActive || !activateFront_) return;
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
  KeepOnScreen();
  if (!activated_) {
    activated_ = true;
    LoadSplitter();
    FormActivate();
  }
}

void TfrmMain::resizeEvent(QResizeEvent* event) {
  QMainWindow::resizeEvent(event);
  if (!closing_) ArrangeControls();
}

// Stored as the two heights; a window of another height keeps their proportion. Applied once
// the window has its size, so that the proportion is taken from the real height.
void TfrmMain::LoadSplitter() {
  layout()->activate();
  centralWidget()->layout()->activate();
  const auto sizes = ParseColumnWidths(SettingsService().ColumnWidths(kSplitterKey));
  if (sizes && sizes->size() == 2 && sizes->at(0) > 0 && sizes->at(1) > 0)
    splitter_->setSizes(*sizes);
  else {
    const int total = splitter_->height() - splitter_->handleWidth();
    const QMargins margins = splitter_->widget(1)->layout()->contentsMargins();
    const int panels = std::max(total / kPanelsShare, balances_->HeightForRows(kFirstBalanceRows) +
                                                          margins.top() + margins.bottom());
    splitter_->setSizes({total - panels, panels});
  }
}

void TfrmMain::SaveSplitter() const {
  // A window never shown has no split of its own to keep.
  if (!activated_) return;
  const QList<int> sizes = splitter_->sizes();
  if (sizes.size() != 2 || sizes[0] <= 0 || sizes[1] <= 0) return;
  SettingsService().SetColumnWidths(kSplitterKey,
                                    QStringLiteral("%1,%2").arg(sizes[0]).arg(sizes[1]));
}

void TfrmMain::ArrangeControls() {
  statusBar()->setFixedHeight(Scale(20));
}

}  // namespace absence::ui
