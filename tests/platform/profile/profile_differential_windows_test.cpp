// Our profile reader and writer against the system's own GetPrivateProfileStringA and
// WritePrivateProfileStringA, on the values they read. Where the two differ on purpose, the
// case says so and why.
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "platform/profile/profile_document.h"
#include "platform/windows/windows_support.h"
#include "support/temp_dir.h"

namespace tarnwick::platform {
namespace {

using tarnwick::testing::ReadFile;
using tarnwick::testing::TempDir;
using tarnwick::testing::WriteFile;

constexpr const char* kMissing = "\x01missing";

std::optional<std::string> SystemRead(const std::string& path, const std::string& section,
                                      const std::string& key) {
  char buffer[4096];
  const DWORD length = ::GetPrivateProfileStringA(section.c_str(), key.c_str(), kMissing, buffer,
                                                  sizeof buffer, path.c_str());
  const std::string value(buffer, length);
  if (value == kMissing) return std::nullopt;
  return value;
}

struct ReadCase {
  const char* name;
  std::string content;
  std::string section;
  std::string key;
  const char* difference;  // why our reader gives another value on purpose, or nullptr
};

TEST(ProfileDifferential, ReadsAsTheSystemDoes) {
  const ReadCase cases[] = {
      {"plain", "[s]\r\nk=v\r\n", "s", "k", nullptr},
      {"case of names", "[Kelvane Tarnwick]\r\nFILES=2\r\n", "kelvane tarnwick", "files", nullptr},
      {"blanks trimmed", "[s]\r\n  k \t=  v w \t\r\n", "s", "k", nullptr},
      {"double quotes", "[s]\r\nk=\"  v  \"\r\n", "s", "k", nullptr},
      {"single quotes", "[s]\r\nk='v'\r\n", "s", "k", nullptr},
      {"unmatched quote", "[s]\r\nk=\"v\r\n", "s", "k", nullptr},
      {"first equals", "[s]\r\nk=a=b\r\n", "s", "k", nullptr},
      {"first key wins", "[s]\r\nk=1\r\nk=2\r\n", "s", "k", nullptr},
      {"missing key", "[s]\r\nk=1\r\n", "s", "other", nullptr},
      {"missing section", "[s]\r\nk=1\r\n", "t", "k", nullptr},
      {"LF only", "[s]\nk=v\n", "s", "k", nullptr},
      {"no final line end", "[s]\r\nk=v", "s", "k", nullptr},
      {"blank section name", "[ s ]\r\nk=v\r\n", "s", "k", nullptr},
      {"comment line", "[s]\r\n;k=1\r\nk=2\r\n", "s", "k", nullptr},
      {"empty value", "[s]\r\nk=\r\n", "s", "k", nullptr},
      {"8-bit text", "[s]\r\nk=\xE4rger\r\n", "s", "k", nullptr},
  };
  TempDir dir;
  int file = 0;
  for (const ReadCase& c : cases) {
    SCOPED_TRACE(c.name);
    // A file of its own each time: the system may keep a file it has read in a cache.
    const std::string path = dir.path().string() + "\\read" + std::to_string(file++) + ".ini";
    WriteFile(path, c.content);
    const auto ours = ProfileDocument::Parse(c.content).Get(c.section, c.key);
    const auto system = SystemRead(path, c.section, c.key);
    if (c.difference == nullptr) {
      EXPECT_EQ(ours, system);
    } else {
      EXPECT_NE(ours, system) << "no longer differs: " << c.difference;
    }
  }
}

struct WriteCase {
  const char* name;
  std::string content;  // the file before the write; empty for no file
  std::string section;
  std::string key;
  std::string value;
  std::vector<std::pair<std::string, std::string>> readBack;  // section and key read afterwards
  const char* difference;
};

TEST(ProfileDifferential, WritesWhatTheSystemReadsAsItsOwn) {
  const WriteCase cases[] = {
      {"new file", "", "Kelvane Tarnwick", "Files", "1", {{"Kelvane Tarnwick", "Files"}}, nullptr},
      {"replace in place", "[s]\r\na=1\r\nk=old\r\nb=2\r\n", "s", "k", "new",
       {{"s", "a"}, {"s", "k"}, {"s", "b"}}, nullptr},
      {"add key to section", "[s]\r\na=1\r\n[t]\r\nb=2\r\n", "s", "k", "v",
       {{"s", "a"}, {"s", "k"}, {"t", "b"}}, nullptr},
      {"add section", "[t]\r\nb=2\r\n", "s", "k", "v", {{"s", "k"}, {"t", "b"}}, nullptr},
      {"key case kept", "[S]\r\nKEY=1\r\n", "s", "key", "2", {{"S", "KEY"}}, nullptr},
      {"value with equals", "", "s", "k", "a=b.txt", {{"s", "k"}}, nullptr},
      {"8-bit value", "", "s", "k", "\xE4rger", {{"s", "k"}}, nullptr},
      {"edge blanks", "", "s", "k", "  Mscreate.dir ", {{"s", "k"}},
       "ours writes the value in double quotes so that the blanks read back; the system "
       "writes it bare and trims it when reading"},
      {"enclosing quotes", "", "s", "k", "\"x\"", {{"s", "k"}},
       "ours adds a pair of quotes so that the quotes read back; the system loses them"},
  };
  TempDir dir;
  int file = 0;
  for (const WriteCase& c : cases) {
    SCOPED_TRACE(c.name);
    const std::string base = dir.path().string() + "\\write" + std::to_string(file++);
    const std::string oursPath = base + "-ours.ini";
    const std::string systemPath = base + "-system.ini";
    ProfileDocument document = ProfileDocument::Parse(c.content);
    ASSERT_TRUE(document.Set(c.section, c.key, c.value));
    WriteFile(oursPath, document.Serialize());
    if (!c.content.empty()) WriteFile(systemPath, c.content);
    ASSERT_TRUE(::WritePrivateProfileStringA(c.section.c_str(), c.key.c_str(), c.value.c_str(),
                                             systemPath.c_str()));
    ::WritePrivateProfileStringA(nullptr, nullptr, nullptr, systemPath.c_str());  // flush

    bool differs = false;
    for (const auto& [section, key] : c.readBack) {
      const auto fromOurs = SystemRead(oursPath, section, key);
      const auto fromSystem = SystemRead(systemPath, section, key);
      // What the system reads from our file is also what our reader reads from it.
      EXPECT_EQ(ProfileDocument::Parse(ReadFile(oursPath)).Get(section, key),
                key == c.key && section == c.section ? std::optional<std::string>(c.value)
                                                     : fromOurs);
      differs = differs || fromOurs != fromSystem;
      if (c.difference == nullptr) {
        EXPECT_EQ(fromOurs, fromSystem) << section << "/" << key;
      }
    }
    if (c.difference != nullptr) {
      EXPECT_TRUE(differs) << "no longer differs: " << c.difference;
    }
  }
}

TEST(ProfileDifferential, ANewFileHasWindowsLineEndings) {
  ProfileDocument document = ProfileDocument::Parse("");
  ASSERT_TRUE(document.Set("Kelvane Tarnwick", "Files", "0"));
  EXPECT_EQ(document.Serialize(), "[Kelvane Tarnwick]\r\nFiles=0\r\n");
}

}  // namespace
}  // namespace tarnwick::platform
