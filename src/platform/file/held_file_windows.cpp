#include <algorithm>

#include "platform/dir/relative_open_windows.h"  // windows.h before the rest
#include "platform/file/held_file.h"
#include "platform/file/private_windows.h"

namespace tarnwick::platform {
namespace {

// Being held is being open for writing without sharing that: another writer's open fails with
// a sharing violation at once. Readers (a listing of the passes) may look meanwhile; sharing
// deleting lets the holder replace or remove it.
constexpr ULONG kHeldShare = FILE_SHARE_READ | FILE_SHARE_DELETE;
constexpr ACCESS_MASK kHeldAccess = GENERIC_READ | GENERIC_WRITE | READ_CONTROL;

// STATUS_FILE_IS_A_DIRECTORY: a folder opened as a file, which the Win32 errors call a denial.
constexpr NTSTATUS kFileIsADirectory = static_cast<NTSTATUS>(0xC00000BA);

std::error_code OpenError(NTSTATUS status) {
  if (status == kFileIsADirectory) return std::make_error_code(std::errc::is_a_directory);
  return WindowsError(::RtlNtStatusToDosError(status));
}

bool SetEnd(HANDLE file, uint64_t size) {
  FILE_END_OF_FILE_INFO end{};
  end.EndOfFile.QuadPart = static_cast<LONGLONG>(size);
  return ::SetFileInformationByHandle(file, FileEndOfFileInfo, &end, sizeof end);
}

std::error_code WriteWhole(HANDLE file, std::string_view bytes) {
  while (!bytes.empty()) {
    DWORD written = 0;
    const DWORD chunk = static_cast<DWORD>(std::min<size_t>(bytes.size(), 1u << 30));
    if (!::WriteFile(file, bytes.data(), chunk, &written, nullptr)) return LastWindowsError();
    if (written == 0) return std::make_error_code(std::errc::no_space_on_device);
    bytes.remove_prefix(written);
  }
  return {};
}

}  // namespace

HeldFile::~HeldFile() { Release(); }

void HeldFile::Release() {
  if (handle_ != -1) ::CloseHandle(reinterpret_cast<HANDLE>(handle_));
  handle_ = -1;
}

std::error_code HeldFile::Adopt(const DirectoryHandle& folder, const std::string& name,
                                intptr_t handle) {
  handle_ = handle;
  name_ = name;
  LARGE_INTEGER size{};
  if (!::GetFileSizeEx(reinterpret_cast<HANDLE>(handle), &size)) return LastWindowsError();
  size_ = static_cast<uint64_t>(size.QuadPart);
  return DuplicateDirectory(folder, folder_);
}

std::error_code HeldFile::Create(const DirectoryHandle& folder, const std::string& name) {
  Release();
  HANDLE file = INVALID_HANDLE_VALUE;
  const NTSTATUS status =
      OpenRelative(NativeOf(folder), Wide(name), kHeldAccess, FILE_NON_DIRECTORY_FILE, file, true,
                   FILE_CREATE, kHeldShare);
  if (status != 0) return OpenError(status);
  return Adopt(folder, name, reinterpret_cast<intptr_t>(file));
}

std::error_code HeldFile::Open(const DirectoryHandle& folder, const std::string& name) {
  Release();
  HANDLE opened = INVALID_HANDLE_VALUE;
  const NTSTATUS status =
      OpenRelative(NativeOf(folder), Wide(name), kHeldAccess, FILE_NON_DIRECTORY_FILE, opened, true,
                   FILE_OPEN, kHeldShare);
  if (status != 0) return OpenError(status);
  const auto refuse = [opened](std::error_code error) {
    ::CloseHandle(opened);
    return error;
  };
  FILE_ATTRIBUTE_TAG_INFO info{};
  if (!::GetFileInformationByHandleEx(opened, FileAttributeTagInfo, &info, sizeof info)) {
    return refuse(LastWindowsError());
  }
  // A link, a device or a pipe in its place is no record.
  if ((info.FileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) ||
      ::GetFileType(opened) != FILE_TYPE_DISK) {
    return refuse(NotARegularFile());
  }
  if (const std::error_code error = WhyNotPrivate(opened)) return refuse(error);
  return Adopt(folder, name, reinterpret_cast<intptr_t>(opened));
}

std::error_code HeldFile::Append(std::string_view bytes) {
  const HANDLE file = reinterpret_cast<HANDLE>(handle_);
  // A read moves the file's position: every write starts at the end of the last whole one.
  LARGE_INTEGER end{};
  end.QuadPart = static_cast<LONGLONG>(size_);
  if (!::SetFilePointerEx(file, end, nullptr, FILE_BEGIN)) return LastWindowsError();
  if (const std::error_code error = WriteWhole(file, bytes)) {
    // Cut back to the last whole append; a part of it would glue onto the next.
    if (!SetEnd(file, size_)) return LastWindowsError();
    return error;
  }
  size_ += bytes.size();
  return {};
}

std::error_code HeldFile::Sync() {
  // NTFS journals the folder's entry with the file; the file's bytes need flushing.
  if (!::FlushFileBuffers(reinterpret_cast<HANDLE>(handle_))) return LastWindowsError();
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
  const HANDLE folder = NativeOf(folder_);
  HANDLE made = INVALID_HANDLE_VALUE;
  std::wstring temporary;
  NTSTATUS status = 0;
  for (unsigned attempt = 0; attempt < 100; ++attempt) {
    temporary = Wide(name_) + L".neu-" + std::to_wstring(::GetCurrentProcessId()) + L"-" +
                std::to_wstring(attempt);
    status = OpenRelative(folder, temporary, GENERIC_WRITE | DELETE, FILE_NON_DIRECTORY_FILE, made,
                          true, FILE_CREATE, 0);
    if (::RtlNtStatusToDosError(status) != ERROR_ALREADY_EXISTS) break;
  }
  if (status != 0) return OpenError(status);
  const ScopedHandle file(made);
  std::error_code error = WriteWhole(file.get(), content);
  if (!error && !::FlushFileBuffers(file.get())) error = LastWindowsError();
  if (!error) {
    if (const DWORD renamed = RenameRelative(file.get(), folder, Wide(name_), true)) {
      error = WindowsError(renamed);
    }
  }
  if (error) {
    FILE_DISPOSITION_INFO gone{TRUE};
    ::SetFileInformationByHandle(file.get(), FileDispositionInfo, &gone, sizeof gone);
  }
  return error;
}

std::error_code HeldFile::Remove() {
  Release();
  HANDLE opened = INVALID_HANDLE_VALUE;
  const NTSTATUS status =
      OpenRelative(NativeOf(folder_), Wide(name_), DELETE, FILE_NON_DIRECTORY_FILE, opened);
  if (status != 0) return OpenError(status);
  const ScopedHandle file(opened);
  FILE_DISPOSITION_INFO gone{TRUE};
  if (!::SetFileInformationByHandle(file.get(), FileDispositionInfo, &gone, sizeof gone)) {
    return LastWindowsError();
  }
  return {};
}

}  // namespace tarnwick::platform
