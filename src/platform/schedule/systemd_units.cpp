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
      case '"':
        quoted += "\\\"";
        break;
      case '\\':
        quoted += "\\\\";
        break;
      case '%':
        quoted += "%%";
        break;
      case '$':
        quoted += "$$";
        break;
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

// Built by appending: GCC 12 warns falsely (-Wrestrict) of "literal" + a temporary.
std::string OnCalendarOf(const ScheduleTime& time) {
  std::string calendar;
  if (time.kind == ScheduleTime::Kind::kWeekly) {
    calendar.append(kSystemdDays[static_cast<size_t>(time.weekday)]).append(" ");
  }
  calendar.append("*-*-* ").append(TwoDigits(time.hour)).append(":");
  calendar.append(TwoDigits(time.minute)).append(":00");
  return calendar;
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
  std::string unit;
  unit.append("[Unit]\nDescription=").append(OneLine(run.description));
  unit.append("\n\n[Service]\nType=oneshot\nExecStart=").append(ExecLine(run.command));
  unit.append("\n");
  if (run.time.kind == ScheduleTime::Kind::kAtLogin) {
    unit.append("\n[Install]\nWantedBy=default.target\n");
  }
  return unit;
}

std::string TimerUnit(const ScheduledRun& run) {
  std::string unit;
  unit.append("[Unit]\nDescription=").append(OneLine(run.description));
  unit.append("\n\n[Timer]\nOnCalendar=").append(OnCalendarOf(run.time));
  unit.append("\nPersistent=true\nRandomizedDelaySec=5min\n\n[Install]\nWantedBy=timers.target\n");
  return unit;
}

std::string CrontabLine(const ScheduledRun& run) {
  if (run.time.kind == ScheduleTime::Kind::kAtLogin) return {};
  std::string line;
  line.append(std::to_string(run.time.minute)).append(" ");
  line.append(std::to_string(run.time.hour)).append(" * * ");
  // cron counts the days of the week from Sunday.
  line.append(run.time.kind == ScheduleTime::Kind::kWeekly
                  ? std::to_string((run.time.weekday + 1) % 7)
                  : std::string("*"));
  for (const std::string& argument : run.command) line.append(" ").append(ShellQuoted(argument));
  return line;
}

}  // namespace tarnwick::platform
