#include "platform/profile/profile_document.h"

#include <algorithm>
#include <unordered_set>

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

ProfileDocument ProfileDocument::Parse(std::string content) {
  DecodedProfile decoded = DecodeProfile(std::move(content));
  ProfileDocument document;
  document.text_ = std::move(decoded.text);
  document.encoding_ = decoded.encoding;
  document.writable_ = decoded.writable;
  return document;
}

ProfileDocument::Line ProfileDocument::LineAt(size_t start) const {
  const size_t end = text_.find_first_of("\r\n", start);
  if (end == std::string::npos) return {start, text_.size() - start, 0};
  const bool crlf = text_[end] == '\r' && end + 1 < text_.size() && text_[end + 1] == '\n';
  return {start, end - start, crlf ? 2u : 1u};
}

std::optional<ProfileDocument::Line> ProfileDocument::FindSection(std::string_view section) const {
  const std::string wanted = AsciiLower(section);
  for (size_t start = 0; start < text_.size();) {
    const Line line = LineAt(start);
    const auto name = SectionName(TextOf(line));
    if (name && name->size() == wanted.size() && AsciiLower(*name) == wanted) return line;
    start = line.end();
  }
  return std::nullopt;
}

std::unordered_map<std::string, ProfileDocument::Line> ProfileDocument::FindKeys(
    const Line& header, const std::vector<std::string>& keys) const {
  std::unordered_map<std::string, Line> found;
  const std::unordered_set<std::string> wanted(keys.begin(), keys.end());
  size_t longest = 0;
  for (const std::string& key : keys) longest = std::max(longest, key.size());
  for (size_t start = header.end(); start < text_.size() && found.size() < wanted.size();) {
    const Line line = LineAt(start);
    if (SectionName(TextOf(line))) break;
    const auto pair = SplitKeyValue(TextOf(line));
    // Only keys of a length that is asked for are lower-cased and looked up.
    if (pair && pair->key.size() <= longest) {
      const std::string lower = AsciiLower(pair->key);
      if (wanted.contains(lower)) found.try_emplace(lower, line);
    }
    start = line.end();
  }
  return found;
}

std::optional<std::string> ProfileDocument::Get(std::string_view section,
                                                std::string_view key) const {
  const std::string keys[] = {std::string(key)};
  auto value = GetAllStored(section, keys).front();
  if (value) *value = ReadValue(*value);
  return value;
}

std::string_view ProfileDocument::ReadValue(std::string_view stored) {
  return HasEnclosingQuotes(stored) ? stored.substr(1, stored.size() - 2) : stored;
}

std::vector<std::optional<std::string>> ProfileDocument::GetAllStored(
    std::string_view section, std::span<const std::string> keys) const {
  std::vector<std::optional<std::string>> values(keys.size());
  const auto header = FindSection(section);
  if (!header) return values;
  std::vector<std::string> lowerKeys;
  lowerKeys.reserve(keys.size());
  for (const std::string& key : keys) lowerKeys.push_back(AsciiLower(key));
  const auto lines = FindKeys(*header, lowerKeys);
  for (size_t k = 0; k < keys.size(); ++k) {
    const auto found = lines.find(lowerKeys[k]);
    if (found == lines.end()) continue;
    values[k] = std::string(SplitKeyValue(TextOf(found->second))->value);
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
  if (!CanStore(section, assignments)) return false;
  Apply(PlanEdits(SectionHeader(section), assignments));
  return true;
}

bool ProfileDocument::CanStore(std::string_view section,
                               std::span<const Assignment> assignments) const {
  // A UTF-16 file can hold only text that is UTF-8 here.
  const bool utf16 = encoding_ == Encoding::kUtf16LittleEndian ||
                     encoding_ == Encoding::kUtf16BigEndian;
  if (!writable_ || !ReadsBackAsSectionName(section) || (utf16 && !IsUtf8(section))) return false;
  for (const Assignment& assignment : assignments) {
    // A stored value came from one line; a NUL in it is kept as the file held it.
    const bool oneLine = assignment.stored
                             ? assignment.value.find_first_of("\r\n") == std::string::npos
                             : FitsOnOneLine(assignment.value);
    if (!ReadsBackAsKey(assignment.key) || !oneLine) return false;
    if (utf16 && (!IsUtf8(assignment.key) || !IsUtf8(assignment.value))) return false;
  }
  return true;
}

ProfileDocument::Line ProfileDocument::SectionHeader(std::string_view section) {
  if (const auto header = FindSection(section)) return *header;
  // A new section goes at the end, on a line of its own. The ending is copied: it is part of
  // the text that grows here.
  const std::string ending(NewLineEnding());
  if (!text_.empty() && text_.back() != '\n' && text_.back() != '\r') text_ += ending;
  const size_t start = text_.size();
  text_ += Enclose('[', section, ']');
  text_ += ending;
  return LineAt(start);
}

// Existing keys' lines get new text; keys the section lacks follow its last line that is not
// blank, so blank lines before the next section stay where they are. A later assignment of a
// key overrides an earlier one.
std::vector<ProfileDocument::Edit> ProfileDocument::PlanEdits(
    const Line& header, std::span<const Assignment> assignments) const {
  std::vector<std::string> lowerKeys;
  lowerKeys.reserve(assignments.size());
  for (const Assignment& assignment : assignments) lowerKeys.push_back(AsciiLower(assignment.key));
  const auto existing = FindKeys(header, lowerKeys);

  std::unordered_map<std::string, std::string> replaced;  // lower-cased key: its new line
  std::vector<std::string> addedKeys;                      // lower-cased, in order of first use
  std::unordered_map<std::string, std::string> added;
  for (size_t a = 0; a < assignments.size(); ++a) {
    const Assignment& assignment = assignments[a];
    const std::string value = assignment.stored ? assignment.value : EncodeValue(assignment.value);
    std::string text = assignment.key + "=" + value;
    if (const auto line = existing.find(lowerKeys[a]); line != existing.end()) {
      if (assignment.stored && SplitKeyValue(TextOf(line->second))->value == value) {
        replaced.erase(lowerKeys[a]);  // the line holds it already, as a later one may say
        continue;
      }
      replaced[lowerKeys[a]] = std::move(text);
    } else {
      if (!added.contains(lowerKeys[a])) addedKeys.push_back(lowerKeys[a]);
      added[lowerKeys[a]] = std::move(text);
    }
  }

  std::vector<Edit> edits;
  for (auto& [key, text] : replaced) {
    const Line& line = existing.at(key);
    edits.push_back({line.start, line.length, std::move(text)});
  }
  if (!addedKeys.empty()) {
    const std::string_view ending = NewLineEnding();
    const Line last = LastLineWithText(header);
    Edit insertion{last.end(), 0, last.endingLength == 0 ? std::string(ending) : std::string()};
    for (const std::string& key : addedKeys) insertion.text.append(added.at(key)).append(ending);
    edits.push_back(std::move(insertion));
  }
  // Every replaced line lies at or before the insertion point, which ends the section's text.
  std::sort(edits.begin(), edits.end(),
            [](const Edit& a, const Edit& b) { return a.offset < b.offset; });
  return edits;
}

ProfileDocument::Line ProfileDocument::LastLineWithText(const Line& header) const {
  Line last = header;
  for (size_t start = header.end(); start < text_.size();) {
    const Line line = LineAt(start);
    if (SectionName(TextOf(line))) break;
    if (!Trim(TextOf(line)).empty()) last = line;
    start = line.end();
  }
  return last;
}

void ProfileDocument::Apply(const std::vector<Edit>& edits) {
  if (edits.empty()) return;
  std::string result;
  result.reserve(text_.size() + 64 * edits.size());
  size_t copied = 0;
  for (const Edit& edit : edits) {
    result.append(text_, copied, edit.offset - copied);
    result += edit.text;
    copied = edit.offset + edit.removed;
  }
  result.append(text_, copied);
  text_ = std::move(result);
}

std::string_view ProfileDocument::NewLineEnding() const {
  for (size_t start = 0; start < text_.size();) {
    const Line line = LineAt(start);
    if (line.endingLength > 0) {
      return std::string_view(text_).substr(line.start + line.length, line.endingLength);
    }
    start = line.end();
  }
  return kDefaultLineEnding;
}

std::string ProfileDocument::Serialize() const { return EncodeProfile(text_, encoding_); }

}  // namespace tarnwick::platform
