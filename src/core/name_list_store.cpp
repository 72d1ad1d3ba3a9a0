#include "core/name_list_store.h"

#include <algorithm>
#include <optional>
#include <string>
#include <vector>

#include "core/numeric_text.h"
#include "core/settings_file.h"
#include "platform/text/system_code_page.h"

namespace tarnwick::core {
namespace {

// The keys of one stored list: its count, and its entries, numbered from 0 after the prefix.
struct ListKeys {
  const char* count;
  const char* entryPrefix;

  std::string Entry(int index) const { return entryPrefix + std::to_string(index); }
};

constexpr ListKeys kNameKeys{"Files", "Eintrag"};
constexpr ListKeys kExcludedFolderKeys{"Ausnahmen", "Ausnahme"};

// A file with a byte-order mark holds Unicode text, not the system's code page.
bool IsUnicode(const platform::ProfileDocument& document) {
  return document.encoding() != platform::ProfileDocument::Encoding::kPlain;
}

// Fills `names` from the list the document holds and returns the stored count.
int16_t ReadStoredList(const platform::ProfileDocument& document, const std::string& section,
                       const ListKeys& keys, NameList& names) {
  const std::string countText = ReadSettingsValue(document, section, keys.count, "0");
  const int16_t count = LeadingNumberAsInt16(countText).value_or(0);
  if (count <= 0) return count;

  std::vector<std::string> entryKeys;
  entryKeys.reserve(static_cast<size_t>(count));
  for (int i = 0; i < count; ++i) entryKeys.push_back(keys.Entry(i));
  const auto values = document.GetAllStored(section, entryKeys);

  names.Clear();
  // A missing or empty entry still takes its place in the list, as an empty name; a NUL ends
  // an entry where it stands, as it ends the text the system's own reader gives. Each keeps
  // its stored value, which goes back to the file as it is.
  for (const auto& value : values) {
    const std::string stored = value.value_or("");
    std::string text =
        SettingsValueOr(std::string(platform::ProfileDocument::ReadValue(stored)), "");
    text.resize(std::min(text.size(), text.find('\0')));
    names.AppendStored(IsUnicode(document) ? text : platform::FromSystemCodePage(text), stored);
  }
  return count;
}

std::error_code SaveList(const AppState& state, const ListKeys& keys, const NameList& names) {
  if (!names.HasHeldEntries()) return {};
  // This run's edits apply to the list as the file holds it now: another program's edits since
  // this one loaded the list survive.
  return ChangeSettings(state, [&](platform::ProfileDocument& document) -> std::error_code {
    NameList stored(names.kind());
    ReadStoredList(document, state.AppTitle, keys, stored);
    stored.Apply(names.Edits());

    std::vector<platform::ProfileDocument::Assignment> assignments;
    assignments.reserve(static_cast<size_t>(stored.Count()) + 1);
    assignments.push_back({keys.count, std::to_string(stored.Count())});
    for (int16_t i = 0; i < stored.Count(); ++i) {
      // What the file held goes back byte for byte; only this run's additions are converted.
      if (const auto& value = stored.StoredValueAt(i)) {
        assignments.push_back({keys.Entry(i), *value, true});
        continue;
      }
      auto converted = IsUnicode(document) ? std::optional<std::string>(stored.At(i))
                                           : platform::ToSystemCodePage(stored.At(i));
      // NameList refuses such names when they are added; the code page may have changed since.
      if (!converted) return std::make_error_code(std::errc::illegal_byte_sequence);
      assignments.push_back({keys.Entry(i), std::move(*converted)});
    }
    if (!document.SetAll(state.AppTitle, assignments)) {
      return std::make_error_code(std::errc::invalid_argument);
    }
    return {};
  });
}

}  // namespace

int16_t LoadNameList(const AppState& state, NameList& names) {
  platform::ProfileDocument document;
  if (ReadSettings(state, document)) return 0;
  return ReadStoredList(document, state.AppTitle, kNameKeys, names);
}

std::error_code SaveNameList(const AppState& state, const NameList& names) {
  return SaveList(state, kNameKeys, names);
}

std::error_code LoadLists(const AppState& state, NameList& names, NameList& folders) {
  platform::ProfileDocument document;
  if (const std::error_code error = ReadSettings(state, document)) return error;
  ReadStoredList(document, state.AppTitle, kNameKeys, names);
  ReadStoredList(document, state.AppTitle, kExcludedFolderKeys, folders);
  return {};
}

std::error_code SaveExcludedFolders(const AppState& state, const NameList& folders) {
  // A file that never had them gets no keys for them.
  if (folders.Edits().empty()) return {};
  return SaveList(state, kExcludedFolderKeys, folders);
}

}  // namespace tarnwick::core
