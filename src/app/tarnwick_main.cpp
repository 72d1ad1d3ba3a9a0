#include <QApplication>
#include <QIcon>
#include <string>
#include <vector>

#include "core/app_state.h"
#include "platform/command_line.h"
#include "platform/executable_location.h"
#include "platform/single_instance.h"
#include "windows/startup.h"

int main(int argc, char** argv) {
  using namespace tarnwick;
  const auto executable = platform::CurrentExecutable().value_or(
      platform::ExecutableLocation{".", argc > 0 ? argv[0] : "tarnwick"});

  // A second start ends here: no window, and the settings file is neither read nor written.
  const platform::SingleInstanceLock lock(executable.directory + "/" + executable.fileName);
  if (lock.outcome() == platform::SingleInstanceLock::Outcome::kHeldElsewhere) return 0;

  QApplication application(argc, argv);
  application.setWindowIcon(QIcon(":/tarnwick.png"));
  // The program ends when the main window closes, not when a window happens to be the last.
  application.setQuitOnLastWindowClosed(false);

  // Qt has taken its own options out; what remains is the user's command line.
  std::vector<std::string> arguments;
  const QStringList qtArguments = QApplication::arguments();
  for (qsizetype i = 1; i < qtArguments.size(); ++i) arguments.push_back(qtArguments[i].toStdString());

  core::AppState state;
  windows::StartedWindows windows =
      windows::Main(state, executable, platform::CommandLineText(arguments));
  const int status = QApplication::exec();
  delete windows.launchWindow;
  return status;
}
