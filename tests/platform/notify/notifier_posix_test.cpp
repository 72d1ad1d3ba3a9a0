#include <gtest/gtest.h>
#include <signal.h>
#include <systemd/sd-bus.h>

#include <cstdlib>
#include <future>
#include <string>
#include <thread>

#include "platform/notify/notifier.h"
#include "support/scoped_variable.h"
#include "support/temp_dir.h"

namespace tarnwick::platform {
namespace {

using tarnwick::testing::ReadFile;
using tarnwick::testing::ScopedVariable;
using tarnwick::testing::TempDir;

// A notification service of its own on a private session bus: what it was told.
struct StandInService {
  std::string summary;
  std::string body;
  bool told = false;

  static int OnNotify(sd_bus_message* message, void* self, sd_bus_error*) {
    auto& service = *static_cast<StandInService*>(self);
    const char *app = nullptr, *icon = nullptr, *summary = nullptr, *body = nullptr;
    uint32_t replaces = 0;
    if (sd_bus_message_read(message, "susss", &app, &replaces, &icon, &summary, &body) < 0) {
      return -EINVAL;
    }
    service.summary = summary;
    service.body = body;
    service.told = true;
    return sd_bus_reply_method_return(message, "u", 1u);
  }
};

const sd_bus_vtable kNotifications[] = {
    SD_BUS_VTABLE_START(0),
    SD_BUS_METHOD("Notify", "susssasa{sv}i", "u", StandInService::OnNotify,
                  SD_BUS_VTABLE_UNPRIVILEGED),
    SD_BUS_VTABLE_END};

TEST(SessionBusNotifier, TellsTheDesktopsNotificationService) {
  if (std::system("command -v dbus-daemon >/dev/null 2>&1") != 0) {
    GTEST_SKIP() << "no dbus-daemon here";
  }
  TempDir dir;
  const std::string address = "unix:path=" + (dir / "bus");
  ASSERT_EQ(std::system(("dbus-daemon --session --fork --address=" + address + " --print-pid=1 > " +
                         (dir / "pid"))
                            .c_str()),
            0);
  const pid_t daemon = std::stoi(ReadFile(dir / "pid"));
  const ScopedVariable bus("DBUS_SESSION_BUS_ADDRESS", address);

  StandInService service;
  std::promise<void> listening;
  std::thread server([&] {
    sd_bus* connection = nullptr;
    sd_bus_slot* slot = nullptr;
    if (sd_bus_open_user(&connection) < 0 ||
        sd_bus_add_object_vtable(connection, &slot, "/org/freedesktop/Notifications",
                                 "org.freedesktop.Notifications", kNotifications, &service) < 0 ||
        sd_bus_request_name(connection, "org.freedesktop.Notifications", 0) < 0) {
      listening.set_value();
      return;
    }
    listening.set_value();
    for (int turn = 0; turn < 100 && !service.told; ++turn) {
      if (sd_bus_process(connection, nullptr) == 0) sd_bus_wait(connection, 100000);
    }
    sd_bus_slot_unref(slot);
    sd_bus_flush_close_unref(connection);
  });
  listening.get_future().wait();
  const std::error_code error = DesktopNotifier().Notify("Tarnwick", "Plan 1: '2' Dateien");
  server.join();
  ::kill(daemon, SIGTERM);
  EXPECT_FALSE(error) << error.message();
  EXPECT_EQ(service.summary, "Tarnwick");
  EXPECT_EQ(service.body, "Plan 1: '2' Dateien");
}

TEST(SessionBusNotifier, SaysWhenNoBusAnswers) {
  TempDir dir;
  const ScopedVariable bus("DBUS_SESSION_BUS_ADDRESS", "unix:path=" + (dir / "none"));
  EXPECT_TRUE(DesktopNotifier().Notify("Tarnwick", "x"));
}

}  // namespace
}  // namespace tarnwick::platform
