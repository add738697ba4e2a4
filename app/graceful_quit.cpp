#include "app/graceful_quit.h"

#include <QApplication>
#include <QObject>

#include "ui/last_frame.h"

#ifdef Q_OS_UNIX
#include <sys/socket.h>
#include <unistd.h>
#include <QSocketNotifier>
#include <csignal>
#endif

namespace quorvel {

#ifdef Q_OS_UNIX
namespace {

int signalPipe[2] = {-1, -1};

// Only async-signal-safe work here: one byte down the pipe wakes the event loop.
void onSignal(int /*signal*/) {
  const char byte = 1;
  [[maybe_unused]] const ssize_t written = ::write(signalPipe[0], &byte, 1);
}

}  // namespace

void quitGracefullyOnTermination(QObject* owner) {
  if (::socketpair(AF_UNIX, SOCK_STREAM, 0, signalPipe) != 0) return;
  auto* notifier = new QSocketNotifier(signalPipe[1], QSocketNotifier::Read, owner);
  QObject::connect(notifier, &QSocketNotifier::activated, owner, [notifier] {
    notifier->setEnabled(false);
    char byte = 0;
    [[maybe_unused]] const ssize_t got = ::read(signalPipe[1], &byte, 1);
    quitAfterLastFrames();
  });
  struct sigaction action {};
  action.sa_handler = onSignal;
  sigemptyset(&action.sa_mask);
  action.sa_flags = SA_RESTART;
  for (int signal : {SIGTERM, SIGINT, SIGHUP}) sigaction(signal, &action, nullptr);
}
#else
void quitGracefullyOnTermination(QObject* /*owner*/) {}
#endif

}  // namespace quorvel
