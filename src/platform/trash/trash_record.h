// The record of one pass to the trash, as text: written as the pass runs, read to take it back.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "platform/trash/trash.h"

namespace tarnwick::platform {

// The record of one pass to the trash as text: a heading line, a line with when the pass ran
// and the folder it searched, then one line per file that reached the trash, appended while
// the pass runs. Fields are apart by tabs; each field's tabs, line breaks, NULs and percent
// signs are written as %XX. Each system records what finds its trash's entries again.
struct TrashRecord {
  int64_t when = 0;  // seconds since 1970
  std::string root;
  std::vector<TrashedEntry> entries;
  uint64_t plan = 0;  // the plan that ran the pass on its own; 0 for a pass asked for
};

// The heading and the pass's line, to which FormatTrashEntries appends.
std::string FormatTrashRecordHead(int64_t when, std::string_view root, uint64_t plan = 0);
std::string FormatTrashEntries(std::span<const TrashedEntry> entries);
std::string FormatTrashRecord(const TrashRecord& record);

// What reading a record found.
struct ParsedTrashRecord {
  TrashRecord record;
  // The number (from 1) of the first line that is no part of such a record; 0 when all are.
  // Nothing of a record with such a line is to be trusted.
  size_t badLine = 0;
  // The last line had no end: a pass ended while writing it. The lines before it are whole.
  bool lastLineCut = false;
};
ParsedTrashRecord ParseTrashRecord(std::string_view text);

}  // namespace tarnwick::platform
