#include "gui/startup.h"

#include "core/name_list_store.h"
#include "core/path_helpers.h"
#include "core/settings_file.h"
#include "core/switch_setting.h"
#include "engine/helper_objects.h"
#include "gui/search_root.h"
#include "gui/window_helpers.h"
#include "texts/texts.h"

namespace tarnwick::gui {

StartedWindows Main(core::AppState& state, const platform::ExecutableLocation& executable,
                    const std::string& commandLine, Toolkit& toolkit) {
  core::InitAppPaths(state, executable);
  StartedWindows windows;
  windows.mainWindow =
      std::make_unique<MainWindow>(state, engine::BindHelperObjects(), toolkit);
  core::InitSettingsPath(state, executable);
  const std::error_code unreadable = core::LoadLists(state, windows.mainWindow->names(),
                                                     windows.mainWindow->excludedFolders());
  state.UseTrash = core::LoadSwitch(state, core::kTrashKey);
  state.LookFirst = core::LoadSwitch(state, core::kLookKey);
  windows.mainWindow->ShowNames();  // also enables the delete button when names were loaded

  if (!commandLine.empty()) {
    state.CommandLinePath = commandLine;
    std::string label = state.CommandLinePath;
    core::EnsureTrailingBackslash(label);
    state.SearchRoot = SearchRootFor(label);
    windows.launchWindow = std::make_unique<LaunchWindow>(state, toolkit, *windows.mainWindow);
    windows.launchWindow->SetPath(label);
    windows.launchWindow->view().ShowWindow();
  } else {
    state.SearchRoot = state.AppDir;
    state.AskForSearchRoot = core::IsInstalledCopy(state.AppDir);
    windows.mainWindow->view().ShowWindow();
  }
  windows.mainWindow->ShowSearchRoot();
  windows.mainWindow->ShowTakeBack();
  if (unreadable) {
    std::string title;
    ShowMessage(windows.mainWindow->view(),
                texts::SettingsUnreadable(core::SettingsFileToRead(state), unreadable),
                MessageKind::kWarning, title, state);
  }
  return windows;
}

}  // namespace tarnwick::gui
