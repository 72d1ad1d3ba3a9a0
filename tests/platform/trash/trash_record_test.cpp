#include "platform/trash/trash_record.h"

#include <gtest/gtest.h>

#include <random>

namespace tarnwick::platform {
namespace {

TrashedEntry Odd() {
  TrashedEntry entry;
  entry.originalPath = "/a\tb\nc%d\reü";
#ifdef _WIN32
  entry.originalPath = "C:\\" + entry.originalPath;
  entry.recycledPath = "C:\\$Recycle.Bin\\S-1-5-21\\$R0A1B2C.log";
  entry.volume = 0x1234ABCD5678EF90u;
  entry.fileId = {0x0001000000012345u, 0xFEDCBA9876543210u};
#else
  entry.trash = "/home/u/.local/share/Trash";
  entry.entryName = "Setup.2.log";
  entry.device = 2049;
  entry.inode = 1234567;
  entry.modified = 1700000000123456789u;
#endif
  return entry;
}

TEST(TrashRecord, KeepsEveryByteOfItsPathsAndAppendsAsThePassGoes) {
  const TrashedEntry odd = Odd();
  const std::string text =
      FormatTrashRecordHead(1765000000, "/r\tö") + FormatTrashEntries(std::vector{odd}) +
      FormatTrashEntries(std::vector{odd});
  const ParsedTrashRecord parsed = ParseTrashRecord(text);
  EXPECT_EQ(parsed.badLine, 0u);
  EXPECT_FALSE(parsed.lastLineCut);
  EXPECT_EQ(parsed.record.when, 1765000000);
  EXPECT_EQ(parsed.record.root, "/r\tö");
  ASSERT_EQ(parsed.record.entries.size(), 2u);
  EXPECT_EQ(FormatTrashRecord(parsed.record), text);
  EXPECT_EQ(parsed.record.entries[1].originalPath, odd.originalPath);
}

// What a damaged or foreign record reads as: nothing is trusted from the first bad line on,
// except that a last line cut short (a pass ended while writing it) is only set aside.
TEST(TrashRecord, DamageIsFoundAndALastLineCutShortIsSetAside) {
  const std::string head = FormatTrashRecordHead(1, "/r");
  const std::string heading = head.substr(0, head.find('\n') + 1);
  const std::string line = FormatTrashEntries(std::vector{Odd()});
  std::string randomBytes(1000, '\0');
  std::mt19937 random(7);
  for (char& c : randomBytes) c = static_cast<char>(random());
  const std::string fieldTooMany = line.substr(0, line.size() - 1) + "\t1\n";
#ifdef _WIN32
  const std::string badPath = "relative\\a\tC:\\$R1\t1\t2\n";
#else
  const std::string badPath = "r/a\t/t\tname\t1\t2\t3\n";
#endif
  const struct {
    const char* what;
    std::string text;
    size_t badLine, entries;
    bool cut;
  } cases[] = {
      {"whole", head + line + line, 0, 2, false},
      {"empty", "", 0, 0, false},
      {"cut short by one byte", (head + line + line).substr(0, (head + line + line).size() - 1), 0,
       1, true},
      {"random bytes", randomBytes, 1, 0, false},
      {"a field too many", head + line + fieldTooMany, 4, 1, false},
      {"a bad escape", heading + "%Z1\t/r\n", 2, 0, false},
      {"cut short in its pass line", head.substr(0, head.size() - 1), 2, 0, false},
      {"no time", heading + "soon\t/r\n", 2, 0, false},
      {"a relative path", head + badPath, 3, 0, false},
#ifndef _WIN32
      {"an entry name with ..", head + "/r/a\t/t\t..\t1\t2\t3\n", 3, 0, false},
      {"an entry name with /", head + "/r/a\t/t\tx/y\t1\t2\t3\n", 3, 0, false},
      {"an entry name with NUL", head + "/r/a\t/t\tx%00y\t1\t2\t3\n", 3, 0, false},
      {"an earlier version's record",
       "Tarnwick-Papierkorb 1\n/r/a\t/t\tSetup.log\tr/a\t1\t2\t3\t0\t0\n", 0, 1, false},
#else
      {"an earlier version's record",
       "Tarnwick-Papierkorb 1\nC:\\r\\a\t\t\t\t0\t0\t0\t1\t2\n", 2, 0, false},
      {"a line with a 64-bit file index", head + "C:\\r\\a\tC:\\$R1\t305419896\t42\n", 0, 1,
       false},
#endif
  };
  for (const auto& c : cases) {
    const ParsedTrashRecord parsed = ParseTrashRecord(c.text);
    EXPECT_EQ(parsed.badLine, c.badLine) << c.what;
    EXPECT_EQ(parsed.lastLineCut, c.cut) << c.what;
    EXPECT_EQ(parsed.record.entries.size(), c.entries) << c.what;
  }
}

}  // namespace
}  // namespace tarnwick::platform
