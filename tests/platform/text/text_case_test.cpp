#include "platform/text/text_case.h"

#include <gtest/gtest.h>

namespace tarnwick::platform {
namespace {

TEST(ToUpperCase, MapsEachCodePointAndKeepsInvalidBytes) {
  const struct {
    std::string input;
    std::string expected;
  } cases[] = {
      {"", ""},
      {"Mscreate.dir", "MSCREATE.DIR"},
      {"\xC3\xA4rger.txt", "\xC3\x84RGER.TXT"},           // ä -> Ä
      {"stra\xC3\x9F" "e", "STRA\xC3\x9F" "E"},           // ß has no one-letter upper case
      {"\xCE\xB1\xCE\xB2", "\xCE\x91\xCE\x92"},           // Greek alpha beta
#ifndef _WIN32
      {"\xC4\xB1", "I"},  // dotless i, locale independent; Windows' own tables keep it
#endif
      {"a\xFF" "b", "A\xFF" "B"},                         // stray byte kept, letters still upper
      {"\xC3", "\xC3"},                                   // truncated sequence kept
      {"\xED\xA0\x80x", "\xED\xA0\x80X"},                 // encoded surrogate is not UTF-8
  };
  for (const auto& c : cases) EXPECT_EQ(ToUpperCase(c.input), c.expected) << c.input;
}

}  // namespace
}  // namespace tarnwick::platform
