#include "core/path_helpers.h"

#include <gtest/gtest.h>

#include "platform/path_separator.h"
#include "support/temp_dir.h"

namespace tarnwick::core {
namespace {

TEST(EnsureTrailingBackslash, ChangesTheArgumentInPlace) {
  const struct {
    std::string path;
    std::string expected;
  } cases[] = {{"", "\\"},
               {"C:", "C:\\"},
               {"C:\\Temp", "C:\\Temp\\"},
               {"C:\\Temp\\", "C:\\Temp\\"},
               {"C:/Temp/", "C:/Temp/\\"}};
  for (const auto& c : cases) {
    std::string path = c.path;
    EXPECT_EQ(EnsureTrailingBackslash(path, '\\'), c.expected);
    EXPECT_EQ(path, c.expected);
  }
  std::string native = "home";
  EnsureTrailingBackslash(native);
  EXPECT_EQ(native, std::string("home") + platform::kPathSeparator);
}

TEST(FileNamePart, GivesTheLastComponent) {
  const struct {
    std::string path;
    std::string expected;
  } cases[] = {{"C:\\Temp\\Mscreate.dir", "Mscreate.dir"},
               {"C:\\Temp\\", "Temp"},
               {"Mscreate.dir", "Mscreate.dir"},
               {"C:\\", "C:"},
               {"\\", ""},
               {"", ""},
               {"C:\\Temp\\\\", ""},
               {"C:/Temp/a.txt", "C:/Temp/a.txt"}};
  for (const auto& c : cases) {
    const std::string path = c.path;
    EXPECT_EQ(FileNamePart(path, '\\'), c.expected) << c.path;
    EXPECT_EQ(path, c.path);
  }
#ifndef _WIN32
  EXPECT_EQ(FileNamePart("/tmp/a\\b.txt"), "a\\b.txt");  // a backslash is a POSIX name's own
#endif
}

TEST(LongPathName, RebuildsLetterCaseOfAPathThatDoesNotResolve) {
  const struct {
    std::string path;
    std::string expected;
  } cases[] = {{"x", "X"},
               {"a b-c(d_e\\f", "A B-C(D_E\\F"},
               {"ABC.DEF", "Abc.def"},
               {"", ""},
               {"C:\\PROGRAM FILES\\MY-APP (X86)\\SETUP_LOG.TXT",
                "C:\\Program Files\\My-App (X86)\\Setup_Log.txt"},
               {"c:\\tools\\app.exe", "C:\\Tools\\App.exe"},
               {"a.b)c:d1e", "A.b)c:d1e"}};
  for (const auto& c : cases) EXPECT_EQ(LongPathName(c.path, '\\'), c.expected) << c.path;
}

TEST(LongPathName, AnExistingPathIsItsOwnLongForm) {
  tarnwick::testing::TempDir dir;
  tarnwick::testing::WriteFile(dir / "MiXeD.Case", "");
  EXPECT_EQ(LongPathName(dir / "MiXeD.Case"), dir / "MiXeD.Case");
}

}  // namespace
}  // namespace tarnwick::core
