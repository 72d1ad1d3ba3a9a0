#include "cli/pass_command.h"

#include <istream>
#include <ostream>

#include "cli/exit_status.h"
#include "cli/json_report.h"
#include "core/folder_entries.h"
#include "core/trash_history.h"
#include "engine/recorded_pass.h"
#include "texts/texts.h"

namespace tarnwick::cli {
namespace {

// How many of the chosen paths a pass did not find are named in the text; all are in the JSON.
constexpr size_t kNotFoundNamed = 10;

// The report of a pass that dealt with nothing, or could not: JSON or German.
void PrintReport(const Options& options, const engine::DeleteReport& report,
                 const ChosenPaths* chosen, const std::vector<std::string>* dealtWith,
                 PrintingObserver& observer, std::ostream& out, std::ostream& text) {
  if (options.json) {
    const std::vector<std::string> notFound =
        chosen ? chosen->NotFound() : std::vector<std::string>();
    out << JsonPassReport(report, chosen ? &notFound : nullptr, dealtWith) << '\n';
    return;
  }
  observer.Line(text) << texts::PassReport(report, [&observer](std::string_view path) {
    return observer.Shown(path);
  }) << '\n';
}

int RootUnreadable(const Options& options, const std::string& root,
                   const engine::DeleteReport& report, PrintingObserver& observer,
                   std::ostream& out, std::ostream& err) {
  if (options.json) out << JsonPassReport(report, nullptr, nullptr) << '\n';
  // The root's failure is the first, and only, path the report names.
  observer.Line(err) << texts::CliRootUnreadable(observer.Shown(root), report.named.front().error)
                     << '\n';
  return kExitUsageOrRoot;
}

// The folders the pass leaves alone: the stored ones and those of --exclude, which must name
// folders: a typo would let the pass into the folder meant.
std::variant<std::vector<std::string>, int> ExcludedFolders(const Options& options,
                                                            const core::NameList& stored,
                                                            PrintingObserver& observer,
                                                            std::ostream& err) {
  std::vector<std::string> folders = stored.Entries();
  for (const std::string& folder : options.exclude) {
    if (const std::error_code error = core::WhyNoFolder(folder)) {
      observer.Line(err) << "tarnwick-cli: "
                         << texts::FolderCannotBeExcluded(observer.Shown(folder), error) << '\n';
      return kExitUsageOrRoot;
    }
    folders.push_back(folder);
  }
  return folders;
}

// With --only: the chosen paths the pass did not find, named on standard error.
uint64_t TellNotFound(const Options& options, const ChosenPaths* chosen, PrintingObserver& observer,
                      std::ostream& err) {
  if (chosen == nullptr || chosen->NotFoundCount() == 0) return 0;
  if (!options.json) {
    observer.Line(err) << texts::CliChosenNotFound(chosen->NotFoundCount()) << '\n';
    const std::vector<std::string> notFound = chosen->NotFound();
    for (size_t i = 0; i < notFound.size() && (options.verbose || i < kNotFoundNamed); ++i) {
      err << texts::CliChosenNotFoundPath(observer.Shown(notFound[i])) << '\n';
    }
    if (!options.verbose && notFound.size() > kNotFoundNamed) {
      err << texts::AndMore(notFound.size() - kNotFoundNamed) << '\n';
    }
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
  if (report.rootUnreadable) {
    return RootUnreadable(options, request.root, report, observer, out, err);
  }
  if (report.rootExcluded) {
    PrintReport(options, report, nullptr, nullptr, observer, out, err);
    return kExitUsageOrRoot;
  }
  if (report.stopped) {
    if (options.json) out << JsonDryRunReport(report, {}, nullptr) << '\n';
    observer.Line(err) << texts::kCliStoppedNothingDeleted << '\n';
    return kExitStopped;
  }
  if (chosen != nullptr) chosen->Keep(helpers.resultList, matches);
  observer.Line(out);
  const uint64_t notFound = TellNotFound(options, chosen, observer, err);
  std::vector<std::string> paths;
  for (const size_t index : matches) paths.push_back(helpers.resultList.List(index));
  if (options.json) {
    const std::vector<std::string> missing =
        chosen ? chosen->NotFound() : std::vector<std::string>();
    out << JsonDryRunReport(report, paths, chosen ? &missing : nullptr) << '\n';
  } else {
    // The paths alone on standard output, for a script or an editor to take up again.
    for (const std::string& path : paths) {
      out << observer.Shown(path) << (options.nullEnded ? '\0' : '\n');
    }
    if (!options.quiet) {
      observer.Line(err) << texts::CliWouldDelete(matches.size(), report.toTrash) << '\n';
      if (report.excludedFolders > 0) {
        observer.Line(err) << texts::ExcludedFoldersSkipped(report.excludedFolders) << '\n';
      }
    }
    for (const std::string& folder : report.excludedNotFound) {
      observer.Line(err) << texts::ExcludedFolderNotFound(observer.Shown(folder)) << '\n';
    }
  }
  return report.unreadableDirectories > 0 || notFound > 0 ? kExitIncomplete : kExitDone;
}

// Asks on the terminal before deleting for good, as rm -I does: true for j, J, y or Y.
bool AskBeforeDeleting(size_t count, const CliEnvironment& environment, PrintingObserver& observer,
                       std::ostream& err) {
  observer.Line(err) << texts::CliDeleteForGoodQuestion(count) << std::flush;
  std::string answer;
  if (environment.standardInput == nullptr || !std::getline(*environment.standardInput, answer)) {
    err << '\n';
    return false;
  }
  return answer == "j" || answer == "J" || answer == "y" || answer == "Y";
}

}  // namespace

int RunPass(const Options& options, const core::AppState& state, const core::NameList& names,
            const core::NameList& excludedFolders, ChosenPaths* chosen,
            const CliEnvironment& environment, PrintingObserver& observer, std::ostream& out,
            std::ostream& err) {
  if (names.Count() == 0) {
    (options.json ? err : out) << texts::kCliEmptyList << '\n';
    return kExitDone;
  }
  engine::PassRequest request = engine::PassRequestFor(state);
  request.names = names;
  auto leftAlone = ExcludedFolders(options, excludedFolders, observer, err);
  if (const int* status = std::get_if<int>(&leftAlone)) return *status;
  request.excludedFolders = std::move(std::get<std::vector<std::string>>(leftAlone));
  request.observer = &observer;
  if (options.dryRun) return ListMatches(options, request, chosen, observer, out, err);

  // A pass that deletes for good asks first, when someone at a terminal can answer; a script's
  // is as it always was, and a pass to the trash can be taken back.
  const bool ask = environment.inputIsTerminal && environment.errorIsTerminal && !options.yes &&
                   request.disposal == engine::Disposal::kDelete;
  bool declined = false;
  request.choose = [&](const engine::ResultList& results, std::vector<size_t>& matches) {
    if (chosen != nullptr) chosen->Keep(results, matches);
    if (!ask || matches.empty()) return true;
    declined = !AskBeforeDeleting(matches.size(), environment, observer, err);
    return !declined;
  };
  observer.CollectDealtWith(options.json && !options.noPaths);
  const engine::RecordedPass pass =
      engine::RunRecordedPass(state, request, engine::BindHelperObjects());
  if (pass.historyError) {
    observer.Line(err) << texts::TrashPassNotStarted(observer.Shown(core::HistoryFolder(state)),
                                                     pass.historyError)
                       << '\n';
    return kExitUsageOrRoot;
  }
  if (!pass.report) {  // the question answered no
    (options.json ? err : out) << texts::kCliNothingDeleted << '\n';
    return kExitDone;
  }
  const engine::DeleteReport& report = *pass.report;
  if (report.rootUnreadable) {
    return RootUnreadable(options, request.root, report, observer, out, err);
  }
  if (report.rootExcluded) {
    PrintReport(options, report, nullptr, nullptr, observer, out, err);
    return kExitUsageOrRoot;
  }
  const uint64_t notFound = report.stopped ? 0 : TellNotFound(options, chosen, observer, err);
  const bool complete = report.Complete() && notFound == 0 && !pass.recordError;
  if (!options.quiet || !complete || options.json) {
    PrintReport(options, report, chosen, options.noPaths ? nullptr : &observer.DealtWith(),
                observer, out, out);
    if (!options.json && report.toTrash && report.deleted > 0) {
      out << texts::kCliTakeBackHint << '\n';
    }
  }
  if (pass.recordError) {
    observer.Line(err) << texts::TrashRecordNotSaved(pass.recordPath, pass.recordError) << '\n';
  }
  if (report.stopped) return kExitStopped;
  return complete ? kExitDone : kExitIncomplete;
}

}  // namespace tarnwick::cli
