// The main window's start-up, save, abandon and close: the data session does the work, the
// window refreshes what it shows.
#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QLabel>
#include <QMenu>
#include <QStatusBar>
#include <QTimer>

#include "ui/common/app_state.h"
#include "ui/common/clock.h"
#include "ui/common/message_box.h"
#include "ui/common/printers.h"
#include "ui/common/pv_combo_box.h"
#include "ui/common/wait_cursor.h"
#include "ui/main/balances_panel.h"
#include "ui/main/calendar_grid.h"
#include "ui/main/calendar_panel.h"
#include "ui/main/main_actions.h"
#include "ui/main/main_toolbar.h"
#include "ui/main/main_window.h"
#include "ui/main/splash.h"
#include "ui/session/data_session.h"

namespace absence::ui {

void TfrmMain::FormActivate() {
  ShowWeeks(Today());
  // No command may run before the data set exists.
  setEnabled(false);
  if (!loadTimer_->isActive()) loadTimer_->start();
  calendar_->ShowTrash();
}

void TfrmMain::LoadWhenDue() {
  loadTimer_->stop();
  // The load may have to say something (records repaired, files unreadable), and the splash
  // stays on top of every window: it must not cover that message.
  if (splash_) splash_->hide();
  {
    TWaitCursor wait;
    const bool loaded = session_->Load();
    if (session_->Declined()) {
      // Another program holds the data folder and the user chose to quit.
      if (splash_) splash_->deleteLater();
      splash_ = nullptr;
      QApplication::restoreOverrideCursor();
      setEnabled(true);
      close();
      return;
    }
    if (loaded) session_->OfferRecovery();
    LoadReasonCombo();
    LoadEmpCombo();
    SetGlobalCommands();
    ShowDayEntries();
    // Without a data set there is nothing to save, and abandoning means reading it again.
    for (TCommand c :
         {TCommand::Save, TCommand::Import, TCommand::Export, TCommand::ExportCalendar})
      actions_->SetEnabled(c, session_->Loaded());
    ShowReadOnlyMark();
  }
  if (splash_) splash_->deleteLater();
  splash_ = nullptr;
  QApplication::restoreOverrideCursor();
  setEnabled(true);
  if (App().NoPrinter) {
    MessageBoxTitled(tr(kNoPrinterMessage), TMsgKind::Information, mbOK);
    reportMenu_->setEnabled(false);
    for (TCommand c : {TCommand::ReportAbsence, TCommand::ReportBalances, TCommand::ReportEmpInfo,
                       TCommand::ReportCalendar, TCommand::ReportDepInfo,
                       TCommand::ReportStatements, TCommand::PrinterSetup})
      actions_->SetEnabled(c, false);
    App().PrinterName.clear();
  } else {
    App().PrinterName = DefaultPrinterName();
  }
}

void TfrmMain::ShowReadOnlyMark() {
  if (!session_->ReadOnly()) return;
  setWindowTitle(tr("Absence - read-only"));
  if (!statusBar()->findChild<QLabel*>(QStringLiteral("lblReadOnly"))) {
    auto* mark = new QLabel(tr("read-only"));
    mark->setObjectName(QStringLiteral("lblReadOnly"));
    statusBar()->addPermanentWidget(mark);
  }
  // Nothing read here can be saved: the commands that change the files are off.
  for (TCommand c : {TCommand::Save, TCommand::Import, TCommand::Restore})
    actions_->SetEnabled(c, false);
}

void TfrmMain::closeEvent(QCloseEvent* event) {
  FormCloseQuery();
  event->accept();
}

void TfrmMain::FormCloseQuery() {
  if (closing_) return;
  closing_ = true;
  loadTimer_->stop();
  balances_->SaveColumnWidths();
  SaveSplitter();
  WriteSettings();
  // A data set that was never read (or failed to) is not written: that would replace the
  // user's files with an empty or partial set.
  session_->SaveAtClose();
  currentEmpID_ = 0;
  session_->Release();
  // Closed before the load: the splash and its wait cursor go with the window.
  if (splash_) {
    splash_->deleteLater();
    splash_ = nullptr;
    QApplication::restoreOverrideCursor();
  }
}

void TfrmMain::mnuFileSaveClick() {
  if (!session_->Loaded()) return;
  TWaitCursor wait;
  calendar_->ClearPicks();
  WriteSettings();
  const bool shown = toolbar_->EmployeeBox()->currentIndex() >= 0;
  if (!session_->Save()) return;
  // The combo keeps its items; the employee shown may be gone after the reload.
  if (shown) {
    if (session_->Employee(toolbar_->EmployeeBox()->CurrentID())) {
      SelectEmployee(toolbar_->EmployeeBox()->CurrentID());
    } else if (toolbar_->EmployeeBox()->count() > 0) {
      toolbar_->EmployeeBox()->setCurrentIndex(0);
      SelectEmployee(toolbar_->EmployeeBox()->ItemID(0));
    }
  }
  ShowDayEntries();
}

void TfrmMain::mnuFileAbandonClick() {
  if (MessageBoxTitled(tr(kAbandonQuestion), TMsgKind::Confirmation, mbYes | mbNo) != mbYes) return;
  TWaitCursor wait;
  calendar_->ClearPicks();
  const TShownEmployee remembered = RememberEmployee();
  ReadSettings();
  if (session_->Abandon())
    for (TCommand c :
         {TCommand::Save, TCommand::Import, TCommand::Export, TCommand::ExportCalendar})
      actions_->SetEnabled(c, true);
  ShowReadOnlyMark();
  RefreshLists(remembered);
}

TfrmMain::TShownEmployee TfrmMain::RememberEmployee() const {
  const TPVComboBox* box = toolbar_->EmployeeBox();
  if (box->currentIndex() < 0) return {};
  return {box->CurrentID(), box->currentText()};
}

void TfrmMain::RefreshLists(const TShownEmployee& remembered) {
  TPVComboBox* box = toolbar_->EmployeeBox();
  LoadReasonCombo();
  LoadEmpCombo();
  SetGlobalCommands();
  ShowWeeks(calendar_->Grid()->StartDate());
  const int index = remembered.EmpID != 0 ? box->IndexOfID(remembered.EmpID) : -1;
  if (index >= 0 && box->itemText(index) == remembered.Name) {
    box->setCurrentIndex(index);
    SelectEmployee(box->ItemID(index));
  } else {
    ClearEmployee();
  }
  ShowDayEntries();
}

}  // namespace absence::ui
