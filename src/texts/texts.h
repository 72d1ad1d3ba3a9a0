// Every German text both front ends show: captions, questions, reports, reasons, and
// tarnwick-cli's messages.
#pragma once

// Every text the user reads, in one place, for the windows of every toolkit and for
// tarnwick-cli alike.

#include <cstdint>
#include <ctime>
#include <optional>
#include <functional>
#include <string>
#include <string_view>
#include <system_error>
#include <vector>

#include "core/name_list.h"
#include "core/plans.h"
#include "engine/delete_report.h"
#include "engine/planned_run.h"
#include "engine/take_back.h"
#include "platform/path/file_name_limit.h"

namespace tarnwick::texts {

// Captions.
inline constexpr const char* kMainWindowCaption = "Kelvane Tarn Wick";
inline constexpr const char* kNameEntryCaption = "Dateiname";
inline constexpr const char* kLaunchWindowCaption = "Kelvane Brimlet";
inline constexpr const char* kAddButton = "neuer Dateiname...";
inline constexpr const char* kRemoveButton = "Dateiname entfernen...";
inline constexpr const char* kDeleteButton =
    "Jetzt rekursiv nach den gelisteten Dateinamen suchen und löschen";
inline constexpr const char* kCancelButton = "Abbrechen";
inline constexpr const char* kAcceptButton = "Übernehmen";
inline constexpr const char* kSearchPathButton =
    "Pfad durchsuchen und gelistete Dateinamen finden und löschen";
inline constexpr const char* kAddAndSearchPathButton =
    "Dateiname zur Liste und Pfad durchsuchen und Dateiname löschen";
inline constexpr const char* kOkButton = "OK";
inline constexpr const char* kYesButton = "Ja";
inline constexpr const char* kNoButton = "Nein";
// What a screen reader calls the controls that show no caption of their own.
inline constexpr const char* kNameListAccessibleName = "Dateinamen";
inline constexpr const char* kProgressBarAccessibleName = "Fortschritt";

// The big button's caption, which says where the found files go.
const char* DeleteButton(bool toTrash);
// The delete button's tip: the folder it searches, or that it asks for one, whether the files
// it finds are deleted or go to the trash, and whether they are shown first.
std::string SearchesFolderTip(std::string_view folder, bool toTrash, bool lookFirst);
std::string AsksForFolderTip(bool toTrash, bool lookFirst);
// The main window's menu bar ('&' marks each mnemonic) and its items beside those below.
inline constexpr const char* kOptionsMenu = "&Optionen";
inline constexpr const char* kHistoryMenu = "&Verlauf";
inline constexpr const char* kPassesMenuItem = "&Durchgänge...";
// The last line of the window's report of a pass to the trash: how to take it back.
inline constexpr const char* kTakeBackHint = "Zurückholen: Verlauf > Durchgänge";
inline constexpr const char* kCliTakeBackHint = "Zurückholen: tarnwick-cli --undo";
// The checkable item of the main window's menus that sends found files to the trash.
inline constexpr const char* kTrashMenuItem = "In den &Papierkorb verschieben statt löschen";
// The checkable item that shows what a pass found before it deals with any of it.
inline constexpr const char* kLookFirstMenuItem = "&Erst ansehen, dann löschen";
// The window that shows it.
inline constexpr const char* kFoundFilesCaption = "Gefundene Dateien";
inline constexpr const char* kTickAllButton = "Alle";
inline constexpr const char* kTickNoneButton = "Keine";
inline constexpr const char* kFoundFilesAccessibleName = "Gefundene Dateien, zum Löschen angehakt";
std::string FoundFilesLine(uint64_t found);
// Its button that deals with the ticked files.
const char* DealButton(bool toTrash);
// The item that takes the last pass to the trash back, and what taking back did.
inline constexpr const char* kTakeBackMenuItem = "&Letzten Durchgang aus dem Papierkorb zurückholen";
inline constexpr const char* kNothingToTakeBack =
    "Es gibt keinen Durchgang, der aus dem Papierkorb zurückgeholt werden könnte.";
std::string TakeBackReport(const engine::TakeBackReport& report,
                           const std::function<std::string(std::string_view)>& shown =
                               [](std::string_view path) { return std::string(path); });
// The same for a kept pass taken back, or why it could not be: its record in use, damaged or
// unreadable (then nothing was moved and the record is as it was).
std::string TakeBackResultText(const engine::TakeBackResult& result,
                               const std::function<std::string(std::string_view)>& shown =
                                   [](std::string_view path) { return std::string(path); });
// A kept pass as tarnwick-cli --durchgaenge lists it: its number, when it ran, how many files
// are still to take back, and the folder it searched.
std::string KeptPassLine(const engine::KeptPassSummary& pass,
                         const std::function<std::string(std::string_view)>& shown);
// The window of the kept passes: one row each, newest first, in its columns (number, when,
// folder, files still to take back; for a record that cannot be used its reason in place of
// the folder), and its buttons.
inline constexpr const char* kPassesCaption = "Durchgänge";
inline constexpr const char* kPassesAccessibleName = "Durchgänge, die sich zurückholen lassen";
inline constexpr const char* kPassesColumns[] = {"Nr.", "Zeit", "Ordner", "Zurückzuholen"};
inline constexpr const char* kTakeBackButton = "Zurückholen";
inline constexpr const char* kFilesButton = "Dateien...";
std::vector<std::string> PassRow(const engine::KeptPassSummary& pass);
// The window of one kept pass's files: each with a check box, and the reason why one stayed
// in the trash when it was to come back.
std::string PassFilesCaption(uint64_t number);
inline constexpr const char* kPassFilesLine =
    "Die angehakten Dateien kommen zurück; die übrigen bleiben im Papierkorb und vermerkt.";
inline constexpr const char* kPassFilesAccessibleName =
    "Dateien des Durchgangs, zum Zurückholen angehakt";
std::string StayedInTrash(const std::error_code& error);
// The record of a pass to the trash could not be written, and why.
std::string TrashRecordNotSaved(std::string_view recordPath, const std::error_code& error);
// The folder of the kept passes is not used, and why (a link, another user's, writable by
// others); it is left as it is.
std::string HistoryUnusable(std::string_view folder, const std::error_code& error);
// A pass to the trash did not start: its record could not be kept in that folder.
std::string TrashPassNotStarted(std::string_view folder, const std::error_code& error);
// A setting could not be written, and why.
std::string SettingNotSaved(std::string_view settingsPath, const std::error_code& error);
// The caption of the folder chooser of an installed copy.
inline constexpr const char* kChooseFolderCaption = "Ordner zum Durchsuchen wählen";

// The folders a pass never enters: the main window's menu item, the window that lists them,
// and the delete button's tip while the folder it searches is one of them or lies in one.
inline constexpr const char* kExcludedFoldersMenuItem = "&Ausgenommene Ordner...";
inline constexpr const char* kExcludedFoldersCaption = "Ausgenommene Ordner";
inline constexpr const char* kAddFolderButton = "Ordner hinzufügen...";
inline constexpr const char* kRemoveFolderButton = "Entfernen";
inline constexpr const char* kCloseButton = "Schließen";
inline constexpr const char* kChooseExcludedFolderCaption = "Ordner wählen, der ausgenommen wird";
std::string SearchesNothingTip(std::string_view folder);
// How many folders a pass did not enter because they are excluded.
std::string ExcludedFoldersSkipped(uint64_t count);
// An excluded folder that was not there when a pass started: no failure, but worth knowing.
std::string ExcludedFolderNotFound(std::string_view folder);
// A folder that is excluded already, by this path or another; nothing changes.
std::string AlreadyExcluded(std::string_view folder);
// Why a folder cannot join the excluded ones.
std::string FolderRefused(core::NameList::Refusal refusal);

// The question before a name leaves the list.
std::string RemoveQuestion(std::string_view name);

// Why a name cannot join the list.
std::string NameRefused(core::NameList::Refusal refusal);

// Why something failed, in a few words, always in German; and the same as a stable code for
// scripts ("in_use", "permission_denied", ...; "system_error" for the rest).
std::string Reason(const std::error_code& error);
std::string ReasonCode(const std::error_code& error);

// The settings file could not be read, and why: the list stays empty and the file untouched.
std::string SettingsUnreadable(std::string_view settingsPath, const std::error_code& error);
// The settings file could not be written, and why.
std::string ListNotSaved(std::string_view settingsPath, const std::error_code& error);
// Asked when the list could not be saved as the program ends.
std::string EndWithoutSaving(std::string_view settingsPath, const std::error_code& error);

// The report of a delete pass: the count of deleted files, then a line for each kind of
// failure and for the folders of other file systems left alone, then the paths the report
// names, each with its reason; a stopped pass says so first. `shown` gives a path as it may be
// shown (a terminal wants control characters escaped).
std::string PassReport(const engine::DeleteReport& report,
                       const std::function<std::string(std::string_view)>& shown =
                           [](std::string_view path) { return std::string(path); });

// What a running pass shows; while the found files go, whether they are deleted or go to the
// trash.
inline constexpr const char* kProgressSearching = "Durchsuche:";
const char* ProgressDeleting(bool toTrash);
inline constexpr const char* kProgressStopping = "Wird abgebrochen...";
std::string ProgressCounts(uint64_t folders, uint64_t files);
std::string ProgressDeleted(uint64_t deleted, bool toTrash);

// tarnwick-cli.
// tarnwick-cli's help, one screen.
extern const char* const kCliHelp;
inline constexpr const char* kCliEmptyList = "Die Liste ist leer; es wurde nichts gesucht.";
inline constexpr const char* kCliStoppedNothingDeleted =
    "Der Vorgang wurde abgebrochen; es wurde nichts gelöscht.";
inline constexpr const char* kCliUsageHint = "(tarnwick-cli --help zeigt die Aufrufform)";
inline constexpr const char* kCliEmptyRoot = "Ein leerer Ordnername nennt keinen Ordner.";
inline constexpr const char* kCliRootNeeded =
    "Ein installiertes tarnwick-cli durchsucht nur einen genannten Ordner: tarnwick-cli ORDNER.";
inline constexpr const char* kCliProgramFolderUnknown =
    "Der Ordner des Programms ist nicht bekannt; tarnwick-cli durchsucht nur einen genannten "
    "Ordner: tarnwick-cli ORDNER.";
// The mistakes of a command line.
inline constexpr const char* kCliBadUsage = "ungültiger Aufruf.";
inline constexpr const char* kCliFolderTwice =
    "Der Ordner steht zweimal da: als Argument und mit --root.";
std::string CliUnexpectedArgument(std::string_view argument);
std::string CliUnknownOption(std::string_view option, std::string_view nearest);
std::string CliMissingValue(std::string_view option);
std::string CliBadValue(std::string_view option, std::string_view value);
std::string CliGivenTwice(std::string_view option);
std::string CliTogether(std::string_view first, std::string_view second);
// --undo was given something that is no pass's number.
std::string CliBadPassNumber(std::string_view given);
// The question before a pass deletes for good on a terminal, and what declining it leaves.
std::string CliDeleteForGoodQuestion(uint64_t count);
inline constexpr const char* kCliNothingDeleted = "Es wurde nichts gelöscht.";
// A name that --add refuses or warns about, and one that is listed already.
std::string NotAFileName(std::string_view name, platform::NameFault fault);
std::string NameIsNoPattern(std::string_view name);
std::string AlreadyListed(std::string_view listed);
// How many more there were than are named.
std::string AndMore(uint64_t count);
// Without a folder a pass searches the program's own, which a terminal user is told first.
std::string CliSearchesProgramFolder(std::string_view folder);
std::string CliWouldDelete(uint64_t count, bool toTrash);
std::string CliRootUnreadable(std::string_view root, const std::error_code& error);
std::string CliNotInList(std::string_view name);
std::string CliDeleted(std::string_view path, bool toTrash);
std::string CliAlreadyGone(std::string_view path);
std::string CliOtherFileSystem(std::string_view path);
std::string CliTrashFolder(std::string_view path);
std::string CliExcludedFolder(std::string_view path);
// --ausnahme-hinzufuegen and --ausnahme-entfernen: the folder cannot be, or is not, excluded.
std::string CliNotExcluded(std::string_view folder);
std::string FolderCannotBeExcluded(std::string_view folder, const std::error_code& error);
// --nur-diese: the file of chosen paths cannot be read; chosen paths the pass did not find.
std::string CliChosenUnreadable(std::string_view file, const std::error_code& error);
std::string CliChosenNotFound(uint64_t count);
std::string CliChosenNotInPass(uint64_t count);
std::string CliChosenNotFoundPath(std::string_view path);
std::string CliNotDeleted(std::string_view path, const std::error_code& error, bool toTrash);
std::string CliNotSearched(std::string_view path, const std::error_code& error);

// Plans.
inline constexpr const char* kCliPlanTimeNeeded =
    "--plan-add braucht genau eine Zeit: --daily HH:MM, --weekly TAG HH:MM oder --at-login.";
std::string CliBadClock(std::string_view option, std::string_view value);
std::string CliBadWeekday(std::string_view value);
std::string CliBadPlanNumber(std::string_view option, std::string_view value);
std::string CliBadLimit(std::string_view option, std::string_view value);
// "Plan 1: /home/u/Downloads, täglich 03:00, höchstens 500 Dateien".
std::string PlanSummary(const core::Plan& plan, std::string_view folder);
std::string PlanAdded(const core::Plan& plan, std::string_view folder);
std::string PlanExists(const core::Plan& plan, std::string_view folder);
// The plan's units are written, but no user manager took them up; how cron could run it.
std::string PlanWaitsForUserManager(std::string_view crontabLine);
inline constexpr const char* kPlanInCrontab =
    "Hinweis: Kein systemd-Benutzerdienst hat den Plan übernommen (läuft keiner?); er steht "
    "jetzt in Ihrer crontab, zwischen den Zeilen „# tarnwick … (Anfang)“ und „(Ende)“.";
std::string PlanNotScheduled(const std::error_code& error);
std::string PlanRemoved(uint32_t number);
std::string PlanNotUnscheduled(uint32_t number, const std::error_code& error);
std::string NoSuchPlan(uint32_t number);
std::string PlansNotSaved(std::string_view file, const std::error_code& error);
// What a run of the plan did, or why it did nothing; the notification's text too.
std::string PlanRunText(const core::Plan& plan, const engine::PlannedRun& run,
                        std::string_view folder);
// What a plan would move now, the first of its files named; or why it would move nothing.
std::string PlanPreviewText(const core::Plan& plan, const engine::PlannedRun& look);
// A plan's row in the window: what it is, when it runs next (nothing: at login), its last run.
std::string PlanRow(const core::Plan& plan, std::optional<std::time_t> next);
// The window "Regelmäßig bereinigen", in the menu "Optionen".
inline constexpr const char* kPlansMenuItem = "&Regelmäßig bereinigen...";
inline constexpr const char* kPlansCaption = "Regelmäßig bereinigen";
inline constexpr const char* kPlanAddButton = "&Hinzufügen...";
inline constexpr const char* kPlanRemoveButton = "&Entfernen";
inline constexpr const char* kPlanRunButton = "&Jetzt ausführen";
inline constexpr const char* kPlanPreviewButton = "&Vorschau";
inline constexpr const char* kPlanKindLabel = "&Wann:";
inline constexpr const char* kPlanDayLabel = "&Tag:";
inline constexpr const char* kPlanClockLabel = "&Uhrzeit:";
inline constexpr const char* kPlanLimitLabel = "&Höchstens (Dateien):";
// In the order of core::PlanTime::Kind; the days are core::WeekdayName's.
inline constexpr const char* kPlanKinds[] = {"Täglich", "Wöchentlich", "Bei der Anmeldung"};
inline constexpr const char* kPlanDefaultClock = "03:00";
inline constexpr const char* kChoosePlanFolderCaption = "Ordner wählen, der regelmäßig bereinigt wird";
// What the plan's last run did, short: "zuletzt 09.12.2026, 03:00 Uhr: '12' Dateien ...".
std::string LastRunText(const std::optional<core::PlanRun>& run);

}  // namespace tarnwick::texts
