#include <gtest/gtest.h>
#include <signal.h>
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <functional>
#include <regex>

#include "platform/trash/trash.h"
#include "platform/trash/trash_info.h"
#include "platform/trash/volume_trash.h"
#include "support/memory_recorder.h"
#include "support/scoped_variable.h"
#include "support/temp_dir.h"
#include "support/unprivileged.h"

namespace tarnwick::platform {
namespace {

namespace fs = std::filesystem;
using tarnwick::testing::ReadFile;
using tarnwick::testing::RunUnprivileged;
using tarnwick::testing::ScopedVariable;
using tarnwick::testing::TempDir;
using tarnwick::testing::WriteFile;

// The user's data folder, and with it the home trash, is a test's own.
constexpr const char* kDataHome = "XDG_DATA_HOME";

std::vector<std::error_code> MoveToTrash(const std::string& folder,
                                         std::vector<std::string> names) {
  DirectoryHandle handle;
  if (auto error = OpenDirectory(folder, handle)) {
    return std::vector<std::error_code>(names.size(), error);
  }
  testing::MemoryRecorder recorder;
  return Trash(recorder).Move(handle, folder + "/", names);
}

TEST(TrashInfo, EscapesThePathAsFileManagersReadIt) {
  const std::time_t when = std::time(nullptr);
  const std::string text = TrashInfo("/home/ü b/100%#?.txt", when);
  const std::regex form(
      "\\[Trash Info\\]\nPath=/home/%C3%BC%20b/100%25%23%3F\\.txt\n"
      "DeletionDate=\\d{4}-\\d\\d-\\d\\dT\\d\\d:\\d\\d:\\d\\d\n");
  EXPECT_TRUE(std::regex_match(text, form)) << text;
  EXPECT_TRUE(TrashInfo("Setup/a~b_c-d.log", when)
                  .starts_with("[Trash Info]\nPath=Setup/a~b_c-d.log\n"));  // a volume's, relative
}

TEST(TrashInfo, IsWhatGioWritesForTheSameFile) {
  if (std::system("command -v gio >/dev/null 2>&1") != 0) GTEST_SKIP() << "no gio here";
  TempDir dir;
  const std::string name = "ä b%;&.txt";
  WriteFile(dir / ("file/" + name), "x");
  const auto pathLine = [&](const std::string& trash) {
    const std::string info = ReadFile(dir / (trash + "/Trash/info/" + name + ".trashinfo"));
    return info.substr(0, info.find("\nDeletionDate"));
  };
  {
    const ScopedVariable home(kDataHome, dir / "gio");
    ASSERT_EQ(std::system(("gio trash '" + dir / ("file/" + name) + "'").c_str()), 0);
  }
  WriteFile(dir / ("file/" + name), "x");
  const ScopedVariable home(kDataHome, dir / "ours");
  ASSERT_EQ(MoveToTrash(dir / "file", {name}), std::vector<std::error_code>(1));
  EXPECT_EQ(pathLine("ours"), pathLine("gio"));
}

TEST(Trash, MovesIntoTheHomeTrashOnItsFileSystemAndNeverForGood) {
  TempDir dir;
  const ScopedVariable home(kDataHome, dir / "data");
  for (const char* file : {"tree/Mscreate.dir", "tree/again/Mscreate.dir", "tree/sub/keep"}) {
    WriteFile(dir / file, file);
  }
  const std::vector<std::error_code> moved =
      MoveToTrash(dir / "tree", {"Mscreate.dir", "sub", "gone"});
  EXPECT_FALSE(moved[0]);
  EXPECT_EQ(moved[1], std::errc::is_a_directory);  // a folder never goes
  EXPECT_EQ(moved[2], std::errc::no_such_file_or_directory);
  EXPECT_FALSE(fs::exists(dir / "tree/Mscreate.dir"));
  EXPECT_TRUE(fs::exists(dir / "tree/sub/keep"));
  EXPECT_EQ(ReadFile(dir / "data/Trash/files/Mscreate.dir"), "tree/Mscreate.dir");
  EXPECT_NE(ReadFile(dir / "data/Trash/info/Mscreate.dir.trashinfo")
                .find("Path=" + (dir / "tree/Mscreate.dir") + "\n"),
            std::string::npos);
  // The same name again takes the next free place; no entry is left for what did not go.
  EXPECT_EQ(MoveToTrash(dir / "tree/again", {"Mscreate.dir"}), std::vector<std::error_code>(1));
  EXPECT_EQ(ReadFile(dir / "data/Trash/files/Mscreate.2.dir"), "tree/again/Mscreate.dir");
  EXPECT_EQ(std::distance(fs::directory_iterator(dir / "data/Trash/info"), {}), 2);
  EXPECT_EQ(fs::status(dir / "data/Trash").permissions(), fs::perms::owner_all);
}

// An entry goes whole or not at all, and a home trash that cannot be used sends nothing
// elsewhere: the file stays where it is, with the reason.
TEST(Trash, AFileStaysWhereItIsWhenItsEntryCannotBeMadeWhole) {
  const struct {
    const char* what;
    std::function<void(const TempDir&)> prepare;
    std::errc why;
  } cases[] = {
      {"the home trash is a link", [](const TempDir& dir) {
         fs::create_directories(dir / "elsewhere");
         fs::create_directories(dir / "data");
         fs::create_directory_symlink(dir / "elsewhere", dir / "data/Trash");
       }, std::errc::too_many_symbolic_link_levels},
      {"its files folder is a link", [](const TempDir& dir) {
         fs::create_directories(dir / "elsewhere");
         fs::create_directories(dir / "data/Trash/info");
         fs::create_directory_symlink(dir / "elsewhere", dir / "data/Trash/files");
       }, std::errc::too_many_symbolic_link_levels},
      {"the info file cannot be written", [](const TempDir& dir) {
         fs::create_directories(dir / "data/Trash/info");
         fs::create_directories(dir / "data/Trash/files");
       }, std::errc::file_too_large},
  };
  for (const auto& c : cases) {
    TempDir dir;
    c.prepare(dir);
    WriteFile(dir / "tree/Setup.log", "x");
    const ScopedVariable home(kDataHome, dir / "data");
    rlimit unlimited{}, none{0, 0};
    ::getrlimit(RLIMIT_FSIZE, &unlimited);
    const bool full = c.why == std::errc::file_too_large;
    if (full) {
      ::signal(SIGXFSZ, SIG_IGN);  // a write past the limit fails instead of ending the test
      none.rlim_max = unlimited.rlim_max;
      ::setrlimit(RLIMIT_FSIZE, &none);
    }
    const std::vector<std::error_code> moved = MoveToTrash(dir / "tree", {"Setup.log"});
    if (full) ::setrlimit(RLIMIT_FSIZE, &unlimited);
    EXPECT_EQ(moved[0], c.why) << c.what << ": " << moved[0].message();
    EXPECT_TRUE(fs::exists(dir / "tree/Setup.log")) << c.what;
    EXPECT_FALSE(fs::exists(dir / "elsewhere/Setup.log")) << c.what;
    if (fs::is_directory(dir / "data/Trash/info")) {
      EXPECT_TRUE(fs::is_empty(dir / "data/Trash/info")) << c.what;
    }
  }
}

// Which trash a volume offers this user; the volume's top folder is a test folder here.
TEST(VolumeTrash, TakesTheSharedTrashOnlyWhenItIsARealStickyFolder) {
  const std::string uid = std::to_string(::geteuid());
  const struct {
    const char* what;
    std::function<void(const TempDir&)> prepare;
    std::string trash;  // below the top folder
  } cases[] = {
      {"a sticky .Trash", [](const TempDir& top) {
         fs::create_directory(top / ".Trash");
         ::chmod((top / ".Trash").c_str(), 01777);
       }, ".Trash/" + uid},
      {".Trash without the sticky bit", [](const TempDir& top) {
         fs::create_directory(top / ".Trash");
       }, ".Trash-" + uid},
      {".Trash a link to a sticky folder", [](const TempDir& top) {
         fs::create_directory(top / "elsewhere");
         ::chmod((top / "elsewhere").c_str(), 01777);
         fs::create_directory_symlink(top / "elsewhere", top / ".Trash");
       }, ".Trash-" + uid},
      {"neither", [](const TempDir&) {}, ".Trash-" + uid},
  };
  for (const auto& c : cases) {
    TempDir top;
    c.prepare(top);
    DirectoryHandle topdir, trash;
    ASSERT_FALSE(OpenDirectory(top.path(), topdir));
    EXPECT_FALSE(OpenVolumeTrash(topdir, trash)) << c.what;
    EXPECT_TRUE(fs::is_directory(top / c.trash)) << c.what;
    EXPECT_FALSE(fs::exists(top / ("elsewhere/" + uid))) << c.what;  // never through the link
  }
  // Neither, and no right to make one: no trash, not a copy elsewhere.
  TempDir top;
  fs::permissions(top.path(), fs::perms::owner_all | fs::perms::group_read | fs::perms::group_exec |
                                  fs::perms::others_read | fs::perms::others_exec);
  EXPECT_EQ(RunUnprivileged([&top] {
              DirectoryHandle topdir, trash;
              if (OpenDirectory(top.path(), topdir)) return 2;
              return OpenVolumeTrash(topdir, trash) == TrashError::kNoTrashHere ? 0 : 1;
            }),
            0);
}

// A file on another file system than the home trash: into that volume's own trash, with its
// path relative to the volume's top; where no trash can be made there, it stays.
TEST(Trash, OnAnotherFileSystemUsesItsOwnTrashOrLeavesTheFile) {
  TempDir dir;
  fs::permissions(dir.path(), fs::perms::all);
  fs::create_directories(dir / "volume");
  if (::mount("tarnwick-test", (dir / "volume").c_str(), "tmpfs", 0, "mode=0755") != 0) {
    GTEST_SKIP() << "cannot mount a tmpfs here";
  }
  const ScopedVariable home(kDataHome, dir / "data");
  WriteFile(dir / "volume/Setup/Mscreate.dir", "x");
  WriteFile(dir / "volume/open/Mscreate.dir", "x");
  ::chown((dir / "volume/open").c_str(), 65534, 65534);
  ::chown((dir / "volume/open/Mscreate.dir").c_str(), 65534, 65534);
  const std::vector<std::error_code> moved = MoveToTrash(dir / "volume/Setup", {"Mscreate.dir"});
  const std::string info = ReadFile(dir / "volume/.Trash-0/info/Mscreate.dir.trashinfo");
  // An unprivileged user may not make a trash at the volume's top, owned by root.
  const int stayed = RunUnprivileged([&dir] {
    const auto outcome = MoveToTrash(dir / "volume/open", {"Mscreate.dir"});
    const bool stays = fs::exists(dir / "volume/open/Mscreate.dir");
    return outcome[0] == TrashError::kNoTrashHere && stays ? 0 : 1;
  });
  ::umount((dir / "volume").c_str());
  EXPECT_EQ(moved, std::vector<std::error_code>(1));
  EXPECT_NE(info.find("Path=Setup/Mscreate.dir\n"), std::string::npos) << info;
  EXPECT_EQ(stayed, 0);
}

}  // namespace
}  // namespace tarnwick::platform
