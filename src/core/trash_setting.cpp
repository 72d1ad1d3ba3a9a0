#include "core/trash_setting.h"

#include "core/settings_file.h"

namespace tarnwick::core {
namespace {

constexpr const char* kTrashKey = "Papierkorb";

}  // namespace

bool LoadTrashSetting(const AppState& state) {
  platform::ProfileDocument document;
  if (ReadSettings(state, document)) return false;
  return ReadSettingsValue(document, state.AppTitle, kTrashKey, "0") == "1";
}

std::error_code SaveTrashSetting(const AppState& state, bool toTrash) {
  return ChangeSettings(state, [&](platform::ProfileDocument& document) -> std::error_code {
    if (!document.Set(state.AppTitle, kTrashKey, toTrash ? "1" : "0")) {
      return std::make_error_code(std::errc::invalid_argument);
    }
    return {};
  });
}

}  // namespace tarnwick::core
