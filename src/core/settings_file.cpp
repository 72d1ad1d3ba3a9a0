#include "core/settings_file.h"

#include <chrono>
#include <filesystem>

#include "platform/path/path_kind.h"
#include "platform/file/settings_lock.h"
#include "platform/file/whole_file.h"

namespace tarnwick::core {
namespace {

// How long a front end waits for another's save of the same file.
constexpr std::chrono::seconds kLockPatience{5};

// Far more than two full lists take; a larger file is not the program's.
constexpr size_t kMaxSettingsFileSize = size_t{256} << 20;

}  // namespace

const std::string& SettingsFileToRead(const AppState& state) {
  if (state.SettingsFallbackPath.empty() ||
      platform::KindOfPath(state.SettingsPath) != platform::PathKind::kMissing) {
    return state.SettingsPath;
  }
  return state.SettingsFallbackPath;
}

std::string SettingsValueOr(const std::optional<std::string>& stored, const std::string& fallback) {
  if (!stored || stored->empty()) return fallback;
  return stored->substr(0, kMaxSettingsValueLength);
}

std::string ReadSettingsValue(const platform::ProfileDocument& document, const std::string& section,
                              const std::string& key, const std::string& fallback) {
  return SettingsValueOr(document.Get(section, key), fallback);
}

std::error_code LoadSettingsDocument(const std::string& file, platform::ProfileDocument& document) {
  if (file.empty()) return std::make_error_code(std::errc::invalid_argument);
  std::string content;
  const std::error_code error = platform::ReadRegularFile(file, kMaxSettingsFileSize, content);
  if (error && error != std::errc::no_such_file_or_directory) return error;
  document = platform::ProfileDocument::Parse(std::move(content));
  return {};
}

std::error_code StoreSettingsDocument(const std::string& file,
                                      const platform::ProfileDocument& document) {
  if (file.empty()) return std::make_error_code(std::errc::invalid_argument);
  return platform::ReplaceWholeFile(file, document.Serialize());
}

std::error_code ReadSettings(const AppState& state, platform::ProfileDocument& document) {
  // Without the lock (no folder for it yet) it reads all the same.
  platform::SettingsLock lock;
  lock.Acquire(state.SettingsPath, kLockPatience);
  return LoadSettingsDocument(SettingsFileToRead(state), document);
}

std::error_code ChangeSettings(
    const AppState& state,
    const std::function<std::error_code(platform::ProfileDocument&)>& change) {
  if (state.SettingsPath.empty()) return std::make_error_code(std::errc::invalid_argument);
  if (!state.SettingsFallbackPath.empty()) {
    // The user's own settings folder may not be there yet.
    std::error_code ignored;
    std::filesystem::create_directories(std::filesystem::path(state.SettingsPath).parent_path(),
                                        ignored);
  }
  platform::SettingsLock lock;
  if (auto error = lock.Acquire(state.SettingsPath, kLockPatience)) return error;
  platform::ProfileDocument document;
  if (auto error = LoadSettingsDocument(SettingsFileToRead(state), document)) return error;
  if (auto error = change(document)) return error;
  return StoreSettingsDocument(state.SettingsPath, document);
}

}  // namespace tarnwick::core
