#include "platform/trash/original_folder_windows.h"

#include "platform/trash/recycle_bin_rules.h"
#include "platform/trash/recycle_bin_windows.h"
#include "platform/windows/windows_support.h"

namespace tarnwick::platform {
namespace {

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

// Whether the open folder is the root of a volume, not a folder of one.
bool IsVolumeRoot(HANDLE folder) {
  wchar_t path[MAX_PATH + 1] = {};
  const DWORD length = ::GetFinalPathNameByHandleW(folder, path, MAX_PATH + 1, VOLUME_NAME_GUID);
  return length > 0 && length <= MAX_PATH && path[length - 1] == L'\\' && path[length - 2] == L'}';
}

}  // namespace

bool SplitAtVolume(const std::string& folder, std::string& root, std::string& below,
                   bool& mounted) {
  mounted = false;
  if (!SplitAtRoot(folder, root, below)) return false;
  wchar_t volume[MAX_PATH + 1] = {};
  if (!::GetVolumePathNameW(Wide(folder).c_str(), volume, MAX_PATH + 1)) return true;
  const std::string mountedIn = Narrow(volume);
  if (mountedIn.size() <= root.size() || mountedIn.size() > folder.size() + 1 ||
      ::CompareStringOrdinal(Wide(mountedIn).c_str(), -1,
                             Wide(folder.substr(0, mountedIn.size())).c_str(), -1,
                             TRUE) != CSTR_EQUAL) {
    return true;
  }
  root = mountedIn;
  mounted = true;
  below = folder.size() > mountedIn.size() ? folder.substr(mountedIn.size()) : std::string();
  if (!below.empty() && below.back() == '\\') below.pop_back();
  return true;
}

std::error_code OpenOriginalFolder(const std::string& folder, const TrashedEntry& entry,
                                   DirectoryHandle& handle) {
  std::string root, below;
  bool mounted = false;
  if (!SplitAtVolume(folder, root, below, mounted)) return make_error_code(TrashError::kFolderGone);
  DirectoryHandle rootHandle;
  std::error_code error = OpenDirectory(root, rootHandle);
  if (!error && mounted) {
    const HANDLE opened = reinterpret_cast<HANDLE>(rootHandle.NativeHandle());
    const auto identity = RecycleIdentityOf(opened);
    if (!identity || !IsVolumeRoot(opened) ||
        !SameVolume(entry.volume, entry.narrowIdentity, identity->volume)) {
      return make_error_code(TrashError::kFolderElsewhere);
    }
  }
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

}  // namespace tarnwick::platform
