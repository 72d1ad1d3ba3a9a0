#include "core/settings_file.h"

#include <gtest/gtest.h>

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
