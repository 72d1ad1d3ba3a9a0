#include <signal.h>
#include <sys/ioctl.h>
#include <unistd.h>

#include <atomic>

#include "platform/process/console.h"

namespace tarnwick::platform {
namespace {

std::atomic<bool> interruptRequested{false};
static_assert(std::atomic<bool>::is_always_lock_free, "set from a signal handler");

void OnInterrupt(int) { interruptRequested.store(true); }

}  // namespace

bool StandardOutputIsTerminal() { return ::isatty(STDOUT_FILENO) != 0; }
bool StandardErrorIsTerminal() { return ::isatty(STDERR_FILENO) != 0; }
bool StandardInputIsTerminal() { return ::isatty(STDIN_FILENO) != 0; }

size_t StandardErrorColumns() {
  winsize size{};
  if (::ioctl(STDERR_FILENO, TIOCGWINSZ, &size) == 0 && size.ws_col > 0) return size.ws_col;
  return 80;
}

void UseUtf8Output() {}

void CatchInterrupt() {
  struct sigaction action {};
  action.sa_handler = OnInterrupt;
  sigemptyset(&action.sa_mask);
  // SA_RESETHAND: the handler is used once, so the next Ctrl-C has its usual effect.
  action.sa_flags = SA_RESETHAND | SA_RESTART;
  ::sigaction(SIGINT, &action, nullptr);
}

bool InterruptRequested() { return interruptRequested.load(); }

}  // namespace tarnwick::platform
