// Trees built to break a walker: loops, depth beyond the path limit, huge directories, odd
// names, entries that must never be opened, directories the user may not read, bad roots.
// Each pass must end, delete exactly the listed files it can reach, and report the rest.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/un.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <future>
#include <iostream>

#include "engine/delete_pass.h"
#include "figures.h"
#include "support/deep_tree.h"
#include "support/temp_dir.h"
#include "support/unprivileged.h"

namespace tarnwick::engine {
namespace {

namespace fs = std::filesystem;
using hardening::ReportFigure;
using tarnwick::testing::MakeDeepTree;
using tarnwick::testing::RemoveDeepTree;
using tarnwick::testing::RunUnprivileged;
using tarnwick::testing::TempDir;
using tarnwick::testing::WriteFile;

core::NameList Names(std::initializer_list<std::string> entries) {
  core::NameList names;
  for (const std::string& entry : entries) EXPECT_TRUE(names.Append(entry)) << entry;
  return names;
}

// A pass that does not end within a minute hangs; a stuck thread cannot be taken back, so the
// suite ends there with a clear message rather than waiting for CI's limit.
DeleteReport PassWithinAMinute(const std::string& root, const core::NameList& names) {
  auto pass = std::async(std::launch::async, [root, &names] {
    HelperObjects helpers;
    PassRequest request;
    request.root = root;
    request.names = names;
    return DeleteListedFiles(request, helpers).value_or(DeleteReport{});
  });
  if (pass.wait_for(std::chrono::minutes(1)) != std::future_status::ready) {
    std::cerr << "HANG: the delete pass over " << root << " did not end within a minute\n";
    std::_Exit(3);
  }
  return pass.get();
}

DeleteReport RunPass(const std::string& root, const core::NameList& names) {
  ReportFigure("hostile-tree passes run", 1);
  return PassWithinAMinute(root, names);
}

TEST(HostileTree, LinkLoopsEndAndOnlyRealFilesGo) {
  TempDir dir;
  WriteFile(dir / "root/Mscreate.dir", "");
  WriteFile(dir / "root/a/Mscreate.dir", "");
  fs::create_directories(dir / "root/a/b");
  fs::create_directory_symlink("..", dir / "root/a/up");
  fs::create_directory_symlink(dir / "root", dir / "root/a/b/to-root");
  fs::create_directory_symlink(dir / "root/a", dir / "root/c");
  fs::create_symlink("self", dir / "root/self");
  fs::create_symlink("ping", dir / "root/pong");
  fs::create_symlink("pong", dir / "root/ping");

  const DeleteReport report = RunPass(dir / "root", Names({"Mscreate.dir"}));
  EXPECT_EQ(report.deleted, 2u);
  EXPECT_EQ(report.failed, 0u);
  EXPECT_FALSE(fs::exists(dir / "root/a/Mscreate.dir"));
  for (const char* link : {"root/a/up", "root/a/b/to-root", "root/c", "root/self", "root/ping"}) {
    EXPECT_TRUE(fs::is_symlink(dir / link)) << link;
  }
}

TEST(HostileTree, ATreeTenThousandLevelsDeepBeyondThePathLimit) {
  TempDir dir;
  constexpr int kDepth = 10000;
  // A listed file every thousand levels, the deepest of them over 20,000 bytes down.
  ASSERT_TRUE(MakeDeepTree(dir.path().string(), kDepth, "MSCREATE.DIR", 1000));
  const DeleteReport report = RunPass(dir.path().string(), Names({"Mscreate.dir"}));
  EXPECT_EQ(report.deleted, 10u);
  EXPECT_EQ(report.failed, 0u);
  EXPECT_EQ(report.unreadableDirectories, 0u);
  // Nothing listed is left: a second pass finds nothing.
  EXPECT_EQ(RunPass(dir.path().string(), Names({"Mscreate.dir"})).deleted, 0u);
  EXPECT_TRUE(RemoveDeepTree(dir.path().string(), kDepth));
}

TEST(HostileTree, AHundredThousandFilesInOneDirectory) {
  TempDir dir;
  constexpr int kFiles = 100000;
  const int fd = ::open(dir.path().c_str(), O_RDONLY | O_DIRECTORY);
  ASSERT_GE(fd, 0);
  char name[32];
  for (int i = 0; i < kFiles; ++i) {
    std::snprintf(name, sizeof name, "f%06d.dir", i);
    ::close(::openat(fd, name, O_CREAT | O_WRONLY, 0644));
  }
  // 64 spellings of the listed name, differing only in letter case.
  std::string variant = "mscreate.dir";
  for (int bits = 0; bits < 64; ++bits) {
    for (int letter = 0; letter < 6; ++letter) {
      variant[letter] = static_cast<char>((bits >> letter) & 1 ? "MSCREA"[letter] : "mscrea"[letter]);
    }
    ::close(::openat(fd, variant.c_str(), O_CREAT | O_WRONLY, 0644));
  }
  ::close(fd);

  const DeleteReport report = RunPass(dir.path().string(), Names({"Mscreate.dir"}));
  EXPECT_EQ(report.deleted, 64u);
  const auto left = std::distance(fs::directory_iterator(dir.path()), fs::directory_iterator());
  EXPECT_EQ(left, kFiles);
}

TEST(HostileTree, OddNamesAreWalkedAndMatchedByteForByte) {
  const std::vector<std::string> oddNames = {
      "new\nline", "tab\tand\x01\x1f" "control", "back\\slash", "bad\xff\xfeutf8",
      " leading blank", "trailing dot.", std::string(255, 'x')};
  TempDir dir;
  for (const std::string& odd : oddNames) {
    WriteFile(dir / ("root/" + odd + "/Mscreate.dir"), "");  // a listed file below an odd folder
    WriteFile(dir / ("root/" + odd + "/" + odd), "");        // an odd file that is not listed
  }
  const std::string listedOdd[] = {"back\\slash.txt", "bad\xff\xfe.bin", std::string(255, 'y')};
  for (const std::string& odd : listedOdd) WriteFile(dir / ("root/" + odd), "");

  const DeleteReport report =
      RunPass(dir / "root", Names({"Mscreate.dir", listedOdd[0], listedOdd[1], listedOdd[2]}));
  EXPECT_EQ(report.deleted, oddNames.size() + std::size(listedOdd));
  EXPECT_EQ(report.failed, 0u);
  for (const std::string& odd : oddNames) {
    EXPECT_FALSE(fs::exists(dir / ("root/" + odd + "/Mscreate.dir"))) << odd;
    EXPECT_TRUE(fs::exists(dir / ("root/" + odd + "/" + odd))) << odd;
  }
  for (const std::string& odd : listedOdd) EXPECT_FALSE(fs::exists(dir / ("root/" + odd))) << odd;
}

bool MakeSocket(const std::string& path) {
  const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
  sockaddr_un address{};
  address.sun_family = AF_UNIX;
  if (fd < 0 || path.size() >= sizeof address.sun_path) return false;
  path.copy(address.sun_path, path.size());
  const bool bound = ::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0;
  ::close(fd);
  return bound;
}

TEST(HostileTree, SpecialEntriesWithListedNamesGoAsEntriesWithoutBeingOpened) {
  TempDir dir;
  fs::create_directories(dir / "root/fifo");
  fs::create_directories(dir / "root/socket");
  fs::create_directories(dir / "root/device");
  // Opening a FIFO nobody writes to blocks forever, so a walker that opened it would hang.
  ASSERT_EQ(::mkfifo((dir / "root/fifo/Mscreate.dir").c_str(), 0666), 0);
  ASSERT_TRUE(MakeSocket(dir / "root/socket/Mscreate.dir"));
  fs::create_symlink("/dev/zero", dir / "root/device/Setup.log");
  uint64_t made = 3;
  // A character device (the null device's numbers) needs the right to make devices.
  if (::mknod((dir / "root/device/Mscreate.dir").c_str(), S_IFCHR | 0666, makedev(1, 3)) == 0) {
    ++made;
  }

  const DeleteReport report = RunPass(dir / "root", Names({"Mscreate.dir", "Setup.log"}));
  EXPECT_EQ(report.deleted, made);
  EXPECT_EQ(report.failed, 0u);
  for (const char* folder : {"root/fifo", "root/socket", "root/device"}) {
    EXPECT_TRUE(fs::is_empty(dir / folder)) << folder;
  }
  EXPECT_TRUE(fs::exists("/dev/zero"));
}

// The tests run as root here; the permission cases run as an unprivileged user, for whom the
// modes hold. The child reports deleted, failed and unreadable as one number, digit by digit.
int UnprivilegedPass(const std::string& root, const core::NameList& names) {
  ReportFigure("hostile-tree passes run", 1);
  return RunUnprivileged([&] {
    const DeleteReport report = PassWithinAMinute(root, names);
    if (report.deleted > 9 || report.failed > 9 || report.unreadableDirectories > 9) return 99;
    return static_cast<int>(report.deleted * 100 + report.failed * 10 + report.unreadableDirectories);
  });
}

TEST(HostileTree, UnreadableAndUnsearchableFoldersAreReportedAndKeepTheirFiles) {
  TempDir dir;
  fs::permissions(dir.path(), fs::perms::all);
  const struct {
    const char* folder;
    fs::perms mode;
  } folders[] = {
      {"open", fs::perms::all},
      {"unreadable", fs::perms::owner_write | fs::perms::owner_exec | fs::perms::others_write |
                         fs::perms::others_exec},
      {"unsearchable", fs::perms::owner_read | fs::perms::owner_write | fs::perms::others_read |
                           fs::perms::others_write},
      {"read-only", fs::perms::owner_read | fs::perms::owner_exec | fs::perms::others_read |
                        fs::perms::others_exec},
  };
  for (const auto& folder : folders) {
    WriteFile(dir / (std::string("root/") + folder.folder + "/Mscreate.dir"), "");
    fs::permissions(dir / (std::string("root/") + folder.folder), folder.mode);
  }
  fs::permissions(dir / "root", fs::perms::all);

  // The open folder's file goes; the unreadable folder cannot be listed; in the other two the
  // file is found, but the folder does not let it be removed.
  EXPECT_EQ(UnprivilegedPass(dir / "root", Names({"Mscreate.dir"})), 121);
  EXPECT_FALSE(fs::exists(dir / "root/open/Mscreate.dir"));
  for (const char* kept : {"unreadable", "unsearchable", "read-only"}) {
    fs::permissions(dir / (std::string("root/") + kept), fs::perms::owner_all);
    EXPECT_TRUE(fs::exists(dir / (std::string("root/") + kept + "/Mscreate.dir"))) << kept;
  }
}

TEST(HostileTree, ARootThatIsAFileMissingOrUnreadableDeletesNothingAndSaysSo) {
  TempDir dir;
  fs::permissions(dir.path(), fs::perms::all);
  WriteFile(dir / "Mscreate.dir", "keep");
  WriteFile(dir / "locked/Mscreate.dir", "keep");
  fs::permissions(dir / "locked", fs::perms::none);
  const core::NameList names = Names({"Mscreate.dir"});

  for (const std::string& root : {dir / "Mscreate.dir", dir / "missing", dir / "locked"}) {
    SCOPED_TRACE(root);
    // Nothing deleted, the root counted as the one folder that could not be searched.
    EXPECT_EQ(UnprivilegedPass(root, names), 1);
  }
  fs::permissions(dir / "locked", fs::perms::owner_all);
  EXPECT_TRUE(fs::exists(dir / "Mscreate.dir"));
  EXPECT_TRUE(fs::exists(dir / "locked/Mscreate.dir"));

  HelperObjects helpers;
  PassRequest request;
  request.root = dir / "missing";
  request.names = names;
  const auto report = DeleteListedFiles(request, helpers);
  ASSERT_TRUE(report.has_value());
  EXPECT_TRUE(report->rootUnreadable);
  EXPECT_EQ(report->deleted, 0u);
  EXPECT_EQ(report->unreadableDirectories, 1u);
}

}  // namespace
}  // namespace tarnwick::engine
