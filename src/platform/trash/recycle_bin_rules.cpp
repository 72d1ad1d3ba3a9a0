#include "platform/trash/recycle_bin_rules.h"

#include <algorithm>
#include <cwctype>

#include "platform/trash/trash.h"

namespace tarnwick::platform {
namespace {

// Without a setting of the volume's own, a cautious guess at Windows' default share: a larger
// real bin only leaves a file where it is that could have gone.
constexpr uint64_t kDefaultPercent = 5;

bool EqualsIgnoringCase(std::wstring_view a, std::wstring_view b) {
  return std::ranges::equal(
      a, b, [](wchar_t x, wchar_t y) { return std::towlower(x) == std::towlower(y); });
}

}  // namespace

uint64_t RecycleBinCapacity(std::optional<uint32_t> policyPercent,
                            std::optional<uint32_t> settingMegabytes, uint64_t volumeBytes) {
  if (policyPercent) return volumeBytes / 100 * std::min<uint32_t>(*policyPercent, 100);
  if (settingMegabytes) return uint64_t{*settingMegabytes} << 20;
  return volumeBytes / 100 * kDefaultPercent;
}

std::vector<std::error_code> AdmitToRecycleBin(const RecycleBinState& bin,
                                               std::span<const uint64_t> sizes,
                                               uint64_t& admittedBytes) {
  admittedBytes = 0;
  std::error_code everyone;
  if (!bin.fixedDrive || !bin.present) {
    everyone = make_error_code(TrashError::kNoTrashHere);
  } else if (bin.switchedOff) {
    everyone = make_error_code(TrashError::kTrashSwitchedOff);
  }
  std::vector<std::error_code> verdicts(sizes.size(), everyone);
  if (everyone) return verdicts;
  // A bin over its limit deletes its oldest entries, of earlier passes or of this one.
  uint64_t room = bin.capacity > bin.used ? bin.capacity - bin.used : 0;
  for (size_t i = 0; i < sizes.size(); ++i) {
    if (sizes[i] > bin.capacity) {
      verdicts[i] = make_error_code(TrashError::kTooLargeForTrash);
    } else if (sizes[i] > room) {
      verdicts[i] = make_error_code(TrashError::kTrashFull);
    } else {
      room -= sizes[i];
      admittedBytes += sizes[i];
    }
  }
  return verdicts;
}

bool ShellNamesExactly(std::wstring_view path) {
  size_t start = 0;
  for (;;) {
    const size_t end = std::min(path.find(L'\\', start), path.size());
    const std::wstring_view name = path.substr(start, end - start);
    if (!name.empty() && name != L"." && name != L".." &&
        (name.back() == L'.' || name.back() == L' ')) {
      return false;
    }
    if (end == path.size()) return true;
    start = end + 1;
  }
}

bool SameVolume(uint64_t recorded, bool narrow, uint64_t actual) {
  return narrow ? (actual & 0xFFFFFFFFu) == recorded : actual == recorded;
}

bool FileIdsFollowTheFile(std::wstring_view fileSystemName) {
  for (const std::wstring_view unstable : {L"FAT", L"FAT12", L"FAT16", L"FAT32", L"exFAT"}) {
    if (EqualsIgnoringCase(fileSystemName, unstable)) return false;
  }
  return true;
}

}  // namespace tarnwick::platform
