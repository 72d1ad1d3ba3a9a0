// org.freedesktop.Notifications on the user's session bus, through sd-bus.
#include <systemd/sd-bus.h>

#include "platform/notify/notifier.h"

namespace tarnwick::platform {
namespace {

std::error_code BusError(int result) { return {-result, std::generic_category()}; }

class SessionBusNotifier : public Notifier {
 public:
  std::error_code Notify(const std::string& summary, const std::string& body) override {
    sd_bus* bus = nullptr;
    int result = sd_bus_open_user(&bus);
    if (result < 0) return BusError(result);
    sd_bus_error error = SD_BUS_ERROR_NULL;
    sd_bus_message* reply = nullptr;
    // Notify(app_name, replaces_id, app_icon, summary, body, actions, hints, expire_timeout)
    result = sd_bus_call_method(bus, "org.freedesktop.Notifications",
                                "/org/freedesktop/Notifications", "org.freedesktop.Notifications",
                                "Notify", &error, &reply, "susssasa{sv}i", "Tarnwick", 0u, "",
                                summary.c_str(), body.c_str(), 0, 0, -1);
    sd_bus_error_free(&error);
    sd_bus_message_unref(reply);
    sd_bus_flush_close_unref(bus);
    return result < 0 ? BusError(result) : std::error_code();
  }
};

}  // namespace

Notifier& OwnNotifier() {
  static SessionBusNotifier notifier;
  return notifier;
}

}  // namespace tarnwick::platform
