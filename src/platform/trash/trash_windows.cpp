// The Recycle Bin through the shell's IFileOperation, a folder's entries in one batch. A file
// goes only where the bin will keep it: a fixed drive whose bin is there and switched on, with
// room for the batch, so that the bin neither deletes it nor its own older entries for good.
// The shell asks before each item; one it would destroy, or one that is no longer the file
// chosen, is refused there and stays where it is. Afterwards only an item the shell says it
// recycled counts as moved.
#include "platform/trash/trash.h"
#include "platform/trash/file_operation_windows.h"  // windows.h before the headers that build on it

#include <shellapi.h>
#include <shlobj.h>

#include <algorithm>
#include <map>
#include <mutex>
#include <optional>
#include <utility>

#include "platform/dir/relative_open_windows.h"
#include "platform/trash/recycle_bin_windows.h"
#include "platform/trash/recycle_sink_windows.h"

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

bool IsGone(const std::wstring& path) {
  if (::GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES) return false;
  const DWORD error = ::GetLastError();
  return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND;
}

size_t Unsettled(const std::vector<RecycleItem>& items) {
  return static_cast<size_t>(std::ranges::count_if(
      items, [](const RecycleItem& item) { return !item.outcome.has_value(); }));
}

// One batch: the items still without an outcome. Ends early where an item is refused; `aborted`
// when the shell says the operation was (a warning answered no, say). An item the shell took
// away without saying it recycled it was deleted for good.
HRESULT RecycleBatch(std::vector<RecycleItem>& items, bool& aborted) {
  ComPointer<IFileOperation> operation;
  HRESULT result = MakeFileOperation(operation.put());
  if (FAILED(result)) return result;
  // No dialog but the one warning that an item would be destroyed rather than recycled.
  result = operation->SetOperationFlags(FOF_NO_UI | FOF_ALLOWUNDO | FOFX_RECYCLEONDELETE |
                                        FOF_WANTNUKEWARNING);
  if (FAILED(result)) return result;
  RecycleSink sink(items);
  DWORD cookie = 0;
  if (FAILED(result = operation->Advise(&sink, &cookie))) return result;
  for (RecycleItem& item : items) {
    if (item.outcome) continue;
    ComPointer<IShellItem> shellItem;
    result = ::SHCreateItemFromParsingName(item.path.c_str(), nullptr, IID_IShellItem,
                                           reinterpret_cast<void**>(shellItem.put()));
    if (SUCCEEDED(result)) result = operation->DeleteItem(shellItem.get(), nullptr);
    if (FAILED(result)) item.outcome = FromHresult(result);
  }
  result = operation->PerformOperations();
  BOOL anyAborted = FALSE;
  aborted = SUCCEEDED(operation->GetAnyOperationsAborted(&anyAborted)) && anyAborted;
  operation->Unadvise(cookie);
  for (RecycleItem& item : items) {
    if (!item.outcome && IsGone(item.path)) {
      item.outcome = make_error_code(TrashError::kDeletedForGood);
    }
  }
  return result;
}

// Who the entry `name` of the open folder is, as the shell will meet it; why it may not go
// to the bin at all: a folder, or a link or junction to one, is never handed to the shell.
std::error_code ChooseEntry(HANDLE folder, const std::string& name, RecycleItem& item,
                            uint64_t& size) {
  HANDLE opened = INVALID_HANDLE_VALUE;
  if (const NTSTATUS status = OpenRelative(folder, Wide(name), FILE_READ_ATTRIBUTES, 0, opened)) {
    return NtError(status);
  }
  const ScopedHandle file(opened);
  const auto identity = RecycleIdentityOf(opened);
  if (!identity) return LastWindowsError();
  if (identity->directory) {
    return std::make_error_code(identity->link ? std::errc::too_many_symbolic_link_levels
                                               : std::errc::is_a_directory);
  }
  item.chosen = {Narrow(item.path), std::string(), identity->volume, identity->file};
  size = identity->size;
  return {};
}

// The identity the bin's $R file has: on FAT and exFAT the move gave the file a new one.
void TakeIdentityInBin(RecycleItem& item) {
  const ScopedHandle file(OpenItself(Narrow(item.recycledPath), FILE_READ_ATTRIBUTES));
  if (!file.IsValid()) return;
  if (const auto identity = RecycleIdentityOf(file.get())) {
    item.chosen.volume = identity->volume;
    item.chosen.fileId = identity->file;
  }
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

// Each volume's Recycle Bin as the pass first found it, asked once a volume rather than once a
// folder, with the bytes this pass has admitted there since counted in: batches of several
// threads together never overfill it.
struct Trash::Places {
  std::mutex mutex;
  std::map<std::wstring, RecycleBinState> bins;
};

Trash::Trash(TrashRecorder& recorder) : places_(std::make_unique<Places>()), recorder_(recorder) {}
Trash::~Trash() = default;

// The shell records the held folder's own path, so that it cannot differ from the handle's.
std::vector<std::error_code> Trash::Move(const DirectoryHandle& folder,
                                         const std::string& walkedPath,
                                         std::span<const std::string> names) {
  std::vector<RecycleItem> items(names.size());
  const auto settle = [&items](std::error_code error) {
    std::vector<std::error_code> settled;
    for (const RecycleItem& item : items) settled.push_back(item.outcome.value_or(error));
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
  // Either path may show a name the shell would misread (Wine's own drops the dot).
  const bool folderNameable = ShellNamesExactly(Wide(walkedPath));
  std::vector<size_t> candidates;
  std::vector<uint64_t> sizes;
  for (size_t i = 0; i < names.size(); ++i) {
    items[i].path = folderPath + L"\\" + Wide(names[i]);
    if (!folderNameable || !ShellNamesExactly(items[i].path)) {
      items[i].outcome = make_error_code(TrashError::kNotNameable);
      continue;
    }
    uint64_t size = 0;
    if (const std::error_code refused = ChooseEntry(held.get(), names[i], items[i], size)) {
      items[i].outcome = refused;
      continue;
    }
    candidates.push_back(i);
    sizes.push_back(size);
  }

  const ComForThisThread com;
  const VolumeOfFolder volume = VolumeOf(folderPath);
  std::vector<size_t> admitted;
  {
    const std::lock_guard<std::mutex> lock(places_->mutex);
    auto bin = places_->bins.find(volume.name);
    if (bin == places_->bins.end()) {
      bin = places_->bins.emplace(volume.name, RecycleBinOf(volume)).first;
    }
    uint64_t admittedBytes = 0;
    const std::vector<std::error_code> verdicts =
        AdmitToRecycleBin(bin->second, sizes, admittedBytes);
    for (size_t c = 0; c < candidates.size(); ++c) {
      if (verdicts[c]) {
        items[candidates[c]].outcome = verdicts[c];
      } else {
        admitted.push_back(c);
      }
    }
    bin->second.used += admittedBytes;
  }
  // The room of the files admitted that did not go is the bin's again.
  const auto giveBackRoom = [&] {
    uint64_t unused = 0;
    for (const size_t c : admitted) {
      const auto& outcome = items[candidates[c]].outcome;
      if (!outcome || *outcome) unused += sizes[c];
    }
    const std::lock_guard<std::mutex> lock(places_->mutex);
    places_->bins[volume.name].used -= unused;
  };

  // Their lines go ahead of them, without the place the bin gives them, which taking back
  // finds by who the file is should the pass end before it is recorded.
  std::vector<TrashedEntry> ahead;
  for (const RecycleItem& item : items) {
    if (!item.outcome) ahead.push_back(item.chosen);
  }
  if (!RecordBeforeMove(ahead)) {
    for (RecycleItem& item : items) {
      if (!item.outcome) item.outcome = make_error_code(TrashError::kNotRecorded);
    }
    giveBackRoom();
    return settle({});
  }

  // A refused item ends its batch: what was left goes again, until nothing is left, a batch
  // settles nothing, or the operation was aborted.
  std::error_code unsettled;
  for (size_t open = Unsettled(items); open > 0; open = Unsettled(items)) {
    bool aborted = false;
    const HRESULT result = RecycleBatch(items, aborted);
    if (aborted) {
      unsettled = std::make_error_code(std::errc::operation_canceled);
      break;
    }
    if (Unsettled(items) == open) {
      unsettled = FAILED(result) ? FromHresult(result)
                                 : std::make_error_code(std::errc::operation_canceled);
      break;
    }
  }
  // What went, and the file that it is in the Recycle Bin now.
  std::vector<TrashedEntry> moved;
  for (RecycleItem& item : items) {
    if (item.outcome && !*item.outcome) {
      TakeIdentityInBin(item);
      moved.push_back(item.chosen);
      moved.back().recycledPath = Narrow(item.recycledPath);
    }
  }
  RecordAfterMove(moved);
  giveBackRoom();
  return settle(unsettled);
}

}  // namespace tarnwick::platform
