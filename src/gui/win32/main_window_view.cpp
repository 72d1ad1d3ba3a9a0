#include "gui/win32/main_window_view.h"

#include "gui/layout.h"
#include "gui/texts.h"

namespace tarnwick::gui::win32 {

MainWindowWin32::MainWindowWin32(Win32Toolkit& toolkit, MainWindow& rules)
    : Win32View(toolkit), rules_(rules) {
  Create(texts::kMainWindowCaption, WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX, 0,
         nullptr, layout::kMainWindow);
  const HFONT normal = Font(layout::kNormalPoints, false);
  // Created in the order keyboard focus moves through them.
  list2_ = AddControl(L"LISTBOX", "", WS_TABSTOP | WS_VSCROLL | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT,
                      WS_EX_CLIENTEDGE, layout::kMainList, kList2, Font(layout::kNormalPoints, true));
  AddControl(L"BUTTON", texts::kAddButton, WS_TABSTOP | BS_PUSHBUTTON, 0, layout::kMainAddButton,
             kCommand1, normal);
  command3_ = AddControl(L"BUTTON", texts::kRemoveButton, WS_TABSTOP | BS_PUSHBUTTON, 0,
                         layout::kMainRemoveButton, kCommand3, normal);
  command4_ = AddControl(L"BUTTON", texts::kDeleteButton,
                         WS_TABSTOP | BS_PUSHBUTTON | BS_MULTILINE | BS_CENTER | BS_VCENTER, 0,
                         layout::kMainDeleteButton, kCommand4, Font(layout::kLargePoints, true));
}

void MainWindowWin32::SetEntries(const std::vector<std::string>& entries) {
  ::SendMessageW(list2_, LB_RESETCONTENT, 0, 0);
  for (const std::string& entry : entries) AppendEntry(entry);
}

void MainWindowWin32::AppendEntry(const std::string& entry) {
  ::SendMessageW(list2_, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(Wide(entry).c_str()));
}

std::optional<int> MainWindowWin32::SelectedIndex() const {
  const LRESULT selected = ::SendMessageW(list2_, LB_GETCURSEL, 0, 0);
  if (selected == LB_ERR) return std::nullopt;
  return static_cast<int>(selected);
}

LRESULT MainWindowWin32::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_COMMAND:
      switch (LOWORD(wParam)) {
        case kList2:
          if (HIWORD(wParam) == LBN_SELCHANGE) rules_.List2Click();
          return 0;
        case kCommand1: rules_.Command1Click(); return 0;
        case kCommand3: rules_.Command3Click(); return 0;
        case kCommand4: rules_.Command4Click(); return 0;
        default: return 0;  // IDOK and IDCANCEL from Enter and Escape
      }
    case WM_CLOSE:
      rules_.Unload();  // when it does not end the program, the window stays
      return 0;
    case WM_QUERYENDSESSION:
      return TRUE;
    case WM_ENDSESSION:
      if (wParam != FALSE) rules_.Unload();
      return 0;
    default:
      return Win32Window::HandleMessage(message, wParam, lParam);
  }
}

}  // namespace tarnwick::gui::win32
