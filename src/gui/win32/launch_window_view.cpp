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
  pathLabel_ = AddControl(L"STATIC", "", SS_LEFTNOWORDWRAP | SS_NOPREFIX, 0, layout::kLaunchLabel,
                       kPathLabel, normal);
  // A caption wider than its button wraps onto a second line rather than being cut.
  constexpr DWORD kWrapping = BS_PUSHBUTTON | BS_MULTILINE | BS_CENTER | BS_VCENTER;
  AddControl(L"BUTTON", texts::kSearchPathButton, WS_TABSTOP | kWrapping, 0, layout::kLaunchSearch,
             kSearchPath, normal);
  AddControl(L"BUTTON", texts::kAddAndSearchPathButton, WS_TABSTOP | kWrapping, 0,
             layout::kLaunchAddAndSearch, kAddNameAndSearch, normal);
  OnCommand(kSearchPath, [&rules] { rules.SearchPathClick(); });
  OnCommand(kAddNameAndSearch, [&rules] { rules.AddNameAndSearchClick(); });
  OnClose([&rules] { rules.FrameClosed(); });
}

}  // namespace tarnwick::gui::win32
