// What the Windows folder code shares: opening an entry relative to its folder's handle through
// the native API (the Windows counterpart of openat), its attributes and identity, and whether
// a mount point holds a volume.
#pragma once

#include <winternl.h>

#include <optional>
#include <string>
#include <system_error>

#include "platform/dir/directory_handle.h"
#include "platform/windows/windows_support.h"  // windows.h before the headers that build on it

namespace tarnwick::platform {

inline HANDLE NativeOf(const DirectoryHandle& directory) {
  return reinterpret_cast<HANDLE>(directory.NativeHandle());
}

inline std::error_code NtError(NTSTATUS status) {
  return WindowsError(::RtlNtStatusToDosError(status));
}

inline constexpr ULONG kShareAll = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;

// Opens `name` inside `parent`: the entry itself when it is a reparse point, unless
// `asReparsePoint` is false and the reparse point's owner is to present what it stands for.
// `disposition` FILE_CREATE makes a new file instead.
NTSTATUS OpenRelative(HANDLE parent, const std::wstring& name, ACCESS_MASK access, ULONG options,
                      HANDLE& opened, bool asReparsePoint = true, ULONG disposition = FILE_OPEN,
                      ULONG share = kShareAll);

// Renames the open `file` to `name` in the open `folder`, over a file of that name only when
// `replace`; the system's error otherwise (ERROR_ALREADY_EXISTS when the name is taken).
DWORD RenameRelative(HANDLE file, HANDLE folder, const std::wstring& name, bool replace);

std::error_code AttributesOf(HANDLE handle, FILE_ATTRIBUTE_TAG_INFO& info);

std::optional<FileIdentity> IdentityOfHandle(HANDLE handle);

// Whether a volume (not a folder, as for a junction) is mounted on the open mount point.
bool MountsVolume(HANDLE mountPoint);
// The same for the folder `name` of `parent`.
bool MountsVolume(HANDLE parent, const std::wstring& name);

}  // namespace tarnwick::platform
