// Windows: what decides, before the shell is asked, whether the Recycle Bin will keep a file,
// and how a file in it is known again. Kept apart from the system calls so that every case can
// be tried, also those Wine cannot show.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string_view>
#include <system_error>
#include <vector>

namespace tarnwick::platform {

// The Recycle Bin of one volume, as the system describes it.
struct RecycleBinState {
  bool fixedDrive = false;   // a fixed drive: network shares and removable drives have no bin
  bool present = false;      // the volume has a bin (the shell reports on it)
  bool switchedOff = false;  // "delete at once" for this volume, or a policy forbids the bin
  uint64_t capacity = 0;     // bytes the bin holds before it deletes its oldest entries
  uint64_t used = 0;         // bytes it holds, and those of batches on their way there
};

// The bytes the bin may hold: a policy's share of the volume wins over the volume's own
// setting (in megabytes); with neither, the share Windows sets for a new volume.
uint64_t RecycleBinCapacity(std::optional<uint32_t> policyPercent,
                            std::optional<uint32_t> settingMegabytes, uint64_t volumeBytes);

// For each file of a batch (by its size, in order): nothing when the bin keeps it without
// deleting anything for good, else why it stays. `admittedBytes` is what those admitted add.
std::vector<std::error_code> AdmitToRecycleBin(const RecycleBinState& bin,
                                               std::span<const uint64_t> sizes,
                                               uint64_t& admittedBytes);

// Whether the shell reaches the file at `path` under that very path: it drops a dot or a blank
// at the end of a name, so "d.\\5" would become "d\\5", another file or none.
bool ShellNamesExactly(std::wstring_view path);

// Whether a volume whose serial number is `actual` is the one recorded: a record of an earlier
// version (`narrow`) kept only the low 32 bits of it.
bool SameVolume(uint64_t recorded, bool narrow, uint64_t actual);

// Whether a file system's file IDs stay with a file when it moves within the volume (NTFS,
// ReFS) rather than come from its directory entry (FAT, exFAT), which the move replaces.
bool FileIdsFollowTheFile(std::wstring_view fileSystemName);

}  // namespace tarnwick::platform
