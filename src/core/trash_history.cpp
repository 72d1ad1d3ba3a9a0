#include "core/trash_history.h"

#include <algorithm>
#include <charconv>
#include <optional>
#include <string_view>

#include "platform/dir/directory_handle.h"
#include "platform/path/path_separator.h"
#include "platform/trash/trash_record.h"

namespace tarnwick::core {
namespace {

constexpr std::string_view kRecordExtension = ".papierkorb";

// The number in a record's name, "<number>.papierkorb"; nothing for any other name.
std::optional<uint64_t> NumberOf(std::string_view name) {
  if (!name.ends_with(kRecordExtension)) return std::nullopt;
  name.remove_suffix(kRecordExtension.size());
  uint64_t number = 0;
  const auto [end, error] = std::from_chars(name.data(), name.data() + name.size(), number);
  if (name.empty() || error != std::errc() || end != name.data() + name.size()) return std::nullopt;
  return number;
}

std::string NumberedRecordPath(const std::string& folder, uint64_t number) {
  return folder + platform::kPathSeparator + std::to_string(number) + std::string(kRecordExtension);
}

std::string HistoryFolder(const std::string& settingsPath) { return settingsPath + ".durchgaenge"; }

// The record of the last pass that earlier versions kept.
std::string EarlierRecordPath(const std::string& settingsPath) {
  return settingsPath + ".papierkorb";
}

std::vector<KeptPass> PassesKeptFor(const std::string& settingsPath) {
  std::vector<KeptPass> passes;
  if (settingsPath.empty()) return passes;
  const std::string folderPath = HistoryFolder(settingsPath);
  platform::DirectoryHandle folder;
  if (!platform::OpenDirectory(folderPath, folder)) {
    // Whatever has a record's name is listed, so that one that is no file is said, not passed over.
    platform::ReadDirectory(folder, [&](std::string_view name, platform::EntryKind, uint64_t) {
      if (const auto number = NumberOf(name); number && *number > 0) {
        passes.push_back({*number, NumberedRecordPath(folderPath, *number)});
      }
    });
  }
  if (platform::IdentityOf(EarlierRecordPath(settingsPath))) {
    passes.push_back({0, EarlierRecordPath(settingsPath)});
  }
  std::sort(passes.begin(), passes.end(),
            [](const KeptPass& a, const KeptPass& b) { return a.number > b.number; });
  return passes;
}

}  // namespace

std::vector<KeptPass> KeptPasses(const AppState& state) {
  return PassesKeptFor(state.SettingsPath);
}

PassRecorder::PassRecorder(const AppState& state, std::string root, std::time_t when)
    : settingsPath_(state.SettingsPath), root_(std::move(root)), when_(when) {}

std::error_code PassRecorder::Start() {
  if (settingsPath_.empty()) return std::make_error_code(std::errc::no_such_file_or_directory);
  // The settings file's own folder may not be there yet, until the list is first saved.
  const size_t separator = settingsPath_.rfind(platform::kPathSeparator);
  if (separator != std::string::npos) {
    platform::MakePrivateFolder(settingsPath_.substr(0, separator));
  }
  const std::string folder = HistoryFolder(settingsPath_);
  if (const std::error_code error = platform::MakePrivateFolder(folder)) return error;
  // The next number; a pass that starts at the same moment takes the one after.
  const std::vector<KeptPass> kept = PassesKeptFor(settingsPath_);
  uint64_t number = kept.empty() ? 1 : kept.front().number + 1;
  std::error_code error;
  for (int attempt = 0; attempt < 100; ++attempt, ++number) {
    error = file_.Create(NumberedRecordPath(folder, number));
    if (error != std::errc::file_exists) break;
  }
  if (error) return error;
  path_ = NumberedRecordPath(folder, number);
  // The oldest beyond the kept number are dropped; one that is held (a pass still running, or
  // being taken back) stays.
  for (size_t old = kKeptPasses - 1; old < kept.size(); ++old) {
    platform::HeldFile dropped;
    if (!dropped.Open(kept[old].recordPath)) dropped.Remove();
  }
  return file_.Append(platform::FormatTrashRecordHead(when_, root_));
}

void PassRecorder::Record(std::span<const platform::TrashedEntry> moved) {
  const std::lock_guard<std::mutex> lock(mutex_);
  if (path_.empty()) {
    if (error_) return;  // no record could be made: each batch would fail again
    if ((error_ = Start())) return;
  }
  if (const std::error_code error = file_.Append(platform::FormatTrashEntries(moved))) {
    error_ = error;
  }
}

std::string PassRecorder::RecordPath() const {
  const std::lock_guard<std::mutex> lock(mutex_);
  return path_.empty() ? HistoryFolder(settingsPath_) : path_;
}

std::error_code PassRecorder::Error() const {
  const std::lock_guard<std::mutex> lock(mutex_);
  return error_;
}

}  // namespace tarnwick::core
