#pragma once

// A stand-in for the shell's IFileOperation, as its documentation describes it, deleting and
// recycling real files: Wine's shell does not recycle, so tests drive the Recycle Bin code
// with this. It recycles as Windows 10 does: the file moves into a bin folder (the test's own)
// as $R<id><extension>, beside it a $I<id><extension> in the bin's documented format.
#include "platform/trash/file_operation_windows.h"  // windows.h first

#include <shellapi.h>
#include <shobjidl.h>

#include <cstdint>
#include <string>
#include <vector>

namespace tarnwick::testing {

// A $I file of version 2: version, size, time of deletion, the path's length and the path.
inline void WriteRecycleBinInfo(const std::wstring& info, const std::wstring& originalPath) {
  std::string bytes;
  const auto put = [&bytes](uint64_t value, size_t size) {
    for (size_t i = 0; i < size; ++i) bytes += static_cast<char>(value >> (8 * i));
  };
  FILETIME now{};
  ::GetSystemTimeAsFileTime(&now);
  put(2, 8);
  put(0, 8);
  put((uint64_t{now.dwHighDateTime} << 32) | now.dwLowDateTime, 8);
  put(originalPath.size() + 1, 4);
  for (const wchar_t c : originalPath + L'\0') put(static_cast<uint16_t>(c), 2);
  const HANDLE file = ::CreateFileW(info.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                    FILE_ATTRIBUTE_NORMAL, nullptr);
  DWORD written = 0;
  ::WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
  ::CloseHandle(file);
}

// What the stand-in shell does with one item.
enum class Fate {
  kRecycle,        // asks with the recycle flag, moves it into the bin, names the item there
  kRefuse,         // asks without it: the item would be deleted for good
  kDestroy,        // would destroy it: with the nuke warning asked for, asks without the recycle
                   // flag; else asks with it and destroys it
  kDeclined,       // would destroy it; the nuke warning, shown first, is answered no: the item
                   // is skipped and the operation counts as aborted
  kReplaced,       // another file takes its name before the shell asks, and is recycled
  kFolderInPlace,  // a folder takes its name before the shell asks, and is recycled
  kNoPath,         // recycles it, but names an item in the bin without a file-system path
  // Against the documentation, which says a destroyed item is warned of when asked:
  kDeleteForGood,  // deletes and says so: no item in the bin
  kSilent,         // deletes and says nothing at all
};

// A shell item outside the file system, as the bin's own namespace may give one.
class PathlessItem final : public IShellItem {
 public:
  HRESULT STDMETHODCALLTYPE GetDisplayName(SIGDN, LPWSTR* name) override {
    *name = nullptr;
    return E_FAIL;
  }
  HRESULT STDMETHODCALLTYPE BindToHandler(IBindCtx*, REFGUID, REFIID, void**) override {
    return E_NOTIMPL;
  }
  HRESULT STDMETHODCALLTYPE GetParent(IShellItem**) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE GetAttributes(SFGAOF, SFGAOF*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE Compare(IShellItem*, SICHINTF, int*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID, void** object) override {
    *object = nullptr;
    return E_NOINTERFACE;
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return 2; }  // lives on its caller's stack
  ULONG STDMETHODCALLTYPE Release() override { return 1; }
};

// IFileOperation as its documentation describes it, deleting real files: asks the sink before
// each item and tells it after; a sink's refusal ends the operation.
class StandInOperation final : public IFileOperation {
 public:
  StandInOperation(std::vector<Fate> fates, HRESULT deleteResult, int failAfter,
                   std::wstring bin = {})
      : fates_(std::move(fates)), deleteResult_(deleteResult), failAfter_(failAfter),
        bin_(std::move(bin)) {}

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
    const bool warns = (flags_ & FOF_WANTNUKEWARNING) != 0;
    for (size_t done = 0; done < items_.size(); ++done) {
      if (failAfter_ >= 0 && done == static_cast<size_t>(failAfter_)) return E_ACCESSDENIED;
      IShellItem* item = items_[done];
      wchar_t* path = nullptr;
      item->GetDisplayName(SIGDN_FILESYSPATH, &path);
      const std::wstring file = path;
      ::CoTaskMemFree(path);
      const Fate fate = FateOf(file);
      if (fate == Fate::kDeclined) {
        aborted_ = TRUE;
        continue;
      }
      if (fate == Fate::kReplaced) {
        // Made while the file is still there, so that it cannot get its number.
        WriteNewFile(file + L".new");
        ::SetFileAttributesW(file.c_str(), FILE_ATTRIBUTE_NORMAL);
        ::MoveFileExW((file + L".new").c_str(), file.c_str(), MOVEFILE_REPLACE_EXISTING);
      } else if (fate == Fate::kFolderInPlace) {
        ::SetFileAttributesW(file.c_str(), FILE_ATTRIBUTE_NORMAL);
        ::DeleteFileW(file.c_str());
        ::CreateDirectoryW(file.c_str(), nullptr);
      }
      const bool recycles = fate != Fate::kRefuse && !(fate == Fate::kDestroy && warns);
      const DWORD flags = recycles ? TSF_DELETE_RECYCLE_IF_POSSIBLE : 0;
      if (const HRESULT asked = sink_->PreDeleteItem(flags, item); FAILED(asked)) return asked;
      if (fate == Fate::kNoPath) {
        ::SetFileAttributesW(file.c_str(), FILE_ATTRIBUTE_NORMAL);
        ::DeleteFileW(file.c_str());
        PathlessItem inBin;
        sink_->PostDeleteItem(flags, item, S_OK, &inBin);
        continue;
      }
      if (fate != Fate::kDestroy && fate != Fate::kDeleteForGood && fate != Fate::kSilent) {
        IShellItem* recycled = Recycle(file);
        sink_->PostDeleteItem(flags, item, recycled != nullptr ? S_OK : E_FAIL, recycled);
        if (recycled != nullptr) recycled->Release();
        continue;
      }
      ::SetFileAttributesW(file.c_str(), FILE_ATTRIBUTE_NORMAL);
      ::DeleteFileW(file.c_str());
      if (fate != Fate::kSilent) sink_->PostDeleteItem(flags, item, S_OK, nullptr);
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
  HRESULT STDMETHODCALLTYPE SetOperationFlags(DWORD flags) override {
    flags_ = flags;
    return S_OK;
  }
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
    *aborted = aborted_;
    return S_OK;
  }

 private:
  // Moves the file into the bin with its $I file; the shell's item for its $R file.
  IShellItem* Recycle(const std::wstring& file) {
    static unsigned next = 0;
    const std::wstring id = std::to_wstring(100000 + next++);
    const size_t dot = file.rfind(L'.');
    const std::wstring extension = dot == std::wstring::npos ? L"" : file.substr(dot);
    const std::wstring recycled = bin_ + L"\\$R" + id + extension;
    if (!::MoveFileW(file.c_str(), recycled.c_str())) return nullptr;
    WriteRecycleBinInfo(bin_ + L"\\$I" + id + extension, file);
    IShellItem* item = nullptr;
    ::SHCreateItemFromParsingName(recycled.c_str(), nullptr, IID_IShellItem,
                                  reinterpret_cast<void**>(&item));
    return item;
  }

  static void WriteNewFile(const std::wstring& file) {
    const HANDLE made = ::CreateFileW(file.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                      FILE_ATTRIBUTE_NORMAL, nullptr);
    ::CloseHandle(made);
  }

  // The fate of the file named "<number>.log" (or "<number>").
  Fate FateOf(const std::wstring& path) const {
    const size_t name = path.rfind(L'\\') + 1;
    return fates_.at(std::stoul(path.substr(name)));
  }

  std::vector<Fate> fates_;
  HRESULT deleteResult_;
  int failAfter_;
  std::wstring bin_;
  DWORD flags_ = 0;
  BOOL aborted_ = FALSE;
  IFileOperationProgressSink* sink_ = nullptr;
  std::vector<IShellItem*> items_;
  ULONG references_ = 1;
};

}  // namespace tarnwick::testing
