// A pass as every front end runs it: over the state's search root, the program's own files
// kept, and a pass to the trash recorded as its files reach the trash, so that it can be taken
// back however it ends.
#pragma once

#include <optional>
#include <string>
#include <system_error>

#include "core/app_state.h"
#include "engine/delete_pass.h"
#include "engine/helper_objects.h"

namespace tarnwick::engine {

struct RecordedPass {
  std::optional<DeleteReport> report;  // nothing when the pass did nothing (see DeleteListedFiles)
  // The kept passes' folder cannot be trusted (a link, another's, writable by others): a pass to
  // the trash did not start, as it could not be taken back.
  std::error_code historyError;
  std::error_code recordError;  // why the record failed; the pass then stopped moving files
  std::string recordPath;       // the record, or the folder it was to go into
};

// A request over `state.SearchRoot`, deleting or moving to the trash as the state says, that
// never deals with the program's own files; the caller adds the names and the rest.
PassRequest PassRequestFor(const core::AppState& state);

// Runs the pass; the request's root is given its trailing separator in place. A pass to the
// trash is recorded ahead of its files, and its record reaches the disk before this returns.
RecordedPass RunRecordedPass(const core::AppState& state, PassRequest& request,
                             HelperObjects& helpers);

}  // namespace tarnwick::engine
