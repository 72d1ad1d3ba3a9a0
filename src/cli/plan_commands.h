// tarnwick-cli's commands on plans: add one (and give it to the system's scheduler), list them,
// remove one (and its timer or task), and run one, as the scheduler does.
#pragma once

#include <iosfwd>
#include <optional>

#include "cli/cli_app.h"
#include "cli/cli_options.h"
#include "cli/printing_observer.h"
#include "core/app_state.h"

namespace tarnwick::cli {

// The exit status, or nothing when the options ask for no plan command. A run's status is a
// pass's: 0 done, 1 not all moved (or nothing moved for a guard that may clear: too many
// files, another pass running), 2 its folder gone or replaced or the settings unusable.
std::optional<int> RunPlanCommand(const Options& options, const core::AppState& state,
                                  PrintingObserver& printer, std::ostream& out, std::ostream& err);

}  // namespace tarnwick::cli
