#include "engine/result_list.h"

#include <algorithm>
#include <stdexcept>

#include "platform/path/path_separator.h"

namespace tarnwick::engine {

void ResultList::Clear() {
  rootPath_.clear();
  stores_.clear();
  runs_.clear();
  count_ = 0;
}

void ResultList::Start(std::string rootPath, std::vector<NameStore> stores) {
  Clear();
  rootPath_ = std::move(rootPath);
  stores_ = std::move(stores);
}

void ResultList::AppendRun(FolderRef folder, uint32_t store, uint64_t firstNumber, uint64_t count) {
  if (count == 0) return;
  runs_.push_back({count_, firstNumber, folder, store});
  count_ += count;
}

const ResultList::Run& ResultList::RunOf(size_t index) const {
  if (index >= count_) throw std::out_of_range("ResultList");
  // The last run that starts at or before `index`.
  const auto after = std::upper_bound(runs_.begin(), runs_.end(), index,
                                      [](size_t i, const Run& run) { return i < run.firstIndex; });
  return *(after - 1);
}

std::string_view ResultList::NameOf(size_t index) const {
  const Run& run = RunOf(index);
  return stores_[run.store].File(run.firstNumber + (index - run.firstIndex));
}

FolderRef ResultList::FolderOf(size_t index) const { return RunOf(index).folder; }

std::string ResultList::PathBelowRoot(FolderRef folder) const {
  std::vector<std::string_view> names;
  size_t length = 0;
  for (FolderRef at = folder; at != kRootFolder;) {
    const NameStore& store = stores_[at.store];
    names.push_back(store.FolderName(at.index));
    length += names.back().size() + 1;
    at = store.ParentOf(at.index);
  }
  std::string path;
  path.reserve(length);
  for (auto name = names.rbegin(); name != names.rend(); ++name) {
    if (!path.empty()) path += platform::kPathSeparator;
    path += *name;
  }
  return path;
}

std::string ResultList::FolderPath(FolderRef folder) const {
  std::string path = rootPath_;
  if (folder == kRootFolder) return path;
  path += PathBelowRoot(folder);
  path += platform::kPathSeparator;
  return path;
}

std::string ResultList::List(size_t index) const {
  return FolderPath(FolderOf(index)) + std::string(NameOf(index));
}

}  // namespace tarnwick::engine
