#include <cstdlib>
#include <initializer_list>

#include "platform/process/user_folders.h"
#include "platform/windows/windows_support.h"

namespace tarnwick::platform {

bool FolderIsWritable(const std::string& folder) {
  // Windows has no cheap question for this: try a file that goes again when it is closed.
  std::string probe = folder;
  if (!probe.empty() && probe.back() != '\\') probe += '\\';
  probe += "tarnwick-write-test.tmp";
  const HANDLE file =
      ::CreateFileW(ExtendedPath(probe).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                    FILE_ATTRIBUTE_TEMPORARY | FILE_FLAG_DELETE_ON_CLOSE, nullptr);
  if (file == INVALID_HANDLE_VALUE) return ::GetLastError() == ERROR_FILE_EXISTS;
  ::CloseHandle(file);
  return true;
}

bool IsSystemProgramFolder(const std::string& folder) {
  const auto lower = [](std::string text) {
    for (char& c : text) {
      if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    }
    if (text.empty() || text.back() != '\\') text += '\\';
    return text;
  };
  const std::string path = lower(folder);
  for (const wchar_t* variable : {L"ProgramFiles", L"ProgramFiles(x86)", L"SystemRoot"}) {
    const wchar_t* system = ::_wgetenv(variable);
    if (system != nullptr && system[0] != L'\0' && path.starts_with(lower(Narrow(system)))) {
      return true;
    }
  }
  // Where programs are installed for one user only, without an administrator.
  const wchar_t* local = ::_wgetenv(L"LOCALAPPDATA");
  return local != nullptr && local[0] != L'\0' &&
         path.starts_with(lower(Narrow(local) + "\\Programs"));
}

std::string UserHomeFolder() {
  const wchar_t* profile = ::_wgetenv(L"USERPROFILE");
  return profile != nullptr ? Narrow(profile) : std::string();
}

std::string UserSettingsFolder() {
  const wchar_t* appData = ::_wgetenv(L"APPDATA");
  if (appData == nullptr || appData[0] == L'\0') return {};
  return Narrow(appData) + "\\Tarnwick";
}

}  // namespace tarnwick::platform
