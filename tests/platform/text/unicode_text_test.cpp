#include "platform/text/unicode_text.h"

#include <gtest/gtest.h>

namespace tarnwick::platform {
namespace {

TEST(UnicodeText, ConvertsBothWaysAndKeepsLoneSurrogates) {
  const struct {
    std::string utf8;
    std::u16string utf16;
  } cases[] = {
      {"", u""},
      {"Mscreate.dir", u"Mscreate.dir"},
      {"\xC3\xA4rger", u"\u00E4rger"},
      {"\xE2\x82\xAC", u"\u20AC"},
      {"\xF0\x9F\x98\x80", u"\U0001F600"},                       // a surrogate pair
      {"a\xED\xA0\x80" "b", std::u16string(u"a") + char16_t(0xD800) + u"b"},  // lone high
      {"\xED\xB0\x80", std::u16string(1, char16_t(0xDC00))},       // lone low
  };
  for (const auto& c : cases) {
    EXPECT_EQ(Utf8ToUtf16(c.utf8), c.utf16) << c.utf8;
    EXPECT_EQ(Utf16ToUtf8(c.utf16), c.utf8) << c.utf8;
  }
}

TEST(UnicodeText, InvalidBytesAreSkippedOneAtATime) {
  const struct {
    std::string utf8;
    std::u16string utf16;
  } cases[] = {
      {"a\xFF" "b", u"a\uFFFDb"},
      {"\xC3", u"\uFFFD"},                 // cut short
      {"\xC0\xAF", u"\uFFFD\uFFFD"},       // overlong '/': never a separator
      {"\xF4\x90\x80\x80", u"\uFFFD\uFFFD\uFFFD\uFFFD"},  // beyond U+10FFFF
      {"\xE2\x82" "x", u"\uFFFD\uFFFDx"},
  };
  for (const auto& c : cases) EXPECT_EQ(Utf8ToUtf16(c.utf8), c.utf16) << c.utf8;
}

}  // namespace
}  // namespace tarnwick::platform
