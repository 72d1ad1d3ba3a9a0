#include "core/name_list.h"

#include <string_view>

#include "core/settings_file.h"
#include "platform/path/file_name_limit.h"
#include "platform/text/system_code_page.h"

namespace tarnwick::core {

void NameList::Clear() {
  entries_.clear();
  storedValues_.clear();
}

std::optional<NameList::Refusal> NameList::WhyRefused(const std::string& name) const {
  if (entries_.size() >= static_cast<size_t>(kMaxCount)) return Refusal::kListFull;
  if (kind_ == Kind::kFileNames && !platform::FitsInFileName(name)) return Refusal::kTooLong;
  if (name.find_first_of(std::string_view("\r\n\0", 3)) != std::string::npos) {
    return Refusal::kLineBreak;
  }
  const auto stored = platform::ToSystemCodePage(name);
  if (!stored) return Refusal::kOutsideCodePage;
  // A longer value would come back cut.
  if (stored->size() > kMaxSettingsValueLength) return Refusal::kTooLong;
  return std::nullopt;
}

bool NameList::Append(std::string name) {
  if (WhyRefused(name)) return false;
  edits_.push_back({false, name});
  entries_.push_back(std::move(name));
  storedValues_.emplace_back();
  hasHeldEntries_ = true;
  return true;
}

void NameList::AppendStored(std::string name, std::string storedValue) {
  entries_.push_back(std::move(name));
  storedValues_.emplace_back(std::move(storedValue));
  hasHeldEntries_ = true;
}

int NameList::RemoveEvery(const std::string& name) {
  // The entries that stay move up, each with its stored value.
  size_t kept = 0;
  for (size_t i = 0; i < entries_.size(); ++i) {
    if (entries_[i] == name) continue;
    if (kept != i) {
      entries_[kept] = std::move(entries_[i]);
      storedValues_[kept] = std::move(storedValues_[i]);
    }
    ++kept;
  }
  const int removed = static_cast<int>(entries_.size() - kept);
  entries_.resize(kept);
  storedValues_.resize(kept);
  if (removed > 0) edits_.push_back({true, name});
  return removed;
}

void NameList::Apply(const std::vector<Edit>& edits) {
  for (const Edit& edit : edits) {
    if (edit.removal) {
      RemoveEvery(edit.name);
    } else {
      Append(edit.name);  // a name the list refuses now is left out, as it would be when typed
    }
  }
}

}  // namespace tarnwick::core
