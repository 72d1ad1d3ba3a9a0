#include "cli/cli_app.h"

#include <CLI/CLI.hpp>

#include <algorithm>
#include <optional>
#include <ostream>

#include "cli/terminal_progress.h"
#include "cli/terminal_text.h"
#include "core/app_state.h"
#include "core/name_list_store.h"
#include "core/trash_setting.h"
#include "engine/delete_pass.h"
#include "texts/texts.h"

namespace tarnwick::cli {
namespace {

struct Options {
  std::string root;
  std::string settings;
  bool dryRun = false;
  bool verbose = false;
  bool list = false;
  bool settingsPath = false;
  std::string add;
  std::string remove;
  bool toTrash = false;  // for this run, when the option is given; else as the file says
};

// CLI11 words its errors in English; the common ones are said again in German.
std::string UsageError(const CLI::ParseError& error) {
  const std::string text = error.what();
  const size_t colon = text.find(": ");
  if (dynamic_cast<const CLI::ExtrasError*>(&error) != nullptr && colon != std::string::npos) {
    return texts::CliUnexpectedArgument(text.substr(colon + 2));
  }
  if (dynamic_cast<const CLI::ArgumentMismatch*>(&error) != nullptr && colon != std::string::npos) {
    return texts::CliMissingValue(text.substr(0, colon));
  }
  const size_t excludes = text.find(" excludes ");
  if (dynamic_cast<const CLI::ExcludesError*>(&error) != nullptr && excludes != std::string::npos) {
    return texts::CliExcludes(text.substr(0, excludes), text.substr(excludes + 10));
  }
  return texts::CliBadUsage(text);
}

class PrintingObserver : public engine::PassObserver {
 public:
  PrintingObserver(bool verbose, bool toTrash, const CliEnvironment& environment,
                   std::ostream& out, std::ostream& err)
      : verbose_(verbose), toTrash_(toTrash), escape_(environment.escapeOutput),
        stopRequested_(environment.stopRequested), out_(out), err_(err) {
    if (environment.progressColumns > 0) {
      progress_.emplace(err, environment.progressColumns, toTrash);
    }
  }

  bool OnWalkProgress(const engine::WalkProgress& walk) override {
    if (progress_) progress_->ShowWalk(walk.currentDirectory, walk.directories, walk.files);
    return !Stopped();
  }
  void OnDirectoryFailed(std::string_view path, std::error_code error) override {
    if (verbose_) Line(err_) << texts::CliNotSearched(Shown(path), error) << '\n';
  }
  void OnDeletionsStarting(uint64_t matches) override { matches_ = matches; }
  bool OnDeleteProgress(uint64_t deleted, uint64_t failed) override {
    if (progress_) progress_->ShowDeletions(deleted, deleted + failed, matches_);
    return !Stopped();
  }
  void OnDeleted(std::string_view path) override {
    if (verbose_) Line(out_) << texts::CliDeleted(Shown(path), toTrash_) << '\n';
  }
  void OnOtherFileSystem(std::string_view path) override {
    if (verbose_) Line(err_) << texts::CliOtherFileSystem(Shown(path)) << '\n';
  }
  void OnAlreadyGone(std::string_view path) override {
    if (verbose_) Line(err_) << texts::CliAlreadyGone(Shown(path)) << '\n';
  }
  void OnDeleteFailed(std::string_view path, std::error_code error) override {
    if (verbose_) Line(err_) << texts::CliNotDeleted(Shown(path), error, toTrash_) << '\n';
  }

  std::string Shown(std::string_view text) const {
    return escape_ ? EscapeControlCharacters(text) : std::string(text);
  }
  // The stream, with the progress line taken away first so the text starts on a clean line.
  std::ostream& Line(std::ostream& stream) {
    if (progress_) progress_->Clear();
    return stream;
  }

 private:
  bool Stopped() const { return stopRequested_ && stopRequested_(); }

  bool verbose_;
  bool toTrash_;
  bool escape_;
  const std::function<bool()>& stopRequested_;
  std::ostream& out_;
  std::ostream& err_;
  std::optional<TerminalProgress> progress_;
  uint64_t matches_ = 0;
};

int Save(const core::AppState& state, const core::NameList& names, std::ostream& err) {
  if (const std::error_code error = core::SaveNameList(state, names)) {
    err << texts::ListNotSaved(state.SettingsPath, error) << '\n';
    return kExitIncomplete;
  }
  return kExitDone;
}

int RootUnreadable(const core::AppState& state, const engine::DeleteReport& report,
                   PrintingObserver& observer, std::ostream& err) {
  // The root's failure is the first, and only, path the report names.
  observer.Line(err) << texts::CliRootUnreadable(observer.Shown(state.SearchRoot),
                                                 report.named.front().error)
                     << '\n';
  return kExitUsageOrRoot;
}

int RunPass(const Options& options, core::AppState& state, const core::NameList& names,
            PrintingObserver& observer, std::ostream& out, std::ostream& err) {
  if (names.Count() == 0) {
    out << texts::kCliEmptyList << '\n';
    return kExitDone;
  }
  engine::HelperObjects& helpers = engine::BindHelperObjects();
  engine::DeleteReport report;
  if (options.dryRun) {
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

  report = *engine::DeleteListedFiles(
      state.SearchRoot, names, helpers, observer, engine::KeptFiles(core::ProgramFiles(state)),
      state.UseTrash ? engine::Disposal::kTrash : engine::Disposal::kDelete);
  if (report.rootUnreadable) return RootUnreadable(state, report, observer, err);
  observer.Line(out) << texts::PassReport(
                            report, [&observer](std::string_view path) { return observer.Shown(path); })
                     << '\n';
  if (report.stopped) return kExitStopped;
  return report.Complete() ? kExitDone : kExitIncomplete;
}

}  // namespace

int RunCli(const std::vector<std::string>& arguments, const CliEnvironment& environment,
           std::ostream& out, std::ostream& err) {
  CLI::App app(texts::kCliDescription, "tarnwick-cli");
  app.option_defaults()->group("Optionen");
  Options options;
  auto* root = app.add_option("--root", options.root,
                              "Ordner, der durchsucht wird (Standard: Programmordner)")
                   ->type_name("ORDNER");
  app.add_option("--settings", options.settings, "Einstellungsdatei mit der Liste")
      ->type_name("DATEI");
  auto* dryRun = app.add_flag("--dry-run", options.dryRun,
                              "nur auflisten, was gelöscht würde; nichts löschen");
  app.add_flag("--verbose", options.verbose, "jede gelöschte Datei und jeden Fehler ausgeben");
  auto* toTrash = app.add_flag("--papierkorb,!--kein-papierkorb", options.toTrash,
                               "gefundene Dateien in den Papierkorb verschieben statt löschen "
                               "(--papierkorb=0 oder --kein-papierkorb: löschen; ohne: wie "
                               "eingestellt)");
  auto* list = app.add_flag("--list", options.list, "die gespeicherte Liste ausgeben");
  auto* settingsPath = app.add_flag("--settings-path", options.settingsPath,
                                    "den Pfad der Einstellungsdatei ausgeben, die die Liste hält");
  auto* add = app.add_option("--add", options.add, "NAME zur Liste hinzufügen")->type_name("NAME");
  auto* remove = app.add_option("--remove", options.remove, "jeden Eintrag NAME entfernen")
                     ->type_name("NAME");
  app.set_help_flag("-h,--help", "diese Hilfe ausgeben");
  app.set_version_flag("--version", std::string("tarnwick-cli ") + TARNWICK_VERSION,
                       "die Version ausgeben");
  auto formatter = app.get_formatter();
  formatter->label("Usage", "Aufruf");
  formatter->label("OPTIONS", "OPTIONEN");
  formatter->label("TEXT", "TEXT");
  formatter->label("Excludes", "schließt aus");
  list->excludes(add, remove, dryRun, settingsPath);
  settingsPath->excludes(add, remove, dryRun);
  add->excludes(remove, dryRun);
  remove->excludes(dryRun);
  toTrash->excludes(list, settingsPath, add, remove);

  std::vector<std::string> reversed(arguments.rbegin(), arguments.rend());
  try {
    app.parse(reversed);
  } catch (const CLI::CallForHelp&) {
    out << app.help();
    return kExitDone;
  } catch (const CLI::CallForVersion&) {
    out << app.version() << '\n';
    return kExitDone;
  } catch (const CLI::ParseError& error) {
    err << "tarnwick-cli: " << UsageError(error) << '\n' << texts::kCliUsageHint << '\n';
    return kExitUsageOrRoot;
  }

  // An empty root would silently mean the program's folder.
  if (root->count() > 0 && options.root.empty()) {
    err << "tarnwick-cli: " << texts::kCliEmptyRoot << '\n' << texts::kCliUsageHint << '\n';
    return kExitUsageOrRoot;
  }
  // An installed copy's folder holds the system's programs: a pass there needs a root named.
  const bool passes = !options.list && !options.settingsPath && add->count() == 0 &&
                      remove->count() == 0;
  if (passes && root->count() == 0 && environment.installedCopy) {
    err << "tarnwick-cli: " << texts::kCliRootNeeded << '\n' << texts::kCliUsageHint << '\n';
    return kExitUsageOrRoot;
  }

  core::AppState state;
  state.AppTitle = core::kAppTitle;
  if (options.settings.empty()) {
    state.SettingsPath = environment.settingsPath;
    state.SettingsFallbackPath = environment.settingsFallbackPath;
  } else {
    state.SettingsPath = options.settings;
  }
  state.AppDir = environment.programDirectory;
  state.SearchRoot = options.root.empty() ? environment.programDirectory : options.root;
  core::NameList names;
  core::LoadNameList(state, names);
  state.UseTrash = toTrash->count() > 0 ? options.toTrash : core::LoadTrashSetting(state);
  PrintingObserver printer(options.verbose, state.UseTrash, environment, out, err);

  if (options.settingsPath) {
    out << printer.Shown(state.SettingsPath) << '\n';
    return kExitDone;
  }
  if (options.list) {
    for (const auto& name : names.Entries()) out << printer.Shown(name) << '\n';
    return kExitDone;
  }
  if (add->count() > 0) {
    if (const auto refusal = names.WhyRefused(options.add)) {
      err << texts::NameRefused(*refusal) << '\n';
      return kExitUsageOrRoot;
    }
    names.Append(options.add);
    return Save(state, names, err);
  }
  if (remove->count() > 0) {
    if (names.RemoveEvery(options.remove) == 0) {
      err << texts::CliNotInList(printer.Shown(options.remove)) << '\n';
      return kExitDone;
    }
    return Save(state, names, err);
  }
  return RunPass(options, state, names, printer, out, err);
}

}  // namespace tarnwick::cli
