// The main window's commands that open help or need no other window.
#include "ui/common/help.h"
#include "ui/convert/calendar_export.h"
#include "ui/convert/convert_wizard.h"
#include "ui/main/about_box.h"
#include "ui/main/calendar_panel.h"
#include "ui/main/main_window.h"

namespace absence::ui {

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
  const QString remembered = RememberEmployee();
  {
    TfrmConvert wizard(*session_, import, this);
    wizard.exec();
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
  box.exec();
}

void TfrmMain::spdHelpClick() {
  calendar_->ClearPicks();
  ShowHelpTopic(QStringLiteral("Main_Screen"));
}

}  // namespace absence::ui
