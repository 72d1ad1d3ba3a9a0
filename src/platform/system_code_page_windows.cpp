#include "platform/system_code_page.h"
#include "platform/windows_support.h"

namespace tarnwick::platform {

std::string FromSystemCodePage(std::string_view text) {
  if (text.empty()) return {};
  const int length = static_cast<int>(text.size());
  const int needed = ::MultiByteToWideChar(CP_ACP, 0, text.data(), length, nullptr, 0);
  std::wstring wide(static_cast<size_t>(needed), L'\0');
  ::MultiByteToWideChar(CP_ACP, 0, text.data(), length, wide.data(), needed);
  return Narrow(wide);
}

std::optional<std::string> ToSystemCodePage(std::string_view text) {
  if (text.empty()) return std::string();
  const std::wstring wide = Wide(text);
  const int length = static_cast<int>(wide.size());
  BOOL lossy = FALSE;
  // No best-fit letters: a name that would change on the way is refused, not altered.
  const int needed = ::WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, wide.data(), length,
                                           nullptr, 0, nullptr, &lossy);
  if (needed == 0 || lossy) return std::nullopt;
  std::string narrow(static_cast<size_t>(needed), '\0');
  ::WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, wide.data(), length, narrow.data(), needed,
                        nullptr, &lossy);
  return narrow;
}

}  // namespace tarnwick::platform
