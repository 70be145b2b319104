#pragma once
// When something goes wrong that nobody expected (an exception reaching the event loop, a fatal
// signal), the unsaved data set is written to a recovery backup beside the data files, and the
// next start offers to restore it.
#include <QApplication>
#include <QString>

namespace absence::ui {

class TDataSession;

// The recovery backup's name in the data folder.
inline constexpr const char* kRecoveryFile = "Absence-recovery.abk";

// The session whose data set is kept; nullptr stops guarding it.
void GuardSession(TDataSession* session);
// Writes the guarded data set to the recovery backup; the path written, or empty when there is
// no loaded data set or the file could not be written.
QString WriteRecoveryBackup();
// Writes the recovery backup and tells the user what happened and where the changes are.
void ReportUnexpectedError(const QString& what);
// Fatal signals (segmentation fault, bus error, arithmetic fault, illegal instruction, abort)
// write the recovery backup before the program ends as it would have.
void InstallFatalSignalHandlers();

// The application object whose event delivery reports an exception instead of letting it end
// the program.
class TGuardedApplication : public QApplication {
 public:
  using QApplication::QApplication;
  bool notify(QObject* receiver, QEvent* event) override;
};

}  // namespace absence::ui
