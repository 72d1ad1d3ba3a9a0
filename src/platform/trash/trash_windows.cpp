// The Recycle Bin through the shell's IFileOperation, a folder's entries in one batch. The
// shell asks before each item; one it would delete for good (a volume without a Recycle Bin,
// a network share, a file too large for the bin) is refused there, so it stays where it is.
// Afterwards only an item the shell says it recycled counts as moved.
#include "platform/trash/trash.h"
#include "platform/trash/file_operation_windows.h"  // windows.h before the headers that build on it

#include <shellapi.h>
#include <shlobj.h>

#include <algorithm>
#include <atomic>
#include <mutex>
#include <optional>
#include <utility>

namespace tarnwick::platform {
namespace {

std::mutex makerMutex;
FileOperationMaker replacementMaker;

// The path the shell takes for an open folder: without the \\?\ that lifts the length limit,
// as the shell parses none.
std::wstring ShellPathOf(HANDLE folder) {
  const std::wstring path = FinalPathOf(folder);
  if (path.starts_with(L"\\\\?\\UNC\\")) return L"\\" + path.substr(7);
  if (path.starts_with(L"\\\\?\\")) return path.substr(4);
  return path;
}

// Whether the shell, about to delete an item with these transfer flags, puts it in the Recycle
// Bin; it is asked before every item, and every other item is refused.
bool GoesToRecycleBin(unsigned long transferFlags) {
  return (transferFlags & TSF_DELETE_RECYCLE_IF_POSSIBLE) != 0;
}

// The path of a shell item in the file system; empty when it has none.
std::wstring FileSystemPathOf(IShellItem* item) {
  wchar_t* path = nullptr;
  if (item == nullptr || FAILED(item->GetDisplayName(SIGDN_FILESYSPATH, &path))) return {};
  std::wstring copy = path;
  ::CoTaskMemFree(path);
  return copy;
}

// Hears of every item the shell deletes: refuses one the Recycle Bin would not keep, and
// keeps each one's outcome, and the file it became in the Recycle Bin, by its place in `paths`.
class RecycleSink : public IFileOperationProgressSink {
 public:
  RecycleSink(const std::vector<std::wstring>& paths,
              std::vector<std::optional<std::error_code>>& outcomes,
              std::vector<std::wstring>& recycledPaths)
      : paths_(paths), outcomes_(outcomes), recycledPaths_(recycledPaths) {}

  HRESULT STDMETHODCALLTYPE PreDeleteItem(DWORD flags, IShellItem* item) override {
    if (GoesToRecycleBin(flags)) return S_OK;
    if (const auto index = IndexOf(item)) {
      outcomes_[*index] = make_error_code(TrashError::kWouldBeDeleted);
    }
    return HRESULT_FROM_WIN32(ERROR_CANCELLED);  // ends this batch; the rest go in the next
  }
  // The documentation: `recycled` is the item in the Recycle Bin, or null when the item was
  // deleted rather than recycled. In the file system it is the bin's $R file of the item.
  HRESULT STDMETHODCALLTYPE PostDeleteItem(DWORD, IShellItem* item, HRESULT result,
                                           IShellItem* recycled) override {
    if (const auto index = IndexOf(item)) {
      if (FAILED(result)) {
        outcomes_[*index] = FromHresult(result);
      } else if (recycled == nullptr) {
        outcomes_[*index] = make_error_code(TrashError::kDeletedForGood);
      } else {
        outcomes_[*index] = std::error_code();
        recycledPaths_[*index] = FileSystemPathOf(recycled);
      }
    }
    return S_OK;
  }

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID id, void** object) override {
    if (id == IID_IUnknown || id == IID_IFileOperationProgressSink) {
      *object = static_cast<IFileOperationProgressSink*>(this);
      AddRef();
      return S_OK;
    }
    *object = nullptr;
    return E_NOINTERFACE;
  }
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
  std::optional<size_t> IndexOf(IShellItem* item) const {
    const std::wstring path = FileSystemPathOf(item);
    for (size_t i = 0; i < paths_.size() && !path.empty(); ++i) {
      if (::CompareStringOrdinal(path.c_str(), -1, paths_[i].c_str(), -1, TRUE) == CSTR_EQUAL) {
        return i;
      }
    }
    return std::nullopt;
  }

  const std::vector<std::wstring>& paths_;
  std::vector<std::optional<std::error_code>>& outcomes_;
  std::vector<std::wstring>& recycledPaths_;
  std::atomic<ULONG> references_{1};
};

bool IsGone(const std::wstring& path) {
  if (::GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES) return false;
  const DWORD error = ::GetLastError();
  return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND;
}

// One batch: the items still without an outcome. Ends early where an item is refused. An item
// the shell took away without saying it recycled it was deleted for good.
HRESULT RecycleBatch(const std::vector<std::wstring>& paths,
                     std::vector<std::optional<std::error_code>>& outcomes,
                     std::vector<std::wstring>& recycledPaths) {
  ComPointer<IFileOperation> operation;
  HRESULT result = MakeFileOperation(operation.put());
  if (FAILED(result)) return result;
  result = operation->SetOperationFlags(FOF_NO_UI | FOF_ALLOWUNDO | FOFX_RECYCLEONDELETE);
  if (FAILED(result)) return result;
  RecycleSink sink(paths, outcomes, recycledPaths);
  DWORD cookie = 0;
  if (FAILED(result = operation->Advise(&sink, &cookie))) return result;
  for (size_t i = 0; i < paths.size(); ++i) {
    if (outcomes[i]) continue;
    ComPointer<IShellItem> item;
    result = ::SHCreateItemFromParsingName(paths[i].c_str(), nullptr, IID_IShellItem,
                                           reinterpret_cast<void**>(item.put()));
    if (SUCCEEDED(result)) result = operation->DeleteItem(item.get(), nullptr);
    if (FAILED(result)) outcomes[i] = FromHresult(result);
  }
  result = operation->PerformOperations();
  operation->Unadvise(cookie);
  for (size_t i = 0; i < paths.size(); ++i) {
    if (!outcomes[i] && IsGone(paths[i])) outcomes[i] = make_error_code(TrashError::kDeletedForGood);
  }
  return result;
}

}  // namespace

HRESULT MakeFileOperation(IFileOperation** operation) {
  FileOperationMaker maker;
  {
    const std::lock_guard<std::mutex> lock(makerMutex);
    maker = replacementMaker;
  }
  if (maker) return maker(operation);
  return ::CoCreateInstance(CLSID_FileOperation, nullptr, CLSCTX_ALL, IID_IFileOperation,
                            reinterpret_cast<void**>(operation));
}

FileOperationMaker ReplaceFileOperationMaker(FileOperationMaker maker) {
  const std::lock_guard<std::mutex> lock(makerMutex);
  return std::exchange(replacementMaker, std::move(maker));
}


std::vector<FileIdentity> TrashFolders(const std::string&) { return {}; }

struct Trash::Places {};

Trash::Trash(TrashRecorder& recorder) : recorder_(recorder) {}
Trash::~Trash() = default;

// The shell records the held folder's own path, so that it cannot differ from the handle's.
std::vector<std::error_code> Trash::Move(const DirectoryHandle& folder, const std::string&,
                                         std::span<const std::string> names) {
  std::vector<std::optional<std::error_code>> outcomes(names.size());
  const auto settle = [&outcomes](std::error_code error) {
    std::vector<std::error_code> settled;
    for (auto& outcome : outcomes) settled.push_back(outcome.value_or(error));
    return settled;
  };
  if (RecordError()) return settle(make_error_code(TrashError::kNotRecorded));
  // The shell works by path: the folder is held so that nobody can rename or replace it (or a
  // folder above it) until the batch is done, and the path stays the one it has now.
  const ScopedHandle held(::ReOpenFile(reinterpret_cast<HANDLE>(folder.NativeHandle()),
                                       FILE_LIST_DIRECTORY, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                       FILE_FLAG_BACKUP_SEMANTICS));
  if (!held.IsValid()) return settle(LastWindowsError());
  const std::wstring folderPath = ShellPathOf(held.get());
  if (folderPath.empty()) return settle(LastWindowsError());
  std::vector<std::wstring> paths;
  // Who each file is, taken before it goes: a move within its volume keeps it, so taking back
  // knows the very file again. One that cannot be told could not be found again: it stays.
  std::vector<TrashedEntry> pending;
  std::vector<size_t> pendingPaths;
  for (size_t i = 0; i < names.size(); ++i) {
    paths.push_back(folderPath + L"\\" + Wide(names[i]));
    if (const auto identity = IdentityOfEntry(folder, names[i])) {
      pending.push_back({Narrow(paths[i]), std::string(), identity->volume, identity->file});
      pendingPaths.push_back(i);
    } else {
      outcomes[i] = std::make_error_code(std::errc::no_such_file_or_directory);
    }
  }
  // Their lines go ahead of them, without the place the bin gives them, which taking back
  // finds by who the file is should the pass end before it is recorded.
  if (!RecordBeforeMove(pending)) {
    for (const size_t i : pendingPaths) outcomes[i] = make_error_code(TrashError::kNotRecorded);
    return settle({});
  }
  std::vector<std::wstring> recycledPaths(paths.size());

  const ComForThisThread com;
  // A refused item ends its batch: what was left goes again, until nothing is left or a batch
  // settles nothing.
  std::error_code unsettled;
  for (;;) {
    const auto open = std::count(outcomes.begin(), outcomes.end(), std::nullopt);
    if (open == 0) break;
    const HRESULT result = RecycleBatch(paths, outcomes, recycledPaths);
    if (std::count(outcomes.begin(), outcomes.end(), std::nullopt) == open) {
      unsettled = FAILED(result) ? FromHresult(result)
                                 : std::make_error_code(std::errc::operation_canceled);
      break;
    }
  }
  // What went, and the file that it is in the Recycle Bin now.
  std::vector<TrashedEntry> moved;
  for (size_t p = 0; p < pending.size(); ++p) {
    const size_t i = pendingPaths[p];
    if (outcomes[i] && !*outcomes[i] && !recycledPaths[i].empty()) {
      moved.push_back(pending[p]);
      moved.back().recycledPath = Narrow(recycledPaths[i]);
    }
  }
  RecordAfterMove(moved);
  return settle(unsettled);
}

}  // namespace tarnwick::platform
