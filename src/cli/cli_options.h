// tarnwick-cli's option table: what the command line asks for, parsed, with every mistake said
// in German. English long options as every Linux tool has them; the German spellings of
// earlier versions stay as aliases, so that scripts keep working.
#pragma once

#include <cstdint>
#include <iosfwd>
#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "core/plans.h"

namespace tarnwick::cli {

// What the command line asks for; an option that was not given is empty.
struct Options {
  std::optional<std::string> root;  // the folder argument, or --root
  std::string settings;
  bool dryRun = false;
  bool verbose = false;
  bool quiet = false;  // only what went wrong is printed
  bool yes = false;    // a permanent pass on a terminal asks nothing
  bool list = false;
  bool settingsPath = false;
  std::vector<std::string> add;          // names to append
  std::vector<std::string> remove;       // names whose every entry goes
  std::optional<bool> toTrash;           // for this run; when empty, as the settings file says
  std::optional<std::string> onlyThese;  // a file of the paths to deal with, "-" for stdin
  bool nullEnded = false;                // paths are ended by NUL, not by a line break, in and out
  bool json = false;                     // the output as one JSON object
  bool noPaths = false;                  // --json without the list of paths dealt with
  bool takeBack = false;                 // the files of a pass to the trash go back: ...
  std::optional<uint64_t> takeBackPass;  // ... of this kept pass, else of the newest with any
  bool listPasses = false;               // the kept passes to the trash
  std::vector<std::string> exclude;      // folders this pass leaves alone, besides the stored ones
  std::optional<std::string> addExcluded;     // a folder to store among the excluded ones
  std::optional<std::string> removeExcluded;  // a stored excluded folder to forget
  bool listExcluded = false;                  // the stored excluded folders
  std::optional<std::string> addPlan;  // a folder to clean on its own, with one of:
  std::optional<core::PlanTime> planTime;  // --daily, --weekly or --at-login
  uint32_t planLimit = core::kDefaultPlanLimit;
  bool crontab = false;  // without a user manager, the plan's line goes into the crontab
  bool listPlans = false;
  std::optional<uint32_t> removePlan;
  bool removeAllPlans = false;  // --plan-remove all: before uninstalling
  std::optional<uint32_t> runPlan;  // what the scheduler runs

  // Whether this run is a pass over a folder rather than a command on the lists.
  bool Passes() const {
    return !list && !settingsPath && add.empty() && remove.empty() && !takeBack && !listPasses &&
           !addExcluded && !removeExcluded && !listExcluded && !addPlan && !listPlans &&
           !removePlan && !removeAllPlans && !runPlan;
  }
};

// The options of `arguments`, or the exit status when the run ends here: the help or the
// version printed to `out`, or a German usage error to `err`.
std::variant<Options, int> ParseOptions(const std::vector<std::string>& arguments,
                                        std::ostream& out, std::ostream& err);

}  // namespace tarnwick::cli
