#pragma once

#include "gui/launch_window.h"
#include "gui/win32/win32_window.h"

namespace tarnwick::gui::win32 {

// Form3's controls; every event goes to the launch window's rules.
class LaunchWindowWin32 : public Win32View<LaunchWindowView> {
 public:
  enum Control { kLabel1 = 301, kCommand1 = 302, kCommand2 = 303 };

  LaunchWindowWin32(Win32Toolkit& toolkit, LaunchWindow& rules);

  void SetLabel(const std::string& text) override { ::SetWindowTextW(label1_, Wide(text).c_str()); }

 private:
  HWND label1_ = nullptr;
};

}  // namespace tarnwick::gui::win32
