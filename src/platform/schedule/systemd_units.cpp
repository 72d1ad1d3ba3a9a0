#include "platform/schedule/systemd_units.h"

#include <array>
#include <cstdio>

namespace tarnwick::platform {
namespace {

constexpr std::array<const char*, 7> kSystemdDays = {"Mon", "Tue", "Wed", "Thu",
                                                     "Fri", "Sat", "Sun"};

std::string TwoDigits(int value) {
  char text[4];
  std::snprintf(text, sizeof text, "%02d", value);
  return text;
}

// A description on one line.
std::string OneLine(const std::string& text) {
  std::string line;
  for (const char c : text) line += (c == '\n' || c == '\r') ? ' ' : c;
  return line;
}

std::string Quoted(const std::string& argument) {
  std::string quoted = "\"";
  for (const unsigned char c : argument) {
    switch (c) {
      case '"': quoted += "\\\""; break;
      case '\\': quoted += "\\\\"; break;
      case '%': quoted += "%%"; break;
      case '$': quoted += "$$"; break;
      default:
        if (c < 0x20 || c == 0x7F) {
          char escaped[5];
          std::snprintf(escaped, sizeof escaped, "\\x%02x", c);
          quoted += escaped;
        } else {
          quoted += static_cast<char>(c);
        }
    }
  }
  return quoted + '"';
}

// An argument for the shell that cron hands the line to; '%' would end cron's command.
std::string ShellQuoted(const std::string& argument) {
  std::string quoted = "'";
  for (const char c : argument) {
    if (c == '\'') {
      quoted += "'\\''";
    } else if (c == '%') {
      quoted += "\\%";
    } else {
      quoted += c;
    }
  }
  return quoted + "'";
}

}  // namespace

std::string OnCalendarOf(const ScheduleTime& time) {
  const std::string clock = TwoDigits(time.hour) + ":" + TwoDigits(time.minute) + ":00";
  if (time.kind == ScheduleTime::Kind::kWeekly) {
    return std::string(kSystemdDays[static_cast<size_t>(time.weekday)]) + " *-*-* " + clock;
  }
  return "*-*-* " + clock;
}

std::string ExecLine(const std::vector<std::string>& command) {
  std::string line;
  for (const std::string& argument : command) {
    if (!line.empty()) line += ' ';
    line += Quoted(argument);
  }
  return line;
}

std::string ServiceUnit(const ScheduledRun& run) {
  std::string unit = "[Unit]\nDescription=" + OneLine(run.description) +
                     "\n\n[Service]\nType=oneshot\nExecStart=" + ExecLine(run.command) + "\n";
  if (run.time.kind == ScheduleTime::Kind::kAtLogin) {
    unit += "\n[Install]\nWantedBy=default.target\n";
  }
  return unit;
}

std::string TimerUnit(const ScheduledRun& run) {
  return "[Unit]\nDescription=" + OneLine(run.description) +
         "\n\n[Timer]\nOnCalendar=" + OnCalendarOf(run.time) +
         "\nPersistent=true\nRandomizedDelaySec=5min\n\n[Install]\nWantedBy=timers.target\n";
}

std::string CrontabLine(const ScheduledRun& run) {
  if (run.time.kind == ScheduleTime::Kind::kAtLogin) return {};
  // cron counts the days of the week from Sunday.
  const std::string day = run.time.kind == ScheduleTime::Kind::kWeekly
                              ? std::to_string((run.time.weekday + 1) % 7)
                              : std::string("*");
  std::string line = std::to_string(run.time.minute) + " " + std::to_string(run.time.hour) +
                     " * * " + day;
  for (const std::string& argument : run.command) line += " " + ShellQuoted(argument);
  return line;
}

}  // namespace tarnwick::platform
