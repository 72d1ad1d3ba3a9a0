#include "platform/trash/trash.h"

#include <gtest/gtest.h>

#include "platform/trash/file_operation_windows.h"  // windows.h before the headers that build on it

#include <string>
#include <vector>

#include "support/temp_dir.h"
#include "support/windows_files.h"

namespace tarnwick::platform {
namespace {

using tarnwick::testing::Exists;
using tarnwick::testing::MakeFile;
using tarnwick::testing::TempDir;

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

// The real batch code, driven by the stand-in: only what the shell recycled counts as moved,
// and whatever it did not take stays where it was with its reason.
TEST(Trash, OnlyWhatTheShellRecycledCountsAsMoved) {
  const std::error_code moved;
  const std::error_code refused = make_error_code(TrashError::kWouldBeDeleted);
  const std::error_code forGood = make_error_code(TrashError::kDeletedForGood);
  const std::error_code notOffered = make_error_code(TrashError::kNoTrashOffered);
  const std::error_code denied = std::make_error_code(std::errc::permission_denied);
  const struct {
    const char* what;
    std::vector<Fate> fates;
    HRESULT deleteResult;
    int failAfter;  // the first operation fails after this many items, later ones at once
    std::vector<std::error_code> outcomes;
  } cases[] = {
      {"all recycled", {Fate::kRecycle, Fate::kRecycle}, S_OK, -1, {moved, moved}},
      {"one refused, the rest in the next batch", {Fate::kRecycle, Fate::kRefuse, Fate::kRecycle},
       S_OK, -1, {moved, refused, moved}},
      {"deleted instead of recycled", {Fate::kRecycle, Fate::kDeleteForGood}, S_OK, -1,
       {moved, forGood}},
      {"gone without a word", {Fate::kSilent}, S_OK, -1, {forGood}},
      {"the operation fails half-way", {Fate::kRecycle, Fate::kRecycle, Fate::kRecycle}, S_OK, 1,
       {moved, denied, denied}},
      {"no Recycle Bin offered", {Fate::kRecycle, Fate::kRecycle}, E_NOTIMPL, -1,
       {notOffered, notOffered}},
  };
  for (const auto& c : cases) {
    TempDir dir;
    const std::string folder = dir.path().string();
    std::vector<std::string> names;
    for (size_t i = 0; i < c.fates.size(); ++i) {
      names.push_back(std::to_string(i) + ".log");
      ASSERT_TRUE(MakeFile(folder + "\\" + names.back(), FILE_ATTRIBUTE_READONLY));
    }
    int failAfter = c.failAfter;
    const FileOperationMaker shell = ReplaceFileOperationMaker([&](IFileOperation** operation) {
      *operation = new StandInOperation(c.fates, c.deleteResult, failAfter);
      if (failAfter >= 0) failAfter = 0;
      return S_OK;
    });
    DirectoryHandle handle;
    ASSERT_FALSE(OpenDirectory(folder, handle));
    const std::vector<std::error_code> outcomes = Trash().Move(handle, folder, names);
    ReplaceFileOperationMaker(shell);
    EXPECT_EQ(outcomes, c.outcomes) << c.what;
    for (size_t i = 0; i < names.size(); ++i) {
      const bool stays = c.outcomes[i] && c.outcomes[i] != forGood;
      EXPECT_EQ(Exists(folder + "\\" + names[i]), stays) << c.what << ": " << names[i];
    }
  }
}

}  // namespace
}  // namespace tarnwick::platform
