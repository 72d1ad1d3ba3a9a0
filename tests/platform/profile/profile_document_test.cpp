#include "platform/profile/profile_document.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "support/temp_dir.h"

namespace tarnwick::platform {
namespace {

struct ReadCase {
  const char* name;
  std::string content;
  std::string section;
  std::string key;
  std::optional<std::string> expected;
};

class ProfileRead : public ::testing::TestWithParam<ReadCase> {};

TEST_P(ProfileRead, FindsTheValue) {
  const ReadCase& c = GetParam();
  EXPECT_EQ(ProfileDocument::Parse(c.content).Get(c.section, c.key), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ProfileRead,
    ::testing::Values(
        ReadCase{"NamesIgnoreCase", "[kelvane tarnwick]\nFILES=1\neintrag0=x\n", "Kelvane Tarnwick",
                 "Eintrag0", "x"},
        ReadCase{"BlanksAndTabsTrimmed", "[s]\n \t key \t= \t value \t\n", "s", "key", "value"},
        ReadCase{"BlanksAroundSectionName", "  [ s ]  \nk=v\n", "s", "k", "v"},
        ReadCase{"DoubleQuotesStripped", "[s]\nk=\"  v  \"\n", "s", "k", "  v  "},
        ReadCase{"SingleQuotesStripped", "[s]\nk='v'\n", "s", "k", "v"},
        ReadCase{"OnlyOnePairStripped", "[s]\nk=\"\"v\"\"\n", "s", "k", "\"v\""},
        ReadCase{"UnmatchedQuotesKept", "[s]\nk=\"v'\n", "s", "k", "\"v'"},
        ReadCase{"SplitsAtFirstEquals", "[s]\nk=a=b.txt\n", "s", "k", "a=b.txt"},
        ReadCase{"NoInlineComments", "[s]\nk=v ; x\n", "s", "k", "v ; x"},
        ReadCase{"FirstKeyWins", "[s]\nk=1\nK=2\n", "s", "k", "1"},
        ReadCase{"FirstSectionWins", "[s]\na=1\n[S]\nk=2\n", "s", "k", std::nullopt},
        ReadCase{"LineWithoutEqualsIgnored", "[s]\njunk\nk=v\n", "s", "k", "v"},
        ReadCase{"CrLf", "[s]\r\nk=v\r\n", "s", "k", "v"},
        ReadCase{"CrOnly", "[s]\rk=v\rj=w", "s", "j", "w"},
        ReadCase{"NoFinalLineEnding", "[s]\nk=v", "s", "k", "v"},
        ReadCase{"EmptyValue", "[s]\nk=\n", "s", "k", ""},
        ReadCase{"KeyInOtherSection", "[a]\nk=v\n[s]\n", "s", "k", std::nullopt},
        ReadCase{"KeyBeforeAnySection", "k=v\n[s]\n", "s", "k", std::nullopt},
        ReadCase{"MissingSection", "[a]\nk=v\n", "s", "k", std::nullopt},
        ReadCase{"NulByteIsData", std::string("[s]\nk=a\0b\n", 9), "s", "k", std::string("a\0b", 3)}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ProfileWrite, ReplacesInPlaceAndKeepsEveryOtherLineByteForByte) {
  const std::string before =
      "; comment\r\n\r\n[Other]\r\nFiles=9\r\n[Kelvane Tarnwick]\r\n  files = 3 \r\n"
      "unknown line\r\nEintrag0=a\r\n\r\n[Last]\r\nx=y";
  ProfileDocument document = ProfileDocument::Parse(before);
  ASSERT_TRUE(document.Set("Kelvane Tarnwick", "Files", "2"));
  EXPECT_EQ(document.Serialize(),
            "; comment\r\n\r\n[Other]\r\nFiles=9\r\n[Kelvane Tarnwick]\r\nFiles=2\r\n"
            "unknown line\r\nEintrag0=a\r\n\r\n[Last]\r\nx=y");
}

TEST(ProfileWrite, NewKeyGoesAfterTheSectionsLastNonBlankLine) {
  ProfileDocument document = ProfileDocument::Parse("[s]\na=1\n\n[t]\nb=2\n");
  ASSERT_TRUE(document.Set("S", "c", "3"));
  EXPECT_EQ(document.Serialize(), "[s]\na=1\nc=3\n\n[t]\nb=2\n");
}

TEST(ProfileWrite, NewSectionGoesAtTheEnd) {
  ProfileDocument document = ProfileDocument::Parse("[t]\nb=2");
  ASSERT_TRUE(document.Set("s", "k", "v"));
  EXPECT_EQ(document.Serialize(), "[t]\nb=2\n[s]\nk=v\n");

  ProfileDocument empty = ProfileDocument::Parse("");
  ASSERT_TRUE(empty.Set("s", "k", "v"));
  EXPECT_EQ(empty.Serialize(), tarnwick::testing::NewFileLines("[s]\nk=v\n"));
}

TEST(ProfileWrite, DuplicateSectionsAndKeysUpdateTheFirst) {
  ProfileDocument document = ProfileDocument::Parse("[s]\nk=1\nk=2\n[s]\nk=3\n");
  ASSERT_TRUE(document.Set("s", "k", "x"));
  EXPECT_EQ(document.Serialize(), "[s]\nk=x\nk=2\n[s]\nk=3\n");
}

TEST(ProfileWrite, SetAllHandlesAKeyGivenTwice) {
  ProfileDocument document = ProfileDocument::Parse("");
  const ProfileDocument::Assignment assignments[] = {{"a", "1"}, {"b", "2"}, {"A", "3"}};
  ASSERT_TRUE(document.SetAll("s", assignments));
  EXPECT_EQ(document.Serialize(), tarnwick::testing::NewFileLines("[s]\nA=3\nb=2\n"));
}

TEST(ProfileWrite, RefusesTextThatWouldBreakTheLineStructureOrNotReadBack) {
  const std::string before = "[s]\nk=v\n";
  ProfileDocument document = ProfileDocument::Parse(before);
  EXPECT_FALSE(document.Set("s", "k", "a\nFiles=99"));
  EXPECT_FALSE(document.Set("s", "k", "a\rb"));
  EXPECT_FALSE(document.Set("s", "k", std::string("a\0b", 3)));
  EXPECT_FALSE(document.Set("s", "k=x", "v"));
  EXPECT_FALSE(document.Set("s]x", "k", "v"));
  EXPECT_FALSE(document.Set(" s", "k", "v"));
  EXPECT_FALSE(document.Set("s", "k\t", "v"));
  EXPECT_FALSE(document.Set("s", "[k]", "v"));  // would read as a section header
  EXPECT_EQ(document.Serialize(), before);
}

TEST(ProfileWrite, ValuesReadBackAsWritten) {
  const std::string values[] = {" lead",    "trail ",   "\tboth\t", "\"quoted\"", "'single'",
                                "\"",       "'half",    "a=b.txt",  "x ; y",      "   ",
                                "\xC3\xA4", "\xFF\xFE", std::string(3000, 'n')};
  for (const std::string& value : values) {
    ProfileDocument document = ProfileDocument::Parse("");
    ASSERT_TRUE(document.Set("s", "k", value));
    EXPECT_EQ(ProfileDocument::Parse(document.Serialize()).Get("s", "k"), value) << value;
  }
}

TEST(ProfileEncoding, AByteOrderMarkIsReadAndKeptWhenWrittenBack) {
  using namespace std::string_literals;
  const struct {
    const char* name;
    std::string before, after;
    ProfileDocument::Encoding encoding;
  } cases[] = {
      {"UTF-8", "\xEF\xBB\xBF[s]\nk=\xC3\xA4\n", "\xEF\xBB\xBF[s]\nk=\xC3\xA4\nn=1\n",
       ProfileDocument::Encoding::kUtf8WithMark},
      {"UTF-16 LE", "\xFF\xFE[\0s\0]\0\n\0k\0=\0\xE4\0\n\0"s,
       "\xFF\xFE[\0s\0]\0\n\0k\0=\0\xE4\0\n\0n\0=\0\x31\0\n\0"s,
       ProfileDocument::Encoding::kUtf16LittleEndian},
      {"UTF-16 BE", "\xFE\xFF\0[\0s\0]\0\n\0k\0=\0\xE4\0\n"s,
       "\xFE\xFF\0[\0s\0]\0\n\0k\0=\0\xE4\0\n\0n\0=\0\x31\0\n"s,
       ProfileDocument::Encoding::kUtf16BigEndian},
  };
  for (const auto& c : cases) {
    ProfileDocument document = ProfileDocument::Parse(c.before);
    EXPECT_EQ(document.encoding(), c.encoding) << c.name;
    EXPECT_EQ(document.Get("s", "k"), "\xC3\xA4") << c.name;  // ä
    ASSERT_TRUE(document.Set("s", "n", "1"));
    EXPECT_EQ(document.Serialize(), c.after) << c.name;
  }
}

}  // namespace
}  // namespace tarnwick::platform
