#include "engine/folder_deletion.h"

#include <algorithm>
#include <chrono>
#include <thread>

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
  // The observer hears of the deletions before the first one, and may stop them there.
  if (!observer.OnDeleteProgress(0, 0)) {
    report.stopped = true;
    return;
  }
  const size_t threads =
      std::min<size_t>(folders_.size(), std::max(1u, std::thread::hardware_concurrency()));
  std::vector<std::thread> workers;
  std::atomic<size_t> running{threads};
  for (size_t i = 0; i < threads; ++i) {
    workers.emplace_back([this, &running] {
      Work();
      --running;
    });
  }
  size_t reported = 0;
  bool going = true;
  while (running > 0) {
    Report(observer, report, reported, false);
    if (going && !observer.OnDeleteProgress(report.deleted, report.failed)) {
      going = false;
      report.stopped = true;
      stop_ = true;
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
  }
  for (std::thread& worker : workers) worker.join();
  Report(observer, report, reported, true);
}

void FolderDeletion::Work() {
  for (size_t i = nextFolder_++; i < folders_.size() && !stop_; i = nextFolder_++) {
    DeleteFolder(folders_[i]);
  }
}

void FolderDeletion::DeleteFolder(const Folder& folder) {
  platform::DirectoryHandle directory;
  const std::error_code openError = platform::OpenDirectoryBelow(
      root_, results_.PathBelowRoot(results_.FolderOf(matches_[folder.begin])), directory);
  for (size_t m = folder.begin; m < folder.end && !stop_; ++m) {
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
      report.NameFailure(path, outcome.error, false);
      observer.OnDeleteFailed(path, outcome.error);
    } else {
      ++report.deleted;
      observer.OnDeleted(path);
    }
  }
}

}  // namespace tarnwick::engine
