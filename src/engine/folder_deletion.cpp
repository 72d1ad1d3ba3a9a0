#include "engine/folder_deletion.h"

#include <algorithm>

namespace tarnwick::engine {

FolderDeletion::FolderDeletion(const ResultList& results, const platform::DirectoryHandle& root,
                               const KeptFiles& kept, const std::vector<size_t>& matches)
    : results_(results),
      root_(root),
      kept_(kept),
      matches_(matches),
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
  Report(observer, report, reported, true);
}

void FolderDeletion::DeleteFolder(const Folder& folder) {
  platform::DirectoryHandle directory;
  const std::error_code openError = platform::OpenDirectoryBelow(
      root_, results_.PathBelowRoot(results_.FolderOf(matches_[folder.begin])), directory);
  for (size_t m = folder.begin; m < folder.end && !work_.Stopped(); ++m) {
    Outcome& outcome = outcomes_[m];
    if (openError) {
      outcome.error = openError;
    } else {
      const std::string name(results_.NameOf(matches_[m]));
      outcome.error = kept_.Contains(directory, name) ? KeptFileError()
                                                      : platform::RemoveFileEntry(directory, name);
    }
    outcome.done.store(true, std::memory_order_release);
  }
}

void FolderDeletion::Report(PassObserver& observer, DeleteReport& report, size_t& reported,
                            bool all) {
  for (; reported < matches_.size(); ++reported) {
    const Outcome& outcome = outcomes_[reported];
    if (!outcome.done.load(std::memory_order_acquire)) {
      if (all) continue;
      return;
    }
    const std::string path = results_.List(matches_[reported]);
    if (outcome.error == std::errc::no_such_file_or_directory) {
      observer.OnAlreadyGone(path);
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
