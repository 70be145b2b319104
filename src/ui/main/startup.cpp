#include "ui/main/startup.h"

#include <QApplication>
#include <QIcon>
#include <QLocale>

#include "data/paths.h"
#include "ui/common/app_state.h"
#include "ui/common/date_text.h"
#include "ui/common/help_key.h"
#include "ui/common/pictures.h"
#include "ui/common/scale.h"
#include "ui/main/main_window.h"
#include "ui/main/single_instance.h"
#include "ui/main/splash.h"
#include "ui/main/termination.h"

namespace absence::ui {

int RunAbsence(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Absence"));
  QApplication::setApplicationDisplayName(QStringLiteral("Absence"));
  QApplication::setDesktopFileName(QStringLiteral("absence"));

  TSingleInstance instance(TSingleInstance::DefaultFolder(), TSingleInstance::DefaultName());
  if (!instance.Acquire()) {
    instance.SignalRunningCopy();
    return 0;
  }

  InitUiResources();
  InitScreenResolution();
  QApplication::setWindowIcon(ResourceIcon(QStringLiteral("absence")));
  QApplication::setQuitOnLastWindowClosed(true);

  auto* splash = new TfrmSplash;
  QApplication::setOverrideCursor(Qt::WaitCursor);
  splash->show();
  splash->repaint();
  QApplication::processEvents();

  App().DatePattern = DatePatternForLocale(QLocale::system());
  App().AppFolder = DefaultDataFolder(ProgramFolder());
  App().IniPath = DefaultIniPath();
  InstallHelpKey(&app);

  TfrmMain frmMain;
  frmMain.SetSplash(splash);
  QObject::connect(&instance, &TSingleInstance::ActivationRequested, &frmMain,
                   &TfrmMain::BringToFront);
  CloseOnTerminationSignals(&frmMain);
  frmMain.ShowAsStored();
  splash->raise();
  return QApplication::exec();
}

}  // namespace absence::ui
