#include "engine/take_back.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>

#include "engine/delete_pass.h"
#include "support/scoped_variable.h"
#include "support/temp_dir.h"

namespace tarnwick::engine {
namespace {

namespace fs = std::filesystem;
using tarnwick::testing::ReadFile;
using tarnwick::testing::ScopedVariable;
using tarnwick::testing::TempDir;
using tarnwick::testing::WriteFile;

// A pass moves a/Setup.log and b/Setup.log to the trash; then something happens, and the pass
// is taken back twice.
TEST(TakeBackFromTrash, PutsBackOnlyWhatThePassLeftInTheTrashAndNeverTwice) {
  const struct {
    const char* what;
    std::function<void(const TempDir&, const std::string& bInTrash)> meanwhile;
    uint64_t restored, stayed, notInTrash;  // the first time
    long infoFiles;                         // left in the trash then
    const char* b;     // b's content after both times, or nothing when it is not there
  } cases[] = {
      {"all back", [](const TempDir&, const std::string&) {}, 2, 0, 0, 0, "b"},
      {"its place taken", [](const TempDir& dir, const std::string&) {
         WriteFile(dir / "tree/b/Setup.log", "new");
       }, 1, 1, 0, 1, "new"},
      {"restored by the user", [](const TempDir& dir, const std::string& inTrash) {
         fs::rename(dir / ("data/Trash/files/" + inTrash), dir / "tree/b/Setup.log");
         fs::remove(dir / ("data/Trash/info/" + inTrash + ".trashinfo"));
       }, 1, 0, 1, 0, "b"},
      {"replaced in the trash by another file", [](const TempDir& dir, const std::string& inTrash) {
         fs::remove(dir / ("data/Trash/files/" + inTrash));
         WriteFile(dir / ("data/Trash/files/" + inTrash), "other");
       }, 1, 0, 1, 1, nullptr},  // the other file is the user's, left where it is
      {"its folder gone", [](const TempDir& dir, const std::string&) {
         fs::remove_all(dir / "tree/b");
       }, 1, 1, 0, 1, nullptr},
  };
  for (const auto& c : cases) {
    TempDir dir;
    const ScopedVariable dataHome("XDG_DATA_HOME", dir / "data");
    WriteFile(dir / "tree/a/Setup.log", "a");
    WriteFile(dir / "tree/b/Setup.log", "b");
    core::NameList names;
    names.Append("Setup.log");
    HelperObjects helpers;
    PassObserver quiet;
    std::string root = dir / "tree";
    auto record = DeleteListedFiles(root, names, helpers, quiet, {}, Disposal::kTrash)->movedToTrash;
    ASSERT_EQ(record.size(), 2u) << c.what;
    const auto& b = record[0].originalPath.ends_with("b/Setup.log") ? record[0] : record[1];
    ASSERT_EQ(ReadFile(dir / ("data/Trash/files/" + b.entryName)), "b") << c.what;
    c.meanwhile(dir, b.entryName);

    const TakeBackReport first = TakeBackFromTrash(record);
    EXPECT_EQ(first.restored, c.restored) << c.what;
    EXPECT_EQ(first.stayed, c.stayed) << c.what;
    EXPECT_EQ(first.notInTrash, c.notInTrash) << c.what;
    EXPECT_EQ(record.size(), c.stayed) << c.what;  // the record keeps what stayed
    EXPECT_EQ(ReadFile(dir / "tree/a/Setup.log"), "a") << c.what;
    // What came back left no info file behind.
    EXPECT_EQ(std::distance(fs::directory_iterator(dir / "data/Trash/info"), {}), c.infoFiles)
        << c.what;
    const TakeBackReport again = TakeBackFromTrash(record);
    EXPECT_EQ(again.restored, 0u) << c.what;
    if (c.b == nullptr) {
      EXPECT_FALSE(fs::exists(dir / "tree/b/Setup.log")) << c.what;
    } else {
      EXPECT_EQ(ReadFile(dir / "tree/b/Setup.log"), c.b) << c.what;
    }
  }
}

}  // namespace
}  // namespace tarnwick::engine
