// The Windows desktop program: the same start-up and window rules as on Linux, on Win32.
#include "platform/windows/windows_support.h"  // windows.h first

#include <commctrl.h>

#include "gui/startup.h"
#include "gui/win32/win32_toolkit.h"
#include "platform/process/command_line.h"
#include "platform/process/executable_location.h"
#include "platform/instance/single_instance.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  using namespace tarnwick;
  // An unknown folder stays empty, never the current one: the window then asks for a folder.
  const auto executable =
      platform::CurrentExecutable().value_or(platform::ExecutableLocation{"", "tarnwick.exe"});

  // A second start ends here: no window, and the settings file is neither read nor written.
  const platform::SingleInstanceLock lock(executable.directory + "\\" + executable.fileName);
  if (lock.outcome() == platform::SingleInstanceLock::Outcome::kHeldElsewhere) return 0;

  INITCOMMONCONTROLSEX controls{sizeof controls, ICC_STANDARD_CLASSES};
  ::InitCommonControlsEx(&controls);
  gui::win32::Win32Toolkit toolkit;
  core::AppState state;
  const gui::StartedWindows windows =
      gui::Main(state, executable, platform::CommandLineText({}), toolkit);
  toolkit.WaitUntil([] { return false; });  // until the main window ends the program
  return 0;
}
