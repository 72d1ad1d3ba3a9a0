// The launch window on Win32: the path and the two ways on.
#pragma once

#include "gui/launch_window.h"
#include "gui/win32/win32_window.h"

namespace tarnwick::gui::win32 {

// Every event goes to the launch window's rules.
class LaunchWindowWin32 : public Win32View<LaunchWindowView> {
 public:
  enum Control { kPathLabel = 301, kSearchPath = 302, kAddNameAndSearch = 303 };

  LaunchWindowWin32(Win32Toolkit& toolkit, LaunchWindow& rules);

  void SetPath(const std::string& text) override { ::SetWindowTextW(pathLabel_, Wide(text).c_str()); }

 private:
  HWND pathLabel_ = nullptr;
};

}  // namespace tarnwick::gui::win32
