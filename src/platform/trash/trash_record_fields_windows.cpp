#include "platform/trash/trash_record_fields.h"

namespace tarnwick::platform {
namespace {

// A drive's path (C:\...) or a share's (\\server\share\...).
bool IsAbsolutePath(const std::string& path) {
  if (path.find('\0') != std::string::npos) return false;
  const bool drive = path.size() >= 3 && path[1] == ':' && path[2] == '\\';
  return drive || path.starts_with("\\\\");
}

}  // namespace

std::vector<std::string> FieldsOfEntry(const TrashedEntry& entry) {
  return {entry.originalPath, entry.recycledPath, std::to_string(entry.volume),
          std::to_string(entry.fileId)};
}

std::optional<TrashedEntry> EntryOfFields(std::span<const std::string> f) {
  if (f.size() != 4) return std::nullopt;
  const auto volume = RecordNumber(f[2]), fileId = RecordNumber(f[3]);
  // A line written ahead of the move has no place in the bin yet.
  if (!volume || !fileId || !IsAbsolutePath(f[0]) || (!f[1].empty() && !IsAbsolutePath(f[1]))) {
    return std::nullopt;
  }
  return TrashedEntry{f[0], f[1], *volume, *fileId};
}

std::string LineKey(const TrashedEntry& entry) {
  return entry.originalPath + '\t' + std::to_string(entry.volume) + '\t' +
         std::to_string(entry.fileId);
}

std::optional<std::string> AheadKey(const TrashedEntry& entry) {
  if (!entry.recycledPath.empty()) return std::nullopt;
  return LineKey(entry);
}

// Earlier versions found an item by its place and time in the Recycle Bin's listing, which
// names neither its file nor who it is: nothing of such a record can be checked.
std::optional<TrashedEntry> EntryOfEarlierFields(std::span<const std::string>) {
  return std::nullopt;
}

}  // namespace tarnwick::platform
