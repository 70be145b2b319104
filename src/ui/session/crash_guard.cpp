#include "ui/session/crash_guard.h"

#include <unistd.h>
#include <QCoreApplication>
#include <QDir>
#include <csignal>
#include <exception>

#include "data/backup.h"
#include "ui/common/message_box.h"
#include "ui/session/data_session.h"

namespace absence::ui {
namespace {

TDataSession* guarded = nullptr;
volatile std::sig_atomic_t inFatalSignal = 0;

void OnFatalSignal(int signal) {
  if (!inFatalSignal) {
    inFatalSignal = 1;
    // Not safe in every state the program can be in, but the data set is worth the try: the
    // program is ending anyway.
    const QString path = WriteRecoveryBackup();
    if (!path.isEmpty()) {
      const QByteArray line = "Absence: unsaved changes kept in " + path.toLocal8Bit() + "\n";
      [[maybe_unused]] const auto written = ::write(STDERR_FILENO, line.data(), line.size());
    }
  }
  std::signal(signal, SIG_DFL);
  std::raise(signal);
}

}  // namespace

void GuardSession(TDataSession* session) {
  guarded = session;
}

QString WriteRecoveryBackup() {
  if (!guarded || !guarded->Loaded()) return QString();
  const QString path =
      QDir(QString::fromStdString(guarded->Folder())).filePath(QString::fromLatin1(kRecoveryFile));
  try {
    BackupData(guarded->Data(), path.toStdString());
  } catch (const EDataFileError&) {
    return QString();
  }
  return QDir::toNativeSeparators(path);
}

void ReportUnexpectedError(const QString& what) {
  const QString path = WriteRecoveryBackup();
  QString text =
      QCoreApplication::translate("TGuardedApplication", "An unexpected error occurred:\r\r") +
      what;
  if (!path.isEmpty())
    text += QCoreApplication::translate(
                "TGuardedApplication",
                "\r\rYour unsaved changes were kept in \"%1\"; the next start of Absence offers "
                "to restore them.")
                .arg(path);
  ShowErrorBox(text);
}

void InstallFatalSignalHandlers() {
  for (int s : {SIGSEGV, SIGBUS, SIGFPE, SIGILL, SIGABRT}) std::signal(s, OnFatalSignal);
}

bool TGuardedApplication::notify(QObject* receiver, QEvent* event) {
  try {
    return QApplication::notify(receiver, event);
  } catch (const std::exception& e) {
    ReportUnexpectedError(QString::fromLocal8Bit(e.what()));
  } catch (...) {
    ReportUnexpectedError(
        QCoreApplication::translate("TGuardedApplication", "An error of an unknown kind."));
  }
  return false;
}

}  // namespace absence::ui
