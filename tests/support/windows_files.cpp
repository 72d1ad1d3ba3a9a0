#include "support/windows_files.h"

namespace tarnwick::testing {

using platform::ExtendedPath;

bool MakeDirectory(const std::string& path) {
  return ::CreateDirectoryW(ExtendedPath(path).c_str(), nullptr) != 0;
}

bool MakeFile(const std::string& path, DWORD attributes) {
  const platform::ScopedHandle file(::CreateFileW(ExtendedPath(path).c_str(), GENERIC_WRITE, 0,
                                                  nullptr, CREATE_ALWAYS, attributes, nullptr));
  return file.IsValid();
}

bool Exists(const std::string& path) {
  return ::GetFileAttributesW(ExtendedPath(path).c_str()) != INVALID_FILE_ATTRIBUTES;
}

}  // namespace tarnwick::testing
