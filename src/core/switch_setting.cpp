#include "core/switch_setting.h"

#include "core/settings_file.h"

namespace tarnwick::core {

bool LoadSwitch(const AppState& state, const char* key) {
  platform::ProfileDocument document;
  if (ReadSettings(state, document)) return false;
  return ReadSettingsValue(document, state.AppTitle, key, "0") == "1";
}

std::error_code SaveSwitch(const AppState& state, const char* key, bool on) {
  return ChangeSettings(state, [&](platform::ProfileDocument& document) -> std::error_code {
    if (!document.Set(state.AppTitle, key, on ? "1" : "0")) {
      return std::make_error_code(std::errc::invalid_argument);
    }
    return {};
  });
}

}  // namespace tarnwick::core
