#include "core/plans.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <functional>

#include "core/settings_file.h"
#include "platform/text/percent_encoding.h"

namespace tarnwick::core {
namespace {

constexpr char kCountKey[] = "Plaene";
constexpr char kSeparator = '|';

struct DayNames {
  const char* shortGerman;
  const char* german;
  const char* shortEnglish;
  const char* english;
};
constexpr std::array<DayNames, 7> kDays = {{
    {"Mo", "Montag", "mon", "monday"},
    {"Di", "Dienstag", "tue", "tuesday"},
    {"Mi", "Mittwoch", "wed", "wednesday"},
    {"Do", "Donnerstag", "thu", "thursday"},
    {"Fr", "Freitag", "fri", "friday"},
    {"Sa", "Samstag", "sat", "saturday"},
    {"So", "Sonntag", "sun", "sunday"},
}};

bool SameLetters(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i) {
    const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; };
    if (lower(a[i]) != lower(b[i])) return false;
  }
  return true;
}

template <typename Number>
std::optional<Number> NumberOf(std::string_view text) {
  Number value{};
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (text.empty() || error != std::errc() || end != text.data() + text.size()) return std::nullopt;
  return value;
}

std::string TwoDigits(int value) {
  return std::string(1, char('0' + value / 10)) + char('0' + value % 10);
}

std::string Clock(const PlanTime& time) {
  return TwoDigits(time.hour) + ":" + TwoDigits(time.minute);
}

std::string PlanKey(size_t slot) { return "Plan" + std::to_string(slot + 1); }

std::vector<std::string_view> Split(std::string_view text) {
  std::vector<std::string_view> fields;
  for (size_t start = 0;;) {
    const size_t end = text.find(kSeparator, start);
    fields.push_back(text.substr(start, end - start));
    if (end == std::string_view::npos) return fields;
    start = end + 1;
  }
}

// How the settings file keeps a time: "taeglich 03:00", "woechentlich Mo 03:00", "anmeldung".
std::string StoredTime(const PlanTime& time) {
  switch (time.kind) {
    case PlanTime::Kind::kDaily:
      return "taeglich " + Clock(time);
    case PlanTime::Kind::kWeekly:
      return std::string("woechentlich ") + kDays[size_t(time.weekday)].shortGerman + " " +
             Clock(time);
    case PlanTime::Kind::kAtLogin:
      return "anmeldung";
  }
  return {};
}

std::optional<PlanTime> TimeOfStored(std::string_view text) {
  if (text == "anmeldung") return PlanTime{PlanTime::Kind::kAtLogin};
  if (text.starts_with("taeglich ")) return DailyAt(text.substr(9));
  if (text.starts_with("woechentlich ") && text.size() > 13) {
    const std::string_view rest = text.substr(13);
    const size_t blank = rest.find(' ');
    if (blank == std::string_view::npos) return std::nullopt;
    return WeeklyAt(rest.substr(0, blank), rest.substr(blank + 1));
  }
  return std::nullopt;
}

std::string StoredPlan(const Plan& plan) {
  const PlanRun run = plan.lastRun.value_or(PlanRun{});
  const std::string fields[] = {
      std::to_string(plan.number),
      StoredTime(plan.time),
      std::to_string(plan.limit),
      std::to_string(plan.identity.volume),
      std::to_string(plan.identity.file),
      platform::PercentEncoded(plan.folder, platform::UriPathCharacter),
      std::to_string(run.when),
      std::to_string(run.pass),
      std::to_string(run.moved),
      platform::PercentEncoded(run.outcome, platform::UriPathCharacter),
  };
  std::string value;
  for (const std::string& field : fields) {
    if (!value.empty()) value += kSeparator;
    value += field;
  }
  return value;
}

std::optional<Plan> PlanOfStored(std::string_view value) {
  const std::vector<std::string_view> f = Split(value);
  if (f.size() != 10) return std::nullopt;
  Plan plan;
  const auto number = NumberOf<uint32_t>(f[0]);
  const auto time = TimeOfStored(f[1]);
  const auto limit = NumberOf<uint32_t>(f[2]);
  const auto volume = NumberOf<uint64_t>(f[3]), file = NumberOf<uint64_t>(f[4]);
  const auto folder = platform::PercentDecoded(f[5]);
  const auto when = NumberOf<int64_t>(f[6]);
  const auto pass = NumberOf<uint64_t>(f[7]), moved = NumberOf<uint64_t>(f[8]);
  const auto outcome = platform::PercentDecoded(f[9]);
  if (!number || *number == 0 || !time || !limit || !volume || !file || !folder ||
      folder->empty() || !when || !pass || !moved || !outcome) {
    return std::nullopt;
  }
  plan.number = *number;
  plan.time = *time;
  plan.limit = *limit;
  plan.identity = {*volume, *file};
  plan.folder = *folder;
  if (*when != 0) plan.lastRun = PlanRun{*when, *pass, *moved, *outcome};
  return plan;
}

// The plans as stored, in their slots; `damaged` counts the entries that are no plan.
std::vector<Plan> StoredPlans(const platform::ProfileDocument& document, const AppState& state,
                              size_t* damaged) {
  std::vector<Plan> plans;
  const auto count =
      NumberOf<uint16_t>(ReadSettingsValue(document, state.AppTitle, kCountKey, "0"));
  for (size_t slot = 0; slot < count.value_or(0); ++slot) {
    const auto plan = PlanOfStored(ReadSettingsValue(document, state.AppTitle, PlanKey(slot), ""));
    if (plan) {
      plans.push_back(*plan);
    } else if (damaged != nullptr) {
      ++*damaged;
    }
  }
  return plans;
}

std::error_code StorePlans(platform::ProfileDocument& document, const AppState& state,
                           const std::vector<Plan>& plans) {
  std::vector<platform::ProfileDocument::Assignment> assignments;
  assignments.push_back({kCountKey, std::to_string(plans.size())});
  for (size_t slot = 0; slot < plans.size(); ++slot) {
    assignments.push_back({PlanKey(slot), StoredPlan(plans[slot])});
  }
  if (!document.SetAll(state.AppTitle, assignments)) {
    return std::make_error_code(std::errc::invalid_argument);
  }
  return {};
}

// Changes the stored plans under the settings file's lock. A damaged entry keeps the file
// from being changed: its plan would be lost.
std::error_code ChangePlans(const AppState& state,
                            const std::function<std::error_code(std::vector<Plan>&)>& change) {
  return ChangeSettings(state, [&](platform::ProfileDocument& document) -> std::error_code {
    size_t damaged = 0;
    std::vector<Plan> plans = StoredPlans(document, state, &damaged);
    if (damaged > 0) return DamagedPlan();
    if (const std::error_code error = change(plans)) return error;
    return StorePlans(document, state, plans);
  });
}

}  // namespace

std::error_code DamagedPlan() {
  static const struct : std::error_category {
    const char* name() const noexcept override { return "tarnwick.plans"; }
    std::string message(int) const override { return "a stored plan is damaged"; }
  } category;
  return {1, category};
}

std::optional<PlanTime> DailyAt(std::string_view clock) {
  if (clock.size() != 5 || clock[2] != ':') return std::nullopt;
  const auto hour = NumberOf<int>(clock.substr(0, 2)), minute = NumberOf<int>(clock.substr(3));
  if (!hour || !minute || *hour > 23 || *minute > 59) return std::nullopt;
  return PlanTime{PlanTime::Kind::kDaily, 0, *hour, *minute};
}

std::optional<PlanTime> WeeklyAt(std::string_view day, std::string_view clock) {
  auto time = DailyAt(clock);
  if (!time) return std::nullopt;
  for (size_t i = 0; i < kDays.size(); ++i) {
    for (const char* name :
         {kDays[i].shortGerman, kDays[i].german, kDays[i].shortEnglish, kDays[i].english}) {
      if (SameLetters(day, name)) {
        time->kind = PlanTime::Kind::kWeekly;
        time->weekday = static_cast<int>(i);
        return time;
      }
    }
  }
  return std::nullopt;
}

const char* WeekdayName(int weekday) { return kDays.at(static_cast<size_t>(weekday)).german; }

std::optional<uint32_t> PlanLimitOf(std::string_view text) {
  const auto limit = NumberOf<uint32_t>(text);
  if (!limit || *limit == 0) return std::nullopt;
  return limit;
}

std::string PlanTimeText(const PlanTime& time) {
  switch (time.kind) {
    case PlanTime::Kind::kDaily:
      return "täglich " + Clock(time);
    case PlanTime::Kind::kWeekly:
      return std::string("wöchentlich ") + kDays[size_t(time.weekday)].shortGerman + " " +
             Clock(time);
    case PlanTime::Kind::kAtLogin:
      return "bei der Anmeldung";
  }
  return {};
}

std::error_code LoadPlans(const AppState& state, std::vector<Plan>& plans, size_t* damaged) {
  platform::ProfileDocument document;
  if (const std::error_code error = ReadSettings(state, document)) return error;
  plans = StoredPlans(document, state, damaged);
  return {};
}

std::error_code AddPlan(const AppState& state, Plan& plan, bool& added) {
  added = false;
  return ChangePlans(state, [&](std::vector<Plan>& plans) -> std::error_code {
    uint32_t highest = 0;
    for (const Plan& stored : plans) {
      if (stored.identity == plan.identity && stored.time == plan.time) {
        plan = stored;
        return {};
      }
      highest = std::max(highest, stored.number);
    }
    plan.number = highest + 1;
    // Read back cut to the longest value, it would be a damaged plan.
    if (StoredPlan(plan).size() > kMaxSettingsValueLength) {
      return std::make_error_code(std::errc::filename_too_long);
    }
    plans.push_back(plan);
    added = true;
    return {};
  });
}

std::error_code RemovePlan(const AppState& state, uint32_t number) {
  return ChangePlans(state, [number](std::vector<Plan>& plans) -> std::error_code {
    const auto removed =
        std::erase_if(plans, [number](const Plan& p) { return p.number == number; });
    return removed == 0 ? std::make_error_code(std::errc::no_such_file_or_directory)
                        : std::error_code();
  });
}

std::error_code NoteRun(const AppState& state, uint32_t number, const PlanRun& run) {
  return ChangePlans(state, [&](std::vector<Plan>& plans) -> std::error_code {
    for (Plan& plan : plans) {
      if (plan.number == number) plan.lastRun = run;
    }
    return {};
  });
}

}  // namespace tarnwick::core
