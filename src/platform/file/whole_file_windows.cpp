#include <algorithm>
#include <cstdint>

#include "platform/file/held_file.h"
#include "platform/file/whole_file.h"
#include "platform/windows/windows_support.h"

namespace tarnwick::platform {
namespace {

constexpr DWORD kShareAll = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;

std::error_code WriteAll(HANDLE file, const std::string& content) {
  size_t written = 0;
  while (written < content.size()) {
    const DWORD chunk = static_cast<DWORD>(std::min<size_t>(content.size() - written, 1u << 30));
    DWORD done = 0;
    if (!::WriteFile(file, content.data() + written, chunk, &done, nullptr)) return LastWindowsError();
    written += done;
  }
  return {};
}

// Reads the file whole, up to `limit` bytes; with `onlyOnDisk` a device or a pipe (NUL, CON,
// a named pipe) is refused before a byte is read.
std::error_code ReadBounded(const std::string& path, size_t limit, bool onlyOnDisk,
                            std::string& content) {
  content.clear();
  const std::wstring widePath = ExtendedPath(path);
  const DWORD attributes = ::GetFileAttributesW(widePath.c_str());
  if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY)) {
    return std::make_error_code(std::errc::is_a_directory);
  }
  const ScopedHandle file(::CreateFileW(widePath.c_str(), GENERIC_READ, kShareAll, nullptr,
                                        OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file.IsValid()) return LastWindowsError();
  if (onlyOnDisk && ::GetFileType(file.get()) != FILE_TYPE_DISK) return NotARegularFile();
  LARGE_INTEGER size{};
  if (::GetFileSizeEx(file.get(), &size) && size.QuadPart > 0) {
    if (static_cast<uint64_t>(size.QuadPart) > limit) {
      return std::make_error_code(std::errc::file_too_large);
    }
    content.reserve(static_cast<size_t>(size.QuadPart));
  }
  char buffer[65536];
  for (;;) {
    DWORD n = 0;
    if (!::ReadFile(file.get(), buffer, sizeof buffer, &n, nullptr)) return LastWindowsError();
    if (n == 0) return {};
    // It may have grown since it was looked at.
    if (n > limit - content.size()) return std::make_error_code(std::errc::file_too_large);
    content.append(buffer, n);
  }
}

}  // namespace

std::error_code ReadWholeFile(const std::string& path, std::string& content) {
  return ReadBounded(path, SIZE_MAX, false, content);
}

std::error_code ReadRegularFile(const std::string& path, size_t limit, std::string& content) {
  return ReadBounded(path, limit, true, content);
}

std::error_code ReplaceWholeFile(const std::string& path, const std::string& content) {
  const std::wstring target = ExtendedPath(path);
  DWORD attributes = ::GetFileAttributesW(target.c_str());
  if (attributes != INVALID_FILE_ATTRIBUTES) {
    if (attributes & FILE_ATTRIBUTE_DIRECTORY) return std::make_error_code(std::errc::is_a_directory);
    // A read-only file is refused, as an in-place write would refuse it.
    if (attributes & FILE_ATTRIBUTE_READONLY) return std::make_error_code(std::errc::permission_denied);
  } else {
    const DWORD error = ::GetLastError();
    if (error != ERROR_FILE_NOT_FOUND) return WindowsError(error);
    attributes = FILE_ATTRIBUTE_NORMAL;
  }

  const std::wstring temporary =
      target + L".tmp-" + std::to_wstring(::GetCurrentProcessId()) + L"-" + std::to_wstring(::GetTickCount64());
  auto fail = [&temporary](std::error_code error) {
    ::DeleteFileW(temporary.c_str());
    return error;
  };
  {
    // The new file gets the old one's attributes (hidden, say) from the start.
    const ScopedHandle file(::CreateFileW(temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                          attributes, nullptr));
    if (!file.IsValid()) return LastWindowsError();
    if (auto error = WriteAll(file.get(), content)) return fail(error);
    if (!::FlushFileBuffers(file.get())) return fail(LastWindowsError());
  }
  if (!::MoveFileExW(temporary.c_str(), target.c_str(),
                     MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
    return fail(LastWindowsError());
  }
  return {};
}

}  // namespace tarnwick::platform
