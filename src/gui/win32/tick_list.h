// A Win32 list of rows with check boxes (TickableRows): a virtual list view (LVS_OWNERDATA) that
// asks the rules for each row it draws, with check boxes by state image; a click on a check box
// or Space toggles the row. And the window both such lists stand in, with its buttons.
#pragma once

#include "gui/layout.h"
#include "gui/tickable_rows.h"
#include "gui/win32/win32_window.h"  // windows.h before the headers that build on it

#include <commctrl.h>

#include <optional>
#include <string>

#include "texts/texts.h"

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

// A window around such a list, as "Gefundene Dateien" and "Dateien des Durchgangs N" are: a
// line, the list, "Alle", "Keine", the button that deals with the ticked rows and the one that
// closes the window (Escape and the frame too); modal over its owner. The window that derives
// from it says what each button does.
template <typename View>
class TickListWindow : public Win32View<View> {
 public:
  enum Control {
    kLine = 501,
    kFileList = 502,
    kTickAll = 503,
    kTickNone = 504,
    kDeal = 505,
    kClose = IDCANCEL,
  };

  void SetRowCount(size_t rows) override { list_.SetRowCount(rows); }
  void RefreshRows() override { list_.Refresh(); }

 protected:
  struct Labels {
    std::string caption, line, listName, deal, close;
  };

  TickListWindow(Win32Toolkit& toolkit, TickableRows& rows, HWND owner, const Labels& labels);

  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override {
    if (const auto answer = list_.AnswerNotice(message, lParam)) return *answer;
    return Win32View<View>::HandleMessage(message, wParam, lParam);
  }

 private:
  TickList list_;
};

template <typename View>
TickListWindow<View>::TickListWindow(Win32Toolkit& toolkit, TickableRows& rows, HWND owner,
                                     const Labels& labels)
    : Win32View<View>(toolkit), list_(rows) {
  this->Create(labels.caption, WS_POPUP | WS_CAPTION | WS_SYSMENU, 0, owner,
               layout::kFoundFilesWindow);
  const HFONT normal = this->Font(layout::kNormalPoints, false);
  this->AddControl(L"STATIC", labels.line, SS_LEFTNOWORDWRAP, 0, layout::kFoundLine, kLine, normal);
  this->NameNextControl(labels.listName);
  list_.Attach(this->AddControl(WC_LISTVIEWW, "", kTickListStyle, WS_EX_CLIENTEDGE,
                                layout::kFoundList, kFileList, normal));
  const auto button = [&](const std::string& text, TwipsRect place, int id) {
    this->AddControl(L"BUTTON", text, WS_TABSTOP | BS_PUSHBUTTON, 0, place, id, normal);
  };
  button(texts::kTickAllButton, layout::kFoundTickAll, kTickAll);
  button(texts::kTickNoneButton, layout::kFoundTickNone, kTickNone);
  button(labels.deal, layout::kFoundDeal, kDeal);
  button(labels.close, layout::kFoundCancel, kClose);
  this->MakeModalOver(owner);
}

}  // namespace tarnwick::gui::win32
