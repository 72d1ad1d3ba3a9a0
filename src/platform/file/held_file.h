// A file one holder at a time writes and reads as hostile: the record of a pass to the trash.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <system_error>

namespace tarnwick::platform {

// Something other than a regular file has a held file's name: a FIFO, a device, a link.
std::error_code NotARegularFile();

// A file that one holder at a time writes (the record of a pass to the trash): private to the
// user, never reached through a link at its own name, and read as a hostile file would be.
// Whoever finds it held is told at once, std::errc::device_or_resource_busy, rather than kept
// waiting. The system lets it go when its holder ends in any way.
class HeldFile {
 public:
  HeldFile() = default;
  HeldFile(const HeldFile&) = delete;
  HeldFile& operator=(const HeldFile&) = delete;
  ~HeldFile();

  // Makes the file, which must not exist yet, and holds it.
  std::error_code Create(const std::string& path);
  // Holds an existing file: a regular file only (anything else is refused at once, as
  // NotARegularFile(), a folder as std::errc::is_a_directory).
  std::error_code Open(const std::string& path);

  // Appends at the end in one write, straight to the system, so that what a process appended
  // before it was killed stays.
  std::error_code Append(std::string_view bytes);
  // Its bytes from the start: std::errc::file_too_large past `limit`.
  std::error_code Read(size_t limit, std::string& content) const;
  // Replaces its bytes as a whole (a reader sees the old or the new ones); it is let go then.
  std::error_code Replace(const std::string& content);
  // Removes it; it is let go then.
  std::error_code Remove();

 private:
  void Release();

  std::string path_;
  intptr_t handle_ = -1;  // a descriptor on POSIX, a HANDLE on Windows
};

}  // namespace tarnwick::platform
