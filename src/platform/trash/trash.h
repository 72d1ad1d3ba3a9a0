// The user's trash behind one interface (the freedesktop.org trash, the Recycle Bin): moving a
// batch of files there, taking them back, and the trash's own folders.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <span>
#include <string>
#include <system_error>
#include <vector>

#include "platform/dir/directory_handle.h"

namespace tarnwick::platform {

// Why an entry did not go to the trash, or did not come back, beyond the system's own errors.
enum class TrashError {
  kNoTrashHere = 1,   // this file system has no trash that the user may use, and none can be made
  kWouldBeDeleted,    // the system's trash would not keep it: it would be deleted for good
  kNoTrashOffered,    // the system offers no trash at all to programs (Wine's shell, say)
  kDeletedForGood,    // the system said it was done, but deleted it rather than keep it
  kIsTrash,           // a folder of the trash itself, which a pass to the trash never enters
  kNoLongerInTrash,   // taking back: the entry is gone from the trash, or is another one now
  kPlaceTaken,        // taking back: another file has the name in the original folder
  kFolderGone,        // taking back: the original folder is no longer there
  kFolderIsLink,      // taking back: a folder of its path is a link (or junction) now
  kFolderElsewhere,   // taking back: its folder lies on another file system now
  kNotVouched,        // taking back: the trash does not say it came from where the record says
  kTrashUnreachable,  // taking back: its trash cannot be found now (a disk not plugged in, say)
  kTrashNotTrusted,   // taking back: its trash is none the pass would use (another's, a link)
  kNotRecorded,       // not moved: the pass's record could not take it, and the pass stopped
  kTrashSwitchedOff,  // the volume's trash is switched off: what goes there is deleted at once
  kTooLargeForTrash,  // larger than the trash may hold: it would be deleted for good
  kTrashFull,         // the trash would make room for it by deleting its oldest entries for good
  kNotNameable,       // its path cannot be named to the system's trash without becoming another
  kNotTheFileFound,   // another file (or a folder) stands under its name since it was found
  kNoWayBack,         // moved to the trash, but the trash named no place for it: no way back
  kAlreadyBack,       // taking back: the file is in its place already (put back by the user)
  kBackTrashEntryLeft,  // taking back: back in its place, but its entry in the trash remained
};
const std::error_category& TrashCategory();
inline std::error_code make_error_code(TrashError error) {
  return {static_cast<int>(error), TrashCategory()};
}

#ifdef _WIN32
// A file ID of 128 bits, unique on every file system (the 64-bit index is not, on ReFS).
struct FileId128 {
  uint64_t low = 0;
  uint64_t high = 0;
  friend bool operator==(const FileId128&, const FileId128&) = default;
};
#endif

// One file a pass moved to the trash, and what finds it there again: the trash's own entry
// for it, and who the file is, which moving within a file system keeps.
struct TrashedEntry {
  std::string originalPath;  // where it was
#ifdef _WIN32
  std::string recycledPath;  // its $R file in the Recycle Bin; the $I file beside it tells its origin
  uint64_t volume = 0;       // volume serial number (64 bits)
  FileId128 fileId;          // file ID on that volume, of its $R file once it is there
  // Read from the record of an earlier version, which kept the 32-bit volume serial number and
  // the 64-bit file index.
  bool narrowIdentity = false;
#else
  std::string trash;      // the trash folder (holding files/ and info/), its path without links
  std::string entryName;  // its name in files/, and its info file's name without .trashinfo
  uint64_t device = 0;
  uint64_t inode = 0;
  // When it was last written (in nanoseconds): tells it from a later file that got the inode.
  uint64_t modified = 0;
#endif
};

// Keeps the record of a pass to the trash, so that every file in the trash has its line. Called
// from the threads that move the files, one call at a time.
class TrashRecorder {
 public:
  virtual ~TrashRecorder() = default;
  // The files of a batch, before they move. An error: none of them moves, nor any after them.
  virtual std::error_code BeforeMove(std::span<const TrashedEntry> entries) = 0;
  // The files of the batch that reached the trash, where the trash names them only once they
  // are there (the Recycle Bin): now with their place in it.
  virtual std::error_code AfterMove(std::span<const TrashedEntry> entries) = 0;
};

// The user's trash: the freedesktop.org trash on POSIX (the home trash for files on its file
// system, a volume's own trash for the others), the Recycle Bin on Windows. Nothing is ever
// deleted for good on the way: an entry that cannot go to the trash stays where it is, and
// never is it copied from one file system to another. Every batch is recorded before it
// moves; once the record fails, nothing moves any more. One per pass; several threads may
// use it at once.
class Trash {
 public:
  explicit Trash(TrashRecorder& recorder);
  ~Trash();
  Trash(const Trash&) = delete;
  Trash& operator=(const Trash&) = delete;

  // Moves the entries `names` of the open folder (files, links, never folders) to the trash,
  // each to be restored where it was; gives each one's outcome (TrashError::kNotRecorded for
  // those left where they are because the record failed). The folder is reached by its
  // handle, never by a path that could lead elsewhere meanwhile; `folderPath`, the caller's
  // own path of it, tells the trash where the entries came from.
  std::vector<std::error_code> Move(const DirectoryHandle& folder, const std::string& folderPath,
                                    std::span<const std::string> names);
  // Why the record failed, after which nothing moves; nothing while it keeps up.
  std::error_code RecordError() const;

 private:
  // Tells the recorder of a batch about to move, once it has failed no more; false: the
  // batch stays.
  bool RecordBeforeMove(std::span<const TrashedEntry> entries);
  void RecordAfterMove(std::span<const TrashedEntry> entries);

  struct Places;  // the trash folders found so far, per file system
  std::unique_ptr<Places> places_;
  mutable std::mutex recordMutex_;
  TrashRecorder& recorder_;
  std::error_code recordError_;
};

// Puts each entry back where it was: only while the trash still holds the very file moved
// there and its own entry says the file came from there; into its folder reached from the top
// of its file system without following any link; never over another file and never by a copy.
// Its outcome for each: nothing when it is back; TrashError::kNoLongerInTrash only when the
// trash is known not to hold it any more; else why it stayed (a TrashError or the system's).
std::vector<std::error_code> TakeBack(std::span<const TrashedEntry> entries);

// The folders of the trash that a pass over `root` would move files to, those that exist: on
// POSIX the home trash and, at the top of the root's file system, .Trash/$uid and .Trash-$uid;
// none on Windows, whose Recycle Bin the shell keeps apart. A pass to the trash never enters
// them, or it would move the trash's own entries again and lose where they came from.
std::vector<FileIdentity> TrashFolders(const std::string& root);

}  // namespace tarnwick::platform

namespace std {
template <>
struct is_error_code_enum<tarnwick::platform::TrashError> : true_type {};
}  // namespace std
