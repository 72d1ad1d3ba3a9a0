#include <string>

#include "platform/process/executable_location.h"
#include "platform/windows/windows_support.h"

namespace tarnwick::platform {

std::optional<ExecutableLocation> CurrentExecutable() {
  std::wstring buffer(MAX_PATH, L'\0');
  for (;;) {
    const DWORD length = ::GetModuleFileNameW(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
    if (length == 0) return std::nullopt;
    if (length < buffer.size()) {
      buffer.resize(length);
      break;
    }
    buffer.resize(buffer.size() * 2);  // cut short: try a larger buffer
  }
  const std::string path = Narrow(buffer);
  const size_t separator = path.rfind('\\');
  if (separator == std::string::npos) return std::nullopt;
  ExecutableLocation location;
  // A drive's root keeps its separator: "C:\".
  location.directory = path.substr(0, separator == 2 && path[1] == ':' ? 3 : separator);
  location.fileName = path.substr(separator + 1);
  return location;
}

}  // namespace tarnwick::platform
