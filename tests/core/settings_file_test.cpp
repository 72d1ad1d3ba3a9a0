#include "core/settings_file.h"

#include <gtest/gtest.h>
#ifndef _WIN32
#include <sys/stat.h>
#endif

#include <filesystem>

#include "platform/file/held_file.h"

#include "support/temp_dir.h"

namespace tarnwick::core {
namespace {

using tarnwick::testing::ReadFile;
using tarnwick::testing::TempDir;
using tarnwick::testing::WriteFile;

std::string ReadValue(const std::string& file, const std::string& section, const std::string& key) {
  platform::ProfileDocument document;
  if (LoadSettingsDocument(file, document)) return "unreadable";
  return ReadSettingsValue(document, section, key, "dflt");
}

TEST(ReadSettingsValue, GivesTheFallbackWhenThereIsNoValue) {
  TempDir dir;
  const std::string file = dir / "t.ini";
  EXPECT_EQ(ReadValue(file, "s", "k"), "dflt");  // no file
  WriteFile(file, "[s]\nempty=\nquotes=\"\"\nk=v\n");
  EXPECT_EQ(ReadValue(file, "s", "empty"), "dflt");
  EXPECT_EQ(ReadValue(file, "s", "quotes"), "dflt");
  EXPECT_EQ(ReadValue(file, "s", "other"), "dflt");
  EXPECT_EQ(ReadValue(file, "t", "k"), "dflt");
  EXPECT_EQ(ReadValue(file, "S", "K"), "v");
  EXPECT_EQ(ReadValue(dir.path().string(), "s", "k"), "unreadable");  // a directory
}

#ifndef _WIN32
// A settings file in a FIFO's or a device's place is refused at once, never waited on or read
// without end, and a change then writes nothing.
TEST(ChangeSettings, RefusesWhatIsNoRegularFileAndLeavesItAsItIs) {
  TempDir dir;
  ASSERT_EQ(::mkfifo((dir / "fifo.ini").c_str(), 0600), 0);
  std::filesystem::create_symlink("/dev/zero", dir / "zero.ini");
  for (const char* name : {"fifo.ini", "zero.ini"}) {
    SCOPED_TRACE(name);
    AppState state;
    state.AppTitle = kAppTitle;
    state.SettingsPath = dir / name;
    platform::ProfileDocument document;
    EXPECT_EQ(ReadSettings(state, document), platform::NotARegularFile());
    bool changed = false;
    EXPECT_EQ(ChangeSettings(state, [&changed](platform::ProfileDocument&) {
                changed = true;
                return std::error_code();
              }),
              platform::NotARegularFile());
    EXPECT_FALSE(changed);
  }
  EXPECT_TRUE(std::filesystem::is_fifo(dir / "fifo.ini"));
  EXPECT_TRUE(std::filesystem::is_symlink(dir / "zero.ini"));
}
#endif

TEST(ReadSettingsValue, CutsLongValuesTo2047Characters) {
  TempDir dir;
  const std::string file = dir / "t.ini";
  WriteFile(file, "[s]\nk=" + std::string(3000, 'x') + "\n");
  EXPECT_EQ(ReadValue(file, "s", "k"), std::string(2047, 'x'));
}

TEST(StoreSettingsDocument, ReportsFailureAndLeavesNothingBehind) {
  TempDir dir;
  const auto document = platform::ProfileDocument::Parse("[s]\nk=v\n");
  EXPECT_TRUE(StoreSettingsDocument(dir / "missing-dir/t.ini", document));
  EXPECT_TRUE(StoreSettingsDocument(dir.path().string(), document));
  EXPECT_TRUE(StoreSettingsDocument("", document));
  const std::string file = dir / "t.ini";
  ASSERT_FALSE(StoreSettingsDocument(file, document));
  EXPECT_EQ(ReadFile(file), "[s]\nk=v\n");
}

}  // namespace
}  // namespace tarnwick::core
