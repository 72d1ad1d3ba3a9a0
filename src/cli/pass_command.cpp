#include "cli/pass_command.h"

#include <ostream>

#include "cli/exit_status.h"
#include "engine/delete_pass.h"
#include "texts/texts.h"

namespace tarnwick::cli {
namespace {

int RootUnreadable(const core::AppState& state, const engine::DeleteReport& report,
                   PrintingObserver& observer, std::ostream& err) {
  // The root's failure is the first, and only, path the report names.
  observer.Line(err) << texts::CliRootUnreadable(observer.Shown(state.SearchRoot),
                                                 report.named.front().error)
                     << '\n';
  return kExitUsageOrRoot;
}

int ListMatches(core::AppState& state, const core::NameList& names, PrintingObserver& observer,
                std::ostream& out, std::ostream& err) {
  engine::HelperObjects& helpers = engine::BindHelperObjects();
  engine::DeleteReport report;
  report.toTrash = state.UseTrash;  // a look at what a pass to the trash would move
  const auto matches = engine::FindListedFiles(state.SearchRoot, names, helpers, observer, report);
  if (report.rootUnreadable) return RootUnreadable(state, report, observer, err);
  if (report.stopped) {
    observer.Line(out) << texts::kCliStoppedNothingDeleted << '\n';
    return kExitStopped;
  }
  observer.Line(out);
  for (const size_t index : matches) out << observer.Shown(helpers.resultList.List(index)) << '\n';
  out << texts::CliWouldDelete(matches.size()) << '\n';
  return report.unreadableDirectories > 0 ? kExitIncomplete : kExitDone;
}

}  // namespace

int RunPass(const Options& options, core::AppState& state, const core::NameList& names,
            PrintingObserver& observer, std::ostream& out, std::ostream& err) {
  if (names.Count() == 0) {
    out << texts::kCliEmptyList << '\n';
    return kExitDone;
  }
  if (options.dryRun) return ListMatches(state, names, observer, out, err);

  const engine::DeleteReport report = *engine::DeleteListedFiles(
      state.SearchRoot, names, engine::BindHelperObjects(), observer,
      engine::KeptFiles(core::ProgramFiles(state)),
      state.UseTrash ? engine::Disposal::kTrash : engine::Disposal::kDelete);
  if (report.rootUnreadable) return RootUnreadable(state, report, observer, err);
  observer.Line(out) << texts::PassReport(
                            report, [&observer](std::string_view path) { return observer.Shown(path); })
                     << '\n';
  if (report.stopped) return kExitStopped;
  return report.Complete() ? kExitDone : kExitIncomplete;
}

}  // namespace tarnwick::cli
