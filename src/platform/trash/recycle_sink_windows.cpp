#include "platform/trash/recycle_sink_windows.h"

#include "platform/trash/recycle_bin_windows.h"

namespace tarnwick::platform {
namespace {

// Whether the shell, about to delete an item with these transfer flags, puts it in the Recycle
// Bin. With the nuke warning asked for, it says so before it would destroy one instead.
bool GoesToRecycleBin(unsigned long transferFlags) {
  return (transferFlags & TSF_DELETE_RECYCLE_IF_POSSIBLE) != 0;
}

// Why the file at `path` is not the one chosen; nothing when it is.
std::error_code WhyNotChosen(const std::wstring& path, const TrashedEntry& chosen) {
  const ScopedHandle file(OpenItself(Narrow(path), FILE_READ_ATTRIBUTES));
  if (!file.IsValid()) return LastWindowsError();
  const auto identity = RecycleIdentityOf(file.get());
  if (!identity) return LastWindowsError();
  if (identity->directory || !IsRecordedFile(chosen, *identity)) {
    return make_error_code(TrashError::kNotTheFileFound);
  }
  return {};
}

}  // namespace

std::wstring FileSystemPathOf(IShellItem* item) {
  wchar_t* path = nullptr;
  if (item == nullptr || FAILED(item->GetDisplayName(SIGDN_FILESYSPATH, &path))) return {};
  std::wstring copy = path;
  ::CoTaskMemFree(path);
  return copy;
}

HRESULT STDMETHODCALLTYPE RecycleSink::PreDeleteItem(DWORD flags, IShellItem* item) {
  RecycleItem* ours = ItemOf(item);
  std::error_code refused = make_error_code(TrashError::kNotTheFileFound);
  if (ours != nullptr) {
    refused = GoesToRecycleBin(flags) ? WhyNotChosen(ours->path, ours->chosen)
                                      : make_error_code(TrashError::kWouldBeDeleted);
    if (!refused) return S_OK;
    ours->outcome = refused;
  }
  return HRESULT_FROM_WIN32(ERROR_CANCELLED);  // ends this batch; the rest go in the next
}

HRESULT STDMETHODCALLTYPE RecycleSink::PostDeleteItem(DWORD, IShellItem* item, HRESULT result,
                                                      IShellItem* recycled) {
  if (RecycleItem* ours = ItemOf(item)) {
    if (FAILED(result)) {
      ours->outcome = FromHresult(result);
    } else if (recycled == nullptr) {
      ours->outcome = make_error_code(TrashError::kDeletedForGood);
    } else {
      ours->recycledPath = FileSystemPathOf(recycled);
      ours->outcome =
          ours->recycledPath.empty() ? make_error_code(TrashError::kNoWayBack) : std::error_code();
    }
  }
  return S_OK;
}

HRESULT STDMETHODCALLTYPE RecycleSink::QueryInterface(REFIID id, void** object) {
  if (id == IID_IUnknown || id == IID_IFileOperationProgressSink) {
    *object = static_cast<IFileOperationProgressSink*>(this);
    AddRef();
    return S_OK;
  }
  *object = nullptr;
  return E_NOINTERFACE;
}

RecycleItem* RecycleSink::ItemOf(IShellItem* item) const {
  const std::wstring path = FileSystemPathOf(item);
  if (path.empty()) return nullptr;
  for (RecycleItem& candidate : items_) {
    if (::CompareStringOrdinal(path.c_str(), -1, candidate.path.c_str(), -1, TRUE) == CSTR_EQUAL) {
      return &candidate;
    }
  }
  return nullptr;
}

}  // namespace tarnwick::platform
