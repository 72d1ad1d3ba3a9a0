#include "core/trash_history.h"

#include <algorithm>
#include <charconv>
#include <limits>
#include <optional>
#include <string_view>

#include "platform/file/private_folder.h"
#include "platform/path/path_separator.h"
#include "platform/trash/trash_record.h"

namespace tarnwick::core {
namespace {

constexpr std::string_view kRecordExtension = ".papierkorb";

class HistoryCategory : public std::error_category {
 public:
  const char* name() const noexcept override { return "tarnwick.history"; }
  std::string message(int) const override { return "no record number left"; }
};

// The number in a record's name, "<number>.papierkorb"; nothing for any other name.
std::optional<uint64_t> NumberOf(std::string_view name) {
  if (!name.ends_with(kRecordExtension)) return std::nullopt;
  name.remove_suffix(kRecordExtension.size());
  uint64_t number = 0;
  const auto [end, error] = std::from_chars(name.data(), name.data() + name.size(), number);
  if (name.empty() || error != std::errc() || end != name.data() + name.size()) return std::nullopt;
  return number;
}

std::string RecordName(uint64_t number) {
  return std::to_string(number) + std::string(kRecordExtension);
}

std::string HistoryFolderOf(const std::string& settingsPath) {
  return settingsPath + ".durchgaenge";
}

// The record of the last pass that earlier versions kept, beside the settings file.
std::string EarlierRecordPath(const std::string& settingsPath) {
  return settingsPath + ".papierkorb";
}

// The folder that holds `path`, and the name `path` has there.
void SplitPath(const std::string& path, std::string& folder, std::string& name) {
  const size_t separator = path.rfind(platform::kPathSeparator);
  folder = separator == std::string::npos ? "." : path.substr(0, separator + 1);
  name = separator == std::string::npos ? path : path.substr(separator + 1);
}

std::vector<KeptPass> PassesKeptFor(const std::string& settingsPath, std::error_code* unusable) {
  std::vector<KeptPass> passes;
  if (settingsPath.empty()) return passes;
  const std::string folderPath = HistoryFolderOf(settingsPath);
  platform::DirectoryHandle folder;
  std::error_code error = platform::OpenPrivateFolder(folderPath, folder, false);
  if (error == std::errc::no_such_file_or_directory) error.clear();  // no pass kept yet
  if (!error) {
    // Whatever has a record's name is listed, so that one that is no file is said, not passed over.
    platform::ReadDirectory(folder, [&](std::string_view name, platform::EntryKind, uint64_t) {
      if (const auto number = NumberOf(name); number && *number > 0) {
        passes.push_back({*number, folderPath + platform::kPathSeparator + RecordName(*number)});
      }
    });
  }
  if (unusable != nullptr) *unusable = error;
  if (platform::IdentityOf(EarlierRecordPath(settingsPath))) {
    passes.push_back({0, EarlierRecordPath(settingsPath)});
  }
  std::sort(passes.begin(), passes.end(),
            [](const KeptPass& a, const KeptPass& b) { return a.number > b.number; });
  return passes;
}

std::error_code HoldRecord(const std::string& settingsPath, const KeptPass& pass,
                           platform::HeldFile& file) {
  platform::DirectoryHandle folder;
  if (pass.number == 0) {
    // An earlier version kept it beside the settings file.
    std::string folderPath, name;
    SplitPath(pass.recordPath, folderPath, name);
    if (const std::error_code error = platform::OpenDirectory(folderPath, folder)) return error;
    return file.Open(folder, name);
  }
  if (const std::error_code error =
          platform::OpenPrivateFolder(HistoryFolderOf(settingsPath), folder, false)) {
    return error;
  }
  return file.Open(folder, RecordName(pass.number));
}

}  // namespace

std::string HistoryFolder(const AppState& state) { return HistoryFolderOf(state.SettingsPath); }

std::vector<KeptPass> KeptPasses(const AppState& state, std::error_code* unusable) {
  return PassesKeptFor(state.SettingsPath, unusable);
}

std::error_code HoldKeptPass(const AppState& state, const KeptPass& pass,
                             platform::HeldFile& file) {
  return HoldRecord(state.SettingsPath, pass, file);
}

std::error_code NoPassNumberLeft() {
  static const HistoryCategory category;
  return {1, category};
}

PassRecorder::PassRecorder(const AppState& state, std::string root, std::time_t when,
                           uint64_t plan)
    : settingsPath_(state.SettingsPath),
      folderPath_(HistoryFolderOf(state.SettingsPath)),
      root_(std::move(root)),
      when_(when),
      plan_(plan) {}

std::error_code PassRecorder::Prepare() {
  const std::lock_guard<std::mutex> lock(mutex_);
  if (settingsPath_.empty()) {
    return error_ = std::make_error_code(std::errc::no_such_file_or_directory);
  }
  // The settings file's own folder may not be there yet, until the list is first saved.
  const size_t separator = settingsPath_.rfind(platform::kPathSeparator);
  if (separator != std::string::npos) {
    platform::MakePrivateFolder(settingsPath_.substr(0, separator));
  }
  return error_ = platform::OpenPrivateFolder(folderPath_, folder_);
}

std::error_code PassRecorder::Start() {
  if (!folder_.IsOpen()) return std::make_error_code(std::errc::bad_file_descriptor);
  const std::vector<KeptPass> kept = PassesKeptFor(settingsPath_, nullptr);
  // The next number; a pass that starts at the same moment takes the one after. Numbers never
  // wrap: a record numbered below the newest would be taken for the oldest.
  uint64_t number = kept.empty() ? 1 : kept.front().number + 1;
  std::error_code error = NoPassNumberLeft();
  for (int attempt = 0; attempt < 100 && number != 0; ++attempt, ++number) {
    error = file_.Create(folder_, RecordName(number));
    if (error != std::errc::file_exists) break;
  }
  if (error) return error;
  path_ = folderPath_ + platform::kPathSeparator + RecordName(number);
  // The oldest beyond the kept number are dropped; one that is held (a pass still running, or
  // being taken back) stays.
  for (size_t old = kKeptPasses - 1; old < kept.size(); ++old) {
    platform::HeldFile dropped;
    if (!HoldRecord(settingsPath_, kept[old], dropped)) dropped.Remove();
  }
  return file_.Append(platform::FormatTrashRecordHead(when_, root_, plan_));
}

std::error_code PassRecorder::Append(std::span<const platform::TrashedEntry> entries) {
  const std::lock_guard<std::mutex> lock(mutex_);
  if (error_) return error_;
  if (path_.empty() && (error_ = Start())) return error_;
  return error_ = file_.Append(platform::FormatTrashEntries(entries));
}

std::error_code PassRecorder::BeforeMove(std::span<const platform::TrashedEntry> entries) {
  return Append(entries);
}

std::error_code PassRecorder::AfterMove(std::span<const platform::TrashedEntry> entries) {
  return Append(entries);
}

void PassRecorder::Finish() {
  const std::lock_guard<std::mutex> lock(mutex_);
  if (path_.empty()) return;
  if (const std::error_code error = file_.Sync(); error && !error_) error_ = error;
}

std::string PassRecorder::RecordPath() const {
  const std::lock_guard<std::mutex> lock(mutex_);
  return path_.empty() ? folderPath_ : path_;
}

std::error_code PassRecorder::Error() const {
  const std::lock_guard<std::mutex> lock(mutex_);
  return error_;
}

}  // namespace tarnwick::core
