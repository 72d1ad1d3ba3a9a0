// Windows: what hears the shell's file operation item by item. Before each item it lets go only
// the file the pass chose, and only into the Recycle Bin; after each it keeps the outcome and
// the item's place in the bin.
#pragma once

#include "platform/trash/file_operation_windows.h"  // windows.h first

#include <atomic>
#include <optional>
#include <string>
#include <system_error>
#include <vector>

#include "platform/trash/trash.h"

namespace tarnwick::platform {

// One file of a batch: its path for the shell, who it was when chosen, and what became of it.
struct RecycleItem {
  std::wstring path;
  TrashedEntry chosen;                     // its identity when the pass chose it
  std::optional<std::error_code> outcome;  // none while the shell has not dealt with it
  std::wstring recycledPath;               // its $R file, once recycled
};

class RecycleSink : public IFileOperationProgressSink {
 public:
  explicit RecycleSink(std::vector<RecycleItem>& items) : items_(items) {}

  // Refuses an item that the shell would not recycle, or that is no longer the file chosen (a
  // folder, a link, another file under its name): a refusal ends the operation.
  HRESULT STDMETHODCALLTYPE PreDeleteItem(DWORD flags, IShellItem* item) override;
  // The documentation: `recycled` is the item in the Recycle Bin, or null when the item was
  // deleted rather than recycled. In the file system it is the bin's $R file of the item.
  HRESULT STDMETHODCALLTYPE PostDeleteItem(DWORD, IShellItem* item, HRESULT result,
                                           IShellItem* recycled) override;

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID id, void** object) override;
  // The sink lives on the stack of the batch that uses it.
  ULONG STDMETHODCALLTYPE AddRef() override { return ++references_; }
  ULONG STDMETHODCALLTYPE Release() override { return --references_; }

  HRESULT STDMETHODCALLTYPE StartOperations() override { return S_OK; }
  HRESULT STDMETHODCALLTYPE FinishOperations(HRESULT) override { return S_OK; }
  HRESULT STDMETHODCALLTYPE PreRenameItem(DWORD, IShellItem*, LPCWSTR) override { return S_OK; }
  HRESULT STDMETHODCALLTYPE PostRenameItem(DWORD, IShellItem*, LPCWSTR, HRESULT,
                                           IShellItem*) override {
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE PreMoveItem(DWORD, IShellItem*, IShellItem*, LPCWSTR) override {
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE PostMoveItem(DWORD, IShellItem*, IShellItem*, LPCWSTR, HRESULT,
                                         IShellItem*) override {
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE PreCopyItem(DWORD, IShellItem*, IShellItem*, LPCWSTR) override {
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE PostCopyItem(DWORD, IShellItem*, IShellItem*, LPCWSTR, HRESULT,
                                         IShellItem*) override {
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE PreNewItem(DWORD, IShellItem*, LPCWSTR) override { return S_OK; }
  HRESULT STDMETHODCALLTYPE PostNewItem(DWORD, IShellItem*, LPCWSTR, LPCWSTR, DWORD, HRESULT,
                                        IShellItem*) override {
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE UpdateProgress(UINT, UINT) override { return S_OK; }
  HRESULT STDMETHODCALLTYPE ResetTimer() override { return S_OK; }
  HRESULT STDMETHODCALLTYPE PauseTimer() override { return S_OK; }
  HRESULT STDMETHODCALLTYPE ResumeTimer() override { return S_OK; }

 private:
  RecycleItem* ItemOf(IShellItem* item) const;

  std::vector<RecycleItem>& items_;
  std::atomic<ULONG> references_{1};
};

// The path of a shell item in the file system; empty when it has none.
std::wstring FileSystemPathOf(IShellItem* item);

}  // namespace tarnwick::platform
