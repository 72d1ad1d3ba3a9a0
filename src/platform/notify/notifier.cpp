#include "platform/notify/notifier.h"

#include <atomic>

namespace tarnwick::platform {
namespace {

std::atomic<Notifier*> replacement{nullptr};

}  // namespace

// The system's own notifications, made where the system is known.
Notifier& OwnNotifier();

Notifier& DesktopNotifier() {
  Notifier* replaced = replacement.load();
  return replaced != nullptr ? *replaced : OwnNotifier();
}

Notifier* ReplaceNotifier(Notifier* notifier) { return replacement.exchange(notifier); }

}  // namespace tarnwick::platform
