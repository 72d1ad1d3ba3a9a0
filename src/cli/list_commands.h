// tarnwick-cli's commands on the stored lists: print, add and remove names and excluded folders.
#pragma once

#include <iosfwd>
#include <optional>

#include "cli/cli_options.h"
#include "core/app_state.h"
#include "core/name_list.h"

namespace tarnwick::cli {

// The commands on the stored list: print the settings file's path or the entries, add a name
// or remove every entry of a name (saving the list). The exit status, or nothing when the
// options ask for none of them. `escape`: control characters in what is printed are escaped.
std::optional<int> RunListCommand(const Options& options, const core::AppState& state,
                                  core::NameList& names, bool escape, std::ostream& out,
                                  std::ostream& err);

// The commands on the stored excluded folders, `folders`: list them (one a line, NUL-ended with
// -0, or as JSON), add one as its full path or forget one (saving the list). The exit status,
// or nothing when the options ask for none of them.
std::optional<int> RunExcludedFolderCommand(const Options& options, const core::AppState& state,
                                            core::NameList& folders, bool escape,
                                            std::ostream& out, std::ostream& err);

}  // namespace tarnwick::cli
