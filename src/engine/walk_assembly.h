// Putting the pieces the walk's threads collected together in the order of one walk.
#pragma once

#include <cstddef>
#include <cstdint>
#include <deque>
#include <string>
#include <vector>

#include "engine/name_store.h"
#include "engine/pass_observer.h"
#include "engine/result_list.h"
#include "engine/walk_task.h"

namespace tarnwick::engine {

// What the assembly gives: the failed folders counted, the matches as result-list indices.
struct AssembledWalk {
  uint64_t unreadableDirectories = 0;
  std::vector<size_t> matches;
};

// Puts the pieces of the walk's tasks together in the order of one walk, starting at the root
// task, tasks[0]: fills `results` and tells the observer of every failed folder and every
// other file system in that order. Empties the tasks as it goes.
AssembledWalk AssembleInWalkOrder(std::deque<WalkTask>& tasks, std::vector<NameStore> stores,
                                  const std::string& rootPath, ResultList& results,
                                  PassObserver& observer);

}  // namespace tarnwick::engine
