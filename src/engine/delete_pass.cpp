#include "engine/delete_pass.h"

#include <algorithm>
#include <chrono>
#include <optional>

#include "core/path_helpers.h"
#include "engine/file_collection.h"
#include "engine/name_matcher.h"
#include "platform/text_case.h"

namespace tarnwick::engine {
namespace {

// Deletes collected paths below one root, reusing the handle of the last directory while
// consecutive paths share it.
class RootedDeleter {
 public:
  RootedDeleter(const platform::DirectoryHandle& root, std::string rootPrefix,
                const KeptFiles& kept)
      : root_(root), rootPrefix_(std::move(rootPrefix)), kept_(kept) {}

  std::error_code Delete(std::string_view path) {
    if (path.substr(0, rootPrefix_.size()) != rootPrefix_) {
      return std::make_error_code(std::errc::invalid_argument);
    }
    const std::string_view relative = path.substr(rootPrefix_.size());
    const size_t lastSeparator = relative.rfind(platform::kPathSeparator);
    const std::string_view directory =
        lastSeparator == std::string_view::npos ? std::string_view() : relative.substr(0, lastSeparator);
    const std::string name(lastSeparator == std::string_view::npos ? relative
                                                                   : relative.substr(lastSeparator + 1));
    if (!directoryHandle_.IsOpen() || directory != directoryPath_) {
      directoryHandle_.Close();
      if (auto error = platform::OpenDirectoryBelow(root_, directory, directoryHandle_)) return error;
      directoryPath_ = directory;
    }
    if (kept_.Contains(directoryHandle_, name)) return KeptFileError();
    return platform::RemoveFileEntry(directoryHandle_, name);
  }

 private:
  const platform::DirectoryHandle& root_;
  const std::string rootPrefix_;
  const KeptFiles& kept_;
  std::string directoryPath_;
  platform::DirectoryHandle directoryHandle_;
};

// Tells when the observer is due to hear from a long loop again; due at once at the start.
class Pacer {
 public:
  bool Due() {
    const auto now = std::chrono::steady_clock::now();
    if (now - last_ < kInterval) return false;
    last_ = now;
    return true;
  }

 private:
  static constexpr auto kInterval = std::chrono::milliseconds(20);
  std::chrono::steady_clock::time_point last_{};
};

void KeepFailure(DeleteReport& report, std::string_view path, std::error_code error, bool folder) {
  if (report.failures.size() < DeleteReport::kFailuresNamed) {
    report.failures.push_back({std::string(path), error, folder});
  }
}

// The walk's observer: passes everything on to the front end's, keeping the folders that
// could not be searched for the report.
class WalkFailureRecorder : public PassObserver {
 public:
  WalkFailureRecorder(PassObserver& observer, DeleteReport& report)
      : observer_(observer), report_(report) {}

  bool OnDirectory(const WalkProgress& progress) override { return observer_.OnDirectory(progress); }
  void OnWalkEnded(const WalkProgress& progress) override { observer_.OnWalkEnded(progress); }
  void OnDirectoryFailed(std::string_view path, std::error_code error) override {
    KeepFailure(report_, path, error, true);
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
  const CollectionOutcome outcome =
      CollectFiles(searchRoot, pattern, helpers.directoryLister, helpers.fileLister,
                   helpers.resultList, walkObserver);
  report.unreadableDirectories = outcome.unreadableDirectories;
  report.rootUnreadable = !outcome.rootOpened;
  report.stopped = outcome.stopped;
  std::vector<size_t> matches;
  if (outcome.stopped) return matches;

  const NameMatcher matcher(names.Entries());
  const ResultList& results = helpers.resultList;
  Pacer pacer;
  for (size_t r = 0; r < results.ListCount(); ++r) {
    if (matcher.Matches(core::FileNamePart(results.List(r)))) matches.push_back(r);
    if (r % 1024 == 0 && pacer.Due() && !observer.OnDeleteProgress(0, 0)) {
      report.stopped = true;
      return {};
    }
  }
  return matches;
}

std::optional<DeleteReport> DeleteListedFiles(std::string& searchRoot,
                                              const core::NameList& names, HelperObjects& helpers,
                                              PassObserver& observer, const KeptFiles& kept) {
  if (names.Count() == 0) return std::nullopt;
  DeleteReport report;
  const std::vector<size_t> matches = FindListedFiles(searchRoot, names, helpers, observer, report);
  if (matches.empty()) return report;

  // The walk's own root handle: the root is resolved once, when the walk starts.
  std::string rootPrefix = helpers.directoryLister.Path();
  core::EnsureTrailingBackslash(rootPrefix);
  RootedDeleter deleter(helpers.directoryLister.Handle(), rootPrefix, kept);
  observer.OnDeletionsStarting(matches.size());
  Pacer pacer;
  for (const size_t index : matches) {
    if (pacer.Due() && !observer.OnDeleteProgress(report.deleted, report.failed)) {
      report.stopped = true;
      break;
    }
    const std::string_view path = helpers.resultList.List(index);
    const std::error_code error = deleter.Delete(path);
    if (error == std::errc::no_such_file_or_directory) {
      observer.OnAlreadyGone(path);
    } else if (error) {
      ++report.failed;
      KeepFailure(report, path, error, false);
      observer.OnDeleteFailed(path, error);
    } else {
      ++report.deleted;
      observer.OnDeleted(path);
    }
  }
  return report;
}

}  // namespace tarnwick::engine
