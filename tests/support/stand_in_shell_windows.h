#pragma once

// A stand-in for the shell's IFileOperation, as its documentation describes it, deleting real
// files: Wine's shell does not recycle, so tests drive the Recycle Bin code with this.
#include "platform/trash/file_operation_windows.h"  // windows.h first

#include <string>
#include <vector>

namespace tarnwick::testing {

// What the stand-in shell does with one item.
enum class Fate {
  kRecycle,        // asks with the recycle flag, deletes, and names the item in the bin
  kRefuse,         // asks without it: the item would be deleted for good
  kDeleteForGood,  // deletes and says so: no item in the bin
  kSilent,         // deletes and says nothing at all
};

// IFileOperation as its documentation describes it, deleting real files: asks the sink before
// each item and tells it after; a sink's refusal ends the operation.
class StandInOperation final : public IFileOperation {
 public:
  StandInOperation(std::vector<Fate> fates, HRESULT deleteResult, int failAfter)
      : fates_(std::move(fates)), deleteResult_(deleteResult), failAfter_(failAfter) {}

  HRESULT STDMETHODCALLTYPE Advise(IFileOperationProgressSink* sink, DWORD* cookie) override {
    sink_ = sink;
    *cookie = 1;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE Unadvise(DWORD) override {
    sink_ = nullptr;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE DeleteItem(IShellItem* item, IFileOperationProgressSink*) override {
    if (FAILED(deleteResult_)) return deleteResult_;
    item->AddRef();
    items_.push_back(item);
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE PerformOperations() override {
    for (size_t done = 0; done < items_.size(); ++done) {
      if (failAfter_ >= 0 && done == static_cast<size_t>(failAfter_)) return E_ACCESSDENIED;
      IShellItem* item = items_[done];
      wchar_t* path = nullptr;
      item->GetDisplayName(SIGDN_FILESYSPATH, &path);
      const std::wstring file = path;
      ::CoTaskMemFree(path);
      const Fate fate = FateOf(file);
      const DWORD flags = fate == Fate::kRefuse ? 0 : TSF_DELETE_RECYCLE_IF_POSSIBLE;
      if (const HRESULT asked = sink_->PreDeleteItem(flags, item); FAILED(asked)) return asked;
      ::SetFileAttributesW(file.c_str(), FILE_ATTRIBUTE_NORMAL);
      ::DeleteFileW(file.c_str());
      if (fate == Fate::kRecycle) sink_->PostDeleteItem(flags, item, S_OK, item);
      if (fate == Fate::kDeleteForGood) sink_->PostDeleteItem(flags, item, S_OK, nullptr);
    }
    return S_OK;
  }
  ~StandInOperation() {
    for (IShellItem* item : items_) item->Release();
  }

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID, void** object) override {
    *object = nullptr;
    return E_NOINTERFACE;
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return ++references_; }
  ULONG STDMETHODCALLTYPE Release() override {
    const ULONG left = --references_;
    if (left == 0) delete this;
    return left;
  }
  HRESULT STDMETHODCALLTYPE SetOperationFlags(DWORD) override { return S_OK; }
  HRESULT STDMETHODCALLTYPE SetProgressMessage(LPCWSTR) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE SetProgressDialog(IOperationsProgressDialog*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE SetProperties(IPropertyChangeArray*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE SetOwnerWindow(HWND) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE ApplyPropertiesToItem(IShellItem*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE ApplyPropertiesToItems(IUnknown*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE RenameItem(IShellItem*, LPCWSTR, IFileOperationProgressSink*) override {
    return E_NOTIMPL;
  }
  HRESULT STDMETHODCALLTYPE RenameItems(IUnknown*, LPCWSTR) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE MoveItem(IShellItem*, IShellItem*, LPCWSTR,
                                     IFileOperationProgressSink*) override {
    return E_NOTIMPL;
  }
  HRESULT STDMETHODCALLTYPE MoveItems(IUnknown*, IShellItem*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE CopyItem(IShellItem*, IShellItem*, LPCWSTR,
                                     IFileOperationProgressSink*) override {
    return E_NOTIMPL;
  }
  HRESULT STDMETHODCALLTYPE CopyItems(IUnknown*, IShellItem*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE DeleteItems(IUnknown*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE NewItem(IShellItem*, DWORD, LPCWSTR, LPCWSTR,
                                    IFileOperationProgressSink*) override {
    return E_NOTIMPL;
  }
  HRESULT STDMETHODCALLTYPE GetAnyOperationsAborted(BOOL* aborted) override {
    *aborted = FALSE;
    return S_OK;
  }

 private:
  // The fate of the file named "<number>.log".
  Fate FateOf(const std::wstring& path) const {
    const size_t name = path.rfind(L'\\') + 1;
    return fates_.at(std::stoul(path.substr(name)));
  }

  std::vector<Fate> fates_;
  HRESULT deleteResult_;
  int failAfter_;
  IFileOperationProgressSink* sink_ = nullptr;
  std::vector<IShellItem*> items_;
  ULONG references_ = 1;
};

}  // namespace tarnwick::testing
