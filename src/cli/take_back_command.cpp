#include "cli/take_back_command.h"

#include <ostream>

#include "cli/exit_status.h"
#include "cli/json_report.h"
#include "core/trash_history.h"
#include "engine/take_back.h"
#include "texts/texts.h"

namespace tarnwick::cli {

int RunTakeBack(const Options& options, const core::AppState& state, ChosenPaths* chosen,
                PrintingObserver& printer, std::ostream& out, std::ostream& err) {
  engine::EntryChooser choose;
  if (chosen != nullptr) {
    choose = [chosen](const platform::TrashedEntry& entry) {
      return chosen->Take(entry.originalPath);
    };
  }
  const engine::TakeBackResult result = engine::TakeBackPass(state, options.takeBackPass, choose);
  const bool unusable = result.Refused();
  if (options.json) {
    out << JsonTakeBackResult(result) << '\n';
  } else if (!options.quiet || !result.Complete()) {
    (unusable ? err : out) << texts::TakeBackResultText(result, [&printer](std::string_view path) {
      return printer.Shown(path);
    }) << '\n';
  }
  if (unusable) return kExitUsageOrRoot;
  const uint64_t notInPass = chosen != nullptr ? chosen->NotFoundCount() : 0;
  if (notInPass > 0) {
    err << texts::CliChosenNotInPass(notInPass) << '\n';
    for (const std::string& path : chosen->NotFound()) {
      err << texts::CliChosenNotFoundPath(printer.Shown(path)) << '\n';
    }
  }
  return result.Complete() && notInPass == 0 ? kExitDone : kExitIncomplete;
}

int RunListPasses(const Options& options, const core::AppState& state, PrintingObserver& printer,
                  std::ostream& out, std::ostream& err) {
  std::error_code historyError;
  const std::vector<engine::KeptPassSummary> passes =
      engine::SummariseKeptPasses(state, &historyError);
  if (options.json) {
    out << JsonKeptPasses(passes, historyError) << '\n';
  } else {
    if (passes.empty() && !historyError) out << texts::kNothingToTakeBack << '\n';
    for (const engine::KeptPassSummary& pass : passes) {
      out << texts::KeptPassLine(pass, [&printer](std::string_view path) {
        return printer.Shown(path);
      }) << '\n';
    }
  }
  if (historyError) {
    err << texts::HistoryUnusable(printer.Shown(core::HistoryFolder(state)), historyError) << '\n';
    return kExitUsageOrRoot;
  }
  return kExitDone;
}

}  // namespace tarnwick::cli
