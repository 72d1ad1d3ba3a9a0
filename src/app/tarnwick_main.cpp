#include "gui/qt/desktop_program.h"
#include "platform/process/executable_location.h"
#include "platform/instance/single_instance.h"

int main(int argc, char** argv) {
  using namespace tarnwick;
  // An unknown folder stays empty, never the current one: the window then asks for a folder.
  const auto executable =
      platform::CurrentExecutable().value_or(platform::ExecutableLocation{"", "tarnwick"});

  // A second start ends here: no window, and the settings file is neither read nor written.
  const platform::SingleInstanceLock lock(executable.directory + "/" + executable.fileName);
  if (lock.outcome() == platform::SingleInstanceLock::Outcome::kHeldElsewhere) return 0;

  gui::qt::DesktopProgram program(argc, argv, executable);
  return program.Run();
}
