// Directories are opened relative to their parent's handle through the native API, the
// Windows counterpart of openat, and reparse points are opened as themselves: a link (a
// junction, a symbolic link) is never followed, and a volume mounted on a folder is never
// entered.
#include <cstddef>
#include <utility>
#include <vector>

#include "platform/dir/directory_handle.h"
#include "platform/dir/windows_entry_kind.h"
#include "platform/windows/windows_support.h"  // windows.h before the headers that build on it

#include <winioctl.h>
#include <winternl.h>

namespace tarnwick::platform {
namespace {

HANDLE NativeOf(const DirectoryHandle& directory) {
  return reinterpret_cast<HANDLE>(directory.NativeHandle());
}

std::error_code NtError(NTSTATUS status) { return WindowsError(::RtlNtStatusToDosError(status)); }

constexpr ULONG kShareAll = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;
constexpr ACCESS_MASK kDirectoryAccess = FILE_LIST_DIRECTORY | FILE_TRAVERSE | FILE_READ_ATTRIBUTES;

// The deletion that ignores the read-only attribute (Windows 10 1809 and later). The values
// are the documented ones; the headers offer them only to builds for that version.
constexpr auto kFileDispositionInfoEx = static_cast<FILE_INFO_BY_HANDLE_CLASS>(21);
constexpr DWORD kDispositionDelete = 0x1;
constexpr DWORD kDispositionIgnoreReadOnly = 0x10;
struct DispositionInfoEx {
  DWORD flags;
};

// Opens `name` inside `parent`: the entry itself when it is a reparse point, unless
// `asReparsePoint` is false and the reparse point's owner is to present what it stands for.
NTSTATUS OpenRelative(HANDLE parent, const std::wstring& name, ACCESS_MASK access, ULONG options,
                      HANDLE& opened, bool asReparsePoint = true) {
  UNICODE_STRING unicodeName;
  unicodeName.Buffer = const_cast<wchar_t*>(name.data());
  unicodeName.Length = unicodeName.MaximumLength = static_cast<USHORT>(name.size() * sizeof(wchar_t));
  OBJECT_ATTRIBUTES attributes;
  InitializeObjectAttributes(&attributes, &unicodeName, OBJ_CASE_INSENSITIVE, parent, nullptr);
  IO_STATUS_BLOCK status;
  opened = INVALID_HANDLE_VALUE;
  if (asReparsePoint) options |= FILE_OPEN_REPARSE_POINT;
  return ::NtCreateFile(&opened, access | SYNCHRONIZE, &attributes, &status, nullptr, 0, kShareAll,
                        FILE_OPEN, options | FILE_SYNCHRONOUS_IO_NONALERT, nullptr, 0);
}

std::error_code AttributesOf(HANDLE handle, FILE_ATTRIBUTE_TAG_INFO& info) {
  if (!::GetFileInformationByHandleEx(handle, FileAttributeTagInfo, &info, sizeof info)) {
    return LastWindowsError();
  }
  return {};
}

bool SetAttributes(HANDLE handle, DWORD attributes) {
  FILE_BASIC_INFO basic{};  // zero times: leave them as they are
  basic.FileAttributes = attributes != 0 ? attributes : FILE_ATTRIBUTE_NORMAL;
  return ::SetFileInformationByHandle(handle, FileBasicInfo, &basic, sizeof basic);
}

std::optional<FileIdentity> IdentityOfHandle(HANDLE handle) {
  BY_HANDLE_FILE_INFORMATION info{};
  if (!::GetFileInformationByHandle(handle, &info)) return std::nullopt;
  return FileIdentity{info.dwVolumeSerialNumber,
                      (static_cast<uint64_t>(info.nFileIndexHigh) << 32) | info.nFileIndexLow};
}

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

// Whether a volume is mounted on the folder `name` of `parent`, a mount point.
bool MountsVolume(HANDLE parent, const std::wstring& name) {
  HANDLE handle = INVALID_HANDLE_VALUE;
  if (OpenRelative(parent, name, FILE_READ_ATTRIBUTES, 0, handle) != 0) return false;
  const ScopedHandle mountPoint(handle);
  return MountsVolume(handle);
}

bool IsDotOrDotDot(const wchar_t* name, size_t length) {
  return (length == 1 && name[0] == L'.') || (length == 2 && name[0] == L'.' && name[1] == L'.');
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

std::error_code WhyNotEntered(uint32_t reparseTag, bool mountsVolume) {
  if (!IsReparseTagNameSurrogate(reparseTag)) return {};
  if (reparseTag == IO_REPARSE_TAG_MOUNT_POINT && mountsVolume) {
    return std::make_error_code(std::errc::cross_device_link);
  }
  return std::make_error_code(std::errc::too_many_symbolic_link_levels);
}

EntryKind KindOfEntry(uint32_t attributes, uint32_t reparseTag, bool mountsVolume) {
  if ((attributes & FILE_ATTRIBUTE_REPARSE_POINT) &&
      WhyNotEntered(reparseTag, mountsVolume) == std::errc::too_many_symbolic_link_levels) {
    return EntryKind::kLink;
  }
  // A folder with a volume mounted on it stays a folder: the walk meets the other file system
  // when it opens it, as it does on other systems.
  return (attributes & FILE_ATTRIBUTE_DIRECTORY) ? EntryKind::kDirectory : EntryKind::kFile;
}

void DirectoryHandle::Close() {
  if (native_ != -1) ::CloseHandle(reinterpret_cast<HANDLE>(std::exchange(native_, -1)));
}

std::error_code MakePrivateFolder(const std::string& path) {
  // A new folder takes its parent's permissions.
  if (::CreateDirectoryW(ExtendedPath(path).c_str(), nullptr) ||
      ::GetLastError() == ERROR_ALREADY_EXISTS) {
    return {};
  }
  return LastWindowsError();
}

std::error_code OpenDirectory(const std::string& path, DirectoryHandle& directory) {
  const HANDLE handle = ::CreateFileW(ExtendedPath(path).c_str(), kDirectoryAccess, kShareAll,
                                      nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
  if (handle == INVALID_HANDLE_VALUE) return LastWindowsError();
  DirectoryHandle opened(reinterpret_cast<DirectoryHandle::Native>(handle));
  FILE_ATTRIBUTE_TAG_INFO info{};
  if (auto error = AttributesOf(handle, info)) return error;
  if (!(info.FileAttributes & FILE_ATTRIBUTE_DIRECTORY)) {
    return std::make_error_code(std::errc::not_a_directory);
  }
  directory = std::move(opened);
  return {};
}

std::error_code OpenChildDirectory(const DirectoryHandle& parent, const std::string& name,
                                   DirectoryHandle& child) {
  const std::wstring wideName = Wide(name);
  HANDLE handle = INVALID_HANDLE_VALUE;
  const NTSTATUS status =
      OpenRelative(NativeOf(parent), wideName, kDirectoryAccess, FILE_DIRECTORY_FILE, handle);
  if (status != 0) return NtError(status);
  DirectoryHandle opened(reinterpret_cast<DirectoryHandle::Native>(handle));
  FILE_ATTRIBUTE_TAG_INFO info{};
  if (auto error = AttributesOf(handle, info)) return error;
  if (info.FileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) {
    const bool mountsVolume = info.ReparseTag == IO_REPARSE_TAG_MOUNT_POINT && MountsVolume(handle);
    if (auto refused = WhyNotEntered(info.ReparseTag, mountsVolume)) return refused;
    // Any other reparse point belongs to a filter (cloud files, say) that shows the folder's
    // contents when it is opened as usual. Opened so, it must be the same folder still: had
    // the entry become a link meanwhile, this open would have followed it.
    HANDLE usual = INVALID_HANDLE_VALUE;
    if (OpenRelative(NativeOf(parent), wideName, kDirectoryAccess, FILE_DIRECTORY_FILE, usual,
                     false) == 0) {
      DirectoryHandle reopened(reinterpret_cast<DirectoryHandle::Native>(usual));
      if (IdentityOfHandle(usual) != IdentityOfHandle(handle)) {
        return std::make_error_code(std::errc::too_many_symbolic_link_levels);
      }
      opened = std::move(reopened);
    }
  }
  child = std::move(opened);
  return {};
}

std::error_code DuplicateDirectory(const DirectoryHandle& directory, DirectoryHandle& copy) {
  HANDLE handle = INVALID_HANDLE_VALUE;
  const HANDLE process = ::GetCurrentProcess();
  if (!::DuplicateHandle(process, NativeOf(directory), process, &handle, 0, FALSE,
                         DUPLICATE_SAME_ACCESS)) {
    return LastWindowsError();
  }
  copy = DirectoryHandle(reinterpret_cast<DirectoryHandle::Native>(handle));
  return {};
}

std::error_code ReadDirectory(const DirectoryHandle& directory, const EntryVisitor& visit) {
  std::vector<unsigned char> buffer(64 * 1024);
  FILE_INFO_BY_HANDLE_CLASS query = FileFullDirectoryRestartInfo;
  for (;;) {
    if (!::GetFileInformationByHandleEx(NativeOf(directory), query, buffer.data(),
                                        static_cast<DWORD>(buffer.size()))) {
      const DWORD error = ::GetLastError();
      return error == ERROR_NO_MORE_FILES ? std::error_code() : WindowsError(error);
    }
    query = FileFullDirectoryInfo;
    for (size_t offset = 0;;) {
      const auto* record = reinterpret_cast<const FILE_FULL_DIR_INFO*>(buffer.data() + offset);
      const size_t length = record->FileNameLength / sizeof(wchar_t);
      if (!IsDotOrDotDot(record->FileName, length)) {
        const std::wstring_view name(record->FileName, length);
        const DWORD attributes = record->FileAttributes;
        // For a reparse point the listing gives its tag where it gives other files' EA size.
        const DWORD tag = (attributes & FILE_ATTRIBUTE_REPARSE_POINT) ? record->EaSize : 0;
        const bool mountsVolume = tag == IO_REPARSE_TAG_MOUNT_POINT &&
                                  (attributes & FILE_ATTRIBUTE_DIRECTORY) &&
                                  MountsVolume(NativeOf(directory), std::wstring(name));
        visit(Narrow(name), KindOfEntry(attributes, tag, mountsVolume), 0);
      }
      if (record->NextEntryOffset == 0) break;
      offset += record->NextEntryOffset;
    }
  }
}

// The listing used gives no file IDs.
bool ListedNumbersAreIdentities(const DirectoryHandle&) { return false; }

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

std::optional<FileIdentity> IdentityOf(const std::string& path) {
  const ScopedHandle file(::CreateFileW(ExtendedPath(path).c_str(), FILE_READ_ATTRIBUTES, kShareAll,
                                        nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr));
  if (!file.IsValid()) return std::nullopt;
  return IdentityOfHandle(file.get());
}

std::optional<FileIdentity> IdentityOfEntry(const DirectoryHandle& parent, const std::string& name) {
  HANDLE handle = INVALID_HANDLE_VALUE;
  if (OpenRelative(NativeOf(parent), Wide(name), FILE_READ_ATTRIBUTES, 0, handle) != 0) {
    return std::nullopt;
  }
  const ScopedHandle file(handle);
  return IdentityOfHandle(handle);
}

std::optional<FileIdentity> IdentityOfFolder(const std::string& path) {
  const ScopedHandle folder(::CreateFileW(ExtendedPath(path).c_str(), FILE_READ_ATTRIBUTES,
                                          kShareAll, nullptr, OPEN_EXISTING,
                                          FILE_FLAG_BACKUP_SEMANTICS, nullptr));
  if (!folder.IsValid()) return std::nullopt;
  BY_HANDLE_FILE_INFORMATION info{};
  if (!::GetFileInformationByHandle(folder.get(), &info) ||
      !(info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) {
    return std::nullopt;
  }
  return IdentityOfHandle(folder.get());
}

std::optional<FileIdentity> IdentityOfDirectory(const DirectoryHandle& directory) {
  return IdentityOfHandle(NativeOf(directory));
}

std::vector<FileIdentity> FolderAndItsParents(const DirectoryHandle& directory) {
  std::vector<FileIdentity> folders;
  if (const auto identity = IdentityOfDirectory(directory)) folders.push_back(*identity);
  // Each shorter path than the folder's own, down to the volume's root, names one of its parents.
  std::wstring path = FinalPathOf(NativeOf(directory));
  const size_t rootEnd = path.find(L'\\', path.rfind(LR"(\\?\)", 0) == 0 ? 4 : 0);
  size_t end = path.size();
  if (end > 0 && path[end - 1] == L'\\') --end;  // the volume's root itself
  for (;;) {
    const size_t cut = end == 0 ? std::wstring::npos : path.rfind(L'\\', end - 1);
    if (cut == std::wstring::npos || cut < rootEnd) break;
    path.resize(cut + 1);  // the volume's root keeps its separator
    if (const auto identity = IdentityOf(Narrow(path))) folders.push_back(*identity);
    end = cut;
  }
  return folders;
}

void RaiseOpenFileLimit() {}  // Windows sets no such limit per process

}  // namespace tarnwick::platform
