// Open folders and everything done through them: opening, listing, deleting an entry, who a file
// is; the walk and every deletion reach the disk only through this interface.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <system_error>
#include <vector>

namespace tarnwick::platform {

// An open directory. Everything below a search root is reached relative to such handles, so a
// directory renamed or replaced by a link while a pass runs can never lead it elsewhere.
class DirectoryHandle {
 public:
  // The system's own handle: a file descriptor on POSIX, a HANDLE on Windows; -1 for none on both.
  using Native = intptr_t;

  DirectoryHandle() = default;
  // `mount`: the file system that holds the directory where the platform tells it, 0 when
  // not known; compared when a child is opened, so that no walk crosses into another mount.
  explicit DirectoryHandle(Native native, uint64_t mount = 0) : native_(native), mount_(mount) {}
  DirectoryHandle(DirectoryHandle&& other) noexcept;
  DirectoryHandle& operator=(DirectoryHandle&& other) noexcept;
  DirectoryHandle(const DirectoryHandle&) = delete;
  DirectoryHandle& operator=(const DirectoryHandle&) = delete;
  ~DirectoryHandle();

  bool IsOpen() const { return native_ != -1; }
  Native NativeHandle() const { return native_; }
  uint64_t Mount() const { return mount_; }
  void Close();

 private:
  Native native_ = -1;
  uint64_t mount_ = 0;
};

enum class EntryKind {
  kDirectory,  // a real directory, never a link to one
  kFile,       // a regular file
  kLink,       // a symbolic link, whatever it points to; never followed
  kSpecial,    // FIFO, socket or device node; removable, never opened
};

// Makes the folder at `path` (its parent must exist), for the user's eyes only where the system
// knows owners; one that exists already is no error.
std::error_code MakePrivateFolder(const std::string& path);

// Opens a directory by path, following links: used only for the root that the user chose.
std::error_code OpenDirectory(const std::string& path, DirectoryHandle& directory);

// Opens the subdirectory `name` of `parent`; a link in its place is refused, never followed.
std::error_code OpenChildDirectory(const DirectoryHandle& parent, const std::string& name,
                                   DirectoryHandle& child);

// A second handle to the same directory.
std::error_code DuplicateDirectory(const DirectoryHandle& directory, DirectoryHandle& copy);

// Opens the directory at `relativePath` (components separated by the platform's separator, none leading,
// empty for `base` itself) below `base`, one component at a time, refusing links on the way.
std::error_code OpenDirectoryBelow(const DirectoryHandle& base, std::string_view relativePath,
                                   DirectoryHandle& directory);

// Hands every entry of the directory except "." and ".." to `visit`, in the order the file
// system gives, with the number the listing gives it (its inode; 0 where the listing gives
// none); the name is valid only during the call. A handle is read once.
using EntryVisitor =
    std::function<void(std::string_view name, EntryKind kind, uint64_t listedNumber)>;
std::error_code ReadDirectory(const DirectoryHandle& directory, const EntryVisitor& visit);

// Whether the numbers a listing gives are the entries' own, as their identities have them, on
// the file system of `directory`. Some file systems make numbers up for a listing (FAT, many
// FUSE file systems); there a number says nothing.
bool ListedNumbersAreIdentities(const DirectoryHandle& directory);

// Removes the non-directory entry `name` of `parent` (a link itself, not its target). Clears
// attributes that would prevent the removal where the platform has such attributes, and puts
// them back when the removal fails.
std::error_code RemoveFileEntry(const DirectoryHandle& parent, const std::string& name);

// Who a file is, whichever path or link leads to it.
struct FileIdentity {
  uint64_t volume = 0;
  uint64_t file = 0;
  friend bool operator==(const FileIdentity&, const FileIdentity&) = default;
};

// The identity of the file at `path`, following links; nothing when there is none.
std::optional<FileIdentity> IdentityOf(const std::string& path);
// The identity of the entry `name` of `parent` itself; a link is not followed.
std::optional<FileIdentity> IdentityOfEntry(const DirectoryHandle& parent, const std::string& name);
// The identity of the folder at `path`, following links; nothing when there is no folder there.
// Needs no right to list it.
std::optional<FileIdentity> IdentityOfFolder(const std::string& path);
// The identity of an open directory.
std::optional<FileIdentity> IdentityOfDirectory(const DirectoryHandle& directory);
// The open directory and every folder above it, up to the top of its file system tree as the
// process sees it (a link or a mount on the way counts where it stands, not where it leads).
std::vector<FileIdentity> FolderAndItsParents(const DirectoryHandle& directory);

// Lets the process hold as many open directories as the system allows, for very deep trees.
void RaiseOpenFileLimit();

}  // namespace tarnwick::platform
