#include "platform/trash/trash_record_fields.h"

namespace tarnwick::platform {
namespace {

bool IsAbsolutePath(const std::string& path) {
  return path.starts_with('/') && path.find('\0') == std::string::npos;
}

// A name of files/ that leads nowhere else.
bool IsPlainName(const std::string& name) {
  return !name.empty() && name != "." && name != ".." &&
         name.find_first_of(std::string("/\0", 2)) == std::string::npos;
}

std::optional<TrashedEntry> Entry(const std::string& originalPath, const std::string& trash,
                                  const std::string& entryName, const std::string& device,
                                  const std::string& inode, const std::string& modified) {
  const auto deviceNumber = RecordNumber(device), inodeNumber = RecordNumber(inode),
             modifiedAt = RecordNumber(modified);
  if (!deviceNumber || !inodeNumber || !modifiedAt || !IsAbsolutePath(originalPath) ||
      !IsAbsolutePath(trash) || !IsPlainName(entryName)) {
    return std::nullopt;
  }
  return TrashedEntry{originalPath, trash, entryName, *deviceNumber, *inodeNumber, *modifiedAt};
}

}  // namespace

std::vector<std::string> FieldsOfEntry(const TrashedEntry& entry) {
  return {entry.originalPath, entry.trash, entry.entryName, std::to_string(entry.device),
          std::to_string(entry.inode), std::to_string(entry.modified)};
}

std::optional<TrashedEntry> EntryOfFields(std::span<const std::string> f) {
  if (f.size() != 6) return std::nullopt;
  return Entry(f[0], f[1], f[2], f[3], f[4], f[5]);
}

std::optional<TrashedEntry> EntryOfEarlierFields(std::span<const std::string> f) {
  // Where it was, the trash, the entry's name, the path its info file records (read from the
  // info file now), its identity, and two times only Windows used.
  if (f.size() != 9) return std::nullopt;
  return Entry(f[0], f[1], f[2], f[4], f[5], f[6]);
}

// The freedesktop.org trash names the place before the move: every line is whole.
std::optional<std::string> AheadKey(const TrashedEntry&) { return std::nullopt; }
std::string LineKey(const TrashedEntry& entry) { return entry.trash + '/' + entry.entryName; }

}  // namespace tarnwick::platform
