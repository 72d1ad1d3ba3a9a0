#include <cstdio>

#include "platform/path/file_key_windows.h"
#include "platform/instance/instance_name.h"
#include "platform/instance/single_instance.h"
#include "platform/windows/windows_support.h"

namespace tarnwick::platform {
namespace {

std::wstring UserName() {
  wchar_t name[256];
  DWORD length = 256;
  return ::GetUserNameW(name, &length) ? std::wstring(name) : std::wstring(L"-");
}

}  // namespace

SingleInstanceLock::SingleInstanceLock(const std::string& executablePath) {
  // Local\ is the logon session's namespace; the user's name keeps users apart within it. The
  // program file's key makes every spelling of its path one instance.
  const std::wstring name =
      L"Local\\" + Wide(InstanceName(FileKey(executablePath))) + L"-" + UserName();
  const HANDLE mutex = ::CreateMutexW(nullptr, FALSE, name.c_str());
  if (mutex == nullptr) return;
  const bool existed = ::GetLastError() == ERROR_ALREADY_EXISTS;
  handle_ = reinterpret_cast<intptr_t>(mutex);
  outcome_ = existed ? Outcome::kHeldElsewhere : Outcome::kAcquired;
}

SingleInstanceLock::~SingleInstanceLock() {
  if (handle_ != -1) ::CloseHandle(reinterpret_cast<HANDLE>(handle_));
}

}  // namespace tarnwick::platform
