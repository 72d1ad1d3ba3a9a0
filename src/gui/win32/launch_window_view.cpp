#include "gui/win32/launch_window_view.h"

#include "gui/layout.h"
#include "texts/texts.h"

namespace tarnwick::gui::win32 {

LaunchWindowWin32::LaunchWindowWin32(Win32Toolkit& toolkit, LaunchWindow& rules)
    : Win32View(toolkit), rules_(rules) {
  Create(texts::kLaunchWindowCaption, WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX, 0,
         nullptr, layout::kLaunchWindow);
  const HFONT normal = Font(layout::kNormalPoints, false);
  // Wider than the window: a long path is cut at its right edge.
  label1_ = AddControl(L"STATIC", "", SS_LEFTNOWORDWRAP | SS_NOPREFIX, 0, layout::kLaunchLabel,
                       kLabel1, normal);
  // A caption wider than its button wraps onto a second line rather than being cut.
  constexpr DWORD kWrapping = BS_PUSHBUTTON | BS_MULTILINE | BS_CENTER | BS_VCENTER;
  AddControl(L"BUTTON", texts::kSearchPathButton, WS_TABSTOP | kWrapping, 0, layout::kLaunchSearch,
             kCommand1, normal);
  AddControl(L"BUTTON", texts::kAddAndSearchPathButton, WS_TABSTOP | kWrapping, 0,
             layout::kLaunchAddAndSearch, kCommand2, normal);
}

LRESULT LaunchWindowWin32::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_COMMAND:
      if (LOWORD(wParam) == kCommand1) rules_.Command1Click();
      if (LOWORD(wParam) == kCommand2) rules_.Command2Click();
      return 0;
    case WM_CLOSE:
      rules_.FrameClosed();
      return 0;
    default:
      return Win32Window::HandleMessage(message, wParam, lParam);
  }
}

}  // namespace tarnwick::gui::win32
