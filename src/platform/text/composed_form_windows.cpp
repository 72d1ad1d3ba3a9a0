#include "platform/text/composed_form.h"
#include "platform/text/unicode_text.h"
#include "platform/windows/windows_support.h"

namespace tarnwick::platform {

std::string ComposedForm(std::string_view text) {
  for (size_t offset = 0; offset < text.size();) {
    if (NextCodePoint(text, offset) < 0) return std::string(text);  // not UTF-8: leave it alone
  }
  const std::wstring wide = Wide(text);
  const int needed =
      ::NormalizeString(NormalizationC, wide.data(), static_cast<int>(wide.size()), nullptr, 0);
  if (needed <= 0) return std::string(text);
  std::wstring composed(static_cast<size_t>(needed), L'\0');
  const int length = ::NormalizeString(NormalizationC, wide.data(), static_cast<int>(wide.size()),
                                       composed.data(), needed);
  if (length <= 0) return std::string(text);
  composed.resize(static_cast<size_t>(length));
  return Narrow(composed);
}

}  // namespace tarnwick::platform
