// What every Win32 view shares: a top-level window of the program's class, its controls laid out
// in twips, the dispatch of its commands, modality, and message boxes.
#pragma once

#include "platform/windows/windows_support.h"  // windows.h first

#include <functional>
#include <map>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "gui/toolkit.h"

namespace tarnwick::gui::win32 {

using platform::Narrow;
using platform::Wide;

class Win32Toolkit;

// A top-level window of its own class whose messages go to HandleMessage; it is destroyed with
// the object. Geometry is given in twips and laid out at the window's real dpi.
class Win32Window {
 public:
  Win32Window(const Win32Window&) = delete;
  Win32Window& operator=(const Win32Window&) = delete;
  virtual ~Win32Window();

  HWND handle() const { return window_; }
  int dpi() const { return dpi_; }
  int Pixels(int twips) const { return MulDiv(twips, dpi_, 1440); }

 protected:
  explicit Win32Window(Win32Toolkit& toolkit) : toolkit_(toolkit) {}

  // Makes the window, hidden, with a client area of `client`'s size below its `menuBar`, when
  // it has one.
  void Create(const std::string& caption, DWORD style, DWORD extendedStyle, HWND owner,
              TwipsRect client, HMENU menuBar = nullptr);
  // A child control of a system class ("BUTTON", "LISTBOX", ...) at `place`.
  HWND AddControl(const wchar_t* windowClass, const std::string& text, DWORD style,
                  DWORD extendedStyle, TwipsRect place, int id, HFONT font);
  // The name a screen reader gives the control created next, which shows no caption: an empty
  // label just before it, from which the system takes the name.
  void NameNextControl(const std::string& name);
  // MS Sans Serif where the system has it, else a similar sans-serif face; freed with the window.
  HFONT Font(double points, bool bold);

  // What the window does when control `id` sends `notification` (a click, for a button; Escape
  // comes as a click of IDCANCEL; a menu item `id` comes as kMenuItemChosen), and when its frame
  // is closed. Other commands are left alone, and a frame without a handler stays open. Enter
  // (IDOK) presses the focused push button, as Space does, unless IDOK has a handler.
  static constexpr WORD kMenuItemChosen = 0;
  void OnCommand(int id, std::function<void()> handler, WORD notification = BN_CLICKED);
  void OnClose(std::function<void()> handler) { onClose_ = std::move(handler); }
  // Only this window takes input while it exists: `owner` is disabled until it is hidden or
  // destroyed.
  void MakeModalOver(HWND owner);
  // Takes the window off the screen; the owner of a modal one takes input again first, and is
  // active again with the focus on the control that had it.
  void Hide();
  // Enables or disables `control`, never leaving the focus on a disabled one: when it has the
  // focus, the focus moves to `fallback` first.
  void EnableControl(HWND control, bool enabled, HWND fallback);

  // The window's messages: the commands and the closing above; what it does not handle goes to
  // DefWindowProc.
  virtual LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);

  Win32Toolkit& toolkit_;

 private:
  static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

  HWND window_ = nullptr;
  HWND focused_ = nullptr;  // the control that had the focus when the window last lost it
  int dpi_ = 96;
  std::vector<HFONT> fonts_;
  std::map<std::pair<int, WORD>, std::function<void()>> commands_;
  std::function<void()> onClose_;
  HWND modalOwner_ = nullptr;
};

// What every window of the rules asks of a Win32 window.
template <typename View>
class Win32View : public Win32Window, public View {
 public:
  void ShowWindow() override { ::ShowWindow(handle(), SW_SHOW); }
  void CloseWindow() override { Hide(); }
  TwipsSize ScreenSize() const override;
  TwipsSize OuterSize() const override;
  void MoveTo(TwipsPosition position) override;
  void SetTopmost() override {
    ::SetWindowPos(handle(), HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
  }
  void ShowMessageBox(const std::string& prompt, MessageKind kind,
                      const std::string& title) override;
  bool AskYesNo(const std::string& prompt, const std::string& title) override;

 protected:
  using Win32Window::Win32Window;
};

// The parts of Win32View that do not depend on the view interface.
RECT MonitorArea(HWND window);
TwipsSize TwipsOf(const Win32Window& window, LONG width, LONG height);
void ShowMessageBox(HWND owner, const std::string& prompt, MessageKind kind,
                    const std::string& title);
bool AskYesNo(HWND owner, const std::string& prompt, const std::string& title);
// The text a control (an edit field, say) holds now.
std::string TextOfControl(HWND control);

template <typename View>
TwipsSize Win32View<View>::ScreenSize() const {
  const RECT area = MonitorArea(handle());
  return TwipsOf(*this, area.right - area.left, area.bottom - area.top);
}

template <typename View>
TwipsSize Win32View<View>::OuterSize() const {
  RECT frame{};
  ::GetWindowRect(handle(), &frame);
  return TwipsOf(*this, frame.right - frame.left, frame.bottom - frame.top);
}

template <typename View>
void Win32View<View>::MoveTo(TwipsPosition position) {
  const RECT area = MonitorArea(handle());
  ::SetWindowPos(handle(), nullptr, area.left + Pixels(position.left), area.top + Pixels(position.top),
                 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

template <typename View>
void Win32View<View>::ShowMessageBox(const std::string& prompt, MessageKind kind,
                                     const std::string& title) {
  win32::ShowMessageBox(handle(), prompt, kind, title);
}

template <typename View>
bool Win32View<View>::AskYesNo(const std::string& prompt, const std::string& title) {
  return win32::AskYesNo(handle(), prompt, title);
}

}  // namespace tarnwick::gui::win32
