// A Win32 list of rows with check boxes (TickableRows): a virtual list view (LVS_OWNERDATA) that
// asks the rules for each row it draws, with check boxes by state image. A click on a check
// box or Space toggles the row.
#pragma once

#include "gui/tickable_rows.h"
#include "gui/win32/win32_window.h"  // windows.h before the headers that build on it

#include <commctrl.h>

#include <optional>

namespace tarnwick::gui::win32 {

class TickList {
 public:
  explicit TickList(TickableRows& rows) : rows_(rows) {}

  // Makes the list view, one column as wide as it, as the control `list` of its window.
  void Attach(HWND list);
  HWND handle() const { return list_; }
  // The rows are others now; the first is the current one.
  void SetRowCount(size_t rows);
  void Refresh() { ::InvalidateRect(list_, nullptr, FALSE); }
  // The answer to a message of its window when it is a notice (WM_NOTIFY): the list view's
  // are handled here, any other gets 0; nothing for other messages.
  std::optional<LRESULT> AnswerNotice(UINT message, LPARAM lParam);

 private:
  LRESULT HandleNotice(const NMHDR& notice);
  void Toggle(int row);

  TickableRows& rows_;
  HWND list_ = nullptr;
};

// The list view's own style for such a list.
inline constexpr DWORD kTickListStyle =
    WS_TABSTOP | LVS_REPORT | LVS_OWNERDATA | LVS_NOCOLUMNHEADER | LVS_SINGLESEL |
    LVS_SHOWSELALWAYS;

}  // namespace tarnwick::gui::win32
