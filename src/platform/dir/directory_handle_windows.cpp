// Directories are opened relative to their parent's handle through the native API, the
// Windows counterpart of openat, and reparse points are opened as themselves: a link (a
// junction, a symbolic link) is never followed, and a volume mounted on a folder is never
// entered.
#include <cstddef>
#include <utility>
#include <vector>

#include "platform/dir/directory_handle.h"
#include "platform/dir/relative_open_windows.h"
#include "platform/dir/windows_entry_kind.h"

namespace tarnwick::platform {
namespace {

constexpr ACCESS_MASK kDirectoryAccess = FILE_LIST_DIRECTORY | FILE_TRAVERSE | FILE_READ_ATTRIBUTES;

bool IsDotOrDotDot(const wchar_t* name, size_t length) {
  return (length == 1 && name[0] == L'.') || (length == 2 && name[0] == L'.' && name[1] == L'.');
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
