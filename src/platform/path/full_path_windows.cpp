#include "platform/path/full_path.h"
#include "platform/windows/windows_support.h"

namespace tarnwick::platform {
namespace {

bool IsSeparator(wchar_t c) { return c == L'\\' || c == L'/'; }

}  // namespace

std::string FullPathName(const std::string& path) {
  std::wstring named = Wide(path);
  const bool folder = !named.empty() && IsSeparator(named.back());
  // Windows drops a name's trailing dots and blanks only at the end of the path. "C:\" keeps
  // its separator: "C:" alone is the current folder of drive C.
  while (named.size() > 1 && IsSeparator(named.back()) &&
         !(named.size() == 3 && named[1] == L':')) {
    named.pop_back();
  }
  const DWORD needed = ::GetFullPathNameW(named.c_str(), 0, nullptr, nullptr);
  if (needed == 0) return path;
  std::wstring full(needed, L'\0');
  const DWORD length = ::GetFullPathNameW(named.c_str(), needed, full.data(), nullptr);
  if (length == 0 || length >= needed) return path;
  full.resize(length);
  if (folder && !IsSeparator(full.back())) full += L'\\';
  return Narrow(full);
}

std::string AbsolutePath(const std::string& path) { return FullPathName(path); }

}  // namespace tarnwick::platform
