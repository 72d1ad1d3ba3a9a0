// Whole-file reads (bounded, regular files only, for what may be hostile) and atomic
// replacement.
#pragma once

#include <cstddef>
#include <string>
#include <system_error>

namespace tarnwick::platform {

// Reads the whole file as bytes. A missing file gives std::errc::no_such_file_or_directory.
std::error_code ReadWholeFile(const std::string& path, std::string& content);

// The same for a file that may be hostile: a regular file only, reached through links or not,
// and at most `limit` bytes. Anything else is refused at once, never waited on: a FIFO or a
// device as NotARegularFile(), a folder as std::errc::is_a_directory, a longer file as
// std::errc::file_too_large.
std::error_code ReadRegularFile(const std::string& path, size_t limit, std::string& content);

// Replaces the file's content so that a reader sees either the old or the new file, never a
// mix: the bytes go to a temporary file in the same directory, are flushed, and the temporary
// file is renamed over the old one. A read-only file is refused, as an in-place write would be.
std::error_code ReplaceWholeFile(const std::string& path, const std::string& content);

}  // namespace tarnwick::platform
