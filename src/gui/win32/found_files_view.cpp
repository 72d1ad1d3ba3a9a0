#include "gui/win32/found_files_view.h"

#include <commctrl.h>

#include "gui/layout.h"
#include "texts/texts.h"

namespace tarnwick::gui::win32 {
namespace {

// The state images of a list view's check boxes: 1 unticked, 2 ticked.
UINT CheckImage(bool ticked) { return INDEXTOSTATEIMAGEMASK(ticked ? 2 : 1); }

}  // namespace

FoundFilesWin32::FoundFilesWin32(Win32Toolkit& toolkit, FoundFilesWindow& rules, HWND owner)
    : Win32View(toolkit), rules_(rules) {
  Create(texts::kFoundFilesCaption, WS_POPUP | WS_CAPTION | WS_SYSMENU, 0, owner,
         layout::kFoundFilesWindow);
  const HFONT normal = Font(layout::kNormalPoints, false);
  AddControl(L"STATIC", "", SS_LEFTNOWORDWRAP, 0, layout::kFoundLine, kFoundLine, normal);
  NameNextControl(texts::kFoundFilesAccessibleName);
  list_ = AddControl(WC_LISTVIEWW, "",
                     WS_TABSTOP | LVS_REPORT | LVS_OWNERDATA | LVS_NOCOLUMNHEADER | LVS_SINGLESEL |
                         LVS_SHOWSELALWAYS,
                     WS_EX_CLIENTEDGE, layout::kFoundList, kFileList, normal);
  // The check boxes' images; their state is the rules', asked for with every row.
  ::SendMessageW(list_, LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_CHECKBOXES | LVS_EX_FULLROWSELECT,
                 LVS_EX_CHECKBOXES | LVS_EX_FULLROWSELECT);
  ::SendMessageW(list_, LVM_SETCALLBACKMASK, LVIS_STATEIMAGEMASK, 0);
  RECT client{};
  ::GetClientRect(list_, &client);
  LVCOLUMNW column{};
  column.mask = LVCF_WIDTH;
  column.cx = client.right - ::GetSystemMetrics(SM_CXVSCROLL);
  ::SendMessageW(list_, LVM_INSERTCOLUMNW, 0, reinterpret_cast<LPARAM>(&column));
  AddControl(L"BUTTON", texts::kTickAllButton, WS_TABSTOP | BS_PUSHBUTTON, 0, layout::kFoundTickAll,
             kTickAll, normal);
  AddControl(L"BUTTON", texts::kTickNoneButton, WS_TABSTOP | BS_PUSHBUTTON, 0,
             layout::kFoundTickNone, kTickNone, normal);
  AddControl(L"BUTTON", "", WS_TABSTOP | BS_PUSHBUTTON, 0, layout::kFoundDeal, kDeal, normal);
  AddControl(L"BUTTON", texts::kCancelButton, WS_TABSTOP | BS_PUSHBUTTON, 0, layout::kFoundCancel,
             kCancel, normal);
  ::SetFocus(list_);
  MakeModalOver(owner);
  OnCommand(kTickAll, [&rules] { rules.AllClick(); });
  OnCommand(kTickNone, [&rules] { rules.NoneClick(); });
  OnCommand(kDeal, [&rules] { rules.DealClick(); });
  // Escape cancels; Enter (IDOK) is left alone: only a focused button acts.
  OnCommand(kCancel, [&rules] { rules.CancelClick(); });
  OnClose([&rules] { rules.CancelClick(); });
}

void FoundFilesWin32::SetFoundLine(const std::string& text) {
  ::SetDlgItemTextW(handle(), kFoundLine, Wide(text).c_str());
}

void FoundFilesWin32::SetDealCaption(const std::string& caption) {
  ::SetDlgItemTextW(handle(), kDeal, Wide(caption).c_str());
}

void FoundFilesWin32::SetRowCount(size_t rows) {
  ::SendMessageW(list_, LVM_SETITEMCOUNT, rows, LVSICF_NOSCROLL);
  if (rows == 0) return;
  LVITEMW first{};
  first.stateMask = LVIS_FOCUSED | LVIS_SELECTED;
  first.state = LVIS_FOCUSED | LVIS_SELECTED;
  ::SendMessageW(list_, LVM_SETITEMSTATE, 0, reinterpret_cast<LPARAM>(&first));
}

void FoundFilesWin32::Toggle(int row) {
  if (row < 0) return;
  rules_.ToggleRow(static_cast<size_t>(row));
  ::SendMessageW(list_, LVM_REDRAWITEMS, row, row);
}

LRESULT FoundFilesWin32::HandleListNotice(const NMHDR& notice) {
  switch (notice.code) {
    case LVN_GETDISPINFOW: {
      LVITEMW& item = reinterpret_cast<NMLVDISPINFOW&>(const_cast<NMHDR&>(notice)).item;
      const auto row = static_cast<size_t>(item.iItem);
      if ((item.mask & LVIF_TEXT) != 0 && item.cchTextMax > 0) {
        const std::wstring path = Wide(rules_.PathAt(row));
        ::lstrcpynW(item.pszText, path.c_str(), item.cchTextMax);
      }
      if ((item.mask & LVIF_STATE) != 0) {
        item.stateMask |= LVIS_STATEIMAGEMASK;
        item.state = (item.state & ~LVIS_STATEIMAGEMASK) | CheckImage(rules_.IsTicked(row));
      }
      return 0;
    }
    case NM_CLICK: {
      LVHITTESTINFO hit{};
      hit.pt = reinterpret_cast<const NMITEMACTIVATE&>(notice).ptAction;
      ::SendMessageW(list_, LVM_SUBITEMHITTEST, 0, reinterpret_cast<LPARAM>(&hit));
      if ((hit.flags & LVHT_ONITEMSTATEICON) != 0) Toggle(hit.iItem);
      return 0;
    }
    case LVN_KEYDOWN:
      if (reinterpret_cast<const NMLVKEYDOWN&>(notice).wVKey == VK_SPACE) {
        Toggle(static_cast<int>(::SendMessageW(list_, LVM_GETNEXTITEM, -1, LVNI_FOCUSED)));
      }
      return 0;
    default:
      return 0;
  }
}

LRESULT FoundFilesWin32::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NOTIFY) {
    const auto& notice = *reinterpret_cast<const NMHDR*>(lParam);
    if (notice.hwndFrom == list_) return HandleListNotice(notice);
    return 0;
  }
  return Win32Window::HandleMessage(message, wParam, lParam);
}

}  // namespace tarnwick::gui::win32
