#include "ui/main/termination.h"

#include <sys/socket.h>
#include <unistd.h>
#include <QPointer>
#include <QSocketNotifier>
#include <QWidget>
#include <csignal>

namespace absence::ui {
namespace {

// The signal handler may only write to a descriptor; the event loop reads the other end.
int g_signalPipe[2] = {-1, -1};

extern "C" void OnTerminationSignal(int) {
  const char byte = 1;
  [[maybe_unused]] const ssize_t n = ::write(g_signalPipe[0], &byte, 1);
}

}  // namespace

void CloseOnTerminationSignals(QWidget* window) {
  if (::socketpair(AF_UNIX, SOCK_STREAM, 0, g_signalPipe) != 0) return;
  auto* notifier = new QSocketNotifier(g_signalPipe[1], QSocketNotifier::Read, window);
  QPointer<QWidget> target(window);
  QObject::connect(notifier, &QSocketNotifier::activated, window, [notifier, target] {
    char byte = 0;
    [[maybe_unused]] const ssize_t n = ::read(g_signalPipe[1], &byte, 1);
    notifier->setEnabled(false);
    if (target) target->close();
  });
  struct sigaction action = {};
  action.sa_handler = OnTerminationSignal;
  sigemptyset(&action.sa_mask);
  action.sa_flags = SA_RESTART;
  for (int sig : {SIGTERM, SIGINT, SIGHUP}) ::sigaction(sig, &action, nullptr);
}

}  // namespace absence::ui
