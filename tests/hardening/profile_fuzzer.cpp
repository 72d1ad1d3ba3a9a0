// libFuzzer target over the settings file format: any file must read without harm, read back
// byte for byte when nothing changes, and a write of one key must read back as written while
// every other line stays as it was.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "core/app_state.h"
#include "core/settings_file.h"
#include "platform/profile/profile_document.h"

namespace {

using tarnwick::platform::ProfileDocument;

struct Line {
  std::string_view text;
  std::string_view ending;
};

// The file's lines as the format defines them, split here independently of the reader.
std::vector<Line> SplitLines(std::string_view content) {
  std::vector<Line> lines;
  while (!content.empty()) {
    const size_t end = content.find_first_of("\r\n");
    if (end == std::string_view::npos) {
      lines.push_back({content, {}});
      break;
    }
    const size_t length = content.compare(end, 2, "\r\n") == 0 ? 2 : 1;
    lines.push_back({content.substr(0, end), content.substr(end, length)});
    content.remove_prefix(end + length);
  }
  return lines;
}

// A line of the old file is kept when the new file has it unchanged; the old last line may
// have gained a line ending so that a new line can follow it.
bool Kept(const Line& before, bool lastBefore, const Line& after) {
  return before.text == after.text &&
         (before.ending == after.ending || (lastBefore && before.ending.empty()));
}

void Require(bool condition, const char* what) {
  if (condition) return;
  std::fprintf(stderr, "profile_fuzzer: %s\n", what);
  std::abort();
}

// Around the written key, the new file must be the old one: a common beginning and end, and
// between them at most one old line replaced by at most two new ones (the key's line, and
// its section's header when the section is new).
void RequireOnlyTheKeyChanged(std::string_view before, std::string_view after,
                              std::string_view section, std::string_view key) {
  const std::vector<Line> old = SplitLines(before);
  const std::vector<Line> now = SplitLines(after);
  size_t prefix = 0;
  while (prefix < old.size() && prefix < now.size() &&
         Kept(old[prefix], prefix + 1 == old.size(), now[prefix])) {
    ++prefix;
  }
  size_t suffix = 0;
  while (suffix < old.size() - prefix && suffix < now.size() - prefix &&
         Kept(old[old.size() - 1 - suffix], suffix == 0, now[now.size() - 1 - suffix])) {
    ++suffix;
  }
  const size_t removed = old.size() - prefix - suffix;
  const size_t added = now.size() - prefix - suffix;
  Require(removed <= 1 && added <= 2 && added >= removed, "more than the key's line changed");
  const std::string header = "[" + std::string(section) + "]";
  for (size_t i = prefix; i < prefix + added; ++i) {
    const std::string_view text = now[i].text;
    const bool keyLine = text.size() > key.size() && text.substr(0, key.size()) == key &&
                         text[key.size()] == '=';
    Require(keyLine || text == header, "a changed line is neither the key nor its section");
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  FuzzedDataProvider input(data, size);
  const std::string section = input.ConsumeRandomLengthString(24);
  const std::string key = input.ConsumeRandomLengthString(24);
  const std::string value = input.ConsumeRandomLengthString(64);
  const std::string content = input.ConsumeRemainingBytesAsString();

  ProfileDocument document = ProfileDocument::Parse(content);
  Require(document.Serialize() == content, "the file does not read back byte for byte");

  // What the program itself reads from such a file.
  (void)tarnwick::core::ReadSettingsValue(document, tarnwick::core::kAppTitle, "Files", "0");

  if (!document.Set(section, key, value)) {
    Require(document.Serialize() == content, "a refused write changed the file");
    return 0;
  }
  const std::string written = document.Serialize();
  const auto readBack = ProfileDocument::Parse(written).Get(section, key);
  Require(readBack.has_value() && *readBack == value, "the written value does not read back");
  // Lines are compared as bytes, behind a UTF-8 mark; a UTF-16 file's lines are not bytes.
  if (document.encoding() == ProfileDocument::Encoding::kPlain) {
    RequireOnlyTheKeyChanged(content, written, section, key);
  } else if (document.encoding() == ProfileDocument::Encoding::kUtf8WithMark) {
    constexpr size_t kMark = 3;
    RequireOnlyTheKeyChanged(std::string_view(content).substr(kMark),
                             std::string_view(written).substr(kMark), section, key);
  }
  return 0;
}
