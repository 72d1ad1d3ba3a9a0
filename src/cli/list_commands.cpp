#include "cli/list_commands.h"

#include <algorithm>
#include <ostream>

#include "cli/exit_status.h"
#include "cli/json_report.h"
#include "cli/terminal_text.h"
#include "core/folder_entries.h"
#include "core/name_list_store.h"
#include "platform/path/file_name_limit.h"
#include "platform/text/text_case.h"
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

int AddExcludedFolder(const std::string& path, const core::AppState& state, core::NameList& folders,
                      bool escape, std::ostream& out, std::ostream& err) {
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

// The entries one a line, or ended by NUL, or as JSON: a list `key` of objects, each with the
// entry as `field`.
void PrintEntries(const Options& options, const std::vector<std::string>& entries, const char* key,
                  const char* field, bool escape, std::ostream& out) {
  if (options.json) {
    out << JsonList(key, field, entries) << '\n';
    return;
  }
  for (const auto& entry : entries) {
    out << Printable(entry, escape) << (options.nullEnded ? '\0' : '\n');
  }
}

// The listed entry the same files would match as `name`, when there is one.
const std::string* AlreadyListed(const core::NameList& names, const std::string& name) {
  const std::string upper = platform::ToUpperCase(name);
  const auto& entries = names.Entries();
  const auto same = std::find_if(entries.begin(), entries.end(), [&upper](const std::string& e) {
    return platform::ToUpperCase(e) == upper;
  });
  return same == entries.end() ? nullptr : &*same;
}

// Appends the names, each once; none when one of them can never be a file's name or the list
// could not hold it, as half a command is worse than none.
int AddNames(const Options& options, const core::AppState& state, core::NameList& names,
             bool escape, std::ostream& out, std::ostream& err) {
  bool refused = false;
  for (const std::string& name : options.add) {
    if (const auto fault = platform::FaultOfFileName(name)) {
      err << texts::NotAFileName(Printable(name, escape), *fault) << '\n';
      refused = true;
    } else if (const auto refusal = names.WhyRefused(name)) {
      err << texts::NameRefused(*refusal) << '\n';
      refused = true;
    }
  }
  if (refused) return kExitUsageOrRoot;
  bool changed = false;
  for (const std::string& name : options.add) {
    if (const std::string* listed = AlreadyListed(names, name)) {
      if (!options.quiet) out << texts::AlreadyListed(Printable(*listed, escape)) << '\n';
      continue;
    }
    if (name.find_first_of("*?") != std::string::npos) {
      err << texts::NameIsNoPattern(Printable(name, escape)) << '\n';
    }
    names.Append(name);
    changed = true;
  }
  return changed ? Save(state, names, err) : kExitDone;
}

int RemoveNames(const Options& options, const core::AppState& state, core::NameList& names,
                bool escape, std::ostream& err) {
  bool changed = false;
  for (const std::string& name : options.remove) {
    if (names.RemoveEvery(name) == 0) {
      err << texts::CliNotInList(Printable(name, escape)) << '\n';
    } else {
      changed = true;
    }
  }
  return changed ? Save(state, names, err) : kExitDone;
}

}  // namespace

std::optional<int> RunExcludedFolderCommand(const Options& options, const core::AppState& state,
                                            core::NameList& folders, bool escape, std::ostream& out,
                                            std::ostream& err) {
  if (options.listExcluded) {
    PrintEntries(options, folders.Entries(), "excluded_folders", "path", escape, out);
    return kExitDone;
  }
  if (options.addExcluded) {
    return AddExcludedFolder(*options.addExcluded, state, folders, escape, out, err);
  }
  if (!options.removeExcluded) return std::nullopt;
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
    PrintEntries(options, names.Entries(), "names", "name", escape, out);
    return kExitDone;
  }
  if (!options.add.empty()) return AddNames(options, state, names, escape, out, err);
  if (!options.remove.empty()) return RemoveNames(options, state, names, escape, err);
  return std::nullopt;
}

}  // namespace tarnwick::cli
