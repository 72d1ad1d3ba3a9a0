#include "windows/startup.h"

#include "core/name_list_store.h"
#include "core/path_helpers.h"
#include "engine/helper_objects.h"

namespace tarnwick::windows {

StartedWindows Main(core::AppState& state, const platform::ExecutableLocation& executable,
                    const std::string& commandLine) {
  core::InitAppPaths(state, executable);
  StartedWindows windows;
  windows.mainWindow = std::make_unique<MainWindow>(state, engine::BindHelperObjects());
  core::InitSettingsPath(state, executable);
  core::LoadNameList(state, windows.mainWindow->names());
  windows.mainWindow->ShowNames();  // also enables the delete button when names were loaded

  if (!commandLine.empty()) {
    state.CommandLinePath = commandLine;
    state.SearchRoot = state.CommandLinePath;
    core::EnsureTrailingBackslash(state.SearchRoot);
    windows.launchWindow = new LaunchWindow(state, *windows.mainWindow);
    windows.launchWindow->SetLabel(state.SearchRoot);
    windows.launchWindow->show();
  } else {
    state.SearchRoot = state.AppDir;
    windows.mainWindow->show();
  }
  return windows;
}

}  // namespace tarnwick::windows
