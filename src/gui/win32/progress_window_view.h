// The progress window of a long pass on Win32.
#pragma once

#include "gui/pass_progress.h"
#include "gui/win32/win32_window.h"

namespace tarnwick::gui::win32 {

// The progress window, modal over the main window (which it disables while it is there) and
// centred on it. Its button, Escape and its frame all ask the pass to stop.
class ProgressWindowWin32 : public Win32Window, public ProgressView {
 public:
  enum Control {
    kHeading = 401,
    kFolder = 402,
    kCounts = 403,
    kDeleted = 404,
    kBar = 405,
    kCancel = IDCANCEL,
  };

  ProgressWindowWin32(Win32Toolkit& toolkit, PassProgress& rules, HWND owner,
                      const std::string& title);

  void ShowWindow() override { ::ShowWindow(handle(), SW_SHOW); }
  void SetHeading(const std::string& text) override { SetText(heading_, text); }
  void SetFolder(std::string_view folder) override { SetText(folder_, std::string(folder)); }
  void SetCounts(const std::string& text) override { SetText(counts_, text); }
  void SetDeleted(const std::string& text) override;
  // The window keeps the focus, so that Escape still reaches it.
  void DisableCancel() override { EnableControl(::GetDlgItem(handle(), kCancel), false, handle()); }
  void SetProgress(std::optional<double> done) override;

 private:
  static void SetText(HWND control, const std::string& text);

  HWND heading_ = nullptr;
  HWND folder_ = nullptr;
  HWND counts_ = nullptr;
  HWND deleted_ = nullptr;
  HWND bar_ = nullptr;
};

}  // namespace tarnwick::gui::win32
