// The notification area: a balloon (a toast since Windows 10) from an icon that stays while it
// can be seen, then goes with the program.
#include "platform/windows/windows_support.h"  // windows.h first

#include <shellapi.h>

#include <algorithm>
#include <chrono>
#include <cwchar>

#include "platform/notify/notifier.h"

namespace tarnwick::platform {
namespace {

// How long the icon stays for its balloon to be seen; the shell keeps a toast after that.
constexpr DWORD kShownMilliseconds = 8000;

template <size_t Size>
void CopyCut(wchar_t (&to)[Size], const std::wstring& text) {
  const size_t length = std::min(text.size(), Size - 1);
  std::wmemcpy(to, text.data(), length);
  to[length] = L'\0';
}

class NotificationAreaNotifier : public Notifier {
 public:
  std::error_code Notify(const std::string& summary, const std::string& body) override {
    const HWND window = ::CreateWindowExW(0, L"STATIC", L"Tarnwick", 0, 0, 0, 0, 0,
                                         HWND_MESSAGE, nullptr, nullptr, nullptr);
    if (window == nullptr) return LastWindowsError();
    NOTIFYICONDATAW icon{};
    icon.cbSize = sizeof icon;
    icon.hWnd = window;
    icon.uID = 1;
    icon.uFlags = NIF_ICON | NIF_TIP | NIF_INFO;
    icon.hIcon = ::LoadIconW(::GetModuleHandleW(nullptr), MAKEINTRESOURCEW(1));
    if (icon.hIcon == nullptr) icon.hIcon = ::LoadIconW(nullptr, IDI_INFORMATION);
    CopyCut(icon.szTip, L"Tarnwick");
    CopyCut(icon.szInfoTitle, Wide(summary));
    CopyCut(icon.szInfo, Wide(body));
    icon.dwInfoFlags = NIIF_INFO;
    if (!::Shell_NotifyIconW(NIM_ADD, &icon)) {
      ::DestroyWindow(window);
      return std::make_error_code(std::errc::no_such_device);
    }
    const auto until = std::chrono::steady_clock::now() + std::chrono::milliseconds(kShownMilliseconds);
    for (auto now = std::chrono::steady_clock::now(); now < until;
         now = std::chrono::steady_clock::now()) {
      const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(until - now);
      ::MsgWaitForMultipleObjects(0, nullptr, FALSE, static_cast<DWORD>(left.count()), QS_ALLINPUT);
      MSG message;
      while (::PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) ::DispatchMessageW(&message);
    }
    ::Shell_NotifyIconW(NIM_DELETE, &icon);
    ::DestroyWindow(window);
    return {};
  }
};

}  // namespace

Notifier& OwnNotifier() {
  static NotificationAreaNotifier notifier;
  return notifier;
}

}  // namespace tarnwick::platform
