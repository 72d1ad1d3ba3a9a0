#include "cli/list_commands.h"

#include <ostream>

#include "cli/exit_status.h"
#include "cli/terminal_text.h"
#include "core/name_list_store.h"
#include "texts/texts.h"

namespace tarnwick::cli {
namespace {

int Save(const core::AppState& state, const core::NameList& names, std::ostream& err) {
  if (const std::error_code error = core::SaveNameList(state, names)) {
    err << texts::ListNotSaved(state.SettingsPath, error) << '\n';
    return kExitIncomplete;
  }
  return kExitDone;
}

}  // namespace

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
