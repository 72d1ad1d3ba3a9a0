#include "cli/cli_app.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <sstream>

#include "cli/terminal_text.h"
#include "support/temp_dir.h"
#include "support/unprivileged.h"

namespace tarnwick::cli {
namespace {

namespace fs = std::filesystem;
using tarnwick::testing::ReadFile;
using tarnwick::testing::TempDir;
using tarnwick::testing::WriteFile;

class Cli : public ::testing::Test {
 protected:
  Cli() {
    environment_.programDirectory = dir_ / "program/";
    environment_.settingsPath = dir_ / "program/tarnwick.ini";
    fs::create_directories(dir_ / "program");
  }

  int Run(std::vector<std::string> arguments) {
    out_.str("");
    err_.str("");
    return RunCli(arguments, environment_, out_, err_);
  }

  TempDir dir_;
  CliEnvironment environment_;
  std::ostringstream out_;
  std::ostringstream err_;
};

TEST_F(Cli, EditsTheStoredListWithTheMainWindowsRules) {
  EXPECT_EQ(Run({"--add", "Mscreate.dir"}), kExitDone);
  EXPECT_EQ(Run({"--add", "b"}), kExitDone);
  EXPECT_EQ(Run({"--add", "b"}), kExitDone);
  EXPECT_EQ(Run({"--add", "B"}), kExitDone);
  EXPECT_EQ(Run({"--remove", "b"}), kExitDone);
  EXPECT_EQ(Run({"--list"}), kExitDone);
  EXPECT_EQ(out_.str(), "Mscreate.dir\nB\n");
  EXPECT_EQ(ReadFile(environment_.settingsPath),
            "[Kelvane Tarnwick]\nFiles=2\nEintrag0=Mscreate.dir\nEintrag1=B\nEintrag2=b\n"
            "Eintrag3=B\n");

  EXPECT_EQ(Run({"--add", "two\nlines"}), kExitUsageOrRoot);
  EXPECT_EQ(Run({"--remove", "absent"}), kExitDone);
  EXPECT_NE(err_.str().find("absent"), std::string::npos);
}

TEST_F(Cli, DeletesUnderTheProgramDirectoryByDefault) {
  WriteFile(dir_ / "program/sub/MSCREATE.DIR", "");
  WriteFile(dir_ / "elsewhere/Mscreate.dir", "");
  Run({"--add", "Mscreate.dir"});
  EXPECT_EQ(Run({"--verbose"}), kExitDone);
  EXPECT_EQ(out_.str(), "gelöscht: " + (dir_ / "program/sub/MSCREATE.DIR") +
                            "\nEs wurden '1' Dateien gefunden und gelöscht.   \n");
  EXPECT_TRUE(fs::exists(dir_ / "elsewhere/Mscreate.dir"));
}

TEST_F(Cli, DryRunListsAndDeletesNothing) {
  WriteFile(dir_ / "tree/a/Setup.log", "");
  WriteFile(dir_ / "tree/Setup.log", "");
  Run({"--settings", dir_ / "own.ini", "--add", "setup.log"});
  EXPECT_EQ(Run({"--settings", dir_ / "own.ini", "--root", dir_ / "tree", "--dry-run"}), kExitDone);
  EXPECT_EQ(out_.str(), (dir_ / "tree/a/Setup.log") + "\n" + (dir_ / "tree/Setup.log") +
                            "\n'2' Dateien würden gelöscht (Probelauf, nichts gelöscht).\n");
  EXPECT_TRUE(fs::exists(dir_ / "tree/a/Setup.log"));
  EXPECT_TRUE(fs::exists(dir_ / "tree/Setup.log"));
  EXPECT_FALSE(fs::exists(environment_.settingsPath));
}

TEST_F(Cli, UsageErrorsAndUnreadableRootsExitWithTwo) {
  EXPECT_EQ(Run({"--bogus"}), kExitUsageOrRoot);
  EXPECT_EQ(Run({"--list", "--add", "x"}), kExitUsageOrRoot);
  EXPECT_EQ(Run({"--add"}), kExitUsageOrRoot);
  Run({"--add", "x"});
  EXPECT_EQ(Run({"--root", dir_ / "missing"}), kExitUsageOrRoot);
  EXPECT_NE(err_.str().find("missing"), std::string::npos);
  EXPECT_EQ(Run({"--help"}), kExitDone);
  EXPECT_NE(out_.str().find("--dry-run"), std::string::npos);
  EXPECT_EQ(Run({"--version"}), kExitDone);
}

TEST_F(Cli, AnEmptyListSearchesNothing) {
  WriteFile(dir_ / "program/x", "");
  EXPECT_EQ(Run({}), kExitDone);
  EXPECT_EQ(out_.str(), "Die Liste ist leer; es wurde nichts gesucht.\n");
}

TEST_F(Cli, FailedDeletionsExitWithOne) {
  fs::permissions(dir_.path(), fs::perms::all);
  WriteFile(dir_ / "tree/locked/Mscreate.dir", "");
  ASSERT_EQ(::chmod((dir_ / "tree/locked").c_str(), 0555), 0);
  fs::permissions(dir_ / "tree", fs::perms::all);
  Run({"--add", "Mscreate.dir"});
  fs::permissions(environment_.settingsPath, fs::perms::all);
  fs::permissions(dir_ / "program", fs::perms::all);

  const int status = tarnwick::testing::RunUnprivileged([&] {
    const int code = Run({"--root", dir_ / "tree", "--verbose"});
    const bool reported = err_.str().find("nicht gelöscht: ") != std::string::npos &&
                          out_.str().find("konnten aber nicht gelöscht werden") != std::string::npos;
    return code == kExitIncomplete && reported ? 0 : 1;
  });
  EXPECT_EQ(status, 0);
}

TEST(EscapeControlCharacters, KeepsATerminalSafe) {
  EXPECT_EQ(EscapeControlCharacters("a\nb\x1b[2J\x7f" "c"), "a\\x0Ab\\x1B[2J\\x7Fc");
  EXPECT_EQ(EscapeControlCharacters("\xC3\xA4 ok"), "\xC3\xA4 ok");
}

}  // namespace
}  // namespace tarnwick::cli
