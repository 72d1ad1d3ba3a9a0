// A desktop notification: the freedesktop.org notification service on the session bus, the
// notification area on Windows. What a run on its own tells the user.
#pragma once

#include <string>
#include <system_error>

namespace tarnwick::platform {

class Notifier {
 public:
  virtual ~Notifier() = default;
  // Shows `body` under `summary`; why it could not (no session bus, no notification service).
  virtual std::error_code Notify(const std::string& summary, const std::string& body) = 0;
};

// The desktop's notifications, or the notifier tests put in their place.
Notifier& DesktopNotifier();
// Puts `notifier` in the desktop's place (nullptr puts it back); returns the one it replaces.
Notifier* ReplaceNotifier(Notifier* notifier);

}  // namespace tarnwick::platform
