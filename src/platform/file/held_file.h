// A file one holder at a time writes and reads as hostile: the record of a pass to the trash,
// reached only through its folder's handle.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <system_error>

#include "platform/dir/directory_handle.h"

namespace tarnwick::platform {

// Something other than a regular file has a held file's name: a FIFO, a device, a link.
std::error_code NotARegularFile();

// A file in a folder, which one holder at a time writes: private to the user, reached by its
// name in the folder's handle and never through a link, and read as a hostile file would be.
// Whoever finds it held is told at once, std::errc::device_or_resource_busy, rather than kept
// waiting. The system lets it go when its holder ends in any way.
class HeldFile {
 public:
  HeldFile() = default;
  HeldFile(const HeldFile&) = delete;
  HeldFile& operator=(const HeldFile&) = delete;
  ~HeldFile();

  // Makes the file `name` of `folder`, which must not exist yet, and holds it.
  std::error_code Create(const DirectoryHandle& folder, const std::string& name);
  // Holds the existing file `name` of `folder`: a regular file (not a link) that the user owns
  // and no one else may change. Anything else is refused at once and left as it is: a link,
  // a FIFO or a device as NotARegularFile(), a folder as std::errc::is_a_directory, another's
  // or a shared file with its PrivacyError.
  std::error_code Open(const DirectoryHandle& folder, const std::string& name);

  // Appends `bytes` at the end, whole or not at all: a write that fails or stops short is cut
  // back, so the file ends where it ended before. Goes straight to the system, so that what a
  // process appended before it was killed stays.
  std::error_code Append(std::string_view bytes);
  // Brings what was written, and the file's entry in its folder, to the disk.
  std::error_code Sync();
  // Its bytes from the start: std::errc::file_too_large past `limit`.
  std::error_code Read(size_t limit, std::string& content) const;
  // Replaces its bytes as a whole (a reader sees the old or the new ones); it is let go then.
  std::error_code Replace(const std::string& content);
  // Removes it; it is let go then.
  std::error_code Remove();

 private:
  std::error_code Adopt(const DirectoryHandle& folder, const std::string& name, intptr_t handle);
  void Release();

  DirectoryHandle folder_;
  std::string name_;
  intptr_t handle_ = -1;  // a descriptor on POSIX, a HANDLE on Windows
  uint64_t size_ = 0;     // where the last whole append ended
};

}  // namespace tarnwick::platform
