#include "ui/main/startup.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
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
#include "version.h"

namespace absence::ui {
namespace {

// The data folder named with --data (made absolute and created), or the default one. Bad
// options end the program with a message (exit 1); --help and --version end it with 0.
std::string DataFolderFromCommandLine(const QApplication& app) {
  QCommandLineParser parser;
  parser.setApplicationDescription(
      QStringLiteral("Absence: the absence records of an organisation"));
  parser.addHelpOption();
  parser.addVersionOption();
  const QCommandLineOption data(QStringLiteral("data"),
                                QStringLiteral("Open the data set in DIR instead of the default "
                                               "data folder."),
                                QStringLiteral("DIR"));
  parser.addOption(data);
  parser.process(app);
  if (!parser.isSet(data)) return DefaultDataFolder(ProgramFolder());
  const QString folder = QDir(parser.value(data)).absolutePath();
  QDir().mkpath(folder);
  return WithTrailingSeparator(QDir::toNativeSeparators(folder).toStdString());
}

}  // namespace

int RunAbsence(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Absence"));
  QApplication::setApplicationDisplayName(QStringLiteral("Absence"));
  QApplication::setDesktopFileName(QStringLiteral("absence"));
  QApplication::setApplicationVersion(QString::fromLatin1(version::FileVersion));
  const std::string dataFolder = DataFolderFromCommandLine(app);

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
  App().AppFolder = dataFolder;
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
