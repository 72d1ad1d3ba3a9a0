#include "cli/list_commands.h"

#include <ostream>

#include "cli/exit_status.h"
#include "cli/json_report.h"
#include "cli/terminal_text.h"
#include "core/folder_entries.h"
#include "core/name_list_store.h"
#include "texts/texts.h"

namespace tarnwick::cli {
namespace {

int Save(const core::AppState& state, const core::NameList& names, std::ostream& err) {
  const std::error_code error = names.kind() == core::NameList::Kind::kFolderPaths
                                    ? core::SaveExcludedFolders(state, names)
                                    : core::SaveNameList(state, names);
  if (error) {
    err << texts::ListNotSaved(state.SettingsPath, error) << '\n';
    return kExitIncomplete;
  }
  return kExitDone;
}

int AddExcludedFolder(const std::string& path, const core::AppState& state,
                      core::NameList& folders, bool escape, std::ostream& out,
                      std::ostream& err) {
  using Outcome = core::FolderAddition::Outcome;
  const core::FolderAddition addition = core::AddExcludedFolder(folders, path);
  switch (addition.outcome) {
    case Outcome::kAlreadyThere:
      out << texts::AlreadyExcluded(Printable(path, escape)) << '\n';
      return kExitDone;
    case Outcome::kNoFolder:
      err << texts::FolderCannotBeExcluded(Printable(path, escape), addition.error) << '\n';
      return kExitUsageOrRoot;
    case Outcome::kRefused:
      err << texts::FolderRefused(addition.refusal) << '\n';
      return kExitUsageOrRoot;
    case Outcome::kAdded:
      break;
  }
  return Save(state, folders, err);
}

}  // namespace

std::optional<int> RunExcludedFolderCommand(const Options& options, const core::AppState& state,
                                            core::NameList& folders, bool escape,
                                            std::ostream& out, std::ostream& err) {
  if (!options.listExcluded && !options.addExcluded && !options.removeExcluded) {
    return std::nullopt;
  }
  if (options.listExcluded) {
    if (options.json) {
      out << JsonExcludedFolders(folders.Entries()) << '\n';
      return kExitDone;
    }
    for (const auto& folder : folders.Entries()) {
      out << Printable(folder, escape) << (options.nullEnded ? '\0' : '\n');
    }
    return kExitDone;
  }
  if (options.addExcluded) {
    return AddExcludedFolder(*options.addExcluded, state, folders, escape, out, err);
  }
  const auto index = core::FindFolderEntry(folders, *options.removeExcluded);
  if (!index) {
    err << texts::CliNotExcluded(Printable(*options.removeExcluded, escape)) << '\n';
    return kExitIncomplete;
  }
  folders.RemoveEvery(std::string(folders.At(*index)));
  return Save(state, folders, err);
}

std::optional<int> RunListCommand(const Options& options, const core::AppState& state,
                                  core::NameList& names, bool escape, std::ostream& out,
                                  std::ostream& err) {
  if (options.settingsPath) {
    out << Printable(state.SettingsPath, escape) << '\n';
    return kExitDone;
  }
  if (options.list) {
    for (const auto& name : names.Entries()) out << Printable(name, escape) << '\n';
    return kExitDone;
  }
  if (options.add) {
    if (const auto refusal = names.WhyRefused(*options.add)) {
      err << texts::NameRefused(*refusal) << '\n';
      return kExitUsageOrRoot;
    }
    names.Append(*options.add);
    return Save(state, names, err);
  }
  if (options.remove) {
    if (names.RemoveEvery(*options.remove) == 0) {
      err << texts::CliNotInList(Printable(*options.remove, escape)) << '\n';
      return kExitDone;
    }
    return Save(state, names, err);
  }
  return std::nullopt;
}

}  // namespace tarnwick::cli
