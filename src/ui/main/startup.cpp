#include "ui/main/startup.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QFileInfo>
#include <QIcon>
#include <QLocale>
#include <cstdio>
#include <optional>

#include "data/paths.h"
#include "ui/common/app_state.h"
#include "ui/common/date_text.h"
#include "ui/common/help_key.h"
#include "ui/common/pictures.h"
#include "ui/common/scale.h"
#include "ui/common/translations.h"
#include "ui/main/main_window.h"
#include "ui/main/single_instance.h"
#include "ui/main/splash.h"
#include "ui/main/termination.h"
#include "ui/session/crash_guard.h"
#include "version.h"

namespace absence::ui {
namespace {

const QCommandLineOption kDataOption(QStringLiteral("data"),
                                     QStringLiteral("Open the data set in DIR instead of the "
                                                    "default data folder."),
                                     QStringLiteral("DIR"));

void AddOptions(QCommandLineParser& parser) {
  parser.setApplicationDescription(
      QStringLiteral("Absence: the absence records of an organisation"));
  parser.addHelpOption();
  parser.addVersionOption();
  parser.addOption(kDataOption);
}

// --help and --version are answered before the window system is reached, so they work without
// a display. Other options (the window system's own among them) wait for the application.
std::optional<int> AnsweredWithoutWindows(int argc, char** argv) {
  QStringList args;
  for (int i = 0; i < argc; ++i) args << QString::fromLocal8Bit(argv[i]);
  QCommandLineParser parser;
  AddOptions(parser);
  parser.parse(args);
  if (parser.isSet(QStringLiteral("help"))) {
    // Without an application object the parser does not know the program's name.
    QString help = parser.helpText();
    help.replace(QStringLiteral("<executable_name>"), QFileInfo(args.value(0)).fileName());
    std::fputs(qPrintable(help), stdout);
    return 0;
  }
  if (parser.isSet(QStringLiteral("version"))) {
    std::printf("%s %s\n", version::ProductName, version::FileVersion);
    return 0;
  }
  return std::nullopt;
}

// The data folder named with --data (made absolute and created), or the default one. A bad
// option ends the program with a message (exit 1).
std::string DataFolderFromCommandLine(const QApplication& app) {
  QCommandLineParser parser;
  AddOptions(parser);
  parser.process(app);
  if (!parser.isSet(kDataOption)) return DefaultDataFolder(ProgramFolder());
  const QString folder = QDir(parser.value(kDataOption)).absolutePath();
  QDir().mkpath(folder);
  return WithTrailingSeparator(QDir::toNativeSeparators(folder).toStdString());
}

}  // namespace

int RunAbsence(int argc, char** argv) {
  if (const auto code = AnsweredWithoutWindows(argc, argv)) return *code;
  TGuardedApplication app(argc, argv);
  InstallFatalSignalHandlers();
  QApplication::setApplicationName(QStringLiteral("Absence"));
  // No display name: Qt would append " — Absence" to every window's caption.
  QApplication::setDesktopFileName(QStringLiteral("absence"));
  QApplication::setApplicationVersion(QString::fromLatin1(version::FileVersion));
  const std::string dataFolder = DataFolderFromCommandLine(app);

  TSingleInstance instance(TSingleInstance::DefaultFolder(), TSingleInstance::DefaultName());
  if (!instance.Acquire()) {
    instance.SignalRunningCopy();
    return 0;
  }

  InitUiResources();
  InstallTranslations(app, QLocale::system());
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
  GuardSession(&frmMain.Session());
  frmMain.SetSplash(splash);
  QObject::connect(&instance, &TSingleInstance::ActivationRequested, &frmMain,
                   &TfrmMain::BringToFront);
  CloseOnTerminationSignals(&frmMain);
  frmMain.ShowAsStored();
  splash->raise();
  const int status = QApplication::exec();
  GuardSession(nullptr);
  return status;
}

}  // namespace absence::ui
