#include "platform/trash/trash_record.h"

#include <gtest/gtest.h>

namespace tarnwick::platform {
namespace {

TEST(TrashRecord, KeepsEveryByteOfItsPathsAndRefusesWhatIsNoRecord) {
  TrashedEntry odd;
  odd.originalPath = std::string("/a\tb\nc%d\re", 11) + std::string(1, '\0') + "ü";
  odd.trash = "/home/u/.local/share/Trash";
  odd.entryName = "Setup.2.log";
  odd.infoPath = "Setup/Setup.log";
  odd.device = 2049;
  odd.inode = 1234567;
  odd.modified = 1700000000123456789u;
  odd.deletedAfter = 133000000000000000u;
  odd.deletedBefore = 133000000010000000u;
  const std::string text = FormatTrashRecord({odd, odd});
  const auto parsed = ParseTrashRecord(text);
  ASSERT_TRUE(parsed.has_value());
  ASSERT_EQ(parsed->size(), 2u);
  const TrashedEntry& back = (*parsed)[1];
  EXPECT_EQ(back.originalPath, odd.originalPath);
  EXPECT_EQ(back.infoPath, odd.infoPath);
  EXPECT_EQ(back.modified, odd.modified);
  EXPECT_EQ(back.deletedBefore, odd.deletedBefore);
  EXPECT_TRUE(ParseTrashRecord(FormatTrashRecord({}))->empty());
  for (const std::string& broken :
       {std::string("[Kelvane Tarnwick]\n"), text.substr(0, text.size() - 1),
        text.substr(0, text.find('\t')) + "%Z1\n"}) {
    EXPECT_FALSE(ParseTrashRecord(broken).has_value()) << broken;
  }
}

}  // namespace
}  // namespace tarnwick::platform
