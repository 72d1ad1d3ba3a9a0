// The window "Gefundene Dateien" on Win32: a virtual list view over the rules' rows.
#pragma once

#include "gui/found_files_window.h"
#include "gui/win32/win32_window.h"

namespace tarnwick::gui::win32 {

// "Gefundene Dateien", modal over the main window: a virtual list view (LVS_OWNERDATA) that
// asks the rules for each row it draws, with check boxes by state image. A click on a check
// box or Space toggles the row; Escape and the frame cancel.
class FoundFilesWin32 : public Win32View<FoundFilesView> {
 public:
  enum Control {
    kFoundLine = 501,
    kFileList = 502,
    kTickAll = 503,
    kTickNone = 504,
    kDeal = 505,
    kCancel = IDCANCEL,
  };

  FoundFilesWin32(Win32Toolkit& toolkit, FoundFilesWindow& rules, HWND owner);

  void SetFoundLine(const std::string& text) override;
  void SetDealCaption(const std::string& caption) override;
  void SetRowCount(size_t rows) override;
  void RefreshRows() override { ::InvalidateRect(list_, nullptr, FALSE); }

 private:
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
  LRESULT HandleListNotice(const NMHDR& notice);
  void Toggle(int row);

  FoundFilesWindow& rules_;
  HWND list_ = nullptr;
};

}  // namespace tarnwick::gui::win32
