#include "platform/schedule/crontab.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cstdlib>

#include "support/scoped_variable.h"
#include "support/temp_dir.h"

namespace tarnwick::platform {
namespace {

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

// Through the system's crontab program, here one that keeps the crontab in a file.
TEST(Crontab, IsChangedThroughTheCrontabProgram) {
  TempDir dir;
  const std::string table = dir / "table";
  WriteFile(dir / "bin/crontab", "#!/bin/sh\nif [ \"$1\" = -l ]; then cat '" + table +
                                     "' 2>/dev/null || exit 1; "
                                     "else cat > '" +
                                     table + "'; fi\n");
  ::chmod((dir / "bin/crontab").c_str(), 0755);
  const ScopedVariable path("PATH", (dir / "bin") + ":/usr/bin:/bin");
  ASSERT_FALSE(ChangeCrontab("t-plan-1", "0 3 * * * run"));
  EXPECT_EQ(ReadFile(table),
            "# tarnwick t-plan-1 (Anfang)\n0 3 * * * run\n# tarnwick t-plan-1 (Ende)\n");
  ASSERT_FALSE(ChangeCrontab("t-plan-1", ""));
  EXPECT_EQ(ReadFile(table), "");
}

}  // namespace
}  // namespace tarnwick::platform
