#include "core/path_helpers.h"

#include <gtest/gtest.h>

#include "platform/path/path_separator.h"
#include "support/temp_dir.h"

namespace tarnwick::core {
namespace {

using platform::kPosixPaths;
using platform::kWindowsPaths;

// Each path as Windows splits it ('\\' and '/') and as POSIX does ('/' only).
TEST(EnsureTrailingBackslash, ChangesTheArgumentInPlace) {
  const struct {
    std::string path, windows, posix;
  } cases[] = {{"", "\\", "/"},
               {"C:", "C:\\", "C:/"},
               {"C:\\Temp", "C:\\Temp\\", "C:\\Temp/"},
               {"C:\\Temp\\", "C:\\Temp\\", "C:\\Temp\\/"},
               {"C:/Temp/", "C:/Temp/", "C:/Temp/"}};
  for (const auto& c : cases) {
    std::string windows = c.path, posix = c.path;
    EXPECT_EQ(EnsureTrailingBackslash(windows, kWindowsPaths), c.windows);
    EXPECT_EQ(windows, c.windows);
    EXPECT_EQ(EnsureTrailingBackslash(posix, kPosixPaths), c.posix);
    EXPECT_EQ(posix, c.posix);
  }
}

TEST(FileNamePart, GivesTheLastComponent) {
  const struct {
    std::string path, windows, posix;
  } cases[] = {{"C:\\Temp\\Mscreate.dir", "Mscreate.dir", "C:\\Temp\\Mscreate.dir"},
               {"C:\\Temp\\", "Temp", "C:\\Temp\\"},
               {"Mscreate.dir", "Mscreate.dir", "Mscreate.dir"},
               {"C:\\", "C:", "C:\\"},
               {"\\", "", "\\"},
               {"", "", ""},
               {"C:\\Temp\\\\", "", "C:\\Temp\\\\"},
               {"C:\\t\\sub/Mscreate.dir", "Mscreate.dir", "Mscreate.dir"},
               {"C:/t/sub/Mscreate.dir/", "Mscreate.dir", "Mscreate.dir"},
               {"\\\\server\\share\\Setup", "Setup", "\\\\server\\share\\Setup"},
               {"\\\\?\\UNC\\server\\share\\a.txt", "a.txt", "\\\\?\\UNC\\server\\share\\a.txt"},
               {"/tmp/a\\b.txt", "b.txt", "a\\b.txt"}};
  for (const auto& c : cases) {
    EXPECT_EQ(FileNamePart(c.path, kWindowsPaths), c.windows) << c.path;
    EXPECT_EQ(FileNamePart(c.path, kPosixPaths), c.posix) << c.path;
  }
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
  for (const auto& c : cases) EXPECT_EQ(LongPathName(c.path, kWindowsPaths), c.expected) << c.path;
}

TEST(LongPathName, AnExistingPathIsItsOwnLongForm) {
  tarnwick::testing::TempDir dir;
  tarnwick::testing::WriteFile(dir / "MiXeD.Case", "");
  EXPECT_EQ(LongPathName(dir / "MiXeD.Case"), dir / "MiXeD.Case");
}

}  // namespace
}  // namespace tarnwick::core
