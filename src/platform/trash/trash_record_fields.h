// The fields each system records for a file in the trash, written and read back.
#pragma once

#include <optional>
#include <span>
#include <string>
#include <vector>

#include "platform/trash/trash.h"

namespace tarnwick::platform {

// The fields of an entry, and the entry read back from them: nothing for fields that are no
// such entry (a wrong count, a number that is none, a path that is not absolute, a name in
// the trash that is not a plain name).
std::vector<std::string> FieldsOfEntry(const TrashedEntry& entry);
std::optional<TrashedEntry> EntryOfFields(std::span<const std::string> fields);
// An entry of the record that earlier versions kept, with the fields of both systems.
std::optional<TrashedEntry> EntryOfEarlierFields(std::span<const std::string> fields);

// Where the trash names a file's place only once it is there (the Recycle Bin), the file's line
// is written ahead without it and again with it: for a line written ahead, what the later line
// of the same file shares with it; nothing for a line that is whole.
std::optional<std::string> AheadKey(const TrashedEntry& entry);
// What the line of a whole entry shares with the line written ahead of it.
std::string LineKey(const TrashedEntry& entry);

// A whole number that the record wrote.
std::optional<uint64_t> RecordNumber(const std::string& text);

}  // namespace tarnwick::platform
