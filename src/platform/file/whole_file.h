#pragma once

#include <string>
#include <system_error>

namespace tarnwick::platform {

// Reads the whole file as bytes. A missing file gives std::errc::no_such_file_or_directory.
std::error_code ReadWholeFile(const std::string& path, std::string& content);

// Replaces the file's content so that a reader sees either the old or the new file, never a
// mix: the bytes go to a temporary file in the same directory, are flushed, and the temporary
// file is renamed over the old one. A read-only file is refused, as an in-place write would be.
std::error_code ReplaceWholeFile(const std::string& path, const std::string& content);

}  // namespace tarnwick::platform
