#include "engine/folder_deletion.h"

#include <algorithm>

namespace tarnwick::engine {

namespace {

// How many files of a folder go to the trash together: one batch for the system, and between
// two of them a stop is heard.
constexpr size_t kTrashBatch = 64;

}  // namespace

FolderDeletion::FolderDeletion(const ResultList& results, const platform::DirectoryHandle& root,
                               const KeptFiles& kept, const std::vector<size_t>& matches,
                               platform::Trash* trash)
    : results_(results),
      root_(root),
      kept_(kept),
      matches_(matches),
      trash_(trash),
      outcomes_(std::make_unique<Outcome[]>(matches.size())) {
  // A folder's files are consecutive in the result list, so its matches are too.
  for (size_t i = 0; i < matches.size(); ++i) {
    if (i == 0 || results.FolderOf(matches[i]) != results.FolderOf(matches[i - 1])) {
      folders_.push_back({i, i + 1});
    } else {
      folders_.back().end = i + 1;
    }
  }
}

void FolderDeletion::Run(PassObserver& observer, DeleteReport& report) {
  // The last added is taken first: the folders go in the order of the walk, as they are told.
  for (size_t i = folders_.size(); i > 0; --i) work_.Add(i - 1);
  ThreadPlan plan = PlanThreads(0, false);
  plan.first = plan.most = std::min<unsigned>(plan.first, static_cast<unsigned>(folders_.size()));
  size_t reported = 0;
  const bool complete = ShareWork(
      work_, plan, [this](unsigned, size_t folder) { DeleteFolder(folders_[folder]); },
      [&] {
        Report(observer, report, reported, false);
        return observer.OnDeleteProgress(report.deleted, report.failed);
      });
  report.stopped = report.stopped || !complete;
  report.stoppedUnrecorded = trash_ != nullptr && trash_->RecordError();
  Report(observer, report, reported, true);
}

void FolderDeletion::DeleteFolder(const Folder& folder) {
  platform::DirectoryHandle directory;
  const std::error_code openError = platform::OpenDirectoryBelow(
      root_, results_.PathBelowRoot(results_.FolderOf(matches_[folder.begin])), directory);
  const size_t step = trash_ != nullptr ? kTrashBatch : 1;
  for (size_t m = folder.begin; m < folder.end && !work_.Stopped(); m += step) {
    const size_t end = std::min(folder.end, m + step);
    if (openError) {
      for (size_t i = m; i < end; ++i) outcomes_[i].error = openError;
    } else {
      Dispose(directory, m, end);
    }
    for (size_t i = m; i < end; ++i) outcomes_[i].done.store(true, std::memory_order_release);
  }
}

void FolderDeletion::Dispose(const platform::DirectoryHandle& directory, size_t begin, size_t end) {
  std::vector<std::string> toTrash;
  std::vector<size_t> trashed;  // their matches
  for (size_t m = begin; m < end; ++m) {
    std::string name(results_.NameOf(matches_[m]));
    if (kept_.Contains(directory, name)) {
      outcomes_[m].error = KeptFileError();
    } else if (trash_ == nullptr) {
      outcomes_[m].error = platform::RemoveFileEntry(directory, name);
    } else {
      toTrash.push_back(std::move(name));
      trashed.push_back(m);
    }
  }
  if (toTrash.empty()) return;
  const std::string folderPath = results_.FolderPath(results_.FolderOf(matches_[begin]));
  const std::vector<std::error_code> errors = trash_->Move(directory, folderPath, toTrash);
  for (size_t i = 0; i < trashed.size(); ++i) outcomes_[trashed[i]].error = errors[i];
  // Without its record nothing more may go: the pass stops as if asked to.
  if (trash_->RecordError()) work_.Stop();
}

void FolderDeletion::Report(PassObserver& observer, DeleteReport& report, size_t& reported,
                            bool all) {
  for (; reported < matches_.size(); ++reported) {
    const Outcome& outcome = outcomes_[reported];
    if (!outcome.done.load(std::memory_order_acquire)) {
      if (all) continue;
      return;
    }
    // Left where it is when the record failed: not dealt with, as after a stop.
    if (outcome.error == platform::TrashError::kNotRecorded) continue;
    const std::string path = results_.List(matches_[reported]);
    if (outcome.error == std::errc::no_such_file_or_directory) {
      observer.OnAlreadyGone(path);
    } else if (outcome.error == platform::TrashError::kDeletedForGood) {
      ++report.deletedForGood;
      report.Name(path, outcome.error, NamedPath::Kind::kDeletedForGood);
      observer.OnDeleteFailed(path, outcome.error);
    } else if (outcome.error == platform::TrashError::kNoWayBack) {
      ++report.deleted;
      ++report.noWayBack;
      report.Name(path, outcome.error, NamedPath::Kind::kNoWayBack);
      observer.OnDeleted(path);
    } else if (outcome.error) {
      ++report.failed;
      report.Name(path, outcome.error, NamedPath::Kind::kFileNotDeleted);
      observer.OnDeleteFailed(path, outcome.error);
    } else {
      ++report.deleted;
      observer.OnDeleted(path);
    }
  }
}

}  // namespace tarnwick::engine
