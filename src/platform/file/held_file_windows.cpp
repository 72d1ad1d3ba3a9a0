#include "platform/file/held_file.h"
#include "platform/windows/windows_support.h"  // windows.h before the rest

#include <algorithm>

#include "platform/file/whole_file.h"

namespace tarnwick::platform {
namespace {

// Being held is being open for writing without sharing that: another writer's open fails with
// a sharing violation at once. Readers (a listing of the passes) may look meanwhile.
std::error_code OpenHeld(const std::string& path, DWORD access, DWORD share, DWORD disposition,
                         intptr_t& handle) {
  const std::wstring wide = ExtendedPath(path);
  const HANDLE file = ::CreateFileW(wide.c_str(), access, share, nullptr, disposition,
                                    FILE_ATTRIBUTE_NORMAL | FILE_FLAG_OPEN_REPARSE_POINT, nullptr);
  if (file == INVALID_HANDLE_VALUE) {
    const DWORD error = ::GetLastError();
    const DWORD attributes = ::GetFileAttributesW(wide.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY)) {
      return std::make_error_code(std::errc::is_a_directory);
    }
    return WindowsError(error);
  }
  handle = reinterpret_cast<intptr_t>(file);
  FILE_ATTRIBUTE_TAG_INFO info{};
  if (!::GetFileInformationByHandleEx(file, FileAttributeTagInfo, &info, sizeof info)) {
    return LastWindowsError();
  }
  // A link, a device or a pipe in its place is no record.
  if ((info.FileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) || ::GetFileType(file) != FILE_TYPE_DISK) {
    return NotARegularFile();
  }
  return {};
}

}  // namespace

HeldFile::~HeldFile() { Release(); }

void HeldFile::Release() {
  if (handle_ != -1) ::CloseHandle(reinterpret_cast<HANDLE>(handle_));
  handle_ = -1;
}

std::error_code HeldFile::Create(const std::string& path) {
  Release();
  path_ = path;
  const std::error_code error =
      OpenHeld(path, GENERIC_READ | FILE_APPEND_DATA, FILE_SHARE_READ, CREATE_NEW, handle_);
  if (error) Release();
  return error;
}

std::error_code HeldFile::Open(const std::string& path) {
  Release();
  path_ = path;
  // Shares deleting, so that it can be replaced or removed while held.
  const std::error_code error = OpenHeld(path, GENERIC_READ | GENERIC_WRITE,
                                         FILE_SHARE_READ | FILE_SHARE_DELETE, OPEN_EXISTING, handle_);
  if (error) Release();
  return error;
}

std::error_code HeldFile::Append(std::string_view bytes) {
  const HANDLE file = reinterpret_cast<HANDLE>(handle_);
  while (!bytes.empty()) {
    DWORD written = 0;
    const DWORD chunk = static_cast<DWORD>(std::min<size_t>(bytes.size(), 1u << 30));
    if (!::WriteFile(file, bytes.data(), chunk, &written, nullptr)) return LastWindowsError();
    bytes.remove_prefix(written);
  }
  return {};
}

std::error_code HeldFile::Read(size_t limit, std::string& content) const {
  const HANDLE file = reinterpret_cast<HANDLE>(handle_);
  LARGE_INTEGER size{};
  if (!::GetFileSizeEx(file, &size)) return LastWindowsError();
  if (static_cast<uint64_t>(size.QuadPart) > limit) {
    return std::make_error_code(std::errc::file_too_large);
  }
  content.assign(static_cast<size_t>(size.QuadPart), '\0');
  size_t done = 0;
  while (done < content.size()) {
    OVERLAPPED at{};
    at.Offset = static_cast<DWORD>(done);
    at.OffsetHigh = static_cast<DWORD>(static_cast<uint64_t>(done) >> 32);
    DWORD read = 0;
    const DWORD chunk = static_cast<DWORD>(std::min<size_t>(content.size() - done, 1u << 30));
    if (!::ReadFile(file, content.data() + done, chunk, &read, &at)) return LastWindowsError();
    if (read == 0) break;
    done += read;
  }
  content.resize(done);
  return {};
}

std::error_code HeldFile::Replace(const std::string& content) {
  // Windows renames nothing over a file that is open, however it is shared.
  Release();
  return ReplaceWholeFile(path_, content);
}

std::error_code HeldFile::Remove() {
  const std::error_code error = ::DeleteFileW(ExtendedPath(path_).c_str())
                                    ? std::error_code()
                                    : LastWindowsError();
  Release();
  return error;
}

}  // namespace tarnwick::platform
