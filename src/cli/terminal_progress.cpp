#include "cli/terminal_progress.h"

#include <ostream>

#include "cli/terminal_text.h"
#include "texts/texts.h"

namespace tarnwick::cli {
namespace {

constexpr auto kInterval = std::chrono::milliseconds(100);
constexpr std::string_view kEllipsis = "…";
// Back to the line's start, and erase to its end.
constexpr std::string_view kReturn = "\r";
constexpr std::string_view kEraseToEnd = "\x1b[K";

bool IsContinuationByte(char c) { return (static_cast<unsigned char>(c) & 0xC0) == 0x80; }

size_t CodePoints(std::string_view text) {
  size_t count = 0;
  for (const char c : text) count += IsContinuationByte(c) ? 0 : 1;
  return count;
}

}  // namespace

std::string KeepEndWithin(std::string_view text, size_t columns) {
  const size_t length = CodePoints(text);
  if (length <= columns) return std::string(text);
  if (columns == 0) return {};
  size_t keep = columns - 1;  // one column for the ellipsis
  size_t start = text.size();
  while (keep > 0 && start > 0) {
    --start;
    if (!IsContinuationByte(text[start])) --keep;
  }
  while (start < text.size() && IsContinuationByte(text[start])) ++start;
  return std::string(kEllipsis) + std::string(text.substr(start));
}

TerminalProgress::TerminalProgress(std::ostream& terminal, size_t columns, bool toTrash)
    : terminal_(terminal), columns_(columns), toTrash_(toTrash) {}

void TerminalProgress::ShowWalk(std::string_view folder, uint64_t folders, uint64_t files) {
  if (!Due(false)) return;
  std::string counts = "   ";
  counts += texts::ProgressCounts(folders, files);
  const std::string heading = std::string(texts::kProgressSearching) + " ";
  // The last column stays free: writing into it wraps the line on some terminals.
  const size_t fixed = CodePoints(heading) + counts.size() + 1;
  const size_t room = columns_ > fixed ? columns_ - fixed : 0;
  Write(heading + KeepEndWithin(EscapeControlCharacters(folder), room) + counts);
}

void TerminalProgress::ShowDeletions(uint64_t deleted, uint64_t done, uint64_t total) {
  const bool started = !deleting_;
  deleting_ = true;
  if (!Due(started)) return;
  std::string line = texts::ProgressDeleted(deleted, toTrash_);
  if (total > 0) {
    line += " (";
    line += std::to_string(done * 100 / total);
    line += " %)";
  }
  Write(line);
}

void TerminalProgress::Clear() {
  if (!shown_) return;
  terminal_ << kReturn << kEraseToEnd << std::flush;
  shown_ = false;
}

bool TerminalProgress::Due(bool phaseStarted) {
  const auto now = std::chrono::steady_clock::now();
  if (shown_ && !phaseStarted && now - last_ < kInterval) return false;
  last_ = now;
  return true;
}

void TerminalProgress::Write(const std::string& line) {
  terminal_ << kReturn << line << kEraseToEnd << std::flush;
  shown_ = true;
}

}  // namespace tarnwick::cli
