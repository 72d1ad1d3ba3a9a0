// tarnwick-cli's commands on the kept passes: take one back, list them.
#pragma once

#include <iosfwd>

#include "cli/chosen_paths.h"
#include "cli/cli_options.h"
#include "cli/printing_observer.h"
#include "core/app_state.h"

namespace tarnwick::cli {

// --undo [NR]: the files of the newest kept pass to the trash that has any (or of pass NR) go
// back where they were; with `chosen` (--only) only those among the chosen paths. Its record
// then keeps only those still in the trash and those not chosen. Returns the exit status: 2
// when the record cannot be used, as nothing was done then; 1 when a file stayed or a chosen
// path is none of the pass's.
int RunTakeBack(const Options& options, const core::AppState& state, ChosenPaths* chosen,
                PrintingObserver& printer, std::ostream& out, std::ostream& err);

// --passes: the kept passes, newest first, one a line (or as JSON).
int RunListPasses(const Options& options, const core::AppState& state, PrintingObserver& printer,
                  std::ostream& out, std::ostream& err);

}  // namespace tarnwick::cli
