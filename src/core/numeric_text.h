// The settings file's numbers read as the profile functions read them.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace tarnwick::core {

// The number with which the text begins (leading blanks skipped; optional sign, fraction and
// exponent), rounded to the nearest whole number with halves going to the even neighbour.
// Text that does not begin with a number gives 0. Nothing when the rounded number lies outside
// the 16-bit signed range.
std::optional<int16_t> LeadingNumberAsInt16(std::string_view text);

}  // namespace tarnwick::core
