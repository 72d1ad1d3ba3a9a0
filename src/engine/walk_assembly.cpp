#include "engine/walk_assembly.h"

#include "engine/excluded_folders.h"
#include "platform/trash/trash.h"

namespace tarnwick::engine {

AssembledWalk AssembleInWalkOrder(std::deque<WalkTask>& tasks, std::vector<NameStore> stores,
                                  const std::string& rootPath, ResultList& results,
                                  PassObserver& observer) {
  AssembledWalk assembled;
  results.Start(rootPath, std::move(stores));
  // A task's pieces in order; a piece that is another task is walked whole, where it stands.
  struct Cursor {
    size_t task;
    size_t piece = 0;
    size_t match = 0;
  };
  std::vector<Cursor> stack{{0}};
  while (!stack.empty()) {
    Cursor& cursor = stack.back();
    WalkTask& task = tasks[cursor.task];
    if (cursor.piece == task.pieces.size()) {
      task = WalkTask();  // its pieces are no longer needed
      stack.pop_back();
      continue;
    }
    const Piece piece = task.pieces[cursor.piece++];
    switch (piece.kind) {
      case Piece::Kind::kFiles: {
        const size_t firstIndex = results.ListCount();
        results.AppendRun(piece.folder, task.store, piece.first, piece.count);
        for (; cursor.match < task.matches.size() &&
               task.matches[cursor.match] < piece.first + piece.count;
             ++cursor.match) {
          assembled.matches.push_back(firstIndex + (task.matches[cursor.match] - piece.first));
        }
        break;
      }
      case Piece::Kind::kTask:
        stack.push_back({piece.first});
        break;
      case Piece::Kind::kFailure: {
        const WalkFailure& failure = task.failures[piece.first];
        // A folder on which another file system is mounted is left alone on purpose.
        if (failure.error == std::errc::cross_device_link) {
          observer.OnOtherFileSystem(failure.path);
        } else if (failure.error == platform::TrashError::kIsTrash) {
          observer.OnTrashFolder(failure.path);
        } else if (failure.error == ExcludedFolderError()) {
          observer.OnExcludedFolder(failure.path);
        } else {
          ++assembled.unreadableDirectories;
          observer.OnDirectoryFailed(failure.path, failure.error);
        }
        break;
      }
    }
  }
  return assembled;
}

}  // namespace tarnwick::engine
