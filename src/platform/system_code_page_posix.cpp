#include "platform/system_code_page.h"

namespace tarnwick::platform {

std::string FromSystemCodePage(std::string_view text) { return std::string(text); }

std::optional<std::string> ToSystemCodePage(std::string_view text) { return std::string(text); }

}  // namespace tarnwick::platform
