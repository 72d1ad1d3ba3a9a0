// Unicode's composed form (NFC), so that names compare equal however they were typed.
#pragma once

#include <string>
#include <string_view>

namespace tarnwick::platform {

// The text in Unicode's composed form (NFC), so that a name typed composed ("Ü") and one stored
// decomposed ("U" and a combining diaeresis, as macOS stores names) compare equal. Text that is
// not valid UTF-8 is kept as it is.
std::string ComposedForm(std::string_view text);

}  // namespace tarnwick::platform
