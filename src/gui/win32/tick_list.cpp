#include "gui/win32/tick_list.h"

#include <commctrl.h>

namespace tarnwick::gui::win32 {
namespace {

// The state images of a list view's check boxes: 1 unticked, 2 ticked.
UINT CheckImage(bool ticked) { return INDEXTOSTATEIMAGEMASK(ticked ? 2 : 1); }

}  // namespace

void TickList::Attach(HWND list) {
  list_ = list;
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
}

void TickList::SetRowCount(size_t rows) {
  ::SendMessageW(list_, LVM_SETITEMCOUNT, rows, LVSICF_NOSCROLL);
  if (rows == 0) return;
  LVITEMW first{};
  first.stateMask = LVIS_FOCUSED | LVIS_SELECTED;
  first.state = LVIS_FOCUSED | LVIS_SELECTED;
  ::SendMessageW(list_, LVM_SETITEMSTATE, 0, reinterpret_cast<LPARAM>(&first));
}

void TickList::Toggle(int row) {
  if (row < 0) return;
  rows_.ToggleRow(static_cast<size_t>(row));
  ::SendMessageW(list_, LVM_REDRAWITEMS, row, row);
}

std::optional<LRESULT> TickList::AnswerNotice(UINT message, LPARAM lParam) {
  if (message != WM_NOTIFY) return std::nullopt;
  const auto& notice = *reinterpret_cast<const NMHDR*>(lParam);
  return notice.hwndFrom == list_ ? HandleNotice(notice) : 0;
}

LRESULT TickList::HandleNotice(const NMHDR& notice) {
  switch (notice.code) {
    case LVN_GETDISPINFOW: {
      LVITEMW& item = reinterpret_cast<NMLVDISPINFOW&>(const_cast<NMHDR&>(notice)).item;
      const auto row = static_cast<size_t>(item.iItem);
      if ((item.mask & LVIF_TEXT) != 0 && item.cchTextMax > 0) {
        const std::wstring text = Wide(rows_.TextAt(row));
        ::lstrcpynW(item.pszText, text.c_str(), item.cchTextMax);
      }
      if ((item.mask & LVIF_STATE) != 0) {
        item.stateMask |= LVIS_STATEIMAGEMASK;
        item.state = (item.state & ~LVIS_STATEIMAGEMASK) | CheckImage(rows_.IsTicked(row));
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

}  // namespace tarnwick::gui::win32
