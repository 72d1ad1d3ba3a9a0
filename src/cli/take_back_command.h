#pragma once

#include <iosfwd>

#include "cli/cli_options.h"
#include "cli/printing_observer.h"
#include "core/app_state.h"

namespace tarnwick::cli {

// --zurueckholen: the files of the last pass to the trash go back where they were; the
// record then keeps only those still in the trash. Returns the exit status.
int RunTakeBack(const Options& options, const core::AppState& state, PrintingObserver& printer,
                std::ostream& out, std::ostream& err);

}  // namespace tarnwick::cli
