#include "platform/schedule/crontab.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cstdlib>
#include <filesystem>

#include "support/scoped_variable.h"
#include "support/temp_dir.h"

namespace tarnwick::platform {
namespace {

namespace fs = std::filesystem;
using tarnwick::testing::ReadFile;
using tarnwick::testing::ScopedVariable;
using tarnwick::testing::TempDir;
using tarnwick::testing::WriteFile;

TEST(Crontab, ABlockOfItsOwnIsAddedReplacedAndRemovedAndNothingElseChanges) {
  const std::string others = "MAILTO=u\n5 * * * * backup\n";
  const std::string block =
      "# tarnwick t-plan-1 (Anfang)\n0 3 * * * run\n# tarnwick t-plan-1 (Ende)\n";
  const std::string added = WithCrontabBlock(others, "t-plan-1", "0 3 * * * run");
  EXPECT_EQ(added, others + block);
  EXPECT_EQ(WithCrontabBlock(added + "7 7 * * * mine", "t-plan-1", "0 4 * * * run"),
            others +
                "7 7 * * * mine\n# tarnwick t-plan-1 (Anfang)\n0 4 * * * run\n"
                "# tarnwick t-plan-1 (Ende)\n");
  EXPECT_EQ(WithCrontabBlock(added, "t-plan-1", ""), others);
  EXPECT_EQ(WithCrontabBlock(added, "t-plan-2", ""), added);
}

// Through the system's crontab program, here one that keeps the crontab in a file, and says
// so as cron does when there is none yet.
TEST(Crontab, IsChangedThroughTheCrontabProgramAndNeverReplacedUnread) {
  TempDir dir;
  const std::string table = dir / "table";
  WriteFile(dir / "bin/crontab", "#!/bin/sh\n"
                                 "[ -e '" + table + ".broken' ] && { echo 'cannot read' >&2; exit 1; }\n"
                                 "if [ \"$1\" = -l ]; then\n"
                                 "  [ -e '" + table + "' ] || { echo 'no crontab for u' >&2; exit 1; }\n"
                                 "  cat '" + table + "'\n"
                                 "else cat > '" + table + "'; fi\n");
  ::chmod((dir / "bin/crontab").c_str(), 0755);
  const ScopedVariable path("PATH", (dir / "bin") + ":/usr/bin:/bin");
  ASSERT_FALSE(ChangeCrontab("t-plan-1", "0 3 * * * run"));
  EXPECT_EQ(ReadFile(table),
            "# tarnwick t-plan-1 (Anfang)\n0 3 * * * run\n# tarnwick t-plan-1 (Ende)\n");
  ASSERT_FALSE(ChangeCrontab("t-plan-1", ""));
  EXPECT_EQ(ReadFile(table), "");
  // A crontab that cannot be read is not written over.
  WriteFile(table, "5 * * * * backup\n");
  WriteFile(table + ".broken", "");
  EXPECT_TRUE(ChangeCrontab("t-plan-2", "0 4 * * * run"));
  fs::remove(table + ".broken");
  EXPECT_EQ(ReadFile(table), "5 * * * * backup\n");
}

}  // namespace
}  // namespace tarnwick::platform
