#include "platform/path/file_key_windows.h"
#include "platform/instance/instance_name.h"
#include "platform/file/settings_lock.h"
#include "platform/windows/windows_support.h"

namespace tarnwick::platform {

// A named mutex per settings file, however its path is spelled: Windows hands an abandoned
// one to the next waiter, so a holder that dies never blocks the others.
std::error_code SettingsLock::Acquire(const std::string& path, std::chrono::milliseconds patience) {
  const std::wstring name = L"Local\\" + Wide(InstanceName(FolderEntryKey(path))) + L"-settings";
  const HANDLE mutex = ::CreateMutexW(nullptr, FALSE, name.c_str());
  if (mutex == nullptr) return LastWindowsError();
  const DWORD waited = ::WaitForSingleObject(mutex, static_cast<DWORD>(patience.count()));
  if (waited != WAIT_OBJECT_0 && waited != WAIT_ABANDONED) {
    ::CloseHandle(mutex);
    return std::make_error_code(std::errc::timed_out);
  }
  handle_ = reinterpret_cast<intptr_t>(mutex);
  return {};
}

SettingsLock::~SettingsLock() {
  if (handle_ == -1) return;
  ::ReleaseMutex(reinterpret_cast<HANDLE>(handle_));
  ::CloseHandle(reinterpret_cast<HANDLE>(handle_));
}

}  // namespace tarnwick::platform
