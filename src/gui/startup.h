// Start-up of the desktop program, toolkit-free: the state filled, the lists loaded, the first
// window chosen.
#pragma once

#include <memory>
#include <string>

#include "core/app_state.h"
#include "gui/launch_window.h"
#include "gui/main_window.h"
#include "platform/process/executable_location.h"

namespace tarnwick::gui {

// The windows of a run; they live until the program ends.
struct StartedWindows {
  std::unique_ptr<MainWindow> mainWindow;
  std::unique_ptr<LaunchWindow> launchWindow;  // only when a command line was given
};

// The start-up sequence after the single-instance test: the program's paths, the helper
// objects and the (hidden) main window, the settings file, the stored list, then the main
// window or, with a command line, the launch window.
StartedWindows Main(core::AppState& state, const platform::ExecutableLocation& executable,
                    const std::string& commandLine, Toolkit& toolkit);

}  // namespace tarnwick::gui
