#include "gui/win32/progress_window_view.h"

#include <commctrl.h>

#include "gui/layout.h"
#include "texts/texts.h"

namespace tarnwick::gui::win32 {
namespace {

constexpr int kBarSteps = 1000;

}  // namespace

ProgressWindowWin32::ProgressWindowWin32(Win32Toolkit& toolkit, PassProgress& rules, HWND owner,
                                         const std::string& title)
    : Win32Window(toolkit) {
  Create(title, WS_POPUP | WS_CAPTION | WS_SYSMENU, 0, owner, layout::kProgressWindow);
  const HFONT normal = Font(layout::kNormalPoints, false);
  heading_ = AddControl(L"STATIC", "", SS_LEFTNOWORDWRAP, 0, layout::kProgressHeading, kHeading,
                        normal);
  folder_ = AddControl(L"STATIC", "", SS_PATHELLIPSIS | SS_NOPREFIX, 0, layout::kProgressFolder,
                       kFolder, normal);
  counts_ = AddControl(L"STATIC", "", SS_LEFTNOWORDWRAP, 0, layout::kProgressCounts, kCounts,
                       normal);
  deleted_ = AddControl(L"STATIC", "", SS_LEFTNOWORDWRAP, 0, layout::kProgressDeleted, kDeleted,
                        normal);
  ::ShowWindow(deleted_, SW_HIDE);
  NameNextControl(texts::kProgressBarAccessibleName);
  bar_ = AddControl(PROGRESS_CLASSW, "", 0, 0, layout::kProgressBar, kBar, normal);
  ::SendMessageW(bar_, PBM_SETRANGE32, 0, kBarSteps);
  AddControl(L"BUTTON", texts::kCancelButton, WS_TABSTOP | BS_PUSHBUTTON, 0,
             layout::kProgressCancel, kCancel, normal);

  RECT ownerFrame{}, frame{};
  ::GetWindowRect(owner, &ownerFrame);
  ::GetWindowRect(handle(), &frame);
  const int width = frame.right - frame.left, height = frame.bottom - frame.top;
  ::SetWindowPos(handle(), nullptr, (ownerFrame.left + ownerFrame.right - width) / 2,
                 (ownerFrame.top + ownerFrame.bottom - height) / 2, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  MakeModalOver(owner);
  OnCommand(kCancel, [&rules] { rules.CancelClick(); });
  OnClose([&rules] { rules.CancelClick(); });
}

void ProgressWindowWin32::SetDeleted(const std::string& text) {
  SetText(deleted_, text);
  ::ShowWindow(deleted_, SW_SHOW);
}

void ProgressWindowWin32::SetProgress(std::optional<double> done) {
  // A marquee (the system's busy bar) while the amount of work is unknown.
  const LONG_PTR style = ::GetWindowLongPtrW(bar_, GWL_STYLE);
  if (!done) {
    ::SetWindowLongPtrW(bar_, GWL_STYLE, style | PBS_MARQUEE);
    ::SendMessageW(bar_, PBM_SETMARQUEE, TRUE, 0);
    return;
  }
  if (style & PBS_MARQUEE) {
    ::SendMessageW(bar_, PBM_SETMARQUEE, FALSE, 0);
    ::SetWindowLongPtrW(bar_, GWL_STYLE, style & ~PBS_MARQUEE);
  }
  ::SendMessageW(bar_, PBM_SETPOS, static_cast<WPARAM>(*done * kBarSteps), 0);
}

void ProgressWindowWin32::SetText(HWND control, const std::string& text) {
  ::SetWindowTextW(control, Wide(text).c_str());
}

}  // namespace tarnwick::gui::win32
