#pragma once

#include <QPointer>
#include <memory>
#include <string>

#include "core/app_state.h"
#include "platform/executable_location.h"
#include "windows/launch_window.h"
#include "windows/main_window.h"

namespace tarnwick::windows {

struct StartedWindows {
  std::unique_ptr<MainWindow> mainWindow;
  QPointer<LaunchWindow> launchWindow;  // only when a command line was given
};

// The start-up sequence after the single-instance test: the program's paths, the helper
// objects and the (hidden) main window, the settings file, the stored list, then the main
// window or, with a command line, the launch window.
StartedWindows Main(core::AppState& state, const platform::ExecutableLocation& executable,
                    const std::string& commandLine);

}  // namespace tarnwick::windows
