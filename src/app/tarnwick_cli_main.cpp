#include <iostream>
#include <string>
#include <vector>

#include "cli/cli_app.h"
#include "core/app_state.h"
#include "platform/process/command_line.h"
#include "platform/process/console.h"
#include "platform/process/executable_location.h"

namespace {

// The desktop program beside this one; its settings file holds the list both share.
constexpr const char* kDesktopProgramName = "tarnwick";

}  // namespace

int main(int argc, char** argv) {
  using namespace tarnwick;
  cli::CliEnvironment environment;
  {
    // The desktop program's paths, so both front ends find the same list on every system; an
    // unknown folder stays empty and is searched by nobody.
    const auto executable = platform::CurrentExecutable();
    const platform::ExecutableLocation desktopProgram{executable ? executable->directory : "",
                                                      kDesktopProgramName};
    core::AppState state;
    core::InitAppPaths(state, desktopProgram);
    core::InitSettingsPath(state, desktopProgram);
    environment.programDirectory = state.AppDir;
    environment.installedCopy = core::IsInstalledCopy(state.AppDir);
    environment.settingsPath = state.SettingsPath;
    environment.settingsFallbackPath = state.SettingsFallbackPath;
  }
  environment.escapeOutput = platform::StandardOutputIsTerminal() || platform::StandardErrorIsTerminal();
  environment.errorIsTerminal = platform::StandardErrorIsTerminal();
  environment.inputIsTerminal = platform::StandardInputIsTerminal();
  if (environment.errorIsTerminal) environment.progressColumns = platform::StandardErrorColumns();
  platform::CatchInterrupt();
  environment.stopRequested = platform::InterruptRequested;
  platform::UseUtf8Output();
  const std::vector<std::string> arguments = platform::ProgramArguments(argc, argv);
  environment.standardInput = &std::cin;
  return cli::RunCli(arguments, environment, std::cout, std::cerr);
}
