// How the texts are put together.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>

#include "core/name_list.h"

namespace tarnwick::texts {

// The parts one after the other. (Building texts by appending also keeps GCC 12 from its false
// -Wrestrict warning on "literal" + temporary.)
inline std::string Join(std::initializer_list<std::string_view> parts) {
  std::string text;
  for (const std::string_view part : parts) text.append(part);
  return text;
}

// Why an entry cannot join a stored list, as a sentence or two: `subject` starts them ("Er"
// for a name), `tooLong` says what it is too long for.
std::string RefusalReason(core::NameList::Refusal refusal, std::string_view subject,
                          std::string_view tooLong);

// A time as German readers write it, in local time: 08.12.2026, 19:40 Uhr.
std::string LocalDateTime(int64_t when);

// A count as the texts show it: between apostrophes.
inline std::string Quoted(uint64_t count) { return Join({"'", std::to_string(count), "'"}); }

}  // namespace tarnwick::texts
