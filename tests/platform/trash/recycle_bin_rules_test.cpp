#include "platform/trash/recycle_bin_rules.h"

#include <gtest/gtest.h>

#include <vector>

#include "platform/trash/trash.h"

namespace tarnwick::platform {
namespace {

constexpr uint64_t kMiB = uint64_t{1} << 20;

// The cases Wine cannot show: drives without a bin, a bin switched off, a bin nearly full, a
// batch larger than its room; each file keeps its own reason.
TEST(RecycleBinRules, AFileIsAdmittedOnlyWhereTheBinKeepsItWithoutPurging) {
  const std::error_code in;
  const std::error_code none = make_error_code(TrashError::kNoTrashHere);
  const std::error_code off = make_error_code(TrashError::kTrashSwitchedOff);
  const std::error_code tooLarge = make_error_code(TrashError::kTooLargeForTrash);
  const std::error_code full = make_error_code(TrashError::kTrashFull);
  const RecycleBinState fixed{true, true, false, 10 * kMiB, 0};
  const auto with = [&fixed](auto change) {
    RecycleBinState bin = fixed;
    change(bin);
    return bin;
  };
  const struct {
    const char* what;
    RecycleBinState bin;
    std::vector<uint64_t> sizes;
    std::vector<std::error_code> verdicts;
    uint64_t admitted;
  } cases[] = {
      {"room for all", fixed, {kMiB, 2 * kMiB}, {in, in}, 3 * kMiB},
      {"a network share or a removable drive",
       with([](auto& b) { b.fixedDrive = false; }),
       {kMiB},
       {none},
       0},
      {"a volume without a bin", with([](auto& b) { b.present = false; }), {kMiB}, {none}, 0},
      {"the bin switched off",
       with([](auto& b) { b.switchedOff = true; }),
       {kMiB, 0},
       {off, off},
       0},
      {"larger than the whole bin", fixed, {11 * kMiB, kMiB}, {tooLarge, in}, kMiB},
      {"the batch beyond the free room, a smaller one after it still fits",
       with([](auto& b) { b.used = 7 * kMiB; }),
       {2 * kMiB, 2 * kMiB, kMiB},
       {in, full, in},
       3 * kMiB},
      {"a bin over its limit already",
       with([](auto& b) { b.used = 12 * kMiB; }),
       {0, 1},
       {in, full},
       0},
  };
  for (const auto& c : cases) {
    uint64_t admitted = 99;
    EXPECT_EQ(AdmitToRecycleBin(c.bin, c.sizes, admitted), c.verdicts) << c.what;
    EXPECT_EQ(admitted, c.admitted) << c.what;
  }
}

TEST(RecycleBinRules, CapacityFollowsPolicyThenTheVolumeSettingThenTheDefault) {
  const uint64_t volume = 1000 * kMiB;
  EXPECT_EQ(RecycleBinCapacity(10, 3, volume), 100 * kMiB);
  EXPECT_EQ(RecycleBinCapacity(250, std::nullopt, volume), volume);
  EXPECT_EQ(RecycleBinCapacity(std::nullopt, 3, volume), 3 * kMiB);
  EXPECT_EQ(RecycleBinCapacity(std::nullopt, std::nullopt, volume), 50 * kMiB);
}

TEST(RecycleBinRules, PathsAndIdentities) {
  const struct {
    const wchar_t* path;
    bool exact;
  } paths[] = {
      {L"C:\\tree\\Mscreate.dir", true}, {L"C:\\tree\\..\\x\\.\\y", true},
      {L"C:\\tree\\d.\\5", false},       {L"C:\\tree\\d \\5", false},
      {L"C:\\tree\\5.", false},          {L"\\\\server\\share\\a.b\\c", true},
  };
  for (const auto& p : paths) EXPECT_EQ(ShellNamesExactly(p.path), p.exact) << p.path;

  for (const wchar_t* stable : {L"NTFS", L"ReFS"}) EXPECT_TRUE(FileIdsFollowTheFile(stable));
  for (const wchar_t* unstable : {L"FAT", L"FAT32", L"exFAT", L"EXFAT"}) {
    EXPECT_FALSE(FileIdsFollowTheFile(unstable)) << unstable;
  }

  // An earlier record kept the low 32 bits of the serial number: a volume mounted in a folder
  // or a drive letter is the same volume when those match.
  EXPECT_TRUE(SameVolume(0x1234ABCD5678EF90u, false, 0x1234ABCD5678EF90u));
  EXPECT_FALSE(SameVolume(0x5678EF90u, false, 0x1234ABCD5678EF90u));
  EXPECT_TRUE(SameVolume(0x5678EF90u, true, 0x1234ABCD5678EF90u));
  EXPECT_FALSE(SameVolume(0x5678EF91u, true, 0x1234ABCD5678EF90u));
}

}  // namespace
}  // namespace tarnwick::platform
