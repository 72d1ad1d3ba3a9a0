// The Task Scheduler, through its COM interface: each run a task in the folder \Tarnwick,
// registered from its XML definition for the current user with the user's own token, so no
// password is stored and no administrator is asked.
#include "platform/windows/windows_support.h"  // windows.h first

#include <oleauto.h>
#include <taskschd.h>

#include <vector>

#include "platform/schedule/scheduler.h"
#include "platform/schedule/task_definition.h"
#include "platform/windows/com_support.h"

namespace tarnwick::platform {
namespace {

constexpr wchar_t kFolder[] = L"\\Tarnwick";

// A BSTR for as long as it lives.
class Bstr {
 public:
  explicit Bstr(const std::wstring& text) : text_(::SysAllocString(text.c_str())) {}
  ~Bstr() { ::SysFreeString(text_); }
  Bstr(const Bstr&) = delete;
  Bstr& operator=(const Bstr&) = delete;
  BSTR get() const { return text_; }

 private:
  BSTR text_;
};

// "DOMAIN\name" of the user this process runs as.
std::wstring CurrentUser() {
  HANDLE handle = nullptr;
  if (!::OpenProcessToken(::GetCurrentProcess(), TOKEN_QUERY, &handle)) return {};
  const ScopedHandle token(handle);
  DWORD size = 0;
  ::GetTokenInformation(token.get(), TokenUser, nullptr, 0, &size);
  std::vector<BYTE> user(size);
  if (size == 0 || !::GetTokenInformation(token.get(), TokenUser, user.data(), size, &size)) {
    return {};
  }
  wchar_t name[256], domain[256];
  DWORD nameSize = 256, domainSize = 256;
  SID_NAME_USE use;
  if (!::LookupAccountSidW(nullptr, reinterpret_cast<TOKEN_USER*>(user.data())->User.Sid, name,
                           &nameSize, domain, &domainSize, &use)) {
    return {};
  }
  return std::wstring(domain) + L"\\" + name;
}

// The folder of the program's tasks, made when asked to.
HRESULT TaskFolder(ITaskService* service, bool make, ITaskFolder** folder) {
  const Bstr path(kFolder);
  HRESULT result = service->GetFolder(path.get(), folder);
  if (SUCCEEDED(result) || !make) return result;
  ComPointer<ITaskFolder> root;
  const Bstr rootPath(L"\\");
  if (FAILED(result = service->GetFolder(rootPath.get(), root.put()))) return result;
  VARIANT none{};
  ::VariantInit(&none);
  return root->CreateFolder(path.get(), none, folder);
}

HRESULT ConnectedService(ITaskService** service) {
  HRESULT result = ::CoCreateInstance(CLSID_TaskScheduler, nullptr, CLSCTX_INPROC_SERVER,
                                      IID_ITaskService, reinterpret_cast<void**>(service));
  if (FAILED(result)) return result;
  VARIANT none{};
  ::VariantInit(&none);
  return (*service)->Connect(none, none, none, none);
}

std::error_code ErrorOf(HRESULT result) {
  if (HRESULT_FACILITY(result) == FACILITY_WIN32) return WindowsError(HRESULT_CODE(result));
  return {static_cast<int>(result), std::system_category()};
}

class TaskScheduler : public Scheduler {
 public:
  std::error_code Schedule(const ScheduledRun& run) override {
    const ComForThisThread com;
    ComPointer<ITaskService> service;
    ComPointer<ITaskFolder> folder;
    HRESULT result = ConnectedService(service.put());
    if (SUCCEEDED(result)) result = TaskFolder(service.get(), true, folder.put());
    if (FAILED(result)) return ErrorOf(result);
    const Bstr name(Wide(run.name));
    const Bstr definition(TaskDefinition(run, CurrentUser()));
    VARIANT none{};
    ::VariantInit(&none);
    ComPointer<IRegisteredTask> task;
    result = folder->RegisterTask(name.get(), definition.get(), TASK_CREATE_OR_UPDATE, none, none,
                                  TASK_LOGON_INTERACTIVE_TOKEN, none, task.put());
    return FAILED(result) ? ErrorOf(result) : std::error_code();
  }

  std::error_code Unschedule(const std::string& name) override {
    const ComForThisThread com;
    ComPointer<ITaskService> service;
    ComPointer<ITaskFolder> folder;
    HRESULT result = ConnectedService(service.put());
    if (FAILED(result)) return ErrorOf(result);
    if (FAILED(TaskFolder(service.get(), false, folder.put()))) return {};  // no task was made
    const Bstr task(Wide(name));
    result = folder->DeleteTask(task.get(), 0);
    if (result == HRESULT_FROM_WIN32(ERROR_FILE_NOT_FOUND)) return {};
    return FAILED(result) ? ErrorOf(result) : std::error_code();
  }
};

}  // namespace

Scheduler& OwnScheduler() {
  static TaskScheduler scheduler;
  return scheduler;
}

}  // namespace tarnwick::platform
