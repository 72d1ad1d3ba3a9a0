#include "engine/recorded_pass.h"

#include <ctime>
#include <span>

#include "core/trash_history.h"

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
  core::PassRecorder record(state, request.root, std::time(nullptr));
  RecordedPass pass;
  pass.report = DeleteListedFiles(request, helpers,
                                  [&record](std::span<const platform::TrashedEntry> moved) {
                                    record.Record(moved);
                                  });
  pass.recordError = record.Error();
  pass.recordPath = record.RecordPath();
  return pass;
}

}  // namespace tarnwick::engine
