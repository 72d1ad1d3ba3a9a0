// Taking a pass's files back out of the Recycle Bin through the shell: its items are listed
// with where each was and when it went, matched with the pass's record, and each moved back
// into its original folder, never over another file.
#include "platform/trash/file_operation_windows.h"  // windows.h first

#include <propkey.h>
#include <shellapi.h>
#include <shlobj.h>

#include "platform/trash/recycle_bin_match.h"
#include "platform/trash/trash.h"

namespace tarnwick::platform {
namespace {

// The Recycle Bin's own columns: the folder an item was deleted from, and when.
constexpr PROPERTYKEY kDeletedFrom = {
    {0x9B174B33, 0x40FF, 0x11D2, {0xA2, 0x7E, 0x00, 0xC0, 0x4F, 0xC3, 0x08, 0x71}}, 2};
constexpr PROPERTYKEY kDateDeleted = {
    {0x9B174B33, 0x40FF, 0x11D2, {0xA2, 0x7E, 0x00, 0xC0, 0x4F, 0xC3, 0x08, 0x71}}, 3};

struct ListedItem {
  RecycleBinItem told;
  IShellItem* item = nullptr;  // held until the take-back is done
};

// Every item of the Recycle Bin with its original place and its time of deletion; nothing
// when the shell lists none.
std::vector<ListedItem> ListRecycleBin(HRESULT& result) {
  std::vector<ListedItem> listed;
  ComPointer<IShellItem> bin;
  result = ::SHGetKnownFolderItem(FOLDERID_RecycleBinFolder, KF_FLAG_DEFAULT, nullptr,
                                  IID_IShellItem, reinterpret_cast<void**>(bin.put()));
  if (FAILED(result)) return listed;
  ComPointer<IEnumShellItems> items;
  result = bin->BindToHandler(nullptr, BHID_EnumItems, IID_IEnumShellItems,
                              reinterpret_cast<void**>(items.put()));
  if (FAILED(result)) return listed;
  for (IShellItem* item = nullptr; items->Next(1, &item, nullptr) == S_OK;) {
    ComPointer<IShellItem2> described;
    wchar_t* folder = nullptr;
    wchar_t* name = nullptr;
    FILETIME when{};
    if (SUCCEEDED(item->QueryInterface(IID_IShellItem2, reinterpret_cast<void**>(described.put()))) &&
        SUCCEEDED(described->GetString(kDeletedFrom, &folder)) &&
        SUCCEEDED(item->GetDisplayName(SIGDN_PARENTRELATIVEPARSING, &name)) &&
        SUCCEEDED(described->GetFileTime(kDateDeleted, &when))) {
      std::wstring path = folder;
      if (!path.empty() && path.back() != L'\\') path += L'\\';
      path += name;
      listed.push_back({{Narrow(path), (uint64_t{when.dwHighDateTime} << 32) | when.dwLowDateTime},
                        item});
      item = nullptr;
    }
    ::CoTaskMemFree(folder);
    ::CoTaskMemFree(name);
    if (item != nullptr) item->Release();
  }
  return listed;
}

// Moves one item back to `originalPath`; the shell asks rather than replace a file there.
std::error_code Restore(IShellItem* item, const std::string& originalPath) {
  const std::wstring path = Wide(originalPath);
  const size_t separator = path.rfind(L'\\');
  const std::wstring folder = path.substr(0, separator), name = path.substr(separator + 1);
  if (::GetFileAttributesW(folder.c_str()) == INVALID_FILE_ATTRIBUTES) {
    return make_error_code(TrashError::kFolderGone);
  }
  if (::GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES) {
    return make_error_code(TrashError::kPlaceTaken);
  }
  ComPointer<IShellItem> destination;
  HRESULT result = ::SHCreateItemFromParsingName(folder.c_str(), nullptr, IID_IShellItem,
                                                 reinterpret_cast<void**>(destination.put()));
  ComPointer<IFileOperation> operation;
  if (SUCCEEDED(result)) result = MakeFileOperation(operation.put());
  if (SUCCEEDED(result)) {
    result = operation->SetOperationFlags(FOF_SILENT | FOF_NOERRORUI | FOF_NOCONFIRMMKDIR);
  }
  if (SUCCEEDED(result)) result = operation->MoveItem(item, destination.get(), name.c_str(), nullptr);
  if (SUCCEEDED(result)) result = operation->PerformOperations();
  if (FAILED(result)) return FromHresult(result);
  return ::GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES
             ? std::error_code()
             : std::make_error_code(std::errc::operation_canceled);
}

}  // namespace

std::vector<std::error_code> TakeBack(std::span<const TrashedEntry> entries) {
  const ComForThisThread com;
  HRESULT listing = S_OK;
  std::vector<ListedItem> listed = ListRecycleBin(listing);
  std::vector<RecycleBinItem> told;
  for (const ListedItem& item : listed) told.push_back(item.told);
  const std::vector<std::optional<size_t>> matches = MatchRecycleBinItems(entries, told);
  std::vector<std::error_code> outcomes(entries.size());
  for (size_t e = 0; e < entries.size(); ++e) {
    if (!matches[e]) {
      outcomes[e] = FAILED(listing) ? FromHresult(listing)
                                    : make_error_code(TrashError::kNoLongerInTrash);
      continue;
    }
    outcomes[e] = Restore(listed[*matches[e]].item, entries[e].originalPath);
  }
  for (const ListedItem& item : listed) item.item->Release();
  return outcomes;
}

}  // namespace tarnwick::platform
