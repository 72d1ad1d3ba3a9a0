#include "cli/plan_commands.h"

#include <algorithm>
#include <ctime>
#include <ostream>

#include "cli/exit_status.h"
#include "cli/json_report.h"
#include "core/plans.h"
#include "engine/plan_schedule.h"
#include "engine/planned_run.h"
#include "platform/notify/notifier.h"
#include "platform/path/full_path.h"
#include "texts/texts.h"

namespace tarnwick::cli {
namespace {

using Outcome = engine::PlannedRun::Outcome;

int AddPlan(const Options& options, const core::AppState& state, PrintingObserver& printer,
            std::ostream& out, std::ostream& err) {
  core::Plan plan;
  plan.folder = platform::AbsolutePath(*options.addPlan);
  plan.time = *options.planTime;
  plan.limit = options.planLimit;
  const std::string shown = printer.Shown(plan.folder);
  const auto identity = platform::IdentityOfFolder(plan.folder);
  if (options.addPlan->empty() || !identity) {
    err << "tarnwick-cli: "
        << texts::CliRootUnreadable(shown,
                                    std::make_error_code(std::errc::no_such_file_or_directory))
        << '\n';
    return kExitUsageOrRoot;
  }
  plan.identity = *identity;
  const engine::PlanAddition addition = engine::AddPlan(state, plan, options.crontab);
  if (addition.saveError) {
    err << "tarnwick-cli: "
        << texts::PlansNotSaved(printer.Shown(state.SettingsPath), addition.saveError) << '\n';
    return kExitIncomplete;
  }
  if (!addition.added) {
    if (!options.quiet) out << texts::PlanExists(plan, shown) << '\n';
    return kExitDone;
  }
  if (!options.quiet) out << texts::PlanAdded(plan, shown) << '\n';
  if (addition.scheduleError == platform::ScheduleError::kNoUserManager) {
    err << texts::PlanWaitsForUserManager(addition.cronLine) << '\n';
  } else if (addition.scheduleError == platform::ScheduleError::kInCrontab) {
    err << texts::kPlanInCrontab << '\n';
  } else if (addition.scheduleError) {
    err << "tarnwick-cli: " << texts::PlanNotScheduled(addition.scheduleError) << '\n';
    return kExitIncomplete;
  }
  return kExitDone;
}

int ListPlans(const Options& options, const core::AppState& state, PrintingObserver& printer,
              std::ostream& out, std::ostream& err) {
  std::vector<core::Plan> plans;
  size_t damaged = 0;
  if (const std::error_code error = core::LoadPlans(state, plans, &damaged)) {
    err << "tarnwick-cli: " << texts::SettingsUnreadable(printer.Shown(state.SettingsPath), error)
        << '\n';
    return kExitUsageOrRoot;
  }
  if (damaged > 0) err << "tarnwick-cli: " << texts::Reason(core::DamagedPlan()) << '\n';
  if (options.json) {
    out << JsonPlans(plans) << '\n';
    return kExitDone;
  }
  for (const core::Plan& plan : plans) {
    out << texts::PlanSummary(plan, printer.Shown(plan.folder)) << "; "
        << texts::LastRunText(plan.lastRun) << (options.nullEnded ? '\0' : '\n');
  }
  return damaged > 0 ? kExitIncomplete : kExitDone;
}

int RemovePlan(uint32_t number, const Options& options, const core::AppState& state,
               PrintingObserver& printer, std::ostream& out, std::ostream& err) {
  std::error_code unscheduled;
  if (const std::error_code error = engine::RemovePlan(state, number, unscheduled)) {
    if (error == std::errc::no_such_file_or_directory) {
      err << "tarnwick-cli: " << texts::NoSuchPlan(number) << '\n';
      return kExitUsageOrRoot;
    }
    err << "tarnwick-cli: " << texts::PlansNotSaved(printer.Shown(state.SettingsPath), error)
        << '\n';
    return kExitIncomplete;
  }
  if (unscheduled) {
    err << "tarnwick-cli: " << texts::PlanNotUnscheduled(number, unscheduled) << '\n';
    return kExitIncomplete;
  }
  if (!options.quiet) out << texts::PlanRemoved(number) << '\n';
  return kExitDone;
}

int StatusOf(const engine::PlannedRun& run) {
  switch (run.outcome) {
    case Outcome::kMoved:
      return run.pass.report && !run.pass.report->Complete() ? kExitIncomplete : kExitDone;
    case Outcome::kListEmpty:
      return kExitDone;
    case Outcome::kOverLimit:
    case Outcome::kBusy:
      return kExitIncomplete;
    default:
      return kExitUsageOrRoot;
  }
}

int RunPlan(const Options& options, const core::AppState& state, PrintingObserver& printer,
            std::ostream& out, std::ostream& err) {
  std::vector<core::Plan> plans;
  if (const std::error_code error = core::LoadPlans(state, plans)) {
    err << "tarnwick-cli: " << texts::SettingsUnreadable(printer.Shown(state.SettingsPath), error)
        << '\n';
    return kExitUsageOrRoot;
  }
  const auto plan = std::ranges::find(plans, *options.runPlan, &core::Plan::number);
  if (plan == plans.end()) {
    err << "tarnwick-cli: " << texts::NoSuchPlan(*options.runPlan) << '\n';
    return kExitUsageOrRoot;
  }
  const engine::PlannedRun run = engine::RunPlan(state, *plan, &printer);
  const std::string text = texts::PlanRunText(*plan, run, printer.Shown(plan->folder));
  // What it did stays with the plan and is told on the desktop; neither may fail the run.
  core::NoteRun(state, plan->number, engine::PlanRunOf(run, std::time(nullptr)));
  platform::DesktopNotifier().Notify("Tarnwick", texts::PlanRunText(*plan, run, plan->folder));
  const int status = StatusOf(run);
  if (options.json) {
    out << JsonPlanRun(*plan, run) << '\n';
  } else if (!options.quiet || status != kExitDone) {
    (status == kExitDone ? out : err) << text << '\n';
  }
  return status;
}

}  // namespace

std::optional<int> RunPlanCommand(const Options& options, const core::AppState& state,
                                  PrintingObserver& printer, std::ostream& out, std::ostream& err) {
  if (options.addPlan) return AddPlan(options, state, printer, out, err);
  if (options.listPlans) return ListPlans(options, state, printer, out, err);
  if (options.removePlan) return RemovePlan(*options.removePlan, options, state, printer, out, err);
  if (options.removeAllPlans) {
    std::vector<core::Plan> plans;
    if (const std::error_code error = core::LoadPlans(state, plans)) {
      err << "tarnwick-cli: " << texts::SettingsUnreadable(printer.Shown(state.SettingsPath), error)
          << '\n';
      return kExitUsageOrRoot;
    }
    int status = kExitDone;
    for (const core::Plan& plan : plans) {
      status = std::max(status, RemovePlan(plan.number, options, state, printer, out, err));
    }
    return status;
  }
  if (options.runPlan) return RunPlan(options, state, printer, out, err);
  return std::nullopt;
}

}  // namespace tarnwick::cli
