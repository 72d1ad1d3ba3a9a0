#include "core/settings_file.h"

#include <gtest/gtest.h>

#include "support/temp_dir.h"

namespace tarnwick::core {
namespace {

using tarnwick::testing::ReadFile;
using tarnwick::testing::TempDir;
using tarnwick::testing::WriteFile;

TEST(IniRead, GivesTheFallbackWhenThereIsNoValue) {
  TempDir dir;
  const std::string file = dir / "t.ini";
  EXPECT_EQ(IniRead("s", "k", file, "dflt"), "dflt");  // no file
  WriteFile(file, "[s]\nempty=\nquotes=\"\"\nk=v\n");
  EXPECT_EQ(IniRead("s", "empty", file, "dflt"), "dflt");
  EXPECT_EQ(IniRead("s", "quotes", file, "dflt"), "dflt");
  EXPECT_EQ(IniRead("s", "other", file, "dflt"), "dflt");
  EXPECT_EQ(IniRead("t", "k", file, "dflt"), "dflt");
  EXPECT_EQ(IniRead("S", "K", file, "dflt"), "v");
  EXPECT_EQ(IniRead("s", "k", dir.path().string(), "dflt"), "dflt");  // a directory
}

TEST(IniRead, CutsLongValuesTo2047Characters) {
  TempDir dir;
  const std::string file = dir / "t.ini";
  WriteFile(file, "[s]\nk=" + std::string(3000, 'x') + "\n");
  EXPECT_EQ(IniRead("s", "k", file, ""), std::string(2047, 'x'));
}

TEST(IniWrite, CreatesTheFileAndKeepsWhatItDoesNotTouch) {
  TempDir dir;
  const std::string file = dir / "t.ini";
  ASSERT_FALSE(IniWrite("s", "k", "v", file));
  EXPECT_EQ(ReadFile(file), tarnwick::testing::NewFileLines("[s]\nk=v\n"));

  WriteFile(file, "# mine\r\n[s]\r\nk=old\r\n[t]\r\nx=1\r\n");
  ASSERT_FALSE(IniWrite("s", "k", "new", file));
  ASSERT_FALSE(IniWrite("s", "j", "added", file));
  EXPECT_EQ(ReadFile(file), "# mine\r\n[s]\r\nk=new\r\nj=added\r\n[t]\r\nx=1\r\n");
}

TEST(IniWrite, ReportsFailureAndLeavesTheFileAlone) {
  TempDir dir;
  EXPECT_TRUE(IniWrite("s", "k", "v", dir / "missing-dir/t.ini"));
  EXPECT_TRUE(IniWrite("s", "k", "v", dir.path().string()));
  EXPECT_TRUE(IniWrite("s", "k", "v", ""));
  const std::string file = dir / "t.ini";
  WriteFile(file, "[s]\nk=v\n");
  EXPECT_TRUE(IniWrite("s", "k", "two\nlines", file));
  EXPECT_EQ(ReadFile(file), "[s]\nk=v\n");
}

}  // namespace
}  // namespace tarnwick::core
