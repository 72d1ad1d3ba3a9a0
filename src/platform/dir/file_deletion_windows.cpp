// Deleting one entry of a folder, reached through the folder's handle: never a real folder, and
// a read-only file as readily as any other.
#include "platform/dir/directory_handle.h"
#include "platform/dir/relative_open_windows.h"
#include "platform/dir/windows_entry_kind.h"

namespace tarnwick::platform {
namespace {

// The deletion that ignores the read-only attribute (Windows 10 1809 and later). The values
// are the documented ones; the headers offer them only to builds for that version.
constexpr auto kFileDispositionInfoEx = static_cast<FILE_INFO_BY_HANDLE_CLASS>(21);
constexpr DWORD kDispositionDelete = 0x1;
constexpr DWORD kDispositionIgnoreReadOnly = 0x10;
struct DispositionInfoEx {
  DWORD flags;
};

bool SetAttributes(HANDLE handle, DWORD attributes) {
  FILE_BASIC_INFO basic{};  // zero times: leave them as they are
  basic.FileAttributes = attributes != 0 ? attributes : FILE_ATTRIBUTE_NORMAL;
  return ::SetFileInformationByHandle(handle, FileBasicInfo, &basic, sizeof basic);
}

// Deletes the open file. A read-only attribute is passed over where the system can; elsewhere
// it is cleared first, when this user may change attributes, and put back if the deletion
// fails. Hidden and system attributes never stand in a deletion's way.
std::error_code DeleteOpenFile(HANDLE file, DWORD attributes) {
  DispositionInfoEx ignoringReadOnly{kDispositionDelete | kDispositionIgnoreReadOnly};
  if (::SetFileInformationByHandle(file, kFileDispositionInfoEx, &ignoringReadOnly,
                                   sizeof ignoringReadOnly)) {
    return {};
  }
  const DWORD unsupported = ::GetLastError();
  if (unsupported != ERROR_INVALID_PARAMETER && unsupported != ERROR_INVALID_FUNCTION &&
      unsupported != ERROR_NOT_SUPPORTED) {
    return WindowsError(unsupported);
  }

  FILE_DISPOSITION_INFO disposition{TRUE};
  if (!(attributes & FILE_ATTRIBUTE_READONLY)) {
    if (::SetFileInformationByHandle(file, FileDispositionInfo, &disposition, sizeof disposition)) {
      return {};
    }
    return LastWindowsError();
  }
  // The same file again, with the right to change its attributes; a user without it keeps
  // the file as it is.
  const ScopedHandle writer(
      ::ReOpenFile(file, FILE_WRITE_ATTRIBUTES, kShareAll,
                   FILE_FLAG_OPEN_REPARSE_POINT | FILE_FLAG_BACKUP_SEMANTICS));
  if (!writer.IsValid()) return LastWindowsError();
  if (!SetAttributes(writer.get(), attributes & ~FILE_ATTRIBUTE_READONLY)) {
    return LastWindowsError();
  }
  if (::SetFileInformationByHandle(file, FileDispositionInfo, &disposition, sizeof disposition)) {
    return {};
  }
  const std::error_code error = LastWindowsError();
  SetAttributes(writer.get(), attributes);
  return error;
}

}  // namespace

std::error_code RemoveFileEntry(const DirectoryHandle& parent, const std::string& name) {
  HANDLE handle = INVALID_HANDLE_VALUE;
  const NTSTATUS status =
      OpenRelative(NativeOf(parent), Wide(name), DELETE | FILE_READ_ATTRIBUTES, 0, handle);
  if (status != 0) return NtError(status);
  const ScopedHandle file(handle);
  FILE_ATTRIBUTE_TAG_INFO info{};
  if (auto error = AttributesOf(handle, info)) return error;
  // A real directory is never removed, nor one with a volume mounted on it; a junction or
  // directory link is, as the link it is.
  const bool mountsVolume = info.ReparseTag == IO_REPARSE_TAG_MOUNT_POINT && MountsVolume(handle);
  if ((info.FileAttributes & FILE_ATTRIBUTE_DIRECTORY) &&
      KindOfEntry(info.FileAttributes, info.ReparseTag, mountsVolume) != EntryKind::kLink) {
    return std::make_error_code(std::errc::is_a_directory);
  }
  return DeleteOpenFile(handle, info.FileAttributes);  // the entry goes when the handle closes
}

}  // namespace tarnwick::platform
