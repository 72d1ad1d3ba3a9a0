// tarnwick-cli's commands on the kept passes: take one back, list them.
#pragma once

#include <iosfwd>

#include "cli/cli_options.h"
#include "cli/printing_observer.h"
#include "core/app_state.h"

namespace tarnwick::cli {

// --zurueckholen [NR]: the files of the newest kept pass to the trash that has any (or of pass
// NR) go back where they were; its record then keeps only those still in the trash. Returns
// the exit status: 2 when the record cannot be used, as nothing was done then.
int RunTakeBack(const Options& options, const core::AppState& state, PrintingObserver& printer,
                std::ostream& out, std::ostream& err);

// --durchgaenge: the kept passes, newest first, one a line (or as JSON).
int RunListPasses(const Options& options, const core::AppState& state, PrintingObserver& printer,
                  std::ostream& out, std::ostream& err);

}  // namespace tarnwick::cli
