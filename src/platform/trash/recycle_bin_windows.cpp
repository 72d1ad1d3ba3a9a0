// The Recycle Bin's settings are the shell's: the per-volume values that its Properties dialog
// writes under Explorer\BitBucket, and the two policies that override them.
#include "platform/trash/recycle_bin_windows.h"

#include <shellapi.h>

#include <algorithm>
#include <array>
#include <cstring>

namespace tarnwick::platform {
namespace {

constexpr wchar_t kPolicies[] = L"Software\\Microsoft\\Windows\\CurrentVersion\\Policies\\Explorer";
constexpr wchar_t kVolumeSettings[] =
    L"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\BitBucket\\Volume\\";

// FILE_ID_INFO, which the headers offer only to programs for Windows 8 and later; on Windows 7
// the call fails and the 64-bit index stands in, as unique there as it ever was.
struct FileIdInformation {
  ULONGLONG volumeSerialNumber;
  BYTE identifier[16];
};
constexpr auto kFileIdInfo = static_cast<FILE_INFO_BY_HANDLE_CLASS>(18);

std::optional<uint32_t> RegistryNumber(HKEY root, const std::wstring& key, const wchar_t* name) {
  DWORD value = 0;
  DWORD size = sizeof value;
  if (::RegGetValueW(root, key.c_str(), name, RRF_RT_REG_DWORD, nullptr, &value, &size) !=
      ERROR_SUCCESS) {
    return std::nullopt;
  }
  return value;
}

// A policy set for the machine wins over the user's.
std::optional<uint32_t> Policy(const wchar_t* name) {
  if (const auto machine = RegistryNumber(HKEY_LOCAL_MACHINE, kPolicies, name)) return machine;
  return RegistryNumber(HKEY_CURRENT_USER, kPolicies, name);
}

}  // namespace

VolumeOfFolder VolumeOf(const std::wstring& folderPath) {
  VolumeOfFolder volume;
  std::array<wchar_t, MAX_PATH + 1> root{};
  if (!::GetVolumePathNameW(folderPath.c_str(), root.data(), static_cast<DWORD>(root.size()))) {
    return volume;
  }
  volume.root = root.data();
  std::array<wchar_t, 64> name{};
  if (::GetVolumeNameForVolumeMountPointW(root.data(), name.data(),
                                          static_cast<DWORD>(name.size()))) {
    volume.name = name.data();
  }
  return volume;
}

RecycleBinState RecycleBinOf(const VolumeOfFolder& volume) {
  RecycleBinState state;
  if (volume.root.empty()) return state;
  state.fixedDrive = ::GetDriveTypeW(volume.root.c_str()) == DRIVE_FIXED;
  SHQUERYRBINFO contents{};
  contents.cbSize = sizeof contents;
  state.present = SUCCEEDED(::SHQueryRecycleBinW(volume.root.c_str(), &contents));
  state.used = static_cast<uint64_t>(std::max<__int64>(contents.i64Size, 0));
  // "\\?\Volume{GUID}\" names the volume's settings by its GUID.
  const size_t open = volume.name.find(L'{'), close = volume.name.find(L'}');
  std::optional<uint32_t> nuke, megabytes;
  if (open != std::wstring::npos && close != std::wstring::npos) {
    const std::wstring key = kVolumeSettings + volume.name.substr(open, close - open + 1);
    nuke = RegistryNumber(HKEY_CURRENT_USER, key, L"NukeOnDelete");
    megabytes = RegistryNumber(HKEY_CURRENT_USER, key, L"MaxCapacity");
  }
  state.switchedOff = nuke.value_or(0) != 0 || Policy(L"NoRecycleFiles").value_or(0) != 0;
  ULARGE_INTEGER total{};
  ::GetDiskFreeSpaceExW(volume.root.c_str(), nullptr, &total, nullptr);
  state.capacity = RecycleBinCapacity(Policy(L"RecycleBinSize"), megabytes, total.QuadPart);
  return state;
}

HANDLE OpenItself(const std::string& path, DWORD access) {
  return ::CreateFileW(ExtendedPath(path).c_str(), access,
                       FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                       OPEN_EXISTING, FILE_FLAG_OPEN_REPARSE_POINT | FILE_FLAG_BACKUP_SEMANTICS,
                       nullptr);
}

std::optional<RecycleIdentity> RecycleIdentityOf(HANDLE file) {
  FILE_ATTRIBUTE_TAG_INFO attributes{};
  FILE_STANDARD_INFO standard{};
  if (!::GetFileInformationByHandleEx(file, FileAttributeTagInfo, &attributes, sizeof attributes) ||
      !::GetFileInformationByHandleEx(file, FileStandardInfo, &standard, sizeof standard)) {
    return std::nullopt;
  }
  RecycleIdentity identity;
  FileIdInformation id{};
  if (::GetFileInformationByHandleEx(file, kFileIdInfo, &id, sizeof id)) {
    identity.volume = id.volumeSerialNumber;
    std::memcpy(&identity.file.low, id.identifier, sizeof(uint64_t));
    std::memcpy(&identity.file.high, id.identifier + sizeof(uint64_t), sizeof(uint64_t));
  } else {
    BY_HANDLE_FILE_INFORMATION info{};
    if (!::GetFileInformationByHandle(file, &info)) return std::nullopt;
    identity.volume = info.dwVolumeSerialNumber;
    identity.file.low = (uint64_t{info.nFileIndexHigh} << 32) | info.nFileIndexLow;
  }
  identity.size = static_cast<uint64_t>(standard.EndOfFile.QuadPart);
  identity.directory = (attributes.FileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
  identity.link = (attributes.FileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0 &&
                  IsReparseTagNameSurrogate(attributes.ReparseTag);
  return identity;
}

bool IsRecordedFile(const TrashedEntry& entry, const RecycleIdentity& identity) {
  return SameVolume(entry.volume, entry.narrowIdentity, identity.volume) &&
         identity.file == entry.fileId;
}

std::wstring FileSystemNameOf(HANDLE file) {
  std::array<wchar_t, MAX_PATH + 1> name{};
  if (!::GetVolumeInformationByHandleW(file, nullptr, 0, nullptr, nullptr, nullptr, name.data(),
                                       static_cast<DWORD>(name.size()))) {
    return {};
  }
  return name.data();
}

}  // namespace tarnwick::platform
