#include "cli/pass_command.h"

#include <ostream>

#include "cli/exit_status.h"
#include "cli/json_report.h"
#include "core/trash_history.h"
#include "engine/recorded_pass.h"
#include "texts/texts.h"

namespace tarnwick::cli {
namespace {

int RootUnreadable(const std::string& root, const engine::DeleteReport& report,
                   PrintingObserver& observer, std::ostream& err) {
  // The root's failure is the first, and only, path the report names.
  observer.Line(err) << texts::CliRootUnreadable(observer.Shown(root), report.named.front().error)
                     << '\n';
  return kExitUsageOrRoot;
}

// A pass over a root that is excluded, or lies in an excluded folder, searches nothing: a
// root that the options and the list contradict.
int RootExcluded(const Options& options, const engine::DeleteReport& report,
                 PrintingObserver& observer, std::ostream& out, std::ostream& err) {
  if (options.json) {
    out << JsonPassReport(report, std::nullopt) << '\n';
  } else {
    observer.Line(err) << texts::PassReport(report, [&observer](std::string_view path) {
      return observer.Shown(path);
    }) << '\n';
  }
  return kExitUsageOrRoot;
}

// The folders the pass leaves alone: the stored ones and those of --ausnehmen.
std::vector<std::string> ExcludedFolders(const Options& options, const core::NameList& stored) {
  std::vector<std::string> folders = stored.Entries();
  folders.insert(folders.end(), options.exclude.begin(), options.exclude.end());
  return folders;
}

// With --nur-diese: how many chosen paths the pass did not find, and with --verbose which.
std::optional<uint64_t> TellNotFound(const Options& options, const ChosenPaths* chosen,
                                     PrintingObserver& observer, std::ostream& err) {
  if (chosen == nullptr) return std::nullopt;
  if (options.verbose) {
    for (const std::string& path : chosen->NotFound()) {
      observer.Line(err) << texts::CliChosenNotFoundPath(observer.Shown(path)) << '\n';
    }
  }
  if (chosen->NotFoundCount() > 0 && !options.json) {
    observer.Line(err) << texts::CliChosenNotFound(chosen->NotFoundCount()) << '\n';
  }
  return chosen->NotFoundCount();
}

int ListMatches(const Options& options, engine::PassRequest& request, ChosenPaths* chosen,
                PrintingObserver& observer, std::ostream& out, std::ostream& err) {
  engine::HelperObjects& helpers = engine::BindHelperObjects();
  engine::DeleteReport report;
  // A look at what a pass to the trash would move.
  report.toTrash = request.disposal == engine::Disposal::kTrash;
  auto matches = engine::FindListedFiles(request, helpers, report);
  if (report.rootUnreadable) return RootUnreadable(request.root, report, observer, err);
  if (report.rootExcluded) return RootExcluded(options, report, observer, out, err);
  if (report.stopped) {
    observer.Line(out) << texts::kCliStoppedNothingDeleted << '\n';
    return kExitStopped;
  }
  if (chosen != nullptr) chosen->Keep(helpers.resultList, matches);
  observer.Line(out);
  const auto notFound = TellNotFound(options, chosen, observer, err);
  if (options.json) {
    std::vector<std::string> paths;
    for (const size_t index : matches) paths.push_back(helpers.resultList.List(index));
    out << JsonDryRunReport(report, paths, notFound) << '\n';
  } else {
    // The paths alone on standard output, for a script or an editor to take up again.
    for (const size_t index : matches) {
      out << observer.Shown(helpers.resultList.List(index)) << (options.nullEnded ? '\0' : '\n');
    }
    observer.Line(err) << texts::CliWouldDelete(matches.size(), report.toTrash) << '\n';
    if (report.excludedFolders > 0) {
      observer.Line(err) << texts::ExcludedFoldersSkipped(report.excludedFolders) << '\n';
    }
    for (const std::string& folder : report.excludedNotFound) {
      observer.Line(err) << texts::ExcludedFolderNotFound(observer.Shown(folder)) << '\n';
    }
  }
  return report.unreadableDirectories > 0 || notFound.value_or(0) > 0 ? kExitIncomplete
                                                                       : kExitDone;
}

}  // namespace

int RunPass(const Options& options, core::AppState& state, const core::NameList& names,
            const core::NameList& excludedFolders, ChosenPaths* chosen,
            PrintingObserver& observer, std::ostream& out, std::ostream& err) {
  if (names.Count() == 0) {
    out << texts::kCliEmptyList << '\n';
    return kExitDone;
  }
  engine::PassRequest request = engine::PassRequestFor(state);
  request.names = names;
  request.excludedFolders = ExcludedFolders(options, excludedFolders);
  request.observer = &observer;
  if (options.dryRun) return ListMatches(options, request, chosen, observer, out, err);

  if (chosen != nullptr) {
    request.choose = [chosen](const engine::ResultList& results, std::vector<size_t>& matches) {
      chosen->Keep(results, matches);
      return true;
    };
  }
  const engine::RecordedPass pass =
      engine::RunRecordedPass(state, request, engine::BindHelperObjects());
  if (pass.historyError) {
    observer.Line(err) << texts::TrashPassNotStarted(observer.Shown(core::HistoryFolder(state)),
                                                     pass.historyError)
                       << '\n';
    return kExitUsageOrRoot;
  }
  const engine::DeleteReport& report = *pass.report;
  if (report.rootUnreadable) return RootUnreadable(request.root, report, observer, err);
  if (report.rootExcluded) return RootExcluded(options, report, observer, out, err);
  if (options.json) {
    out << JsonPassReport(report, chosen ? std::optional(chosen->NotFoundCount()) : std::nullopt)
        << '\n';
  } else {
    observer.Line(out) << texts::PassReport(report, [&observer](std::string_view path) {
      return observer.Shown(path);
    }) << '\n';
  }
  if (pass.recordError) {
    observer.Line(err) << texts::TrashRecordNotSaved(pass.recordPath, pass.recordError) << '\n';
  }
  const auto notFound = report.stopped ? std::nullopt : TellNotFound(options, chosen, observer, err);
  if (report.stopped) return kExitStopped;
  return report.Complete() && notFound.value_or(0) == 0 && !pass.recordError ? kExitDone
                                                                             : kExitIncomplete;
}

}  // namespace tarnwick::cli
