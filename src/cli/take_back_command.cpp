#include "cli/take_back_command.h"

#include <ostream>

#include "cli/exit_status.h"
#include "cli/json_report.h"
#include "core/trash_record_store.h"
#include "engine/take_back.h"
#include "texts/texts.h"

namespace tarnwick::cli {

int RunTakeBack(const Options& options, const core::AppState& state, PrintingObserver& printer,
                std::ostream& out, std::ostream& err) {
  std::vector<platform::TrashedEntry> record = core::LoadTrashRecord(state);
  if (record.empty()) {
    if (options.json) {
      out << JsonTakeBackReport({}) << '\n';
    } else {
      out << texts::kNothingToTakeBack << '\n';
    }
    return kExitDone;
  }
  const engine::TakeBackReport report = engine::TakeBackFromTrash(record);
  const std::error_code notSaved = core::SaveTrashRecord(state, record);
  if (options.json) {
    out << JsonTakeBackReport(report) << '\n';
  } else {
    out << texts::TakeBackReport(report, [&printer](std::string_view path) {
      return printer.Shown(path);
    }) << '\n';
  }
  if (notSaved) err << texts::TrashRecordNotSaved(core::TrashRecordPath(state), notSaved) << '\n';
  return report.Complete() && !notSaved ? kExitDone : kExitIncomplete;
}

}  // namespace tarnwick::cli
