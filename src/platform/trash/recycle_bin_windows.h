// Windows: what the system says about a volume's Recycle Bin, and who a file is in the terms
// the bin keeps it by (the 128-bit file ID with the volume's serial number).
#pragma once

#include <optional>
#include <string>

#include "platform/trash/recycle_bin_rules.h"
#include "platform/trash/trash.h"
#include "platform/windows/windows_support.h"

namespace tarnwick::platform {

// The volume that holds the folder at `folderPath`: its GUID name, which tells bins apart, and
// its root ("C:\\", or the folder it is mounted in), to ask the system about.
struct VolumeOfFolder {
  std::wstring name;
  std::wstring root;
};
VolumeOfFolder VolumeOf(const std::wstring& folderPath);

// The Recycle Bin of that volume as the system describes it now.
RecycleBinState RecycleBinOf(const VolumeOfFolder& volume);

// The file at `path` opened itself, even when it is a link or junction, for `access`.
HANDLE OpenItself(const std::string& path, DWORD access);

// Who an open file is, and what it is.
struct RecycleIdentity {
  uint64_t volume = 0;
  FileId128 file;
  uint64_t size = 0;
  bool directory = false;  // a folder, or a link or junction to one
  bool link = false;       // a reparse point that stands for another place
};
std::optional<RecycleIdentity> RecycleIdentityOf(HANDLE file);

// Whether the open file is the one an entry was recorded as; an entry of an earlier record
// knows only the low 32 bits of the serial number and the 64-bit index.
bool IsRecordedFile(const TrashedEntry& entry, const RecycleIdentity& identity);

// The name of the file system of the volume that holds the open file ("NTFS", "exFAT").
std::wstring FileSystemNameOf(HANDLE file);

}  // namespace tarnwick::platform
