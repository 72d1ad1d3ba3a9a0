#include "gui/win32/win32_window.h"

#include "gui/win32/win32_toolkit.h"

namespace tarnwick::gui::win32 {
namespace {

constexpr wchar_t kWindowClass[] = L"TarnwickWindow";

// The window's dpi: its monitor's where the system tells it (Windows 10 and later), else the
// system's.
int DpiOf(HWND window) {
  using GetDpiForWindowFunction = UINT(WINAPI*)(HWND);
  static const auto getDpiForWindow = reinterpret_cast<GetDpiForWindowFunction>(
      reinterpret_cast<void*>(::GetProcAddress(::GetModuleHandleW(L"user32.dll"), "GetDpiForWindow")));
  if (getDpiForWindow != nullptr) {
    if (const UINT dpi = getDpiForWindow(window); dpi > 0) return static_cast<int>(dpi);
  }
  const HDC screen = ::GetDC(nullptr);
  const int dpi = ::GetDeviceCaps(screen, LOGPIXELSY);
  ::ReleaseDC(nullptr, screen);
  return dpi > 0 ? dpi : 96;
}

void RegisterWindowClass() {
  static const bool registered = [] {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = ::DefWindowProcW;  // replaced per window in Create
    windowClass.hInstance = ::GetModuleHandleW(nullptr);
    windowClass.hIcon = ::LoadIconW(windowClass.hInstance, MAKEINTRESOURCEW(1));
    windowClass.hCursor = ::LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.lpszClassName = kWindowClass;
    return ::RegisterClassExW(&windowClass) != 0;
  }();
  (void)registered;
}

bool FontExists(const wchar_t* face) {
  LOGFONTW wanted{};
  wanted.lfCharSet = DEFAULT_CHARSET;
  ::wcsncpy(wanted.lfFaceName, face, LF_FACESIZE - 1);
  bool found = false;
  const HDC screen = ::GetDC(nullptr);
  ::EnumFontFamiliesExW(
      screen, &wanted,
      [](const LOGFONTW*, const TEXTMETRICW*, DWORD, LPARAM found) -> int {
        *reinterpret_cast<bool*>(found) = true;
        return 0;
      },
      reinterpret_cast<LPARAM>(&found), 0);
  ::ReleaseDC(nullptr, screen);
  return found;
}

}  // namespace

Win32Window::~Win32Window() {
  if (modalOwner_ != nullptr) ::EnableWindow(modalOwner_, TRUE);
  if (window_ != nullptr) {
    ::SetWindowLongPtrW(window_, GWLP_USERDATA, 0);
    ::DestroyWindow(window_);
  }
  for (const HFONT font : fonts_) ::DeleteObject(font);
}

void Win32Window::Create(const std::string& caption, DWORD style, DWORD extendedStyle, HWND owner,
                         TwipsRect client, HMENU menuBar) {
  RegisterWindowClass();
  window_ = ::CreateWindowExW(extendedStyle | WS_EX_CONTROLPARENT, kWindowClass,
                              Wide(caption).c_str(), style, CW_USEDEFAULT, CW_USEDEFAULT, 100,
                              100, owner, menuBar, ::GetModuleHandleW(nullptr), nullptr);
  ::SetWindowLongPtrW(window_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
  ::SetWindowLongPtrW(window_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&Procedure));
  dpi_ = DpiOf(window_);
  RECT outer{0, 0, Pixels(client.width), Pixels(client.height)};
  ::AdjustWindowRectEx(&outer, style, menuBar != nullptr, extendedStyle);
  ::SetWindowPos(window_, nullptr, 0, 0, outer.right - outer.left, outer.bottom - outer.top,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

HWND Win32Window::AddControl(const wchar_t* windowClass, const std::string& text, DWORD style,
                             DWORD extendedStyle, TwipsRect place, int id, HFONT font) {
  const HWND control = ::CreateWindowExW(
      extendedStyle, windowClass, Wide(text).c_str(), WS_CHILD | WS_VISIBLE | style,
      Pixels(place.left), Pixels(place.top), Pixels(place.width), Pixels(place.height), window_,
      reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), ::GetModuleHandleW(nullptr), nullptr);
  ::SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
  return control;
}

void Win32Window::NameNextControl(const std::string& name) {
  // The label takes no room: the window keeps its described controls and places.
  ::CreateWindowExW(0, L"STATIC", Wide(name).c_str(), WS_CHILD | WS_VISIBLE | SS_NOPREFIX, 0, 0, 0,
                    0, window_, nullptr, ::GetModuleHandleW(nullptr), nullptr);
}

HFONT Win32Window::Font(double points, bool bold) {
  static const wchar_t* const face =
      FontExists(L"MS Sans Serif") ? L"MS Sans Serif" : L"Microsoft Sans Serif";
  const int height = -static_cast<int>(points * dpi_ / 72.0 + 0.5);
  const HFONT font = ::CreateFontW(height, 0, 0, 0, bold ? FW_BOLD : FW_NORMAL, FALSE, FALSE, FALSE,
                                   DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                                   DEFAULT_QUALITY, VARIABLE_PITCH | FF_SWISS, face);
  fonts_.push_back(font);
  return font;
}

void Win32Window::OnCommand(int id, std::function<void()> handler, WORD notification) {
  commands_[{id, notification}] = std::move(handler);
}

void Win32Window::MakeModalOver(HWND owner) {
  modalOwner_ = owner;
  ::EnableWindow(owner, FALSE);
}

void Win32Window::Hide() {
  // While the owner is disabled, the system would activate some other window, or none, and no
  // key would work until a click.
  if (modalOwner_ != nullptr) ::EnableWindow(modalOwner_, TRUE);
  ::ShowWindow(window_, SW_HIDE);
  if (modalOwner_ != nullptr) ::SetActiveWindow(modalOwner_);
}

void Win32Window::EnableControl(HWND control, bool enabled, HWND fallback) {
  if (!enabled && ::GetFocus() == control) ::SetFocus(fallback);
  ::EnableWindow(control, enabled);
}

namespace {

// Whether the control is a push button, which Enter presses as Space does.
bool IsPushButton(HWND control) {
  wchar_t kind[16];
  if (control == nullptr || ::GetClassNameW(control, kind, 16) == 0 ||
      ::lstrcmpiW(kind, L"Button") != 0) {
    return false;
  }
  const LONG type = ::GetWindowLongW(control, GWL_STYLE) & BS_TYPEMASK;
  return type == BS_PUSHBUTTON || type == BS_DEFPUSHBUTTON;
}

}  // namespace

LRESULT Win32Window::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_COMMAND) {
    const auto handler = commands_.find({LOWORD(wParam), HIWORD(wParam)});
    if (handler != commands_.end()) {
      handler->second();
    } else if (LOWORD(wParam) == IDOK) {
      // Enter, from the dialog manager, which knows no default button here.
      const HWND focus = ::GetFocus();
      if (::IsChild(window_, focus) && IsPushButton(focus)) ::SendMessageW(focus, BM_CLICK, 0, 0);
    }
    return 0;
  }
  if (message == WM_CLOSE && onClose_) {
    onClose_();
    return 0;
  }
  if (message == WM_SETCURSOR && toolkit_.WaitCursorShown()) {
    ::SetCursor(::LoadCursorW(nullptr, IDC_WAIT));
    return TRUE;
  }
  if (message == WM_ACTIVATE) {
    // As a dialog does: the focus goes back where it was, at first to the first control.
    if (LOWORD(wParam) == WA_INACTIVE) {
      const HWND focus = ::GetFocus();
      if (focus != nullptr && ::IsChild(window_, focus)) focused_ = focus;
    } else if (!::IsIconic(window_)) {
      const HWND target = focused_ != nullptr && ::IsWindowEnabled(focused_)
                              ? focused_
                              : ::GetNextDlgTabItem(window_, nullptr, FALSE);
      if (target != nullptr) ::SetFocus(target);
      return 0;
    }
  }
  return ::DefWindowProcW(window_, message, wParam, lParam);
}

LRESULT CALLBACK Win32Window::Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  auto* self = reinterpret_cast<Win32Window*>(::GetWindowLongPtrW(window, GWLP_USERDATA));
  if (self == nullptr) return ::DefWindowProcW(window, message, wParam, lParam);
  return self->HandleMessage(message, wParam, lParam);
}

RECT MonitorArea(HWND window) {
  MONITORINFO monitor{};
  monitor.cbSize = sizeof monitor;
  if (::GetMonitorInfoW(::MonitorFromWindow(window, MONITOR_DEFAULTTOPRIMARY), &monitor)) {
    return monitor.rcMonitor;
  }
  return RECT{0, 0, ::GetSystemMetrics(SM_CXSCREEN), ::GetSystemMetrics(SM_CYSCREEN)};
}

TwipsSize TwipsOf(const Win32Window& window, LONG width, LONG height) {
  const float twipsPerPixel = 1440.0f / static_cast<float>(window.dpi());
  return {static_cast<float>(width) * twipsPerPixel, static_cast<float>(height) * twipsPerPixel};
}

std::string TextOfControl(HWND control) {
  std::wstring text(static_cast<size_t>(::GetWindowTextLengthW(control)) + 1, L'\0');
  text.resize(static_cast<size_t>(
      ::GetWindowTextW(control, text.data(), static_cast<int>(text.size()))));
  return Narrow(text);
}

void ShowMessageBox(HWND owner, const std::string& prompt, MessageKind kind,
                    const std::string& title) {
  UINT icon = MB_ICONINFORMATION;
  switch (kind) {
    case MessageKind::kInformation: icon = MB_ICONINFORMATION; break;
    case MessageKind::kWarning: icon = MB_ICONEXCLAMATION; break;
    case MessageKind::kCritical: icon = MB_ICONHAND; break;
    case MessageKind::kQuestion: icon = MB_ICONQUESTION; break;
  }
  ::MessageBoxW(owner, Wide(prompt).c_str(), Wide(title).c_str(), MB_OK | icon);
}

bool AskYesNo(HWND owner, const std::string& prompt, const std::string& title) {
  return ::MessageBoxW(owner, Wide(prompt).c_str(), Wide(title).c_str(),
                       MB_YESNO | MB_ICONQUESTION) == IDYES;
}

}  // namespace tarnwick::gui::win32
