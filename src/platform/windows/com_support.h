// What the Windows code that speaks COM shares: COM for the thread, and its pointers.
#pragma once

#include "platform/windows/windows_support.h"  // windows.h first

#include <objbase.h>

namespace tarnwick::platform {

// COM, in the single-threaded kind the shell's operations need, for as long as it lives.
class ComForThisThread {
 public:
  ComForThisThread()
      : started_(SUCCEEDED(::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED |
                                                         COINIT_DISABLE_OLE1DDE))) {}
  ~ComForThisThread() {
    if (started_) ::CoUninitialize();
  }

 private:
  bool started_;
};

template <typename Interface>
class ComPointer {
 public:
  ComPointer() = default;
  ComPointer(const ComPointer&) = delete;
  ComPointer& operator=(const ComPointer&) = delete;
  ~ComPointer() {
    if (pointer_ != nullptr) pointer_->Release();
  }
  Interface* operator->() const { return pointer_; }
  Interface* get() const { return pointer_; }
  Interface** put() { return &pointer_; }

 private:
  Interface* pointer_ = nullptr;
};

}  // namespace tarnwick::platform
