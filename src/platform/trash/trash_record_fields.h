// The fields each system records for a file in the trash, written and read back.
#pragma once

// The fields each system records for a file in the trash, and the entry read back from them:
// nothing for fields that are no such entry (a wrong count, a number that is none, a path
// that is not absolute, a name in the trash that is not a plain name).
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "platform/trash/trash.h"

namespace tarnwick::platform {

std::vector<std::string> FieldsOfEntry(const TrashedEntry& entry);
std::optional<TrashedEntry> EntryOfFields(std::span<const std::string> fields);
// An entry of the record that earlier versions kept, with the fields of both systems.
std::optional<TrashedEntry> EntryOfEarlierFields(std::span<const std::string> fields);

// A whole number that the record wrote.
std::optional<uint64_t> RecordNumber(const std::string& text);

}  // namespace tarnwick::platform
