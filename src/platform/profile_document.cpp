#include "platform/profile_document.h"

#include <algorithm>

namespace tarnwick::platform {
namespace {

#ifdef _WIN32
constexpr std::string_view kDefaultLineEnding = "\r\n";
#else
constexpr std::string_view kDefaultLineEnding = "\n";
#endif

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

std::string_view Trim(std::string_view text) {
  while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
  return text;
}

std::string AsciiLower(std::string_view text) {
  std::string lower(text);
  for (char& c : lower) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  }
  return lower;
}

bool IsQuote(char c) { return c == '"' || c == '\''; }

bool HasEnclosingQuotes(std::string_view text) {
  return text.size() >= 2 && IsQuote(text.front()) && text.front() == text.back();
}

// The section name of a header line "[name]", or nothing for any other line.
std::optional<std::string_view> SectionName(std::string_view line) {
  line = Trim(line);
  if (line.empty() || line.front() != '[') return std::nullopt;
  line.remove_prefix(1);
  return Trim(line.substr(0, line.find(']')));
}

struct KeyValue {
  std::string_view key;
  std::string_view value;
};

// A line splits at its first equals sign; a line without one holds no key.
std::optional<KeyValue> SplitKeyValue(std::string_view line) {
  const size_t equals = line.find('=');
  if (equals == std::string_view::npos) return std::nullopt;
  return KeyValue{Trim(line.substr(0, equals)), Trim(line.substr(equals + 1))};
}

bool FitsOnOneLine(std::string_view text) {
  return text.find_first_of(std::string_view("\r\n\0", 3)) == std::string_view::npos;
}

// A name with blanks at either end would read back trimmed, and a key that starts with '['
// would read as a section header; neither could be found again, so neither is written.
bool ReadsBackAsSectionName(std::string_view name) {
  return FitsOnOneLine(name) && name == Trim(name) && name.find(']') == std::string_view::npos;
}

bool ReadsBackAsKey(std::string_view key) {
  return FitsOnOneLine(key) && key == Trim(key) && key.find('=') == std::string_view::npos &&
         (key.empty() || key.front() != '[');
}

std::string Enclose(char open, std::string_view text, char close) {
  std::string enclosed;
  enclosed.reserve(text.size() + 2);
  enclosed += open;
  enclosed += text;
  enclosed += close;
  return enclosed;
}

std::string EncodeValue(std::string_view value) {
  const bool needsQuotes = !value.empty() && (IsBlank(value.front()) || IsBlank(value.back()) ||
                                              HasEnclosingQuotes(value));
  return needsQuotes ? Enclose('"', value, '"') : std::string(value);
}

}  // namespace

ProfileDocument ProfileDocument::Parse(std::string_view content) {
  ProfileDocument document;
  size_t start = 0;
  while (start < content.size()) {
    const size_t end = content.find_first_of("\r\n", start);
    if (end == std::string_view::npos) {
      document.lines_.push_back({std::string(content.substr(start)), ""});
      break;
    }
    const bool crlf = content[end] == '\r' && end + 1 < content.size() && content[end + 1] == '\n';
    const size_t endingLength = crlf ? 2 : 1;
    document.lines_.push_back({std::string(content.substr(start, end - start)),
                               std::string(content.substr(end, endingLength))});
    start = end + endingLength;
  }
  return document;
}

std::optional<size_t> ProfileDocument::FindSection(std::string_view section) const {
  const std::string wanted = AsciiLower(section);
  for (size_t i = 0; i < lines_.size(); ++i) {
    const auto name = SectionName(lines_[i].text);
    if (name && AsciiLower(*name) == wanted) return i;
  }
  return std::nullopt;
}

std::unordered_map<std::string, size_t> ProfileDocument::IndexKeys(size_t header) const {
  std::unordered_map<std::string, size_t> index;
  for (size_t i = header + 1; i < lines_.size() && !SectionName(lines_[i].text); ++i) {
    if (const auto pair = SplitKeyValue(lines_[i].text)) index.try_emplace(AsciiLower(pair->key), i);
  }
  return index;
}

size_t ProfileDocument::LastNonBlankLine(size_t header) const {
  size_t last = header;
  for (size_t i = header + 1; i < lines_.size() && !SectionName(lines_[i].text); ++i) {
    if (!Trim(lines_[i].text).empty()) last = i;
  }
  return last;
}

std::optional<std::string> ProfileDocument::Get(std::string_view section,
                                                std::string_view key) const {
  const std::string keys[] = {std::string(key)};
  return GetAll(section, keys).front();
}

std::vector<std::optional<std::string>> ProfileDocument::GetAll(
    std::string_view section, std::span<const std::string> keys) const {
  std::vector<std::optional<std::string>> values(keys.size());
  const auto header = FindSection(section);
  if (!header) return values;
  const auto index = IndexKeys(*header);
  for (size_t k = 0; k < keys.size(); ++k) {
    const auto found = index.find(AsciiLower(keys[k]));
    if (found == index.end()) continue;
    std::string_view value = SplitKeyValue(lines_[found->second].text)->value;
    if (HasEnclosingQuotes(value)) value = value.substr(1, value.size() - 2);
    values[k] = std::string(value);
  }
  return values;
}

bool ProfileDocument::Set(std::string_view section, std::string_view key,
                          std::string_view value) {
  const Assignment assignments[] = {{std::string(key), std::string(value)}};
  return SetAll(section, assignments);
}

bool ProfileDocument::SetAll(std::string_view section,
                             std::span<const Assignment> assignments) {
  if (!ReadsBackAsSectionName(section)) return false;
  for (const Assignment& assignment : assignments) {
    if (!ReadsBackAsKey(assignment.key) || !FitsOnOneLine(assignment.value)) return false;
  }

  auto header = FindSection(section);
  if (!header) {
    Append(Enclose('[', section, ']'));
    header = lines_.size() - 1;
  }
  auto index = IndexKeys(*header);
  std::vector<Line> added;
  const std::string ending = NewLineEnding();
  for (const Assignment& assignment : assignments) {
    std::string text = assignment.key + "=" + EncodeValue(assignment.value);
    const std::string lowerKey = AsciiLower(assignment.key);
    if (const auto found = index.find(lowerKey); found != index.end()) {
      if (found->second < lines_.size()) {
        lines_[found->second].text = std::move(text);
      } else {
        added[found->second - lines_.size()].text = std::move(text);
      }
      continue;
    }
    // Not yet in the file: remember where it will be, in case the same key comes again.
    index.emplace(lowerKey, lines_.size() + added.size());
    added.push_back({std::move(text), ending});
  }
  if (added.empty()) return true;

  // New keys follow the section's last non-blank line, so blank lines that separate it from
  // the next section stay where they are.
  const size_t last = LastNonBlankLine(*header);
  if (lines_[last].ending.empty()) lines_[last].ending = ending;
  lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(last + 1),
                std::make_move_iterator(added.begin()), std::make_move_iterator(added.end()));
  return true;
}

std::string ProfileDocument::NewLineEnding() const {
  for (const Line& line : lines_) {
    if (!line.ending.empty()) return line.ending;
  }
  return std::string(kDefaultLineEnding);
}

void ProfileDocument::Append(std::string text) {
  const std::string ending = NewLineEnding();
  if (!lines_.empty() && lines_.back().ending.empty()) lines_.back().ending = ending;
  lines_.push_back({std::move(text), ending});
}

std::string ProfileDocument::Serialize() const {
  std::string content;
  for (const Line& line : lines_) {
    content += line.text;
    content += line.ending;
  }
  return content;
}

}  // namespace tarnwick::platform
