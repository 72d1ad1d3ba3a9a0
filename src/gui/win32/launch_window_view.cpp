#include "gui/win32/launch_window_view.h"

#include "gui/layout.h"
#include "texts/texts.h"

namespace tarnwick::gui::win32 {

LaunchWindowWin32::LaunchWindowWin32(Win32Toolkit& toolkit, LaunchWindow& rules)
    : Win32View(toolkit) {
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
  OnCommand(kCommand1, [&rules] { rules.Command1Click(); });
  OnCommand(kCommand2, [&rules] { rules.Command2Click(); });
  OnClose([&rules] { rules.FrameClosed(); });
}

}  // namespace tarnwick::gui::win32
