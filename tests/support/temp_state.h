// The program's state as the tests above core want it: everything it writes inside one fresh
// temporary folder.
#pragma once

#include <filesystem>

#include "core/app_state.h"
#include "support/temp_dir.h"

namespace tarnwick::testing {

// A state whose settings file is "tarnwick.ini" in `dir` and whose passes search the folder
// "root" there, made empty now.
inline core::AppState StateIn(const TempDir& dir) {
  core::AppState state;
  state.AppTitle = core::kAppTitle;
  state.SettingsPath = dir / "tarnwick.ini";
  state.SearchRoot = NativePath(dir / "root/");
  std::filesystem::create_directories(dir / "root");
  return state;
}

}  // namespace tarnwick::testing
