#include "engine/delete_pass.h"

#include <optional>
#include <span>

#include "engine/file_collection.h"
#include "engine/folder_deletion.h"
#include "engine/name_matcher.h"
#include "platform/trash/trash.h"

namespace tarnwick::engine {
namespace {

// The walk's observer: passes everything on to the front end's, keeping the folders that
// were not searched for the report.
class UnsearchedFolderRecorder : public PassObserver {
 public:
  UnsearchedFolderRecorder(PassObserver& observer, DeleteReport& report)
      : observer_(observer), report_(report) {}

  bool OnWalkProgress(const WalkProgress& progress) override {
    return observer_.OnWalkProgress(progress);
  }
  void OnWalkEnded(const WalkProgress& progress) override { observer_.OnWalkEnded(progress); }
  void OnDirectoryFailed(std::string_view path, std::error_code error) override {
    report_.Name(path, error, NamedPath::Kind::kFolderNotSearched);
    observer_.OnDirectoryFailed(path, error);
  }
  void OnOtherFileSystem(std::string_view path) override {
    ++report_.otherFileSystems;
    report_.Name(path, {}, NamedPath::Kind::kOtherFileSystem);
    observer_.OnOtherFileSystem(path);
  }
  void OnTrashFolder(std::string_view path) override {
    ++report_.trashFolders;
    report_.Name(path, {}, NamedPath::Kind::kTrashFolder);
    observer_.OnTrashFolder(path);
  }
  void OnExcludedFolder(std::string_view path) override {
    ++report_.excludedFolders;
    report_.Name(path, {}, NamedPath::Kind::kExcludedFolder);
    observer_.OnExcludedFolder(path);
  }

 private:
  PassObserver& observer_;
  DeleteReport& report_;
};

// The recorder of a pass that keeps no record.
class UnrecordedPass : public platform::TrashRecorder {
 public:
  std::error_code BeforeMove(std::span<const platform::TrashedEntry>) override { return {}; }
  std::error_code AfterMove(std::span<const platform::TrashedEntry>) override { return {}; }
};

// The request's observer, or one that hears nothing.
PassObserver& ObserverOf(const PassRequest& request) {
  static PassObserver nobody;  // its methods do nothing and keep no state
  return request.observer != nullptr ? *request.observer : nobody;
}

}  // namespace

std::vector<size_t> FindListedFiles(PassRequest& request, HelperObjects& helpers,
                                    DeleteReport& report) {
  std::string pattern = "*.*";
  UnsearchedFolderRecorder walkObserver(ObserverOf(request), report);
  const NameMatcher matcher(request.names.Entries());
  WalkSettings settings;
  settings.matcher = &matcher;
  if (report.toTrash) settings.trashFolders = platform::TrashFolders(request.root);
  settings.excluded = ExcludedFolders(request.excludedFolders);
  report.excludedNotFound = settings.excluded.Missing();
  CollectionOutcome outcome =
      CollectFiles(request.root, pattern, helpers.directoryLister, helpers.fileLister,
                   helpers.resultList, walkObserver, settings);
  report.unreadableDirectories = outcome.unreadableDirectories;
  report.rootUnreadable = !outcome.rootOpened;
  report.rootExcluded = outcome.rootExcluded;
  report.stopped = outcome.stopped;
  return std::move(outcome.matches);
}

std::optional<DeleteReport> DeleteListedFiles(PassRequest& request, HelperObjects& helpers,
                                              platform::TrashRecorder* recorder) {
  if (request.names.Count() == 0) return std::nullopt;
  DeleteReport report;
  report.toTrash = request.disposal == Disposal::kTrash;
  std::vector<size_t> matches = FindListedFiles(request, helpers, report);
  if (matches.empty()) return report;  // a stopped walk finds nothing
  if (request.choose && !request.choose(helpers.resultList, matches)) return std::nullopt;
  if (matches.empty()) return report;

  // Every file is reached from the walk's own root handle: the root is resolved once, when
  // the walk starts.
  PassObserver& observer = ObserverOf(request);
  observer.OnDeletionsStarting(matches.size());
  UnrecordedPass unrecorded;
  std::optional<platform::Trash> trash;
  if (report.toTrash) trash.emplace(recorder != nullptr ? *recorder : unrecorded);
  FolderDeletion deletion(helpers.resultList, helpers.directoryLister.Handle(), request.kept,
                          matches, trash ? &*trash : nullptr);
  deletion.Run(observer, report);
  return report;
}

}  // namespace tarnwick::engine
