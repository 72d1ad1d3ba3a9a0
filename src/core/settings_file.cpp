#include "core/settings_file.h"

#include "platform/whole_file.h"

namespace tarnwick::core {

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
  const std::error_code error = platform::ReadWholeFile(file, content);
  if (error && error != std::errc::no_such_file_or_directory) return error;
  document = platform::ProfileDocument::Parse(std::move(content));
  return {};
}

std::error_code StoreSettingsDocument(const std::string& file,
                                      const platform::ProfileDocument& document) {
  if (file.empty()) return std::make_error_code(std::errc::invalid_argument);
  return platform::ReplaceWholeFile(file, document.Serialize());
}

}  // namespace tarnwick::core
