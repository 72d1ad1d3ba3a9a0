// What a pass did, in figures and named paths; the texts layer turns it into words.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <system_error>
#include <vector>

namespace tarnwick::engine {

// A path the report names, and why.
struct NamedPath {
  enum class Kind : uint8_t {
    kFileNotDeleted,     // a matching file that could not be deleted
    kFolderNotSearched,  // a folder that could not be opened or read, the root included
    kOtherFileSystem,    // a folder not entered: another file system is mounted there
    kTrashFolder,        // a folder not entered: the trash the files go to
    kDeletedForGood,     // a matching file the system deleted though the trash was asked for
    kExcludedFolder,     // a folder not entered: the user excluded it
    kNoWayBack,          // a matching file the trash took but named no place for: kept, not
                         // to be taken back
  };
  std::string path;
  std::error_code error;  // why, for a file not deleted or a folder not searched
  Kind kind = Kind::kFileNotDeleted;
};

// What a delete pass did, told truthfully.
struct DeleteReport {
  // How many paths the report keeps to name; the counts go on past them.
  static constexpr size_t kPathsNamed = 10;

  uint64_t deleted = 0;                // matching files that are gone (to the trash, or for good)
  uint64_t failed = 0;                 // matching files that could not be deleted (not those
                                       // that were gone already when their turn came)
  uint64_t unreadableDirectories = 0;  // directories that could not be searched, the root included
  uint64_t otherFileSystems = 0;       // folders not entered, another file system mounted there
  uint64_t trashFolders = 0;           // folders not entered, the trash's own
  uint64_t deletedForGood = 0;         // in a pass to the trash: gone, but not to the trash
  uint64_t excludedFolders = 0;        // folders not entered, excluded by the user
  uint64_t noWayBack = 0;              // of those deleted: in the trash, but not to be taken back
  bool rootUnreadable = false;         // the root itself could not be searched
  bool rootExcluded = false;           // the root is excluded, or lies in an excluded folder
  bool stopped = false;                // the user stopped the pass
  bool stoppedUnrecorded = false;      // a pass to the trash stopped: its record failed
  bool toTrash = false;                // "deleted" files went to the trash, not for good
  std::vector<NamedPath> named;        // the first kPathsNamed of all of the above, in order
  std::vector<std::string> excludedNotFound;  // excluded folders that were not there: no failure

  // Every matching file went where it was to go and every directory was searched. A folder of
  // another file system, of the trash or excluded is left alone on purpose: no failure; but a
  // pass whose root is excluded searched nothing at all.
  bool Complete() const {
    return failed == 0 && unreadableDirectories == 0 && deletedForGood == 0 && noWayBack == 0 &&
           !rootExcluded && !stoppedUnrecorded;
  }
  // Keeps a path to name, while fewer than kPathsNamed are kept.
  void Name(std::string_view path, std::error_code error, NamedPath::Kind kind);
};

}  // namespace tarnwick::engine
