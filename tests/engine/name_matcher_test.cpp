#include "engine/name_matcher.h"

#include <gtest/gtest.h>

namespace tarnwick::engine {
namespace {

TEST(NameMatcher, CanonicallyEqualNamesMatchWithoutRegardToCase) {
  const std::string composed = "\xC3\x9C" "bersicht.txt";    // Übersicht.txt, Ü as one code point
  const std::string decomposed = "U\xCC\x88" "bersicht.txt";  // U and a combining diaeresis
  const std::string lowerDecomposed = "u\xCC\x88" "bersicht.TXT";
  const struct {
    std::string listed, file;
    bool matches;
  } cases[] = {
      {composed, decomposed, true},
      {decomposed, composed, true},
      {lowerDecomposed, composed, true},
      {composed, "Ubersicht.txt", false},  // a different name, not a spelling of the same
      {"setup.LOG", "SETUP.log", true},
      {"bad\xFF.txt", "BAD\xFF.TXT", true},  // not UTF-8: the bytes stand for themselves
  };
  for (const auto& c : cases) {
    EXPECT_EQ(NameMatcher({c.listed}).Matches(c.file), c.matches) << c.listed << " / " << c.file;
  }
}

}  // namespace
}  // namespace tarnwick::engine
