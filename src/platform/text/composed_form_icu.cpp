#include <unicode/normalizer2.h>
#include <unicode/unistr.h>

#include "platform/text/composed_form.h"

namespace tarnwick::platform {

std::string ComposedForm(std::string_view text) {
  UErrorCode status = U_ZERO_ERROR;
  const icu::Normalizer2* composed = icu::Normalizer2::getNFCInstance(status);
  const icu::UnicodeString unicode = icu::UnicodeString::fromUTF8(
      icu::StringPiece(text.data(), static_cast<int32_t>(text.size())));
  if (U_FAILURE(status) || unicode.indexOf(static_cast<UChar>(0xFFFD)) >= 0) {
    return std::string(text);  // invalid bytes (or a replacement character): leave it alone
  }
  const icu::UnicodeString normalized = composed->normalize(unicode, status);
  if (U_FAILURE(status)) return std::string(text);
  std::string result;
  normalized.toUTF8String(result);
  return result;
}

}  // namespace tarnwick::platform
