#include <windows.h>

#include "platform/text/upper_code_point.h"

namespace tarnwick::platform {

char32_t UpperCodePoint(char32_t codePoint) {
  wchar_t units[2];
  int length = 1;
  if (codePoint < 0x10000) {
    units[0] = static_cast<wchar_t>(codePoint);
  } else {
    units[0] = static_cast<wchar_t>(0xD800 + ((codePoint - 0x10000) >> 10));
    units[1] = static_cast<wchar_t>(0xDC00 + ((codePoint - 0x10000) & 0x3FF));
    length = 2;
  }
  wchar_t mapped[2];
  // The invariant locale: the same answer whatever the user's language settings say.
  if (::LCMapStringEx(LOCALE_NAME_INVARIANT, LCMAP_UPPERCASE, units, length, mapped, 2, nullptr,
                      nullptr, 0) != length) {
    return codePoint;
  }
  if (length == 1) return mapped[0];
  return 0x10000 + ((static_cast<char32_t>(mapped[0]) - 0xD800) << 10) +
         (static_cast<char32_t>(mapped[1]) - 0xDC00);
}

}  // namespace tarnwick::platform
