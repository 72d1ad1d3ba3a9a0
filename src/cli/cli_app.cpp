#include "cli/cli_app.h"

#include <optional>
#include <ostream>
#include <sstream>
#include <variant>

#include "cli/cli_options.h"
#include "cli/list_commands.h"
#include "cli/pass_command.h"
#include "cli/plan_commands.h"
#include "cli/printing_observer.h"
#include "cli/take_back_command.h"
#include "cli/terminal_text.h"
#include "core/name_list_store.h"
#include "core/settings_file.h"
#include "core/switch_setting.h"
#include "platform/file/whole_file.h"
#include "texts/texts.h"

namespace tarnwick::cli {
namespace {

int UsageFailure(std::string_view reason, std::ostream& err) {
  err << "tarnwick-cli: " << reason << '\n' << texts::kCliUsageHint << '\n';
  return kExitUsageOrRoot;
}

// The state a run works with: the settings file named or the desktop program's, the root
// named or the program's folder.
core::AppState StateFor(const Options& options, const CliEnvironment& environment) {
  core::AppState state;
  state.AppTitle = core::kAppTitle;
  if (options.settings.empty()) {
    state.SettingsPath = environment.settingsPath;
    state.SettingsFallbackPath = environment.settingsFallbackPath;
  } else {
    state.SettingsPath = options.settings;
  }
  state.AppDir = environment.programDirectory;
  state.SearchRoot = options.root.value_or(environment.programDirectory);
  return state;
}

// The chosen paths of --nur-diese, from the file or, for "-", from standard input.
std::error_code ReadChosenPaths(const std::string& file, bool nullEnded,
                                const CliEnvironment& environment, ChosenPaths& chosen) {
  if (file == "-") {
    if (environment.standardInput == nullptr) return std::make_error_code(std::errc::bad_file_descriptor);
    chosen.Read(*environment.standardInput, nullEnded);
    return {};
  }
  std::string content;
  if (const std::error_code error = platform::ReadWholeFile(file, content)) return error;
  std::istringstream in(std::move(content));
  chosen.Read(in, nullEnded);
  return {};
}

}  // namespace

int RunCli(const std::vector<std::string>& arguments, const CliEnvironment& environment,
           std::ostream& out, std::ostream& err) {
  auto parsed = ParseOptions(arguments, out, err);
  if (const int* status = std::get_if<int>(&parsed)) return *status;
  const Options& options = std::get<Options>(parsed);

  // An empty root would silently mean the program's folder.
  if (options.root && options.root->empty()) return UsageFailure(texts::kCliEmptyRoot, err);
  // An installed copy's folder holds the system's programs: a pass there needs a root named.
  if (options.Passes() && !options.root && environment.installedCopy) {
    return UsageFailure(environment.programDirectory.empty() ? texts::kCliProgramFolderUnknown
                                                             : texts::kCliRootNeeded,
                        err);
  }

  core::AppState state = StateFor(options, environment);
  core::NameList names;
  core::NameList excludedFolders(core::NameList::Kind::kFolderPaths);
  if (const std::error_code error = core::LoadLists(state, names, excludedFolders);
      error && !options.settingsPath) {
    err << "tarnwick-cli: "
        << texts::SettingsUnreadable(Printable(core::SettingsFileToRead(state),
                                               environment.escapeOutput),
                                     error)
        << '\n';
    return kExitUsageOrRoot;
  }
  if (const auto status =
          RunListCommand(options, state, names, environment.escapeOutput, out, err)) {
    return *status;
  }
  if (const auto status = RunExcludedFolderCommand(options, state, excludedFolders,
                                                   environment.escapeOutput, out, err)) {
    return *status;
  }
  state.UseTrash = options.toTrash ? *options.toTrash : core::LoadSwitch(state, core::kTrashKey);
  std::optional<ChosenPaths> chosen;
  if (options.onlyThese) {
    chosen.emplace();
    if (const std::error_code error =
            ReadChosenPaths(*options.onlyThese, options.nullEnded, environment, *chosen)) {
      err << "tarnwick-cli: " << texts::CliChosenUnreadable(*options.onlyThese, error) << '\n';
      return kExitUsageOrRoot;
    }
  }
  PrintingObserver printer(options, state.UseTrash, environment, out, err);
  if (options.takeBack) {
    return RunTakeBack(options, state, chosen ? &*chosen : nullptr, printer, out, err);
  }
  if (options.listPasses) return RunListPasses(options, state, printer, out, err);
  if (const auto status = RunPlanCommand(options, state, printer, out, err)) return *status;
  // Without a folder the program's own is searched, which from a terminal is rarely meant.
  if (!options.root && environment.errorIsTerminal && !options.quiet) {
    err << texts::CliSearchesProgramFolder(printer.Shown(state.SearchRoot)) << '\n';
  }
  return RunPass(options, state, names, excludedFolders, chosen ? &*chosen : nullptr,
                 environment, printer, out, err);
}

}  // namespace tarnwick::cli
