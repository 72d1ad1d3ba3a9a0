// Windows: a task as the Task Scheduler keeps it, read back through its own interface.
#pragma once

#include "platform/windows/windows_support.h"  // windows.h first

#include <oleauto.h>
#include <taskschd.h>

#include <string>

#include "platform/windows/com_support.h"

namespace tarnwick::testing {

// The path of the task of that name as the Task Scheduler keeps it, read back through its own
// interface; nothing when there is none.
inline std::wstring RegisteredPath(const std::string& name) {
  const platform::ComForThisThread com;
  platform::ComPointer<ITaskService> service;
  if (FAILED(::CoCreateInstance(CLSID_TaskScheduler, nullptr, CLSCTX_INPROC_SERVER,
                                IID_ITaskService, reinterpret_cast<void**>(service.put())))) {
    return {};
  }
  VARIANT none{};
  ::VariantInit(&none);
  service->Connect(none, none, none, none);
  platform::ComPointer<ITaskFolder> folder;
  platform::ComPointer<IRegisteredTask> task;
  BSTR folderPath = ::SysAllocString(L"\\Tarnwick");
  BSTR taskName = ::SysAllocString(platform::Wide(name).c_str());
  BSTR path = nullptr;
  std::wstring text;
  if (SUCCEEDED(service->GetFolder(folderPath, folder.put())) &&
      SUCCEEDED(folder->GetTask(taskName, task.put())) && SUCCEEDED(task->get_Path(&path))) {
    text = path;
  }
  ::SysFreeString(path);
  ::SysFreeString(taskName);
  ::SysFreeString(folderPath);
  return text;
}

}  // namespace tarnwick::testing
