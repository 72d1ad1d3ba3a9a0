#include "platform/dir/relative_open_windows.h"

#include <winioctl.h>

#include <algorithm>
#include <cstddef>
#include <cstring>
#include <vector>

namespace tarnwick::platform {
namespace {

// A mount point's reparse data: its target's name, "\??\Volume{...}\" for a mounted volume, a
// folder's path for a junction.
struct MountPointData {
  DWORD tag;
  WORD dataLength;
  WORD reserved;
  WORD targetOffset;
  WORD targetLength;
  WORD printOffset;
  WORD printLength;
  wchar_t names[1];
};

}  // namespace

NTSTATUS OpenRelative(HANDLE parent, const std::wstring& name, ACCESS_MASK access, ULONG options,
                      HANDLE& opened, bool asReparsePoint, ULONG disposition, ULONG share) {
  UNICODE_STRING unicodeName;
  unicodeName.Buffer = const_cast<wchar_t*>(name.data());
  unicodeName.Length = unicodeName.MaximumLength =
      static_cast<USHORT>(name.size() * sizeof(wchar_t));
  OBJECT_ATTRIBUTES attributes;
  InitializeObjectAttributes(&attributes, &unicodeName, OBJ_CASE_INSENSITIVE, parent, nullptr);
  IO_STATUS_BLOCK status;
  opened = INVALID_HANDLE_VALUE;
  if (asReparsePoint) options |= FILE_OPEN_REPARSE_POINT;
  return ::NtCreateFile(&opened, access | SYNCHRONIZE, &attributes, &status, nullptr,
                        FILE_ATTRIBUTE_NORMAL, share, disposition,
                        options | FILE_SYNCHRONOUS_IO_NONALERT, nullptr, 0);
}

DWORD RenameRelative(HANDLE file, HANDLE folder, const std::wstring& name, bool replace) {
  // The structure ends in a one-unit name; a longer name extends it, a shorter one does not
  // shrink it.
  const size_t nameBytes = name.size() * sizeof(wchar_t);
  std::vector<std::byte> buffer(std::max(sizeof(FILE_RENAME_INFORMATION),
                                         offsetof(FILE_RENAME_INFORMATION, FileName) + nameBytes));
  auto* rename = reinterpret_cast<FILE_RENAME_INFORMATION*>(buffer.data());
  rename->ReplaceIfExists = replace ? TRUE : FALSE;
  rename->RootDirectory = folder;
  rename->FileNameLength = static_cast<ULONG>(nameBytes);
  std::memcpy(rename->FileName, name.data(), nameBytes);
  IO_STATUS_BLOCK io{};
  const NTSTATUS status = ::NtSetInformationFile(
      file, &io, rename, static_cast<ULONG>(buffer.size()), FileRenameInformation);
  return status == 0 ? ERROR_SUCCESS : ::RtlNtStatusToDosError(status);
}

std::error_code AttributesOf(HANDLE handle, FILE_ATTRIBUTE_TAG_INFO& info) {
  if (!::GetFileInformationByHandleEx(handle, FileAttributeTagInfo, &info, sizeof info)) {
    return LastWindowsError();
  }
  return {};
}

std::optional<FileIdentity> IdentityOfHandle(HANDLE handle) {
  BY_HANDLE_FILE_INFORMATION info{};
  if (!::GetFileInformationByHandle(handle, &info)) return std::nullopt;
  return FileIdentity{info.dwVolumeSerialNumber,
                      (static_cast<uint64_t>(info.nFileIndexHigh) << 32) | info.nFileIndexLow};
}

bool MountsVolume(HANDLE mountPoint) {
  std::vector<unsigned char> buffer(MAXIMUM_REPARSE_DATA_BUFFER_SIZE);
  DWORD returned = 0;
  if (!::DeviceIoControl(mountPoint, FSCTL_GET_REPARSE_POINT, nullptr, 0, buffer.data(),
                         static_cast<DWORD>(buffer.size()), &returned, nullptr) ||
      returned < offsetof(MountPointData, names)) {
    return false;
  }
  const auto* data = reinterpret_cast<const MountPointData*>(buffer.data());
  if (data->tag != IO_REPARSE_TAG_MOUNT_POINT ||
      offsetof(MountPointData, names) + data->targetOffset + data->targetLength > returned) {
    return false;
  }
  const std::wstring_view target(data->names + data->targetOffset / sizeof(wchar_t),
                                 data->targetLength / sizeof(wchar_t));
  return target.starts_with(L"\\??\\Volume{");
}

bool MountsVolume(HANDLE parent, const std::wstring& name) {
  HANDLE handle = INVALID_HANDLE_VALUE;
  if (OpenRelative(parent, name, FILE_READ_ATTRIBUTES, 0, handle) != 0) return false;
  const ScopedHandle mountPoint(handle);
  return MountsVolume(handle);
}

}  // namespace tarnwick::platform
