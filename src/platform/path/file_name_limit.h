// What a file name may be on the system: how long, and which names and characters it cannot
// have.
#pragma once

#include <optional>
#include <string_view>

namespace tarnwick::platform {

// Whether a file name this long (UTF-8) can exist on the system: 255 bytes on POSIX file
// systems, 255 UTF-16 units on Windows.
bool FitsInFileName(std::string_view name);

// Why no file can have this name on the system.
enum class NameFault {
  kEmpty,
  kDots,                // "." or "..", which name folders
  kSeparator,           // a path separator: a path, not a name
  kForbiddenCharacter,  // Windows: < > : " | * ? or a control character
  kDeviceName,          // Windows: CON, PRN, AUX, NUL, COM1 to COM9, LPT1 to LPT9
  kTrailingDotOrBlank,  // Windows drops them: the name of another file
};
std::optional<NameFault> FaultOfFileName(std::string_view name);
// The faults only this system has.
std::optional<NameFault> FaultOfNameOnThisSystem(std::string_view name);

}  // namespace tarnwick::platform
