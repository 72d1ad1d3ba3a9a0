// tarnwick-cli's pass: the matches listed (--dry-run) or dealt with, and the report printed.
#pragma once

#include <iosfwd>

#include "cli/chosen_paths.h"
#include "cli/cli_app.h"
#include "cli/cli_options.h"
#include "cli/printing_observer.h"
#include "core/app_state.h"
#include "core/name_list.h"

namespace tarnwick::cli {

// The pass over `state.SearchRoot`: with --dry-run only the matches listed, otherwise each
// deleted or moved to the trash and the report printed, in German or as one JSON object. It
// leaves the stored `excludedFolders` alone, and those of --exclude. With `chosen` (--only)
// only the matches among those paths. On a terminal a pass that deletes for good asks first.
// Returns the exit status.
int RunPass(const Options& options, const core::AppState& state, const core::NameList& names,
            const core::NameList& excludedFolders, ChosenPaths* chosen,
            const CliEnvironment& environment, PrintingObserver& observer, std::ostream& out,
            std::ostream& err);

}  // namespace tarnwick::cli
