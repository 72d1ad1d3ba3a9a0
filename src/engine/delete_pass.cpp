#include "engine/delete_pass.h"

#include <algorithm>
#include <optional>

#include "core/path_helpers.h"
#include "engine/file_collection.h"
#include "engine/folder_deletion.h"
#include "engine/name_matcher.h"
#include "platform/text_case.h"

namespace tarnwick::engine {
namespace {

// The walk's observer: passes everything on to the front end's, keeping the folders that
// could not be searched for the report.
class WalkFailureRecorder : public PassObserver {
 public:
  WalkFailureRecorder(PassObserver& observer, DeleteReport& report)
      : observer_(observer), report_(report) {}

  bool OnDirectory(const WalkProgress& progress) override { return observer_.OnDirectory(progress); }
  void OnWalkEnded(const WalkProgress& progress) override { observer_.OnWalkEnded(progress); }
  void OnDirectoryFailed(std::string_view path, std::error_code error) override {
    report_.NameFailure(path, error, true);
    observer_.OnDirectoryFailed(path, error);
  }
  void OnOtherFileSystem(std::string_view path) override { observer_.OnOtherFileSystem(path); }

 private:
  PassObserver& observer_;
  DeleteReport& report_;
};

class KeptFileCategory : public std::error_category {
 public:
  const char* name() const noexcept override { return "tarnwick.kept"; }
  std::string message(int) const override { return "a file of the program itself"; }
};

}  // namespace

void DeleteReport::NameFailure(std::string_view path, std::error_code error, bool folder) {
  if (failures.size() < kFailuresNamed) failures.push_back({std::string(path), error, folder});
}

KeptFiles::KeptFiles(const std::vector<std::string>& paths) {
  for (const std::string& path : paths) {
    if (const auto identity = platform::IdentityOf(path)) {
      identities_.push_back(*identity);
      upperNames_.push_back(platform::ToUpperCase(core::FileNamePart(path)));
    }
  }
}

bool KeptFiles::Contains(const platform::DirectoryHandle& parent, const std::string& name) const {
  const std::string upperName = platform::ToUpperCase(name);
  if (std::find(upperNames_.begin(), upperNames_.end(), upperName) == upperNames_.end()) {
    return false;
  }
  const auto identity = platform::IdentityOfEntry(parent, name);
  return identity && std::find(identities_.begin(), identities_.end(), *identity) != identities_.end();
}

std::error_code KeptFileError() {
  static const KeptFileCategory category;
  return {1, category};
}

std::vector<size_t> FindListedFiles(std::string& searchRoot, const core::NameList& names,
                                    HelperObjects& helpers, PassObserver& observer,
                                    DeleteReport& report) {
  std::string pattern = "*.*";
  WalkFailureRecorder walkObserver(observer, report);
  const NameMatcher matcher(names.Entries());
  WalkSettings settings;
  settings.matcher = &matcher;
  CollectionOutcome outcome =
      CollectFiles(searchRoot, pattern, helpers.directoryLister, helpers.fileLister,
                   helpers.resultList, walkObserver, settings);
  report.unreadableDirectories = outcome.unreadableDirectories;
  report.rootUnreadable = !outcome.rootOpened;
  report.stopped = outcome.stopped;
  return std::move(outcome.matches);
}

std::optional<DeleteReport> DeleteListedFiles(std::string& searchRoot,
                                              const core::NameList& names, HelperObjects& helpers,
                                              PassObserver& observer, const KeptFiles& kept) {
  if (names.Count() == 0) return std::nullopt;
  DeleteReport report;
  const std::vector<size_t> matches = FindListedFiles(searchRoot, names, helpers, observer, report);
  if (matches.empty()) return report;

  // Every file is reached from the walk's own root handle: the root is resolved once, when
  // the walk starts.
  observer.OnDeletionsStarting(matches.size());
  FolderDeletion deletion(helpers.resultList, helpers.directoryLister.Handle(), kept, matches);
  deletion.Run(observer, report);
  return report;
}

}  // namespace tarnwick::engine
