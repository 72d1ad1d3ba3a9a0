#include "cli/cli_options.h"

#include <CLI/CLI.hpp>
#include <algorithm>
#include <charconv>
#include <ostream>

#include "cli/exit_status.h"
#include "cli/option_table.h"
#include "texts/texts.h"

namespace tarnwick::cli {
namespace {

// What --undo holds when it is given without a number.
constexpr const char* kNoNumber = "\x01";

// A pass's number as --undo takes it: decimal digits only, that a kept pass may have.
std::optional<uint64_t> PassNumber(const std::string& text) {
  uint64_t number = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), number);
  if (text.empty() || error != std::errc() || end != text.data() + text.size()) {
    return std::nullopt;
  }
  return number;
}

// The mistakes a command line can hold, said in German; each ends the run with status 2.
class UsageError {
 public:
  explicit UsageError(std::string text) : text_(std::move(text)) {}
  const std::string& text() const { return text_; }

 private:
  std::string text_;
};

// The values the table's options land in while the command line is parsed.
struct Parsed {
  Options options;
  std::optional<std::string> folder;
  std::optional<std::string> root;
  bool trash = false;
  std::string undo;
  std::string daily;
  std::vector<std::string> weekly;
  bool atLogin = false;
  std::string limit;
  std::string planAdd;
  std::string planRemove;
  std::string runPlan;
  std::map<const OptionSpec*, CLI::Option*> registered;

  bool Given(const OptionSpec& option) const { return registered.at(&option)->count() > 0; }
};

void Register(CLI::App& app, Parsed& parsed) {
  Options& o = parsed.options;
  auto& r = parsed.registered;
  r[&kRootOption] = app.add_option(kRootOption.names, parsed.root);
  r[&kSettingsOption] = app.add_option(kSettingsOption.names, o.settings);
  r[&kDryRunOption] = app.add_flag(kDryRunOption.names, o.dryRun);
  r[&kVerboseOption] = app.add_flag(kVerboseOption.names, o.verbose);
  r[&kQuietOption] = app.add_flag(kQuietOption.names, o.quiet);
  r[&kYesOption] = app.add_flag(kYesOption.names, o.yes);
  r[&kTrashOption] = app.add_flag(kTrashOption.names, parsed.trash);
  r[&kNoTrashOption] = app.add_flag(kNoTrashOption.names);
  r[&kOnlyOption] = app.add_option(kOnlyOption.names, o.onlyThese);
  r[&kNullOption] = app.add_flag(kNullOption.names, o.nullEnded);
  r[&kJsonOption] = app.add_flag(kJsonOption.names, o.json);
  r[&kNoPathsOption] = app.add_flag(kNoPathsOption.names, o.noPaths);
  r[&kExcludeOption] = app.add_option(kExcludeOption.names, o.exclude)
                           ->expected(1)
                           ->multi_option_policy(CLI::MultiOptionPolicy::TakeAll);
  r[&kListOption] = app.add_flag(kListOption.names, o.list);
  r[&kAddOption] = app.add_option(kAddOption.names, o.add)->expected(1, -1);
  r[&kRemoveOption] = app.add_option(kRemoveOption.names, o.remove)->expected(1, -1);
  r[&kSettingsPathOption] = app.add_flag(kSettingsPathOption.names, o.settingsPath);
  r[&kUndoOption] =
      app.add_option(kUndoOption.names, parsed.undo)->expected(0, 1)->default_str(kNoNumber);
  r[&kPassesOption] = app.add_flag(kPassesOption.names, o.listPasses);
  r[&kExcludeAddOption] = app.add_option(kExcludeAddOption.names, o.addExcluded);
  r[&kExcludeRemoveOption] = app.add_option(kExcludeRemoveOption.names, o.removeExcluded);
  r[&kExcludedOption] = app.add_flag(kExcludedOption.names, o.listExcluded);
  r[&kPlanAddOption] = app.add_option(kPlanAddOption.names, parsed.planAdd);
  r[&kDailyOption] = app.add_option(kDailyOption.names, parsed.daily);
  r[&kWeeklyOption] = app.add_option(kWeeklyOption.names, parsed.weekly)->expected(2);
  r[&kAtLoginOption] = app.add_flag(kAtLoginOption.names, parsed.atLogin);
  r[&kLimitOption] = app.add_option(kLimitOption.names, parsed.limit);
  r[&kCrontabOption] = app.add_flag(kCrontabOption.names, o.crontab);
  r[&kPlansOption] = app.add_flag(kPlansOption.names, o.listPlans);
  r[&kPlanRemoveOption] = app.add_option(kPlanRemoveOption.names, parsed.planRemove);
  r[&kRunPlanOption] = app.add_option(kRunPlanOption.names, parsed.runPlan);
  app.add_option("folder", parsed.folder);
}

// An option of one value given twice would leave one of them unheeded.
void RefuseRepeats(const std::vector<std::string>& arguments) {
  for (const OptionSpec* option : kOptions) {
    if (!option->oneValue) continue;
    const auto given = std::count_if(arguments.begin(), arguments.end(),
                                     [option](const std::string& a) { return Names(a, *option); });
    if (given > 1) throw UsageError(texts::CliGivenTwice(MainName(*option)));
  }
}

// CLI11 words its errors in English; each is said again in German.
UsageError InGerman(const CLI::ParseError& error, const std::vector<std::string>& arguments) {
  const std::string text = error.what();
  for (const OptionSpec* option : kOptions) {
    for (const std::string& name : NamesOf(*option)) {
      if (text.starts_with(name + ":") || text.find(" " + name + " ") != std::string::npos ||
          text.ends_with(" " + name)) {
        if (dynamic_cast<const CLI::ConversionError*>(&error) != nullptr) {
          const auto given = std::find_if(arguments.begin(), arguments.end(),
                                          [&](const std::string& a) { return Names(a, *option); });
          const size_t equals = given == arguments.end() ? std::string::npos : given->find('=');
          return UsageError(texts::CliBadValue(
              MainName(*option), equals == std::string::npos ? "" : given->substr(equals + 1)));
        }
        return UsageError(texts::CliMissingValue(MainName(*option)));
      }
    }
  }
  return UsageError(texts::kCliBadUsage);
}

// What CLI11 did not take: an option that does not exist (perhaps a near miss) or a second
// folder.
void RefuseExtras(const std::vector<std::string>& extras) {
  for (const std::string& extra : extras) {
    if (extra.starts_with("-") && extra != "-") {
      const std::string option = extra.substr(0, extra.find('='));
      throw UsageError(texts::CliUnknownOption(option, NearestOption(option).value_or("")));
    }
    throw UsageError(texts::CliUnexpectedArgument(extra));
  }
}

Command CommandOf(const Parsed& parsed) {
  std::optional<std::pair<Command, const OptionSpec*>> chosen;
  for (const auto& command : kCommands) {
    if (!parsed.Given(*command.second)) continue;
    if (chosen) {
      throw UsageError(texts::CliTogether(MainName(*chosen->second), MainName(*command.second)));
    }
    chosen = command;
  }
  return chosen ? chosen->first : Command::kPass;
}

// Every option given must go with the command; a folder only with a pass.
void RefuseStrangers(const Parsed& parsed, Command command) {
  const OptionSpec* commandOption = nullptr;
  for (const auto& [each, option] : kCommands) {
    if (each == command) commandOption = option;
  }
  // A pass takes every option but the commands', which make the run a command.
  for (const OptionSpec* option : kOptions) {
    if (commandOption == nullptr) break;
    if (!parsed.Given(*option) || std::ranges::count(option->commands, command) > 0) continue;
    throw UsageError(texts::CliTogether(MainName(*commandOption), MainName(*option)));
  }
  if (parsed.folder && command != Command::kPass) {
    throw UsageError(texts::CliUnexpectedArgument(*parsed.folder));
  }
}

// A plan's number as the plan commands take it: 1, 2, ...
uint32_t PlanNumber(const OptionSpec& option, const std::string& text) {
  const auto number = PassNumber(text);
  if (!number || *number == 0 || *number > UINT32_MAX) {
    throw UsageError(texts::CliBadPlanNumber(MainName(option), text));
  }
  return static_cast<uint32_t>(*number);
}

// The time and limit of --plan-add: exactly one of --daily, --weekly and --at-login.
void FinishPlan(const Parsed& parsed, Options& options) {
  const int times = parsed.Given(kDailyOption) + parsed.Given(kWeeklyOption) +
                    parsed.Given(kAtLoginOption);
  if (times != 1) throw UsageError(texts::kCliPlanTimeNeeded);
  if (parsed.Given(kDailyOption)) {
    options.planTime = core::DailyAt(parsed.daily);
    if (!options.planTime) throw UsageError(texts::CliBadClock("--daily", parsed.daily));
  } else if (parsed.Given(kWeeklyOption)) {
    const std::string& day = parsed.weekly.at(0);
    const std::string& clock = parsed.weekly.at(1);
    if (!core::DailyAt(clock)) throw UsageError(texts::CliBadClock("--weekly", clock));
    options.planTime = core::WeeklyAt(day, clock);
    if (!options.planTime) throw UsageError(texts::CliBadWeekday(day));
  } else {
    options.planTime = core::PlanTime{core::PlanTime::Kind::kAtLogin};
  }
  if (parsed.Given(kLimitOption)) {
    const auto limit = core::PlanLimitOf(parsed.limit);
    if (!limit) throw UsageError(texts::CliBadLimit("--limit", parsed.limit));
    options.planLimit = *limit;
  }
  options.addPlan = parsed.planAdd;
}

Options Finish(Parsed& parsed, const std::vector<std::string>& arguments) {
  const Command command = CommandOf(parsed);
  RefuseStrangers(parsed, command);
  Options options = std::move(parsed.options);
  if (parsed.folder && parsed.root) throw UsageError(texts::kCliFolderTwice);
  options.root = parsed.folder ? parsed.folder : parsed.root;
  if (parsed.Given(kTrashOption) && parsed.Given(kNoTrashOption)) {
    throw UsageError(texts::CliTogether(MainName(kTrashOption), MainName(kNoTrashOption)));
  }
  if (parsed.Given(kTrashOption)) options.toTrash = parsed.trash;
  if (parsed.Given(kNoTrashOption)) options.toTrash = false;
  options.takeBack = command == Command::kUndo;
  if (command == Command::kPlanAdd) FinishPlan(parsed, options);
  if (command == Command::kPlanRemove) {
    if (parsed.planRemove == "all" || parsed.planRemove == "alle") {
      options.removeAllPlans = true;
    } else {
      options.removePlan = PlanNumber(kPlanRemoveOption, parsed.planRemove);
    }
  }
  if (command == Command::kRunPlan) options.runPlan = PlanNumber(kRunPlanOption, parsed.runPlan);
  // "--undo=" reads as no number at all: a script's empty variable must not take back the
  // newest pass.
  const bool emptyGiven = std::ranges::any_of(
      arguments, [](const std::string& a) { return Names(a, kUndoOption) && a.ends_with("="); });
  if (options.takeBack && (emptyGiven || parsed.undo != kNoNumber)) {
    options.takeBackPass = PassNumber(parsed.undo);
    if (!options.takeBackPass)
      throw UsageError(texts::CliBadPassNumber(emptyGiven ? "" : parsed.undo));
  }
  return options;
}

Options Parse(const std::vector<std::string>& arguments) {
  RefuseRepeats(arguments);
  CLI::App app;
  app.allow_extras();
  app.set_help_flag();
  Parsed parsed;
  Register(app, parsed);
  std::vector<std::string> reversed(arguments.rbegin(), arguments.rend());  // as CLI11 takes them
  try {
    app.parse(reversed);
  } catch (const CLI::ParseError& error) {
    throw InGerman(error, arguments);
  }
  RefuseExtras(app.remaining());
  return Finish(parsed, arguments);
}

}  // namespace

std::variant<Options, int> ParseOptions(const std::vector<std::string>& arguments,
                                        std::ostream& out, std::ostream& err) {
  for (const std::string& argument : arguments) {
    if (argument == "--") break;
    if (argument == "-h" || argument == "--help" || argument == "--hilfe") {
      out << texts::kCliHelp;
      return kExitDone;
    }
    if (argument == "-V" || argument == "--version") {
      out << "tarnwick-cli " << TARNWICK_VERSION << '\n';
      return kExitDone;
    }
  }
  try {
    return Parse(arguments);
  } catch (const UsageError& error) {
    err << "tarnwick-cli: " << error.text() << '\n' << texts::kCliUsageHint << '\n';
    return kExitUsageOrRoot;
  }
}

}  // namespace tarnwick::cli
