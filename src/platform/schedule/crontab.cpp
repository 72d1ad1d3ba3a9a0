#include "platform/schedule/crontab.h"

#include "platform/process/run_program.h"

namespace tarnwick::platform {
namespace {

std::string Marker(const std::string& name, const char* which) {
  std::string marker = "# tarnwick ";
  return marker.append(name).append(" (").append(which).append(")");
}

}  // namespace

std::string WithCrontabBlock(std::string_view crontab, const std::string& name,
                             const std::string& line) {
  const std::string begin = Marker(name, "Anfang"), end = Marker(name, "Ende");
  std::string kept;
  bool inBlock = false;
  for (size_t start = 0; start < crontab.size();) {
    const size_t stop = std::min(crontab.find('\n', start), crontab.size());
    const std::string_view each = crontab.substr(start, stop - start);
    start = stop + 1;
    if (each == begin) inBlock = true;
    if (!inBlock) kept.append(each).append("\n");
    if (each == end) inBlock = false;
  }
  if (!line.empty())
    kept.append(begin).append("\n").append(line).append("\n").append(end).append("\n");
  return kept;
}

std::error_code ChangeCrontab(const std::string& name, const std::string& line) {
  const auto listed = RunProgram({"crontab", "-l"}, "");
  if (!listed) return std::make_error_code(std::errc::no_such_file_or_directory);
  // Only a user without a crontab yet has an empty one; any other failure to read it leaves it
  // alone, lest writing replace what could not be read.
  if (listed->status != 0 && listed->errors.find("no crontab") == std::string::npos) {
    return std::make_error_code(std::errc::io_error);
  }
  const std::string current = listed->status == 0 ? listed->output : std::string();
  const std::string changed = WithCrontabBlock(current, name, line);
  if (changed == current) return {};
  const auto written = RunProgram({"crontab", "-"}, changed);
  if (!written) return std::make_error_code(std::errc::no_such_file_or_directory);
  return written->status == 0 ? std::error_code() : std::make_error_code(std::errc::io_error);
}

}  // namespace tarnwick::platform
