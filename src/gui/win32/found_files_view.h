// The window "Gefundene Dateien" on Win32: a virtual list with check boxes over the rules' rows.
#pragma once

#include "gui/found_files_window.h"
#include "gui/win32/tick_list.h"
#include "gui/win32/win32_window.h"

namespace tarnwick::gui::win32 {

// "Gefundene Dateien", modal over the main window; Escape and the frame cancel.
class FoundFilesWin32 : public TickListWindow<FoundFilesView> {
 public:
  FoundFilesWin32(Win32Toolkit& toolkit, FoundFilesWindow& rules, HWND owner);

  void SetFoundLine(const std::string& text) override;
  void SetDealCaption(const std::string& caption) override;
};

}  // namespace tarnwick::gui::win32
