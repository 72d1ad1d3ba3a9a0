#include "platform/trash/trash_record.h"

#include <charconv>
#include <cstdio>
#include <iterator>

namespace tarnwick::platform {
namespace {

constexpr std::string_view kHeading = "Tarnwick-Papierkorb 1\n";
constexpr size_t kFields = 9;  // four texts, five numbers

std::string Escaped(std::string_view field) {
  std::string escaped;
  escaped.reserve(field.size());
  for (const char c : field) {
    if (c == '%' || c == '\t' || c == '\n' || c == '\r' || c == '\0') {
      char code[4];
      std::snprintf(code, sizeof code, "%%%02X", static_cast<unsigned char>(c));
      escaped += code;
    } else {
      escaped += c;
    }
  }
  return escaped;
}

std::optional<std::string> Unescaped(std::string_view field) {
  std::string text;
  text.reserve(field.size());
  for (size_t i = 0; i < field.size(); ++i) {
    if (field[i] != '%') {
      text += field[i];
      continue;
    }
    unsigned value = 0;
    if (i + 2 >= field.size()) return std::nullopt;
    const auto [end, error] = std::from_chars(field.data() + i + 1, field.data() + i + 3, value, 16);
    if (error != std::errc() || end != field.data() + i + 3) return std::nullopt;
    text += static_cast<char>(value);
    i += 2;
  }
  return text;
}

std::optional<uint64_t> Number(std::string_view field) {
  uint64_t value = 0;
  const auto [end, error] = std::from_chars(field.data(), field.data() + field.size(), value);
  if (error != std::errc() || end != field.data() + field.size()) return std::nullopt;
  return value;
}

}  // namespace

std::string FormatTrashRecord(const std::vector<TrashedEntry>& entries) {
  std::string text(kHeading);
  for (const TrashedEntry& entry : entries) {
    for (const std::string* field :
         {&entry.originalPath, &entry.trash, &entry.entryName, &entry.infoPath}) {
      text.append(Escaped(*field)).append("\t");
    }
    text.append(std::to_string(entry.device)).append("\t");
    text.append(std::to_string(entry.inode)).append("\t");
    text.append(std::to_string(entry.modified)).append("\t");
    text.append(std::to_string(entry.deletedAfter)).append("\t");
    text.append(std::to_string(entry.deletedBefore)).append("\n");
  }
  return text;
}

std::optional<std::vector<TrashedEntry>> ParseTrashRecord(std::string_view text) {
  if (!text.starts_with(kHeading)) return std::nullopt;
  text.remove_prefix(kHeading.size());
  std::vector<TrashedEntry> entries;
  while (!text.empty()) {
    const size_t end = text.find('\n');
    if (end == std::string_view::npos) return std::nullopt;  // cut short
    std::string_view line = text.substr(0, end);
    text.remove_prefix(end + 1);
    std::vector<std::string_view> fields;
    for (size_t tab; (tab = line.find('\t')) != std::string_view::npos; line.remove_prefix(tab + 1)) {
      fields.push_back(line.substr(0, tab));
    }
    fields.push_back(line);
    if (fields.size() != kFields) return std::nullopt;
    TrashedEntry entry;
    std::string* texts[] = {&entry.originalPath, &entry.trash, &entry.entryName, &entry.infoPath};
    uint64_t* numbers[] = {&entry.device, &entry.inode, &entry.modified, &entry.deletedAfter,
                           &entry.deletedBefore};
    for (size_t f = 0; f < std::size(texts); ++f) {
      auto value = Unescaped(fields[f]);
      if (!value) return std::nullopt;
      *texts[f] = std::move(*value);
    }
    for (size_t f = 0; f < std::size(numbers); ++f) {
      const auto value = Number(fields[std::size(texts) + f]);
      if (!value) return std::nullopt;
      *numbers[f] = *value;
    }
    entries.push_back(std::move(entry));
  }
  return entries;
}

}  // namespace tarnwick::platform
