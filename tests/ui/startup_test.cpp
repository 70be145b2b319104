// Start-up: the splash window's texts, and one copy per user — a second copy signals the first
// and ends with exit code 0.
#include <QLabel>
#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include "suites.h"
#include "support.h"
#include "ui/common/app_state.h"
#include "ui/common/message_box.h"
#include "ui/common/scale.h"
#include "ui/main/single_instance.h"
#include "ui/main/splash.h"

using namespace absence::ui;

// The real program's environment: offscreen, with its runtime, data and settings folders in
// `dir`.
QProcessEnvironment ProgramEnvironment(const QTemporaryDir& dir) {
  QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
  env.insert("QT_QPA_PLATFORM", "offscreen");
  env.insert("XDG_RUNTIME_DIR", dir.path() + "/runtime");
  env.insert("XDG_DATA_HOME", dir.path() + "/data");
  env.insert("XDG_CONFIG_HOME", dir.path() + "/config");
  QDir().mkpath(dir.path() + "/runtime");
  QFile::setPermissions(dir.path() + "/runtime",
                        QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
  return env;
}

class StartupTest : public QObject {
  Q_OBJECT
 private slots:
  void initTestCase() { InitUiResources(); }

  void splashShowsTheVersionRecord() {
    TfrmSplash splash;
    const auto text = [&](const char* name) { return splash.findChild<QLabel*>(name)->text(); };
    QCOMPARE(text("lblProductName"), QString("Absence"));
    QCOMPARE(text("lblVersion"), QString("Version 1.0"));
    QVERIFY(text("lblCopyright").startsWith("Copyright"));
    QCOMPARE(splash.size(), QSize(Scale(323), Scale(198)));
    QVERIFY(splash.windowFlags() & Qt::WindowStaysOnTopHint);
  }

  // Whatever start-up has to say is never hidden under the splash, which stays on top.
  void noMessageIsShownUnderTheSplash() {
    TfrmSplash splash;
    splash.show();
    QVERIFY(QTest::qWaitForWindowExposed(&splash));
    bool splashShown = true;
    SetMessageBoxHook([&](const TMessageBoxCall&) {
      splashShown = splash.isVisible();
      return mbOK;
    });
    MessageBoxTitled("The settings file could not be saved.", TMsgKind::Warning, mbOK);
    test::FailOnUnexpectedMessageBoxes();
    QVERIFY(!splashShown);
  }

  void onlyTheFirstCopyAcquiresAndTheSecondSignalsIt() {
    QTemporaryDir dir;
    TSingleInstance first(dir.path(), "tester-Absence");
    QVERIFY(first.Acquire());
    QSignalSpy activated(&first, &TSingleInstance::ActivationRequested);

    TSingleInstance second(dir.path(), "tester-Absence");
    QVERIFY(!second.Acquire());
    QVERIFY(second.SignalRunningCopy());
    QTRY_COMPARE(activated.count(), 1);

    // Another user's copy does not count.
    TSingleInstance other(dir.path(), "someone-Absence");
    QVERIFY(other.Acquire());
  }

  void aLockLeftByAFinishedCopyDoesNotBlock() {
    QTemporaryDir dir;
    {
      TSingleInstance earlier(dir.path(), "tester-Absence");
      QVERIFY(earlier.Acquire());
    }
    TSingleInstance next(dir.path(), "tester-Absence");
    QVERIFY(next.Acquire());
  }

  void aSecondProgramExitsZeroAndTheFirstKeepsRunning() {
    QTemporaryDir dir;
    const QProcessEnvironment env = ProgramEnvironment(dir);

    QProcess first;
    first.setProcessEnvironment(env);
    first.start(ABSENCE_GUI_EXE, QStringList{});
    QVERIFY(first.waitForStarted());
    // The running copy has loaded (created) its data files by the time they exist.
    QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(dir.path() + "/data/Absence/emp.dat"), 15000);

    QProcess second;
    second.setProcessEnvironment(env);
    second.start(ABSENCE_GUI_EXE, QStringList{});
    QVERIFY(second.waitForFinished(10000));
    QCOMPARE(second.exitStatus(), QProcess::NormalExit);
    QCOMPARE(second.exitCode(), 0);
    QCOMPARE(first.state(), QProcess::Running);

    // A copy that crashed leaves its lock and socket behind; the next start still runs.
    first.kill();
    QVERIFY(first.waitForFinished(10000));
    QProcess next;
    next.setProcessEnvironment(env);
    next.start(ABSENCE_GUI_EXE, QStringList{});
    QVERIFY(next.waitForStarted());
    QVERIFY(!next.waitForFinished(2000));
    QCOMPARE(next.state(), QProcess::Running);
    next.terminate();
    QVERIFY(next.waitForFinished(10000));
  }

  void endingTheProgramFromOutsideClosesItTheOrdinaryWay() {
    QTemporaryDir dir;
    const QProcessEnvironment env = ProgramEnvironment(dir);
    QProcess program;
    program.setProcessEnvironment(env);
    program.start(ABSENCE_GUI_EXE, QStringList{});
    QVERIFY(program.waitForStarted());
    const QString emp = dir.path() + "/data/Absence/emp.dat";
    QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(emp), 15000);
    const QString ini = dir.path() + "/config/Absence/ABSENCE.INI";
    QTRY_VERIFY(QFile::exists(ini));
    program.terminate();
    QVERIFY(program.waitForFinished(10000));
    QCOMPARE(program.exitStatus(), QProcess::NormalExit);
    QCOMPARE(program.exitCode(), 0);
    QFile settings(ini);
    QVERIFY(settings.open(QIODevice::ReadOnly));
    QVERIFY(settings.readAll().contains("StartupState="));
  }

  // --data opens the data set in that folder (created when missing) and leaves the default
  // folder alone; an unknown option ends the program with a message and exit code 1.
  void theDataOptionChoosesTheFolder() {
    QTemporaryDir dir;
    QProcess program;
    program.setProcessEnvironment(ProgramEnvironment(dir));
    const QString chosen = dir.path() + "/demo/set";
    program.start(ABSENCE_GUI_EXE, QStringList{"--data", chosen});
    QVERIFY(program.waitForStarted());
    QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(chosen + "/emp.dat"), 15000);
    QVERIFY(!QFile::exists(dir.path() + "/data/Absence/emp.dat"));
    program.terminate();
    QVERIFY(program.waitForFinished(10000));
    QCOMPARE(program.exitCode(), 0);

    QProcess bad;
    bad.setProcessEnvironment(ProgramEnvironment(dir));
    bad.start(ABSENCE_GUI_EXE, QStringList{"--dta", chosen});
    QVERIFY(bad.waitForFinished(10000));
    QCOMPARE(bad.exitCode(), 1);
    QVERIFY(bad.readAllStandardError().contains("dta"));
  }

  // --help and --version answer on standard output, without a display to show windows on.
  void helpAndVersionNeedNoDisplay() {
    QTemporaryDir dir;
    QProcessEnvironment env = ProgramEnvironment(dir);
    env.insert("QT_QPA_PLATFORM", "xcb");
    env.remove("DISPLAY");
    env.remove("WAYLAND_DISPLAY");
    const struct {
      const char* option;
      const char* shown;
    } cases[] = {
        {"--help", "absence [options]"}, {"--help", "--data <DIR>"}, {"--version", "Absence "}};
    for (const auto& c : cases) {
      QProcess program;
      program.setProcessEnvironment(env);
      program.start(ABSENCE_GUI_EXE, QStringList{c.option});
      QVERIFY(program.waitForFinished(10000));
      QCOMPARE(program.exitCode(), 0);
      QVERIFY2(program.readAllStandardOutput().contains(c.shown), c.option);
    }
  }
};

ABSENCE_UI_SUITE("startup", StartupTest)
#include "startup_test.moc"
