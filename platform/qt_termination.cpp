#include "platform/qt_termination.h"

#include <QCoreApplication>
#include <QSocketNotifier>
#include <csignal>
#include <sys/socket.h>
#include <unistd.h>

namespace vidmora {
namespace {

int wakeUp[2] = {-1, -1};  // the signal handler writes, the GUI thread's notifier reads

void OnSignal(int) {
  const char byte = 1;
  [[maybe_unused]] ssize_t written = ::write(wakeUp[0], &byte, 1);  // async-signal-safe
}

}  // namespace

void OnTerminationRequest(std::function<void()> end) {
  if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, wakeUp) != 0) return;
  auto* notifier = new QSocketNotifier(wakeUp[1], QSocketNotifier::Read, QCoreApplication::instance());
  QObject::connect(notifier, &QSocketNotifier::activated, notifier, [end = std::move(end)] {
    char byte;
    [[maybe_unused]] ssize_t read = ::read(wakeUp[1], &byte, 1);
    end();
  });
  struct sigaction action {};
  action.sa_handler = OnSignal;
  sigemptyset(&action.sa_mask);
  action.sa_flags = SA_RESTART;
  for (int signal : {SIGTERM, SIGINT, SIGHUP}) sigaction(signal, &action, nullptr);
}

}  // namespace vidmora
