#include "core/name_list_store.h"

#include <string>
#include <vector>

#include "core/numeric_text.h"
#include "core/settings_file.h"
#include "platform/system_code_page.h"

namespace tarnwick::core {
namespace {

constexpr const char* kCountKey = "Files";

std::string EntryKey(int index) { return "Eintrag" + std::to_string(index); }

}  // namespace

int16_t LoadNameList(const AppState& state, NameList& names) {
  platform::ProfileDocument document;
  if (LoadSettingsDocument(state.SettingsPath, document)) return 0;

  const std::string countText = ReadSettingsValue(document, state.AppTitle, kCountKey, "0");
  const int16_t count = LeadingNumberAsInt16(countText).value_or(0);
  if (count <= 0) return count;

  std::vector<std::string> keys;
  keys.reserve(static_cast<size_t>(count));
  for (int i = 0; i < count; ++i) keys.push_back(EntryKey(i));
  const auto values = document.GetAll(state.AppTitle, keys);

  names.Clear();
  // A missing or empty entry still takes its place in the list, as an empty name; a NUL ends
  // an entry where it stands, as it ends the text the system's own reader gives.
  for (const auto& value : values) {
    std::string text = SettingsValueOr(value, "");
    text.resize(std::min(text.size(), text.find('\0')));
    names.AppendStored(platform::FromSystemCodePage(text));
  }
  return count;
}

std::error_code SaveNameList(const AppState& state, const NameList& names) {
  if (names.Count() == 0 && !names.HasHeldEntries()) return {};

  platform::ProfileDocument document;
  if (auto error = LoadSettingsDocument(state.SettingsPath, document)) return error;

  std::vector<platform::ProfileDocument::Assignment> assignments;
  assignments.reserve(static_cast<size_t>(names.Count()) + 1);
  assignments.push_back({kCountKey, std::to_string(names.Count())});
  for (int16_t i = 0; i < names.Count(); ++i) {
    // The list holds only names the code page can store (NameList::WhyRefused).
    assignments.push_back({EntryKey(i), platform::ToSystemCodePage(names.At(i)).value_or("")});
  }

  if (!document.SetAll(state.AppTitle, assignments)) {
    return std::make_error_code(std::errc::invalid_argument);
  }
  return StoreSettingsDocument(state.SettingsPath, document);
}

}  // namespace tarnwick::core
