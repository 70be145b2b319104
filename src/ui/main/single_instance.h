#pragma once
// Only one copy of the program runs per user: the first holds a lock file and listens on a
// local socket; a later copy finds the lock taken, sends the message "Absence" and ends.
#include <QLockFile>
#include <QObject>
#include <QString>
#include <memory>

class QLocalServer;

namespace absence::ui {

inline constexpr const char* kInstanceMessage = "Absence";

class TSingleInstance : public QObject {
  Q_OBJECT
 public:
  // `folder` holds the lock file and the socket (the per-user runtime folder by default);
  // `name` is the user's name and "Absence".
  TSingleInstance(const QString& folder, const QString& name, QObject* parent = nullptr);
  ~TSingleInstance() override;

  static QString DefaultFolder();
  static QString DefaultName();

  // True when this is the first copy; it then listens for later ones.
  bool Acquire();
  // Sends the message to the running copy; true when it was delivered.
  bool SignalRunningCopy(int timeoutMs = 2000);

 signals:
  // A later copy asked the running one to come to the front.
  void ActivationRequested();

 private:
  void ReadMessage();

  QString socketPath_;
  QLockFile lock_;
  QLocalServer* server_ = nullptr;
};

}  // namespace absence::ui
