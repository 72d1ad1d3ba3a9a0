#include "core/name_list.h"

#include <algorithm>
#include <string_view>

#include "platform/system_code_page.h"

namespace tarnwick::core {

void NameList::Clear() { entries_.clear(); }

bool NameList::CanStore(const std::string& name) {
  return name.find_first_of(std::string_view("\r\n\0", 3)) == std::string::npos &&
         platform::ToSystemCodePage(name).has_value();
}

bool NameList::Append(std::string name) {
  if (entries_.size() >= static_cast<size_t>(kMaxCount) || !CanStore(name)) return false;
  entries_.push_back(std::move(name));
  hasHeldEntries_ = true;
  return true;
}

void NameList::RemoveAt(int16_t index) {
  entries_.erase(entries_.begin() + index);
}

int NameList::RemoveEvery(const std::string& name) {
  return static_cast<int>(std::erase(entries_, name));
}

}  // namespace tarnwick::core
