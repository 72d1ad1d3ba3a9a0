#include "cli/take_back_command.h"

#include <ostream>

#include "cli/exit_status.h"
#include "cli/json_report.h"
#include "engine/take_back.h"
#include "texts/texts.h"

namespace tarnwick::cli {

int RunTakeBack(const Options& options, const core::AppState& state, PrintingObserver& printer,
                std::ostream& out, std::ostream& err) {
  using Outcome = engine::TakeBackResult::Outcome;
  const engine::TakeBackResult result = engine::TakeBackPass(state, options.takeBackPass);
  const bool unusable = result.outcome == Outcome::kRecordUnusable ||
                        result.outcome == Outcome::kNoSuchPass;
  if (options.json) {
    out << JsonTakeBackResult(result) << '\n';
  } else {
    (unusable ? err : out) << texts::TakeBackResultText(result, [&printer](std::string_view path) {
      return printer.Shown(path);
    }) << '\n';
  }
  if (unusable) return kExitUsageOrRoot;
  return result.Complete() ? kExitDone : kExitIncomplete;
}

int RunListPasses(const Options& options, const core::AppState& state, PrintingObserver& printer,
                  std::ostream& out) {
  const std::vector<engine::KeptPassSummary> passes = engine::SummariseKeptPasses(state);
  if (options.json) {
    out << JsonKeptPasses(passes) << '\n';
    return kExitDone;
  }
  if (passes.empty()) out << texts::kNothingToTakeBack << '\n';
  for (const engine::KeptPassSummary& pass : passes) {
    out << texts::KeptPassLine(pass, [&printer](std::string_view path) {
      return printer.Shown(path);
    }) << '\n';
  }
  return kExitDone;
}

}  // namespace tarnwick::cli
