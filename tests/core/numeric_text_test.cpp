#include "core/numeric_text.h"

#include <gtest/gtest.h>

namespace tarnwick::core {
namespace {

TEST(LeadingNumberAsInt16, ReadsTheLeadingNumberAndRoundsHalvesToEven) {
  const struct {
    const char* text;
    std::optional<int16_t> expected;
  } cases[] = {
      {"3", 3},          {"  7", 7},       {"\t2", 2},      {"2.5", 2},         {"3.5", 4},
      {"0.5", 0},        {"-2.5", -2},     {"3abc", 3},     {"", 0},            {"abc", 0},
      {"-3", -3},        {"+4", 4},        {".5", 0},       {"1.", 1},          {"-", 0},
      {"40000", {}},     {"32767", 32767}, {"32767.5", {}}, {"-32768", -32768}, {"-32769", {}},
      {"1e3", 1000},     {"1D2", 100},     {"2e", 2},       {"1e999", {}},      {"0x10", 0},
      {"12 34", 12},     {"007", 7},
  };
  for (const auto& c : cases) EXPECT_EQ(LeadingNumberAsInt16(c.text), c.expected) << c.text;
}

}  // namespace
}  // namespace tarnwick::core
