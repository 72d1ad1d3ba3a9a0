// The options of tarnwick-cli as one table: each option's names (English, short, German), whether
// it takes a value, and the commands it goes with; the parser and the near-miss hint read it.
#pragma once

#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace tarnwick::cli {

// What the run does: a pass over a folder, or one of the commands on the lists.
enum class Command {
  kPass,
  kList,
  kAdd,
  kRemove,
  kSettingsPath,
  kUndo,
  kPasses,
  kExcludeAdd,
  kExcludeRemove,
  kExcluded,
  kPlanAdd,
  kPlans,
  kPlanRemove,
  kRunPlan,
};

// One option: its names (the English long one first, then a short one and the German
// spellings of earlier versions), whether it takes one value (and so may stand once), and the
// commands it goes with; a command's own option names its command.
struct OptionSpec {
  const char* names;
  bool oneValue;
  std::vector<Command> commands;
};

inline const OptionSpec kRootOption{"--root", true, {Command::kPass}};
inline const OptionSpec kSettingsOption{
    "--settings",
    true,
    {Command::kPass, Command::kList, Command::kAdd, Command::kRemove, Command::kSettingsPath,
     Command::kUndo, Command::kPasses, Command::kExcludeAdd, Command::kExcludeRemove,
     Command::kExcluded, Command::kPlanAdd, Command::kPlans, Command::kPlanRemove,
     Command::kRunPlan}};
inline const OptionSpec kDryRunOption{"--dry-run,-n", false, {Command::kPass}};
inline const OptionSpec kVerboseOption{"--verbose,-v", false, {Command::kPass, Command::kUndo}};
inline const OptionSpec kQuietOption{
    "--quiet,-q",
    false,
    {Command::kPass, Command::kAdd, Command::kRemove, Command::kUndo, Command::kExcludeAdd,
     Command::kExcludeRemove, Command::kPlanAdd, Command::kPlanRemove, Command::kRunPlan}};
inline const OptionSpec kYesOption{"--yes,-y,--ja", false, {Command::kPass}};
inline const OptionSpec kTrashOption{"--trash,--papierkorb", false, {Command::kPass}};
inline const OptionSpec kNoTrashOption{"--no-trash,--kein-papierkorb", false, {Command::kPass}};
inline const OptionSpec kOnlyOption{"--only,--nur-diese", true, {Command::kPass, Command::kUndo}};
inline const OptionSpec kNullOption{
    "--null,-0", false, {Command::kPass, Command::kList, Command::kExcluded, Command::kPlans}};
inline const OptionSpec kJsonOption{"--json",
                                    false,
                                    {Command::kPass, Command::kList, Command::kUndo,
                                     Command::kPasses, Command::kExcluded, Command::kPlans,
                                     Command::kRunPlan}};
inline const OptionSpec kNoPathsOption{"--no-paths", false, {Command::kPass}};
inline const OptionSpec kExcludeOption{"--exclude,--ausnehmen", false, {Command::kPass}};
inline const OptionSpec kListOption{"--list", false, {Command::kList}};
inline const OptionSpec kAddOption{"--add", false, {Command::kAdd}};
inline const OptionSpec kRemoveOption{"--remove", false, {Command::kRemove}};
inline const OptionSpec kSettingsPathOption{"--settings-path", false, {Command::kSettingsPath}};
inline const OptionSpec kUndoOption{"--undo,--zurueckholen", true, {Command::kUndo}};
inline const OptionSpec kPassesOption{"--passes,--durchgaenge", false, {Command::kPasses}};
inline const OptionSpec kExcludeAddOption{
    "--exclude-add,--ausnahme-hinzufuegen", true, {Command::kExcludeAdd}};
inline const OptionSpec kExcludeRemoveOption{
    "--exclude-remove,--ausnahme-entfernen", true, {Command::kExcludeRemove}};
inline const OptionSpec kExcludedOption{"--excluded,--ausnahmen", false, {Command::kExcluded}};
inline const OptionSpec kPlanAddOption{"--plan-add,--plan-hinzufuegen", true, {Command::kPlanAdd}};
inline const OptionSpec kDailyOption{"--daily,--taeglich", true, {Command::kPlanAdd}};
inline const OptionSpec kWeeklyOption{"--weekly,--woechentlich", false, {Command::kPlanAdd}};
inline const OptionSpec kAtLoginOption{"--at-login,--bei-anmeldung", false, {Command::kPlanAdd}};
inline const OptionSpec kLimitOption{"--limit,--hoechstens", true, {Command::kPlanAdd}};
inline const OptionSpec kCrontabOption{"--crontab", false, {Command::kPlanAdd}};
inline const OptionSpec kPlansOption{"--plans,--plaene", false, {Command::kPlans}};
inline const OptionSpec kPlanRemoveOption{
    "--plan-remove,--plan-entfernen", true, {Command::kPlanRemove}};
inline const OptionSpec kRunPlanOption{"--run-plan,--plan-ausfuehren", true, {Command::kRunPlan}};

inline const std::vector<const OptionSpec*> kOptions = {
    &kRootOption,          &kSettingsOption, &kDryRunOption, &kVerboseOption,
    &kQuietOption,         &kYesOption,      &kTrashOption,  &kNoTrashOption,
    &kOnlyOption,          &kNullOption,     &kJsonOption,   &kNoPathsOption,
    &kExcludeOption,       &kListOption,     &kAddOption,    &kRemoveOption,
    &kSettingsPathOption,  &kUndoOption,     &kPassesOption, &kExcludeAddOption,
    &kExcludeRemoveOption, &kExcludedOption, &kPlanAddOption, &kDailyOption,
    &kWeeklyOption,        &kAtLoginOption,  &kLimitOption,  &kCrontabOption, &kPlansOption,
    &kPlanRemoveOption,    &kRunPlanOption};

// The commands, each with the option that asks for it.
inline const std::vector<std::pair<Command, const OptionSpec*>> kCommands = {
    {Command::kList, &kListOption},
    {Command::kAdd, &kAddOption},
    {Command::kRemove, &kRemoveOption},
    {Command::kSettingsPath, &kSettingsPathOption},
    {Command::kUndo, &kUndoOption},
    {Command::kPasses, &kPassesOption},
    {Command::kExcludeAdd, &kExcludeAddOption},
    {Command::kExcludeRemove, &kExcludeRemoveOption},
    {Command::kExcluded, &kExcludedOption},
    {Command::kPlanAdd, &kPlanAddOption},
    {Command::kPlans, &kPlansOption},
    {Command::kPlanRemove, &kPlanRemoveOption},
    {Command::kRunPlan, &kRunPlanOption}};

// An option's names, as the table lists them.
std::vector<std::string> NamesOf(const OptionSpec& option);
// The English long name, as the help and the messages call an option.
std::string MainName(const OptionSpec& option);
// Whether the argument names the option: "--root", "--root=x", "-n".
bool Names(const std::string& argument, const OptionSpec& option);
// The option a mistyped one was most likely meant to be ("--roo": "--root"); nothing when none
// is near enough.
std::optional<std::string> NearestOption(const std::string& typed);

}  // namespace tarnwick::cli
