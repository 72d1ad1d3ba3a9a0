#include "platform/trash/trash_record_fields.h"

#include <cstdio>

namespace tarnwick::platform {
namespace {

// A drive's path (C:\...) or a share's (\\server\share\...).
bool IsAbsolutePath(const std::string& path) {
  if (path.find('\0') != std::string::npos) return false;
  const bool drive = path.size() >= 3 && path[1] == ':' && path[2] == '\\';
  return drive || path.starts_with("\\\\");
}

// A 128-bit file ID as 32 hexadecimal digits, its high half first.
constexpr size_t kWideIdDigits = 32;

std::string HexOf(const FileId128& id) {
  char text[kWideIdDigits + 1];
  std::snprintf(text, sizeof text, "%016llx%016llx", static_cast<unsigned long long>(id.high),
                static_cast<unsigned long long>(id.low));
  return text;
}

std::optional<FileId128> FileIdOfHex(const std::string& text) {
  if (text.size() != kWideIdDigits) return std::nullopt;
  FileId128 id;
  for (size_t i = 0; i < kWideIdDigits; ++i) {
    const char c = text[i];
    unsigned digit = 0;
    if (c >= '0' && c <= '9') {
      digit = static_cast<unsigned>(c - '0');
    } else if (c >= 'a' && c <= 'f') {
      digit = static_cast<unsigned>(c - 'a' + 10);
    } else {
      return std::nullopt;
    }
    uint64_t& half = i < kWideIdDigits / 2 ? id.high : id.low;
    half = (half << 4) | digit;
  }
  return id;
}

}  // namespace

std::vector<std::string> FieldsOfEntry(const TrashedEntry& entry) {
  return {entry.originalPath, entry.recycledPath, std::to_string(entry.volume),
          entry.narrowIdentity ? std::to_string(entry.fileId.low) : HexOf(entry.fileId)};
}

// Earlier versions wrote the 64-bit file index in decimal, with the 32-bit serial number.
std::optional<TrashedEntry> EntryOfFields(std::span<const std::string> f) {
  if (f.size() != 4) return std::nullopt;
  const auto volume = RecordNumber(f[2]);
  std::optional<FileId128> fileId = FileIdOfHex(f[3]);
  const bool narrow = !fileId;
  if (narrow) {
    if (const auto index = RecordNumber(f[3])) fileId = FileId128{*index, 0};
  }
  // A line written ahead of the move has no place in the bin yet.
  if (!volume || !fileId || !IsAbsolutePath(f[0]) || (!f[1].empty() && !IsAbsolutePath(f[1]))) {
    return std::nullopt;
  }
  return TrashedEntry{f[0], f[1], *volume, *fileId, narrow};
}

// A pass names each path once; the identity is no key, as the bin may give the file another.
std::string LineKey(const TrashedEntry& entry) { return entry.originalPath; }

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
