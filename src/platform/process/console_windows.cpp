#include <io.h>

#include <atomic>
#include <cstdio>

#include "platform/process/console.h"
#include "platform/windows/windows_support.h"

namespace tarnwick::platform {
namespace {

std::atomic<bool> interruptRequested{false};

BOOL WINAPI OnConsoleControl(DWORD event) {
  if (event != CTRL_C_EVENT && event != CTRL_BREAK_EVENT) return FALSE;
  // The first press is handled here; the next falls through to the default, which ends us.
  return interruptRequested.exchange(true) ? FALSE : TRUE;
}

}  // namespace

bool StandardOutputIsTerminal() { return ::_isatty(::_fileno(stdout)) != 0; }
bool StandardErrorIsTerminal() { return ::_isatty(::_fileno(stderr)) != 0; }
bool StandardInputIsTerminal() { return ::_isatty(::_fileno(stdin)) != 0; }

size_t StandardErrorColumns() {
  CONSOLE_SCREEN_BUFFER_INFO info{};
  if (::GetConsoleScreenBufferInfo(::GetStdHandle(STD_ERROR_HANDLE), &info)) {
    const int columns = info.srWindow.Right - info.srWindow.Left + 1;
    if (columns > 0) return static_cast<size_t>(columns);
  }
  return 80;
}

void UseUtf8Output() { ::SetConsoleOutputCP(CP_UTF8); }

void CatchInterrupt() { ::SetConsoleCtrlHandler(OnConsoleControl, TRUE); }

bool InterruptRequested() { return interruptRequested.load(); }

}  // namespace tarnwick::platform
