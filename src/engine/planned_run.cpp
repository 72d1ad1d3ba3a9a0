#include "engine/planned_run.h"

#include <charconv>

#include "core/name_list_store.h"
#include "core/settings_file.h"
#include "core/trash_history.h"
#include "platform/file/private_folder.h"
#include "platform/instance/single_instance.h"

namespace tarnwick::engine {
namespace {

using Outcome = PlannedRun::Outcome;

// Whether a pass to the trash of these settings runs now: it holds its record, the newest.
bool PassRunning(const core::AppState& state) {
  const std::vector<core::KeptPass> kept = core::KeptPasses(state);
  if (kept.empty()) return false;
  platform::HeldFile record;
  return core::HoldKeptPass(state, kept.front(), record) == std::errc::device_or_resource_busy;
}

// The number of a kept pass, from its record's name ("…/7.papierkorb").
uint64_t PassNumberOf(const std::string& recordPath) {
  const size_t name = recordPath.find_last_of("/\\") + 1;
  const size_t dot = recordPath.find('.', name);
  uint64_t number = 0;
  std::from_chars(recordPath.data() + name, recordPath.data() + dot, number);
  return number;
}

PlannedRun Run(const core::AppState& state, const core::Plan& plan, PassObserver* observer,
               bool lookOnly) {
  PlannedRun run;
  core::NameList names, folders;
  if ((run.error = core::LoadLists(state, names, folders))) {
    run.outcome = Outcome::kSettingsUnreadable;
    return run;
  }
  if (names.Count() == 0) {
    run.outcome = Outcome::kListEmpty;
    return run;
  }
  if ((run.error = platform::WhyFileNotPrivate(core::SettingsFileToRead(state)))) {
    run.outcome = Outcome::kSettingsNotPrivate;
    return run;
  }
  const auto identity = platform::IdentityOfFolder(plan.folder);
  if (!identity) {
    run.outcome = Outcome::kFolderGone;
    return run;
  }
  if (*identity != plan.identity) {
    run.outcome = Outcome::kFolderReplaced;
    return run;
  }
  // One planned run of these settings at a time, and none beside a pass to the trash.
  const platform::SingleInstanceLock lock(state.SettingsPath + "#geplant");
  if (lock.outcome() == platform::SingleInstanceLock::Outcome::kHeldElsewhere ||
      PassRunning(state)) {
    run.outcome = Outcome::kBusy;
    return run;
  }

  core::AppState planned = state;
  planned.SearchRoot = plan.folder;
  planned.UseTrash = true;
  PassRequest request = PassRequestFor(planned);
  request.names = names;
  request.excludedFolders = folders.Entries();
  request.observer = observer;
  request.plan = plan.number;
  HelperObjects& helpers = BindHelperObjects();
  // Decided on what the walk itself opened, which is what the files are reached from.
  request.choose = [&](const ResultList& results, std::vector<size_t>& matches) {
    if (platform::IdentityOfDirectory(helpers.directoryLister.Handle()) != plan.identity) {
      run.outcome = Outcome::kFolderReplaced;
      return false;
    }
    if (matches.size() > plan.limit) {
      run.outcome = Outcome::kOverLimit;
      run.found = matches.size();
      return false;
    }
    if (!lookOnly) return true;
    run.outcome = Outcome::kLooked;
    run.found = matches.size();
    for (const size_t match : matches) run.wouldMove.push_back(results.List(match));
    return false;
  };
  run.pass = RunRecordedPass(planned, request, helpers);
  if (run.pass.historyError) run.outcome = Outcome::kHistoryUnusable;
  if (run.outcome == Outcome::kMoved && run.pass.report && run.pass.report->deleted > 0) {
    run.passNumber = PassNumberOf(run.pass.recordPath);
  }
  return run;
}

}  // namespace

PlannedRun RunPlan(const core::AppState& state, const core::Plan& plan, PassObserver* observer) {
  return Run(state, plan, observer, false);
}

PlannedRun LookAtPlan(const core::AppState& state, const core::Plan& plan) {
  return Run(state, plan, nullptr, true);
}

std::string OutcomeCode(Outcome outcome) {
  switch (outcome) {
    case Outcome::kMoved:
      return "moved";
    case Outcome::kFolderGone:
      return "folder_gone";
    case Outcome::kFolderReplaced:
      return "folder_replaced";
    case Outcome::kListEmpty:
      return "list_empty";
    case Outcome::kOverLimit:
      return "over_limit";
    case Outcome::kBusy:
      return "busy";
    case Outcome::kSettingsUnreadable:
      return "settings_unreadable";
    case Outcome::kSettingsNotPrivate:
      return "settings_not_private";
    case Outcome::kHistoryUnusable:
      return "history_unusable";
    case Outcome::kLooked:
      return "looked";
  }
  return "unknown";
}

core::PlanRun PlanRunOf(const PlannedRun& run, int64_t when) {
  const uint64_t moved = run.pass.report ? run.pass.report->deleted : 0;
  return {when, run.passNumber, run.outcome == Outcome::kMoved ? moved : 0,
          OutcomeCode(run.outcome)};
}

}  // namespace tarnwick::engine
