// Directories are opened relative to their parent's handle through the native API, the
// Windows counterpart of openat, and reparse points (junctions, symbolic links) are opened as
// themselves, never followed.
#include <utility>
#include <vector>

#include "platform/directory_handle.h"
#include "platform/windows_support.h"  // windows.h before the headers that build on it

#include <winternl.h>

namespace tarnwick::platform {
namespace {

HANDLE NativeOf(const DirectoryHandle& directory) {
  return reinterpret_cast<HANDLE>(directory.NativeHandle());
}

std::error_code NtError(NTSTATUS status) { return WindowsError(::RtlNtStatusToDosError(status)); }

constexpr ULONG kShareAll = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;
constexpr ACCESS_MASK kDirectoryAccess = FILE_LIST_DIRECTORY | FILE_TRAVERSE | FILE_READ_ATTRIBUTES;

// Opens `name` inside `parent`; the entry itself when it is a reparse point.
NTSTATUS OpenRelative(HANDLE parent, const std::wstring& name, ACCESS_MASK access, ULONG options,
                      HANDLE& opened) {
  UNICODE_STRING unicodeName;
  unicodeName.Buffer = const_cast<wchar_t*>(name.data());
  unicodeName.Length = unicodeName.MaximumLength = static_cast<USHORT>(name.size() * sizeof(wchar_t));
  OBJECT_ATTRIBUTES attributes;
  InitializeObjectAttributes(&attributes, &unicodeName, OBJ_CASE_INSENSITIVE, parent, nullptr);
  IO_STATUS_BLOCK status;
  opened = INVALID_HANDLE_VALUE;
  return ::NtCreateFile(&opened, access | SYNCHRONIZE, &attributes, &status, nullptr, 0, kShareAll,
                        FILE_OPEN, options | FILE_SYNCHRONOUS_IO_NONALERT | FILE_OPEN_REPARSE_POINT,
                        nullptr, 0);
}

std::error_code AttributesOf(HANDLE handle, FILE_BASIC_INFO& info) {
  if (!::GetFileInformationByHandleEx(handle, FileBasicInfo, &info, sizeof info)) {
    return LastWindowsError();
  }
  return {};
}

EntryKind KindFromAttributes(DWORD attributes) {
  if (attributes & FILE_ATTRIBUTE_REPARSE_POINT) return EntryKind::kLink;
  if (attributes & FILE_ATTRIBUTE_DIRECTORY) return EntryKind::kDirectory;
  return EntryKind::kFile;
}

bool IsDotOrDotDot(const wchar_t* name, size_t length) {
  return (length == 1 && name[0] == L'.') || (length == 2 && name[0] == L'.' && name[1] == L'.');
}

}  // namespace

void DirectoryHandle::Close() {
  if (native_ != -1) ::CloseHandle(reinterpret_cast<HANDLE>(std::exchange(native_, -1)));
}

std::error_code OpenDirectory(const std::string& path, DirectoryHandle& directory) {
  const HANDLE handle = ::CreateFileW(ExtendedPath(path).c_str(), kDirectoryAccess, kShareAll,
                                      nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
  if (handle == INVALID_HANDLE_VALUE) return LastWindowsError();
  DirectoryHandle opened(reinterpret_cast<DirectoryHandle::Native>(handle));
  FILE_BASIC_INFO info{};
  if (auto error = AttributesOf(handle, info)) return error;
  if (!(info.FileAttributes & FILE_ATTRIBUTE_DIRECTORY)) {
    return std::make_error_code(std::errc::not_a_directory);
  }
  directory = std::move(opened);
  return {};
}

std::error_code OpenChildDirectory(const DirectoryHandle& parent, const std::string& name,
                                   DirectoryHandle& child) {
  HANDLE handle = INVALID_HANDLE_VALUE;
  const NTSTATUS status =
      OpenRelative(NativeOf(parent), Wide(name), kDirectoryAccess, FILE_DIRECTORY_FILE, handle);
  if (status != 0) return NtError(status);
  DirectoryHandle opened(reinterpret_cast<DirectoryHandle::Native>(handle));
  FILE_BASIC_INFO info{};
  if (auto error = AttributesOf(handle, info)) return error;
  if (info.FileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) {
    return std::make_error_code(std::errc::too_many_symbolic_link_levels);
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
        visit(Narrow(std::wstring_view(record->FileName, length)),
              KindFromAttributes(record->FileAttributes));
      }
      if (record->NextEntryOffset == 0) break;
      offset += record->NextEntryOffset;
    }
  }
}

std::error_code RemoveFileEntry(const DirectoryHandle& parent, const std::string& name) {
  HANDLE handle = INVALID_HANDLE_VALUE;
  const NTSTATUS status =
      OpenRelative(NativeOf(parent), Wide(name), DELETE | FILE_READ_ATTRIBUTES | FILE_WRITE_ATTRIBUTES,
                   0, handle);
  if (status != 0) return NtError(status);
  const ScopedHandle file(handle);
  FILE_BASIC_INFO original{};
  if (auto error = AttributesOf(handle, original)) return error;
  const DWORD attributes = original.FileAttributes;
  // A real directory is never removed; a junction or directory link is, as the link it is.
  if ((attributes & FILE_ATTRIBUTE_DIRECTORY) && !(attributes & FILE_ATTRIBUTE_REPARSE_POINT)) {
    return std::make_error_code(std::errc::is_a_directory);
  }

  constexpr DWORD kBlocking = FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM;
  const bool cleared = (attributes & kBlocking) != 0;
  if (cleared) {
    FILE_BASIC_INFO plain{};  // zero times: leave them as they are
    plain.FileAttributes = (attributes & ~kBlocking) != 0 ? attributes & ~kBlocking : FILE_ATTRIBUTE_NORMAL;
    if (!::SetFileInformationByHandle(handle, FileBasicInfo, &plain, sizeof plain)) {
      return LastWindowsError();
    }
  }
  FILE_DISPOSITION_INFO disposition{TRUE};
  if (!::SetFileInformationByHandle(handle, FileDispositionInfo, &disposition, sizeof disposition)) {
    const std::error_code error = LastWindowsError();
    if (cleared) {
      FILE_BASIC_INFO restore{};
      restore.FileAttributes = attributes;
      ::SetFileInformationByHandle(handle, FileBasicInfo, &restore, sizeof restore);
    }
    return error;
  }
  return {};  // the entry goes when the handle closes
}

namespace {

std::optional<FileIdentity> IdentityOfHandle(HANDLE handle) {
  BY_HANDLE_FILE_INFORMATION info{};
  if (!::GetFileInformationByHandle(handle, &info)) return std::nullopt;
  return FileIdentity{info.dwVolumeSerialNumber,
                      (static_cast<uint64_t>(info.nFileIndexHigh) << 32) | info.nFileIndexLow};
}

}  // namespace

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

void RaiseOpenFileLimit() {}  // Windows sets no such limit per process

}  // namespace tarnwick::platform
