#include "gui/win32/passes_view.h"

#include <commctrl.h>

#include <iterator>

#include "gui/layout.h"
#include "texts/texts.h"

namespace tarnwick::gui::win32 {
namespace {

// The columns' shares of the list's width, in the order of texts::kPassesColumns.
constexpr int kColumnShares[] = {7, 24, 49, 20};

}  // namespace

PassesWin32::PassesWin32(Win32Toolkit& toolkit, PassesWindow& rules, HWND owner)
    : Win32View(toolkit), rules_(rules) {
  Create(texts::kPassesCaption, WS_POPUP | WS_CAPTION | WS_SYSMENU, 0, owner,
         layout::kPassesWindow);
  const HFONT normal = Font(layout::kNormalPoints, false);
  NameNextControl(texts::kPassesAccessibleName);
  list_ = AddControl(WC_LISTVIEWW, "", WS_TABSTOP | LVS_REPORT | LVS_SINGLESEL | LVS_SHOWSELALWAYS,
                     WS_EX_CLIENTEDGE, layout::kPassesList, kPassList, normal);
  ::SendMessageW(list_, LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_FULLROWSELECT, LVS_EX_FULLROWSELECT);
  RECT client{};
  ::GetClientRect(list_, &client);
  const int width = client.right - ::GetSystemMetrics(SM_CXVSCROLL);
  for (size_t c = 0; c < std::size(texts::kPassesColumns); ++c) {
    std::wstring title = Wide(texts::kPassesColumns[c]);
    LVCOLUMNW column{};
    column.mask = LVCF_WIDTH | LVCF_TEXT;
    column.cx = width * kColumnShares[c] / 100;
    column.pszText = title.data();
    ::SendMessageW(list_, LVM_INSERTCOLUMNW, c, reinterpret_cast<LPARAM>(&column));
  }
  AddControl(L"BUTTON", texts::kTakeBackButton, WS_TABSTOP | BS_PUSHBUTTON, 0,
             layout::kPassesTakeBack, kTakeBack, normal);
  AddControl(L"BUTTON", texts::kFilesButton, WS_TABSTOP | BS_PUSHBUTTON, 0, layout::kPassesFiles,
             kFiles, normal);
  AddControl(L"BUTTON", texts::kCloseButton, WS_TABSTOP | BS_PUSHBUTTON, 0, layout::kPassesClose,
             kClose, normal);
  MakeModalOver(owner);
  OnCommand(kTakeBack, [&rules] { rules.TakeBackClick(); });
  OnCommand(kFiles, [&rules] { rules.FilesClick(); });
  OnCommand(kClose, [&rules] { rules.CloseClick(); });
  OnClose([&rules] { rules.CloseClick(); });
}

void PassesWin32::SetRows(const std::vector<std::vector<std::string>>& rows,
                          std::optional<int> selected) {
  filling_ = true;
  ::SendMessageW(list_, LVM_DELETEALLITEMS, 0, 0);
  for (size_t r = 0; r < rows.size(); ++r) {
    for (size_t c = 0; c < rows[r].size(); ++c) {
      std::wstring text = Wide(rows[r][c]);
      LVITEMW item{};
      item.mask = LVIF_TEXT;
      item.iItem = static_cast<int>(r);
      item.iSubItem = static_cast<int>(c);
      item.pszText = text.data();
      ::SendMessageW(list_, c == 0 ? LVM_INSERTITEMW : LVM_SETITEMW, 0,
                     reinterpret_cast<LPARAM>(&item));
    }
  }
  if (selected) {
    LVITEMW item{};
    item.stateMask = LVIS_FOCUSED | LVIS_SELECTED;
    item.state = LVIS_FOCUSED | LVIS_SELECTED;
    ::SendMessageW(list_, LVM_SETITEMSTATE, *selected, reinterpret_cast<LPARAM>(&item));
  }
  filling_ = false;
}

std::optional<int> PassesWin32::SelectedIndex() const {
  const auto row = static_cast<int>(::SendMessageW(list_, LVM_GETNEXTITEM, -1, LVNI_SELECTED));
  if (row < 0) return std::nullopt;
  return row;
}

LRESULT PassesWin32::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NOTIFY) {
    const auto& notice = *reinterpret_cast<const NMHDR*>(lParam);
    if (notice.hwndFrom == list_ && notice.code == LVN_ITEMCHANGED && !filling_ &&
        (reinterpret_cast<const NMLISTVIEW&>(notice).uChanged & LVIF_STATE) != 0) {
      rules_.ListClick();
    }
    return 0;
  }
  return Win32Window::HandleMessage(message, wParam, lParam);
}

PassFilesWin32::PassFilesWin32(Win32Toolkit& toolkit, PassFilesWindow& rules, HWND owner)
    : TickListWindow(toolkit, rules, owner,
                     {"", texts::kPassFilesLine, texts::kPassFilesAccessibleName,
                      texts::kTakeBackButton, texts::kCloseButton}) {
  OnCommand(kTickAll, [&rules] { rules.AllClick(); });
  OnCommand(kTickNone, [&rules] { rules.NoneClick(); });
  OnCommand(kDeal, [&rules] { rules.TakeBackClick(); });
  OnCommand(kClose, [&rules] { rules.CloseClick(); });
  OnClose([&rules] { rules.CloseClick(); });
}

}  // namespace tarnwick::gui::win32
