// The main window's commands that open help, a file dialog or a small dialog of their own.
#include <QFileInfo>
#include <QToolButton>

#include "data/generations.h"

#include "dates/dates.h"
#include "ui/common/app_state.h"
#include "ui/common/file_dialogs.h"
#include "ui/common/help.h"
#include "ui/common/pv_combo_box.h"
#include "ui/common/settings_service.h"
#include "ui/common/wait_cursor.h"
#include "ui/convert/calendar_export.h"
#include "ui/convert/convert_wizard.h"
#include "ui/main/about_box.h"
#include "ui/main/calendar_grid.h"
#include "ui/main/calendar_panel.h"
#include "ui/main/main_actions.h"
#include "ui/main/main_toolbar.h"
#include "ui/main/main_window.h"
#include "ui/main/preferences.h"
#include "ui/main/printer_setup.h"
#include "ui/reports/time_list.h"
#include "ui/session/data_session.h"

namespace absence::ui {
namespace {

constexpr int kBackupHelpContext = 1230;
constexpr int kRestoreHelpContext = 1240;

TFileDialogCall BackupFileDialog(TFileDialogKind kind) {
  TFileDialogCall call;
  call.Kind = kind;
  call.Title = kind == TFileDialogKind::Save ? TfrmMain::tr("Backup Absence Data")
                                             : TfrmMain::tr("Restore from Absence Backup");
  call.Filter = TfrmMain::tr("Absence Backup (*.abk)|*.abk|Any file (*.*)|*.*");
  call.DefaultExt = QStringLiteral("abk");
  call.InitialName = QStringLiteral("*.abk");
  call.HelpContext = kind == TFileDialogKind::Save ? kBackupHelpContext : kRestoreHelpContext;
  call.AskBeforeCreating = true;
  return call;
}

}  // namespace

void TfrmMain::mnuFileBackupClick() {
  if (!session_->Loaded()) return;
  TWaitCursor wait;
  calendar_->ClearPicks();
  activateFront_ = false;
  const auto file = PromptForFile(BackupFileDialog(TFileDialogKind::Save));
  activateFront_ = true;
  if (file) session_->Backup(*file);
}

void TfrmMain::mnuFileRestoreClick() {
  TWaitCursor wait;
  calendar_->ClearPicks();
  activateFront_ = false;
  TFileDialogCall call = BackupFileDialog(TFileDialogKind::Open);
  // The automatic backups of each save are the ones most often wanted.
  const QString generations = QString::fromStdString(GenerationsFolder(session_->Folder()));
  if (QFileInfo(generations).isDir()) call.Folder = generations;
  const auto file = PromptForFile(call);
  activateFront_ = true;
  // A failed restore leaves the data set as it was, and so the window.
  if (!file || !session_->Restore(*file)) return;
  actions_->SetEnabled(TCommand::Save, true);
  LoadReasonCombo();
  LoadEmpCombo();
  SetGlobalCommands();
  ClearEmployee();
  ShowDayEntries();
}

void TfrmMain::mnuFileSetupClick() {
  calendar_->ClearPicks();
  activateFront_ = false;
  TAppState& app = App();
  PrinterSetup(app.PrinterName, app.Settings.Printer, this);
  activateFront_ = true;
}

void TfrmMain::mnuEditGlobalClick() {
  if (!session_->Loaded()) return;
  TWaitCursor wait;
  calendar_->ClearPicks();
  ShowAbsenceList(*session_, TEntryKind::Global, 0, Year(calendar_->BalanceDate()), this);
  if (currentEmpID_ != 0) ShowEmployee();
  ShowDayEntries();
}

void TfrmMain::mnuEditAbsenceClick() {
  if (!session_->Loaded() || currentEmpID_ == 0) return;
  TWaitCursor wait;
  calendar_->ClearPicks();
  ShowAbsenceList(*session_, TEntryKind::Own, currentEmpID_, Year(calendar_->BalanceDate()), this);
  ShowEmployee();
  ShowDayEntries();
}

void TfrmMain::mnuEditPreferencesClick() {
  TWaitCursor wait;
  calendar_->ClearPicks();
  TfrmPreferences dlg(this);
  TSettings settings = App().Settings;
  dlg.Load(settings);
  if (RunDialog(dlg) != QDialog::Accepted) return;
  dlg.Store(settings);
  // The windows showing a changed preference follow the service's signal (SettingChanged here).
  SettingsService().SetPreferences(settings);
  if (currentEmpID_ != 0) ShowEmployee();
  ShowDayEntries();
}

void TfrmMain::SettingChanged(TSettingId id) {
  const TSettings& settings = App().Settings;
  switch (id) {
    case TSettingId::ToolCaption:
    case TSettingId::ShowButtonBorder:
      toolbar_->ArrangeToolbar(settings.ToolCaption, settings.ShowButtonBorder);
      break;
    case TSettingId::EmployeeDisplay: {
      if (!session_->Loaded()) break;
      // The employee stays selected only while the box still offers it.
      const int32_t shown = currentEmpID_;
      LoadEmpCombo();
      const int index = toolbar_->EmployeeBox()->IndexOfID(shown);
      if (index >= 0) {
        toolbar_->EmployeeBox()->setCurrentIndex(index);
        SelectEmployee(shown);
      }
      break;
    }
    case TSettingId::HourFormat:
    case TSettingId::BenefitMonth:
    case TSettingId::BenefitDay:
      // The hour pattern and the benefit year take effect at once on the calendar and balances.
      ShowWeeks(calendar_->Grid()->StartDate());
      if (currentEmpID_ != 0) ShowEmployee();
      break;
    default:
      break;
  }
}

void TfrmMain::mnuFileExitClick() {
  close();
}

void TfrmMain::mnuFileImportClick() {
  RunConvertWizard(true);
}

void TfrmMain::mnuFileExportClick() {
  RunConvertWizard(false);
}

void TfrmMain::RunConvertWizard(bool import) {
  calendar_->ClearPicks();
  const TShownEmployee remembered = RememberEmployee();
  {
    TfrmConvert wizard(*session_, import, this);
    RunDialog(wizard);
  }
  // An import that stopped half-way may have added records too.
  if (import) RefreshLists(remembered);
}

void TfrmMain::mnuFileCalendarClick() {
  calendar_->ClearPicks();
  ExportCalendar(*session_);
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
  RunDialog(box);
}

void TfrmMain::spdHelpClick() {
  calendar_->ClearPicks();
  ShowHelpTopic(QStringLiteral("Main_Screen"));
}

}  // namespace absence::ui
