#include "platform/text/system_code_page.h"

#include <gtest/gtest.h>

namespace tarnwick::platform {
namespace {

TEST(CodePage, ConvertsBothWaysAndRefusesWhatWouldChange) {
  const std::string umlaut = "\xC3\x9C", alpha = "\xCE\xB1", euro = "\xE2\x82\xAC";
  const std::string aWithMacron = "\xC4\x81", loneSurrogate = "\xED\xA0\x80";
  const struct {
    unsigned codePage;
    std::string text;
    std::optional<std::string> stored;
  } cases[] = {
      {1252, umlaut, "\xDC"},
      {1252, euro, "\x80"},
      {1252, alpha, std::nullopt},        // no Greek in 1252
      {1252, aWithMacron, std::nullopt},  // never its look-alike "a"
      {kUtf8CodePage, umlaut, umlaut},
      {kUtf8CodePage, alpha, alpha},
      {kUtf8CodePage, loneSurrogate, std::nullopt},  // no UTF-8 can hold it
  };
  for (const auto& c : cases) {
    EXPECT_EQ(ToCodePage(c.text, c.codePage), c.stored) << c.codePage << " " << c.text;
    if (c.stored) {
      EXPECT_EQ(FromCodePage(*c.stored, c.codePage), c.text);
    }
  }
  // A 1252 byte is no UTF-8: read under code page 65001 it is the replacement character.
  EXPECT_EQ(FromCodePage("\xDC", kUtf8CodePage), "\xEF\xBF\xBD");
}

}  // namespace
}  // namespace tarnwick::platform
