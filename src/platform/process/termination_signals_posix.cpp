#include <fcntl.h>
#include <signal.h>
#include <unistd.h>

#include <initializer_list>

#include "platform/process/termination_signals.h"

namespace tarnwick::platform {
namespace {

int signalWriteEnd = -1;

void OnTerminationSignal(int) {
  const char byte = 1;
  [[maybe_unused]] const ssize_t written = ::write(signalWriteEnd, &byte, 1);
}

}  // namespace

int CatchTerminationSignals() {
  static int readEnd = -1;
  if (readEnd != -1) return readEnd;
  int ends[2];
  if (::pipe2(ends, O_CLOEXEC | O_NONBLOCK) != 0) return -1;
  readEnd = ends[0];
  signalWriteEnd = ends[1];
  struct sigaction action {};
  action.sa_handler = OnTerminationSignal;
  sigemptyset(&action.sa_mask);
  action.sa_flags = SA_RESTART;
  for (const int signal : {SIGTERM, SIGINT, SIGHUP}) ::sigaction(signal, &action, nullptr);
  return readEnd;
}

}  // namespace tarnwick::platform
