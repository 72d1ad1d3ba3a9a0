#include "core/trash_record_store.h"

#include "platform/file/whole_file.h"
#include "platform/trash/trash_record.h"

namespace tarnwick::core {

std::string TrashRecordPath(const AppState& state) { return state.SettingsPath + ".papierkorb"; }

std::error_code SaveTrashRecord(const AppState& state,
                                const std::vector<platform::TrashedEntry>& entries) {
  if (state.SettingsPath.empty()) return std::make_error_code(std::errc::no_such_file_or_directory);
  return platform::ReplaceWholeFile(TrashRecordPath(state), platform::FormatTrashRecord(entries));
}

std::vector<platform::TrashedEntry> LoadTrashRecord(const AppState& state) {
  std::string text;
  if (state.SettingsPath.empty() || platform::ReadWholeFile(TrashRecordPath(state), text)) return {};
  return platform::ParseTrashRecord(text).value_or(std::vector<platform::TrashedEntry>{});
}

}  // namespace tarnwick::core
