#include "gui/search_root.h"

#include <gtest/gtest.h>

#include "core/path_helpers.h"
#include "support/temp_dir.h"

namespace tarnwick::gui {
namespace {

using tarnwick::testing::TempDir;
using tarnwick::testing::WriteFile;

// A path that names a file searches the folder that holds it, however the path is written,
// and never a folder above it; the second launch button adds the file's own name.
TEST(SearchRootFor, AFileSearchesOnlyTheFolderThatHoldsIt) {
  TempDir dir;
  for (const char* file : {"t/Mscreate.dir", "t/sub/Mscreate.dir", "t/other/Mscreate.dir"}) {
    WriteFile(dir / file, "");
  }
  const std::string base = dir.path().string();
#ifdef _WIN32
  const std::string sub = base + "\\t\\sub\\";
  const struct {
    std::string commandLine, root, name;
  } cases[] = {
      {base + "\\t\\sub/Mscreate.dir", sub, "Mscreate.dir"},
      {base + "/t/sub/Mscreate.dir", sub, "Mscreate.dir"},
      {base + "\\t\\sub\\Mscreate.dir. ", sub, "Mscreate.dir"},  // Windows drops ". "
      {base + "\\t\\sub", sub, "sub"},
      {base + "/t/sub/", sub, "sub"},
      {base + "\\t\\sub. ", sub, "sub"},
      {"C:", "C:\\", "C:"},
  };
#else
  const std::string sub = base + "/t/sub/";
  const struct {
    std::string commandLine, root, name;
  } cases[] = {
      {base + "/t/sub/Mscreate.dir", sub, "Mscreate.dir"},
      {base + "/t/sub", sub, "sub"},
      {base + "/t/sub/", sub, "sub"},
      // A backslash is part of a POSIX name: no such file, so no folder of it is searched.
      {base + "/t/sub\\Mscreate.dir", base + "/t/sub\\Mscreate.dir/", "sub\\Mscreate.dir"},
  };
#endif
  for (const auto& c : cases) {
    std::string label = c.commandLine;  // as start-up shows it
    core::EnsureTrailingBackslash(label);
    EXPECT_EQ(SearchRootFor(c.commandLine), c.root) << c.commandLine;
    EXPECT_EQ(NameToListFor(label), c.name) << c.commandLine;
  }
}

}  // namespace
}  // namespace tarnwick::gui
