#include "gui/win32/found_files_view.h"

#include "texts/texts.h"

namespace tarnwick::gui::win32 {

FoundFilesWin32::FoundFilesWin32(Win32Toolkit& toolkit, FoundFilesWindow& rules, HWND owner)
    : TickListWindow(toolkit, rules, owner,
                     {texts::kFoundFilesCaption, "", texts::kFoundFilesAccessibleName, "",
                      texts::kCancelButton}) {
  OnCommand(kTickAll, [&rules] { rules.AllClick(); });
  OnCommand(kTickNone, [&rules] { rules.NoneClick(); });
  OnCommand(kDeal, [&rules] { rules.DealClick(); });
  OnCommand(kClose, [&rules] { rules.CancelClick(); });
  OnClose([&rules] { rules.CancelClick(); });
}

void FoundFilesWin32::SetFoundLine(const std::string& text) {
  ::SetDlgItemTextW(handle(), kLine, Wide(text).c_str());
}

void FoundFilesWin32::SetDealCaption(const std::string& caption) {
  ::SetDlgItemTextW(handle(), kDeal, Wide(caption).c_str());
}

}  // namespace tarnwick::gui::win32
