#include "ui/main/single_instance.h"

#include <unistd.h>
#include <QDir>
#include <QLocalServer>
#include <QLocalSocket>
#include <QStandardPaths>

namespace absence::ui {

TSingleInstance::TSingleInstance(const QString& folder, const QString& name, QObject* parent)
    : QObject(parent),
      socketPath_(QDir(folder).filePath(name + QStringLiteral(".socket"))),
      lock_(QDir(folder).filePath(name + QStringLiteral(".lock"))) {
  QDir().mkpath(folder);
  lock_.setStaleLockTime(0);  // a lock is stale only when its process is gone
}

TSingleInstance::~TSingleInstance() {
  if (server_) server_->close();
}

QString TSingleInstance::DefaultFolder() {
  QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
  if (folder.isEmpty()) folder = QDir::tempPath();
  return folder;
}

QString TSingleInstance::DefaultName() {
  QString user = qEnvironmentVariable("USER");
  if (user.isEmpty()) user = QString::number(getuid());
  return user + QStringLiteral("-Absence");
}

bool TSingleInstance::Acquire() {
  if (!lock_.tryLock(0)) return false;
  // A socket left by a copy that crashed would block listening.
  QLocalServer::removeServer(socketPath_);
  server_ = new QLocalServer(this);
  server_->setSocketOptions(QLocalServer::UserAccessOption);
  if (!server_->listen(socketPath_)) return true;  // runs alone; a later copy just cannot signal
  connect(server_, &QLocalServer::newConnection, this, &TSingleInstance::ReadMessage);
  return true;
}

void TSingleInstance::ReadMessage() {
  while (QLocalSocket* socket = server_->nextPendingConnection()) {
    connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
    auto read = [this, socket] {
      if (socket->canReadLine() && socket->readLine().trimmed() == kInstanceMessage)
        emit ActivationRequested();
    };
    connect(socket, &QLocalSocket::readyRead, this, read);
    read();
  }
}

bool TSingleInstance::SignalRunningCopy(int timeoutMs) {
  QLocalSocket socket;
  socket.connectToServer(socketPath_);
  if (!socket.waitForConnected(timeoutMs)) return false;
  socket.write(QByteArray(kInstanceMessage) + '\n');
  const bool sent = socket.waitForBytesWritten(timeoutMs);
  socket.disconnectFromServer();
  if (socket.state() != QLocalSocket::UnconnectedState) socket.waitForDisconnected(timeoutMs);
  return sent;
}

}  // namespace absence::ui
