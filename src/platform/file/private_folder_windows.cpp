// Windows keeps a file's owner in its security descriptor. Only the owner is checked: a file or
// folder the user made in their own settings folder takes that folder's permissions, which
// the user's profile keeps to the user, the system and the administrators.
#include <aclapi.h>

#include <cstddef>
#include <vector>

#include "platform/file/private_folder.h"
#include "platform/file/private_windows.h"  // windows.h before the headers that build on it

namespace tarnwick::platform {
namespace {

// The token's information of one class, as its bytes.
std::vector<std::byte> TokenInformation(HANDLE token, TOKEN_INFORMATION_CLASS kind) {
  DWORD size = 0;
  ::GetTokenInformation(token, kind, nullptr, 0, &size);
  std::vector<std::byte> information(size);
  if (size == 0 || !::GetTokenInformation(token, kind, information.data(), size, &size)) {
    information.clear();
  }
  return information;
}

// The owners a file of this user's may have: the user, and the owner the user's new files get
// (the Administrators group, for an administrator whose program runs elevated).
bool IsOwnedByUser(PSID owner) {
  HANDLE handle = nullptr;
  if (!::OpenProcessToken(::GetCurrentProcess(), TOKEN_QUERY, &handle)) return false;
  const ScopedHandle token(handle);
  const auto user = TokenInformation(token.get(), TokenUser);
  const auto defaultOwner = TokenInformation(token.get(), TokenOwner);
  return (!user.empty() &&
          ::EqualSid(reinterpret_cast<const TOKEN_USER*>(user.data())->User.Sid, owner)) ||
         (!defaultOwner.empty() &&
          ::EqualSid(reinterpret_cast<const TOKEN_OWNER*>(defaultOwner.data())->Owner, owner));
}

}  // namespace

std::error_code WhyNotPrivate(HANDLE handle) {
  DWORD flags = 0;
  if (::GetVolumeInformationByHandleW(handle, nullptr, 0, nullptr, nullptr, &flags, nullptr, 0) &&
      (flags & FILE_PERSISTENT_ACLS) == 0) {
    return {};
  }
  PSID owner = nullptr;
  PSECURITY_DESCRIPTOR descriptor = nullptr;
  const DWORD result = ::GetSecurityInfo(handle, SE_FILE_OBJECT, OWNER_SECURITY_INFORMATION, &owner,
                                         nullptr, nullptr, nullptr, &descriptor);
  if (result != ERROR_SUCCESS) return WindowsError(result);
  const bool own = owner != nullptr && IsOwnedByUser(owner);
  ::LocalFree(descriptor);
  return own ? std::error_code() : make_error_code(PrivacyError::kOtherOwner);
}

std::error_code OpenPrivateFolder(const std::string& path, DirectoryHandle& folder, bool make) {
  const std::wstring wide = ExtendedPath(path);
  // A new folder takes its parent's permissions: those of the user's own settings folder.
  if (make && !::CreateDirectoryW(wide.c_str(), nullptr) &&
      ::GetLastError() != ERROR_ALREADY_EXISTS) {
    return LastWindowsError();
  }
  const HANDLE handle = ::CreateFileW(
      wide.c_str(), FILE_LIST_DIRECTORY | FILE_TRAVERSE | FILE_READ_ATTRIBUTES | READ_CONTROL,
      FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
      FILE_FLAG_BACKUP_SEMANTICS | FILE_FLAG_OPEN_REPARSE_POINT, nullptr);
  if (handle == INVALID_HANDLE_VALUE) return LastWindowsError();
  DirectoryHandle opened(reinterpret_cast<DirectoryHandle::Native>(handle));
  FILE_ATTRIBUTE_TAG_INFO info{};
  if (!::GetFileInformationByHandleEx(handle, FileAttributeTagInfo, &info, sizeof info)) {
    return LastWindowsError();
  }
  if (info.FileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) {
    return make_error_code(PrivacyError::kLink);
  }
  if (!(info.FileAttributes & FILE_ATTRIBUTE_DIRECTORY)) {
    return std::make_error_code(std::errc::not_a_directory);
  }
  if (const std::error_code error = WhyNotPrivate(handle)) return error;
  folder = std::move(opened);
  return {};
}

std::error_code WhyFileNotPrivate(const std::string& path) {
  const ScopedHandle file(::CreateFileW(ExtendedPath(path).c_str(), READ_CONTROL | FILE_READ_ATTRIBUTES,
                                        FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                        nullptr, OPEN_EXISTING,
                                        FILE_FLAG_OPEN_REPARSE_POINT | FILE_FLAG_BACKUP_SEMANTICS,
                                        nullptr));
  if (!file.IsValid()) return LastWindowsError();
  FILE_ATTRIBUTE_TAG_INFO info{};
  if (!::GetFileInformationByHandleEx(file.get(), FileAttributeTagInfo, &info, sizeof info)) {
    return LastWindowsError();
  }
  if (info.FileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) return make_error_code(PrivacyError::kLink);
  return WhyNotPrivate(file.get());
}

}  // namespace tarnwick::platform
