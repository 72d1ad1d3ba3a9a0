#pragma once

// How the texts are put together.
#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>

namespace tarnwick::texts {

// The parts one after the other. (Building texts by appending also keeps GCC 12 from its false
// -Wrestrict warning on "literal" + temporary.)
inline std::string Join(std::initializer_list<std::string_view> parts) {
  std::string text;
  for (const std::string_view part : parts) text.append(part);
  return text;
}

// A count as the texts show it: between apostrophes.
inline std::string Quoted(uint64_t count) { return Join({"'", std::to_string(count), "'"}); }

}  // namespace tarnwick::texts
