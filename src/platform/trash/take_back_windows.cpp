// Taking a pass's files back out of the Recycle Bin by the file, not by the shell's listing:
// an entry goes back only while its $R file is still the very file the pass moved and its $I
// file says it came from where the record says. The $R file is then renamed into its original
// folder, reached from the volume's root one component at a time refusing every link,
// junction and mounted volume, relative to that folder's handle and never over another file;
// only then does its $I file go, through the handle it was read by. No shell, so no dialog can
// ask anything.
#include "platform/windows/windows_support.h"  // windows.h first

#include <sddl.h>

#include <cstddef>
#include <optional>
#include <vector>

#include "platform/dir/directory_handle.h"
#include "platform/dir/relative_open_windows.h"
#include "platform/trash/original_folder_windows.h"
#include "platform/trash/recycle_bin_info.h"
#include "platform/trash/recycle_bin_rules.h"
#include "platform/trash/recycle_bin_windows.h"
#include "platform/trash/trash.h"

namespace tarnwick::platform {
namespace {

// A $I file is its head and a path of at most 32,767 UTF-16 units.
constexpr size_t kInfoLimit = 28 + 2 * 32768;

// What the open $I file says of its item.
std::error_code ReadInfo(HANDLE file, RecycledInfo& recorded) {
  BY_HANDLE_FILE_INFORMATION info{};
  if (!::GetFileInformationByHandle(file, &info)) return LastWindowsError();
  const uint64_t size = (uint64_t{info.nFileSizeHigh} << 32) | info.nFileSizeLow;
  if ((info.dwFileAttributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_REPARSE_POINT)) ||
      size > kInfoLimit) {
    return make_error_code(TrashError::kNotVouched);
  }
  std::string bytes(static_cast<size_t>(size), '\0');
  DWORD read = 0;
  if (!::ReadFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &read, nullptr)) {
    return LastWindowsError();
  }
  bytes.resize(read);
  auto parsed = ReadRecycledInfo(bytes);
  if (!parsed) return make_error_code(TrashError::kNotVouched);
  recorded = std::move(*parsed);
  return {};
}

bool SamePath(const std::string& a, const std::string& b) {
  return ::CompareStringOrdinal(Wide(a).c_str(), -1, Wide(b).c_str(), -1, TRUE) == CSTR_EQUAL;
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

// Whether the volume of the open file gives a file a new ID when it moves (FAT, exFAT): there
// an ID that differs says nothing of whether the file is still the one moved.
bool IdsMoveWithFiles(HANDLE file) { return FileIdsFollowTheFile(FileSystemNameOf(file)); }

// Where the bin keeps a file whose line was written ahead of its move and never completed (the
// pass ended between the two): the $R file of the user's bin on its volume that is the very
// file moved. TrashError::kNoLongerInTrash when the bin holds none; kNotVouched where the
// move changed the ID.
std::error_code FindInBin(TrashedEntry& entry) {
  std::string root, below;
  bool mounted = false;
  if (!SplitAtVolume(entry.originalPath, root, below, mounted)) {
    return make_error_code(TrashError::kNotVouched);
  }
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
  const ScopedHandle binFolder(OpenItself(*bin, FILE_READ_ATTRIBUTES));
  std::error_code outcome = binFolder.IsValid() && !IdsMoveWithFiles(binFolder.get())
                                ? make_error_code(TrashError::kNotVouched)
                                : make_error_code(TrashError::kNoLongerInTrash);
  do {
    const std::string path = *bin + Narrow(found.cFileName);
    const ScopedHandle file(OpenItself(path, FILE_READ_ATTRIBUTES));
    const auto identity = file.IsValid() ? RecycleIdentityOf(file.get()) : std::nullopt;
    if (identity && IsRecordedFile(entry, *identity)) {
      entry.recycledPath = path;
      outcome.clear();
      break;
    }
  } while (::FindNextFileW(search, &found));
  ::FindClose(search);
  return outcome;
}

// `notInBin`, unless the file is back in its place already (the user put it back): then
// TrashError::kAlreadyBack, as no way back is lost.
std::error_code UnlessAlreadyBack(const TrashedEntry& entry, std::error_code notInBin) {
  const size_t separator = entry.originalPath.rfind('\\');
  DirectoryHandle folder;
  if (OpenOriginalFolder(entry.originalPath.substr(0, separator + 1), entry, folder)) {
    return notInBin;
  }
  HANDLE opened = INVALID_HANDLE_VALUE;
  if (OpenRelative(NativeOf(folder), Wide(entry.originalPath.substr(separator + 1)),
                   FILE_READ_ATTRIBUTES, 0, opened) != 0) {
    return notInBin;
  }
  const ScopedHandle file(opened);
  const auto identity = RecycleIdentityOf(opened);
  return identity && IsRecordedFile(entry, *identity) ? make_error_code(TrashError::kAlreadyBack)
                                                      : notInBin;
}

std::error_code TakeBackOne(TrashedEntry entry) {
  if (entry.recycledPath.empty()) {
    if (const std::error_code error = FindInBin(entry)) {
      return error == TrashError::kNoLongerInTrash ? UnlessAlreadyBack(entry, error) : error;
    }
  }
  const size_t binEnd = entry.recycledPath.rfind('\\');
  const auto infoName = InfoNameOf(entry.recycledPath.substr(binEnd + 1));
  if (!infoName) return make_error_code(TrashError::kNotVouched);
  const ScopedHandle inBin(OpenItself(entry.recycledPath, DELETE | FILE_READ_ATTRIBUTES));
  if (!inBin.IsValid()) {
    // Only a file that its bin folder no longer holds is known to be gone; a bin that is
    // not there may be on a disk that is not plugged in now.
    const DWORD error = ::GetLastError();
    if (error == ERROR_FILE_NOT_FOUND) {
      return UnlessAlreadyBack(entry, make_error_code(TrashError::kNoLongerInTrash));
    }
    if (error == ERROR_PATH_NOT_FOUND) return make_error_code(TrashError::kTrashUnreachable);
    return WindowsError(error);
  }
  const auto identity = RecycleIdentityOf(inBin.get());
  if (!identity) return LastWindowsError();
  const bool sameId = IsRecordedFile(entry, *identity);
  if (!sameId && IdsMoveWithFiles(inBin.get())) {
    return UnlessAlreadyBack(entry, make_error_code(TrashError::kNoLongerInTrash));
  }
  const ScopedHandle info(OpenItself(entry.recycledPath.substr(0, binEnd + 1) + *infoName,
                                      GENERIC_READ | DELETE));
  if (!info.IsValid()) {
    const DWORD error = ::GetLastError();
    return error == ERROR_FILE_NOT_FOUND ? make_error_code(TrashError::kNotVouched)
                                         : WindowsError(error);
  }
  RecycledInfo recorded;
  if (const std::error_code error = ReadInfo(info.get(), recorded)) return error;
  // Where the ID says nothing, the $I file's size must be the file's too.
  if (!SamePath(recorded.origin, entry.originalPath) ||
      (!sameId && recorded.size != identity->size)) {
    return make_error_code(TrashError::kNotVouched);
  }
  const size_t separator = entry.originalPath.rfind('\\');
  DirectoryHandle folder;
  if (const std::error_code error =
          OpenOriginalFolder(entry.originalPath.substr(0, separator + 1), entry, folder)) {
    return error;
  }
  if (const std::error_code error =
          RenameInto(inBin.get(), NativeOf(folder),
                     Wide(entry.originalPath.substr(separator + 1)))) {
    return error;
  }
  FILE_DISPOSITION_INFO disposition{TRUE};
  if (!::SetFileInformationByHandle(info.get(), FileDispositionInfo, &disposition,
                                    sizeof disposition)) {
    return make_error_code(TrashError::kBackTrashEntryLeft);
  }
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
