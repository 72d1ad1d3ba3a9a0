#include "platform/trash/trash_record.h"

#include <charconv>
#include <optional>
#include <unordered_map>

#include "platform/text/percent_encoding.h"
#include "platform/trash/trash_record_fields.h"

namespace tarnwick::platform {
namespace {

constexpr std::string_view kHeading = "Tarnwick-Papierkorb 2\n";
// The record of the last pass as earlier versions kept it: no pass line, and per file the
// fields of both systems.
constexpr std::string_view kEarlierHeading = "Tarnwick-Papierkorb 1\n";

std::string Line(std::span<const std::string> fields) {
  std::string line;
  for (size_t f = 0; f < fields.size(); ++f) {
    line.append(f == 0 ? "" : "\t").append(PercentEncoded(fields[f], RecordFieldCharacter));
  }
  return line.append("\n");
}

std::optional<std::vector<std::string>> Fields(std::string_view line) {
  std::vector<std::string> fields;
  for (;;) {
    const size_t tab = line.find('\t');
    auto field = PercentDecoded(line.substr(0, tab));
    if (!field) return std::nullopt;
    fields.push_back(std::move(*field));
    if (tab == std::string_view::npos) return fields;
    line.remove_prefix(tab + 1);
  }
}

}  // namespace

std::optional<uint64_t> RecordNumber(const std::string& text) {
  uint64_t value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (text.empty() || error != std::errc() || end != text.data() + text.size()) return std::nullopt;
  return value;
}

// A planned pass's line names its plan after the root; a pass asked for has two fields.
std::string FormatTrashRecordHead(int64_t when, std::string_view root, uint64_t plan) {
  std::vector<std::string> pass = {std::to_string(when), std::string(root)};
  if (plan != 0) pass.push_back(std::to_string(plan));
  return std::string(kHeading) + Line(pass);
}

std::string FormatTrashEntries(std::span<const TrashedEntry> entries) {
  std::string text;
  for (const TrashedEntry& entry : entries) text += Line(FieldsOfEntry(entry));
  return text;
}

std::string FormatTrashRecord(const TrashRecord& record) {
  return FormatTrashRecordHead(record.when, record.root, record.plan) +
         FormatTrashEntries(record.entries);
}

ParsedTrashRecord ParseTrashRecord(std::string_view text) {
  ParsedTrashRecord parsed;
  if (text.empty()) return parsed;  // made, and ended before it was written to
  const bool earlier = text.starts_with(kEarlierHeading);
  if (!earlier && !text.starts_with(kHeading)) {
    parsed.badLine = 1;
    return parsed;
  }
  text.remove_prefix(kHeading.size());  // both headings are as long
  std::unordered_map<std::string, size_t> ahead;  // lines written ahead, by their file
  for (size_t number = 2; !text.empty(); ++number) {
    const size_t end = text.find('\n');
    const bool passLine = number == 2 && !earlier;
    if (end == std::string_view::npos) {
      // Only a file's line may be cut short: without its whole pass line a record is no record.
      if (passLine) {
        parsed.badLine = number;
      } else {
        parsed.lastLineCut = true;
      }
      break;
    }
    const auto fields = Fields(text.substr(0, end));
    text.remove_prefix(end + 1);
    if (passLine) {
      const bool counted = fields && (fields->size() == 2 || fields->size() == 3);
      const auto when = counted ? RecordNumber((*fields)[0]) : std::nullopt;
      const auto plan = counted && fields->size() == 3 ? RecordNumber((*fields)[2])
                                                       : std::optional<uint64_t>(0);
      if (!when || !plan) {
        parsed.badLine = number;
        return parsed;
      }
      parsed.record.when = static_cast<int64_t>(*when);
      parsed.record.root = (*fields)[1];
      parsed.record.plan = *plan;
      continue;
    }
    auto entry = fields ? (earlier ? EntryOfEarlierFields(*fields) : EntryOfFields(*fields))
                        : std::nullopt;
    if (!entry) {
      parsed.badLine = number;
      return parsed;
    }
    if (const auto key = AheadKey(*entry)) {
      ahead.emplace(*key, parsed.record.entries.size());
    } else if (!ahead.empty()) {
      // The file's line once it is there takes the place of the line written ahead of it.
      if (const auto written = ahead.find(LineKey(*entry)); written != ahead.end()) {
        parsed.record.entries[written->second] = std::move(*entry);
        ahead.erase(written);
        continue;
      }
    }
    parsed.record.entries.push_back(std::move(*entry));
  }
  return parsed;
}

}  // namespace tarnwick::platform
