// A plan's run: a pass over the plan's folder that always moves to the trash and is kept, as
// the system's scheduler starts it with nobody watching. Its guards let it move nothing rather
// than something nobody wanted gone.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "core/app_state.h"
#include "core/plans.h"
#include "engine/pass_observer.h"
#include "engine/recorded_pass.h"

namespace tarnwick::engine {

struct PlannedRun {
  enum class Outcome {
    kMoved,               // the pass ran (it may have found nothing)
    kFolderGone,          // the plan's folder is not there
    kFolderReplaced,      // another folder (or a link, or a mount) stands at its path now
    kListEmpty,           // no name is listed
    kOverLimit,           // it would move more files than the plan allows: it moved none
    kBusy,                // another planned run, or a pass to the trash, of these settings runs
    kSettingsUnreadable,  // the list could not be read
    kSettingsNotPrivate,  // the settings file is another's, or others may change it: a run on
                          // its own does not act on what someone else may have written
    kHistoryUnusable,     // the kept passes' folder cannot be trusted: nothing can be kept
    kLooked,              // only looked: `wouldMove` holds what it would move now
  };
  Outcome outcome = Outcome::kMoved;
  uint64_t found = 0;                  // the matching files, with kOverLimit
  RecordedPass pass;                   // the pass, with kMoved and kHistoryUnusable
  uint64_t passNumber = 0;             // the kept pass it made; 0 when none was kept
  std::error_code error;               // why, with kSettingsUnreadable
  std::vector<std::string> wouldMove;  // with kLooked
};

// Runs `plan` over the list and the excluded folders as they are now.
PlannedRun RunPlan(const core::AppState& state, const core::Plan& plan, PassObserver* observer);

// What `plan` would move now, by the same guards, moving nothing: kLooked, or why it would move
// nothing.
PlannedRun LookAtPlan(const core::AppState& state, const core::Plan& plan);

// How a run's outcome is kept with its plan: a stable code ("moved", "folder_gone", ...).
std::string OutcomeCode(PlannedRun::Outcome outcome);

// What the plan's last run says it did, for keeping with the plan.
core::PlanRun PlanRunOf(const PlannedRun& run, int64_t when);

}  // namespace tarnwick::engine
