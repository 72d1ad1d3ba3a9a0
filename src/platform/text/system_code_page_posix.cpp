#include "platform/text/system_code_page.h"

namespace tarnwick::platform {

// POSIX knows no other code page than UTF-8 for names: text stays byte for byte.
unsigned SystemCodePage() { return kUtf8CodePage; }

std::string FromCodePage(std::string_view text, unsigned) { return std::string(text); }

std::optional<std::string> ToCodePage(std::string_view text, unsigned) { return std::string(text); }

}  // namespace tarnwick::platform
