#include "platform/text/system_code_page.h"
#include "platform/windows/windows_support.h"

namespace tarnwick::platform {

unsigned SystemCodePage() { return ::GetACP(); }

std::string FromCodePage(std::string_view text, unsigned codePage) {
  if (text.empty()) return {};
  const int length = static_cast<int>(text.size());
  const int needed = ::MultiByteToWideChar(codePage, 0, text.data(), length, nullptr, 0);
  if (needed <= 0) return {};
  std::wstring wide(static_cast<size_t>(needed), L'\0');
  ::MultiByteToWideChar(codePage, 0, text.data(), length, wide.data(), needed);
  return Narrow(wide);
}

std::optional<std::string> ToCodePage(std::string_view text, unsigned codePage) {
  if (text.empty()) return std::string();
  const std::wstring wide = Wide(text);
  const int length = static_cast<int>(wide.size());
  // UTF-8 takes only this flag and no default character; other code pages are checked below.
  const DWORD flags = codePage == CP_UTF8 ? WC_ERR_INVALID_CHARS : 0;
  const int needed =
      ::WideCharToMultiByte(codePage, flags, wide.data(), length, nullptr, 0, nullptr, nullptr);
  if (needed <= 0) return std::nullopt;
  std::string narrow(static_cast<size_t>(needed), '\0');
  ::WideCharToMultiByte(codePage, flags, wide.data(), length, narrow.data(), needed, nullptr,
                        nullptr);
  // A character the code page lacks becomes a default character or a look-alike ("best fit"):
  // a name that would change on the way is refused, not altered.
  if (Wide(FromCodePage(narrow, codePage)) != wide) return std::nullopt;
  return narrow;
}

}  // namespace tarnwick::platform
