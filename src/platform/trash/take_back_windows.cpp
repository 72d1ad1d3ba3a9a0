// Taking a pass's files back out of the Recycle Bin by the file, not by the shell's listing:
// an entry goes back only while its $R file is still the very file the pass moved and its $I
// file says it came from where the record says. The $R file is then renamed into its original
// folder, reached from the volume's root one component at a time refusing every link,
// junction and mounted volume, relative to that folder's handle and never over another file;
// only then does its $I file go. No shell, so no dialog can ask anything.
#include "platform/windows/windows_support.h"  // windows.h first

#include <sddl.h>

#include <cstddef>
#include <optional>
#include <vector>

#include "platform/dir/directory_handle.h"
#include "platform/dir/relative_open_windows.h"
#include "platform/trash/recycle_bin_info.h"
#include "platform/trash/trash.h"

namespace tarnwick::platform {
namespace {

// A $I file is its head and a path of at most 32,767 UTF-16 units.
constexpr size_t kInfoLimit = 28 + 2 * 32768;

// "C:\" or "\\server\share\" of a folder's path, and the rest below it; false for neither.
bool SplitAtRoot(const std::string& folder, std::string& root, std::string& below) {
  size_t end = 0;
  if (folder.size() >= 3 && folder[1] == ':' && folder[2] == '\\') {
    end = 3;
  } else if (folder.starts_with("\\\\")) {
    const size_t server = folder.find('\\', 2);
    const size_t share = server == std::string::npos ? server : folder.find('\\', server + 1);
    if (share == std::string::npos) return false;
    end = share + 1;
  } else {
    return false;
  }
  root = folder.substr(0, end);
  below = folder.substr(end);
  if (!below.empty() && below.back() == '\\') below.pop_back();
  return true;
}

// The original folder, reached without following any link.
std::error_code OpenOriginalFolder(const std::string& folder, DirectoryHandle& handle) {
  std::string root, below;
  if (!SplitAtRoot(folder, root, below)) return make_error_code(TrashError::kFolderGone);
  DirectoryHandle rootHandle;
  std::error_code error = OpenDirectory(root, rootHandle);
  if (!error) error = OpenDirectoryBelow(rootHandle, below, handle);
  if (error == std::errc::too_many_symbolic_link_levels) {
    return make_error_code(TrashError::kFolderIsLink);
  }
  if (error == std::errc::cross_device_link) return make_error_code(TrashError::kFolderElsewhere);
  if (error == std::errc::no_such_file_or_directory || error == std::errc::not_a_directory) {
    return make_error_code(TrashError::kFolderGone);
  }
  return error;
}

// A file of the Recycle Bin, opened itself even when it is a link, for reading or renaming.
HANDLE OpenBinFile(const std::string& path, DWORD access) {
  return ::CreateFileW(ExtendedPath(path).c_str(), access,
                       FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                       OPEN_EXISTING, FILE_FLAG_OPEN_REPARSE_POINT | FILE_FLAG_BACKUP_SEMANTICS,
                       nullptr);
}

// Where the $I file at `path` says its item came from.
std::error_code RecordedOrigin(const std::string& path, std::string& origin) {
  const ScopedHandle file(OpenBinFile(path, GENERIC_READ));
  if (!file.IsValid()) {
    const DWORD error = ::GetLastError();
    return error == ERROR_FILE_NOT_FOUND ? make_error_code(TrashError::kNotVouched)
                                         : WindowsError(error);
  }
  BY_HANDLE_FILE_INFORMATION info{};
  if (!::GetFileInformationByHandle(file.get(), &info)) return LastWindowsError();
  const uint64_t size = (uint64_t{info.nFileSizeHigh} << 32) | info.nFileSizeLow;
  if ((info.dwFileAttributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_REPARSE_POINT)) ||
      size > kInfoLimit) {
    return make_error_code(TrashError::kNotVouched);
  }
  std::string bytes(static_cast<size_t>(size), '\0');
  DWORD read = 0;
  if (!::ReadFile(file.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &read, nullptr)) {
    return LastWindowsError();
  }
  bytes.resize(read);
  const auto from = RecycledFrom(bytes);
  if (!from) return make_error_code(TrashError::kNotVouched);
  origin = *from;
  return {};
}

// Renames the open file into the open folder as `name`, never over another file.
std::error_code RenameInto(HANDLE file, HANDLE folder, const std::wstring& name) {
  const DWORD error = RenameRelative(file, folder, name, false);
  if (error == ERROR_SUCCESS) return {};
  if (error == ERROR_ALREADY_EXISTS || error == ERROR_FILE_EXISTS) {
    return make_error_code(TrashError::kPlaceTaken);
  }
  if (error == ERROR_NOT_SAME_DEVICE) return make_error_code(TrashError::kFolderElsewhere);
  return WindowsError(error);
}

// The current user's folder of the Recycle Bin on the volume whose root is `root`.
std::optional<std::string> UserBinFolder(const std::string& root) {
  HANDLE handle = nullptr;
  if (!::OpenProcessToken(::GetCurrentProcess(), TOKEN_QUERY, &handle)) return std::nullopt;
  const ScopedHandle token(handle);
  DWORD size = 0;
  ::GetTokenInformation(token.get(), TokenUser, nullptr, 0, &size);
  std::vector<std::byte> user(size);
  wchar_t* sid = nullptr;
  if (size == 0 || !::GetTokenInformation(token.get(), TokenUser, user.data(), size, &size) ||
      !::ConvertSidToStringSidW(reinterpret_cast<TOKEN_USER*>(user.data())->User.Sid, &sid)) {
    return std::nullopt;
  }
  std::string folder = root + "$Recycle.Bin\\" + Narrow(sid) + "\\";
  ::LocalFree(sid);
  return folder;
}

// Where the bin keeps a file whose line was written ahead of its move and never completed (the
// pass ended between the two): the $R file of the user's bin on its volume that is the very
// file moved. TrashError::kNoLongerInTrash when the bin holds none.
std::error_code FindInBin(TrashedEntry& entry) {
  std::string root, below;
  if (!SplitAtRoot(entry.originalPath, root, below)) return make_error_code(TrashError::kNotVouched);
  const auto bin = UserBinFolder(root);
  if (!bin) return LastWindowsError();
  WIN32_FIND_DATAW found{};
  const HANDLE search = ::FindFirstFileExW(ExtendedPath(*bin + "$R*").c_str(), FindExInfoBasic,
                                           &found, FindExSearchNameMatch, nullptr, 0);
  if (search == INVALID_HANDLE_VALUE) {
    const DWORD error = ::GetLastError();
    if (error == ERROR_FILE_NOT_FOUND) return make_error_code(TrashError::kNoLongerInTrash);
    // No bin folder on a volume that is there: the bin holds nothing of the user's.
    if (error == ERROR_PATH_NOT_FOUND) {
      return ::GetFileAttributesW(ExtendedPath(root).c_str()) != INVALID_FILE_ATTRIBUTES
                 ? make_error_code(TrashError::kNoLongerInTrash)
                 : make_error_code(TrashError::kTrashUnreachable);
    }
    return WindowsError(error);
  }
  std::error_code outcome = make_error_code(TrashError::kNoLongerInTrash);
  do {
    const std::string path = *bin + Narrow(found.cFileName);
    const ScopedHandle file(OpenBinFile(path, FILE_READ_ATTRIBUTES));
    BY_HANDLE_FILE_INFORMATION info{};
    if (file.IsValid() && ::GetFileInformationByHandle(file.get(), &info) &&
        info.dwVolumeSerialNumber == entry.volume &&
        ((uint64_t{info.nFileIndexHigh} << 32) | info.nFileIndexLow) == entry.fileId) {
      entry.recycledPath = path;
      outcome.clear();
      break;
    }
  } while (::FindNextFileW(search, &found));
  ::FindClose(search);
  return outcome;
}

std::error_code TakeBackOne(TrashedEntry entry) {
  if (entry.recycledPath.empty()) {
    if (const std::error_code error = FindInBin(entry)) return error;
  }
  const size_t binEnd = entry.recycledPath.rfind('\\');
  const auto infoName = InfoNameOf(entry.recycledPath.substr(binEnd + 1));
  if (!infoName) return make_error_code(TrashError::kNotVouched);
  const ScopedHandle inBin(OpenBinFile(entry.recycledPath, DELETE | FILE_READ_ATTRIBUTES));
  if (!inBin.IsValid()) {
    // Only a file that its bin folder no longer holds is known to be gone; a bin that is
    // not there may be on a disk that is not plugged in now.
    const DWORD error = ::GetLastError();
    if (error == ERROR_FILE_NOT_FOUND) return make_error_code(TrashError::kNoLongerInTrash);
    if (error == ERROR_PATH_NOT_FOUND) return make_error_code(TrashError::kTrashUnreachable);
    return WindowsError(error);
  }
  BY_HANDLE_FILE_INFORMATION info{};
  if (!::GetFileInformationByHandle(inBin.get(), &info)) return LastWindowsError();
  const uint64_t fileId = (uint64_t{info.nFileIndexHigh} << 32) | info.nFileIndexLow;
  if (info.dwVolumeSerialNumber != entry.volume || fileId != entry.fileId) {
    return make_error_code(TrashError::kNoLongerInTrash);
  }
  const std::string infoPath = entry.recycledPath.substr(0, binEnd + 1) + *infoName;
  std::string origin;
  if (const std::error_code error = RecordedOrigin(infoPath, origin)) return error;
  if (::CompareStringOrdinal(Wide(origin).c_str(), -1, Wide(entry.originalPath).c_str(), -1,
                             TRUE) != CSTR_EQUAL) {
    return make_error_code(TrashError::kNotVouched);
  }
  const size_t separator = entry.originalPath.rfind('\\');
  DirectoryHandle folder;
  if (const std::error_code error =
          OpenOriginalFolder(entry.originalPath.substr(0, separator + 1), folder)) {
    return error;
  }
  if (const std::error_code error =
          RenameInto(inBin.get(), reinterpret_cast<HANDLE>(folder.NativeHandle()),
                     Wide(entry.originalPath.substr(separator + 1)))) {
    return error;
  }
  ::DeleteFileW(ExtendedPath(infoPath).c_str());
  return {};
}

}  // namespace

std::vector<std::error_code> TakeBack(std::span<const TrashedEntry> entries) {
  std::vector<std::error_code> outcomes;
  outcomes.reserve(entries.size());
  for (const TrashedEntry& entry : entries) outcomes.push_back(TakeBackOne(entry));
  return outcomes;
}

}  // namespace tarnwick::platform
