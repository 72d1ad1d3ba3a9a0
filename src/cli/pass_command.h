// tarnwick-cli's pass: the matches listed (--dry-run) or dealt with, and the report printed.
#pragma once

#include <iosfwd>

#include "cli/chosen_paths.h"
#include "cli/cli_options.h"
#include "cli/printing_observer.h"
#include "core/app_state.h"
#include "core/name_list.h"

namespace tarnwick::cli {

// The pass over `state.SearchRoot`: with --dry-run only the matches listed, otherwise each
// deleted or moved to the trash and the report printed, in German or as JSON. It leaves the
// stored `excludedFolders` alone, and those of --ausnehmen. With `chosen` (--nur-diese) only
// the matches among those paths. Returns the exit status.
int RunPass(const Options& options, core::AppState& state, const core::NameList& names,
            const core::NameList& excludedFolders, ChosenPaths* chosen,
            PrintingObserver& observer, std::ostream& out, std::ostream& err);

}  // namespace tarnwick::cli
