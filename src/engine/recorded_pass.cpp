#include "engine/recorded_pass.h"

#include <ctime>

#include "core/trash_history.h"
#include "platform/path/full_path.h"

namespace tarnwick::engine {

PassRequest PassRequestFor(const core::AppState& state) {
  PassRequest request;
  request.root = state.SearchRoot;
  request.disposal = state.UseTrash ? Disposal::kTrash : Disposal::kDelete;
  request.kept = KeptFiles(core::ProgramFiles(state));
  return request;
}

RecordedPass RunRecordedPass(const core::AppState& state, PassRequest& request,
                             HelperObjects& helpers) {
  // The record names the folder from the top, so that a listing of kept passes says where.
  core::PassRecorder record(state, platform::AbsolutePath(request.root), std::time(nullptr),
                            request.plan);
  RecordedPass pass;
  pass.recordPath = record.RecordPath();
  if (request.disposal == Disposal::kTrash && request.names.Count() > 0) {
    if ((pass.historyError = record.Prepare())) return pass;
  }
  pass.report = DeleteListedFiles(request, helpers, &record);
  record.Finish();
  pass.recordError = record.Error();
  pass.recordPath = record.RecordPath();
  return pass;
}

}  // namespace tarnwick::engine
