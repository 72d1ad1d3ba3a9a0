// Plans: what adding, listing and running them says, in the window, on the command line and in
// the notification after a run.
#include "texts/text_building.h"
#include "texts/texts.h"

namespace tarnwick::texts {
namespace {

using Outcome = engine::PlannedRun::Outcome;

std::string PlanName(uint32_t number) { return Join({"Plan ", std::to_string(number)}); }

}  // namespace

std::string CliBadClock(std::string_view option, std::string_view value) {
  return Join({option, ": „", value, "“ ist keine Uhrzeit (HH:MM, etwa 03:00)."});
}

std::string CliBadWeekday(std::string_view value) {
  return Join({"--weekly: „", value, "“ ist kein Wochentag (Mo, Di, Mi, Do, Fr, Sa, So)."});
}

std::string CliBadPlanNumber(std::string_view option, std::string_view value) {
  return Join({option, " nimmt die Nummer eines Plans (--plans listet sie), nicht „", value, "“."});
}

std::string CliBadLimit(std::string_view option, std::string_view value) {
  return Join({option, ": „", value, "“ ist keine Anzahl von Dateien (eine Zahl ab 1)."});
}

std::string PlanSummary(const core::Plan& plan, std::string_view folder) {
  return Join({PlanName(plan.number), ": ", folder, ", ", core::PlanTimeText(plan.time),
               ", höchstens ", std::to_string(plan.limit),
               plan.limit == 1 ? " Datei" : " Dateien"});
}

std::string PlanAdded(const core::Plan& plan, std::string_view folder) {
  return Join({PlanSummary(plan, folder), ", immer in den Papierkorb: angelegt."});
}

std::string PlanExists(const core::Plan& plan, std::string_view folder) {
  return Join({"Diesen Plan gibt es schon, nichts geändert: ", PlanSummary(plan, folder), "."});
}

std::string PlanWaitsForUserManager(std::string_view crontabLine) {
  std::string text =
      "Hinweis: Die Zeitplan-Dateien liegen bereit, aber kein systemd-Benutzerdienst hat sie "
      "übernommen (läuft keiner?); er liest sie, sobald er startet.";
  if (!crontabLine.empty()) {
    text +=
        Join({" Ohne ihn startet diese Zeile der crontab den Plan (crontab -e, oder --plan-add mit "
              "--crontab):\n",
              crontabLine});
  }
  return text;
}

std::string PlanNotScheduled(const std::error_code& error) {
  return Join(
      {"Der Plan ist gespeichert, aber der Zeitplaner des Systems hat ihn nicht "
       "angenommen: ",
       Reason(error), "."});
}

std::string PlanRemoved(uint32_t number) { return Join({PlanName(number), " entfernt."}); }

std::string PlanNotUnscheduled(uint32_t number, const std::error_code& error) {
  return Join({PlanName(number),
               " ist entfernt, aber der Zeitplaner des Systems behielt ihn: ", Reason(error), "."});
}

std::string NoSuchPlan(uint32_t number) {
  return Join({"Einen ", PlanName(number), " gibt es nicht (--plans listet die Pläne)."});
}

std::string PlansNotSaved(std::string_view file, const std::error_code& error) {
  return Join({"Die Pläne konnten nicht gespeichert werden: ", file, " (", Reason(error), ")."});
}

std::string PlanRunText(const core::Plan& plan, const engine::PlannedRun& run,
                        std::string_view folder) {
  const std::string who = PlanName(plan.number) + ": ";
  const std::string nothing = who + "Nichts verschoben: ";
  switch (run.outcome) {
    case Outcome::kMoved: {
      const uint64_t moved = run.pass.report ? run.pass.report->deleted : 0;
      if (run.passNumber == 0) return Join({who, "In ", folder, " wurde nichts gefunden."});
      const std::string pass = std::to_string(run.passNumber);
      return Join({who, Quoted(moved), " Dateien aus ", folder,
                   " in den Papierkorb verschoben (Durchgang ", pass,
                   "; zurückholen: tarnwick-cli --undo ", pass, ")."});
    }
    case Outcome::kFolderGone:
      return Join({nothing, "Der Ordner ", folder, " ist nicht mehr da."});
    case Outcome::kFolderReplaced:
      return Join({nothing, "An der Stelle von ", folder,
                   " steht jetzt ein anderer Ordner (ersetzt, ein Verweis oder ein eingehängtes "
                   "Dateisystem)."});
    case Outcome::kListEmpty:
      return nothing + "Die Liste ist leer.";
    case Outcome::kOverLimit:
      return Join({nothing, Quoted(run.found), " Dateien gefunden, mehr als die erlaubten ",
                   std::to_string(plan.limit), "."});
    case Outcome::kBusy:
      return nothing +
             "Ein anderer Durchgang dieser Einstellungen läuft gerade; dieser Lauf "
             "wurde ausgelassen.";
    case Outcome::kSettingsUnreadable:
      return Join({nothing, "Die Einstellungsdatei ist nicht lesbar (", Reason(run.error), ")."});
    case Outcome::kSettingsNotPrivate:
      return Join({nothing, "Die Einstellungsdatei wird für einen Lauf ohne Sie nicht verwendet (",
                   Reason(run.error), ")."});
    case Outcome::kHistoryUnusable:
      return nothing + "Der Durchgang ließe sich nicht zurückholen.";
    case Outcome::kLooked:
      return PlanPreviewText(plan, run);
  }
  return {};
}

std::string PlanPreviewText(const core::Plan& plan, const engine::PlannedRun& look) {
  if (look.outcome != Outcome::kLooked) return PlanRunText(plan, look, plan.folder);
  if (look.found == 0)
    return Join({PlanName(plan.number), " fände in ", plan.folder, " jetzt nichts."});
  std::string text = Join({PlanName(plan.number), " würde jetzt ", Quoted(look.found),
                           " Dateien aus ", plan.folder, " in den Papierkorb verschieben:"});
  constexpr size_t kShown = 15;
  for (size_t i = 0; i < look.wouldMove.size() && i < kShown; ++i) {
    text += Join({"\n", look.wouldMove[i]});
  }
  if (look.wouldMove.size() > kShown) text += Join({"\n", AndMore(look.wouldMove.size() - kShown)});
  return text;
}

std::string PlanRow(const core::Plan& plan, std::optional<std::time_t> next) {
  const std::string upcoming = next ? Join({"nächster Lauf ", LocalDateTime(*next)})
                                    : std::string("bei der nächsten Anmeldung");
  return Join({PlanSummary(plan, plan.folder), "; ", upcoming, "; ", LastRunText(plan.lastRun)});
}

std::string LastRunText(const std::optional<core::PlanRun>& run) {
  if (!run) return "noch nicht gelaufen";
  const std::string when = LocalDateTime(run->when);
  if (run->outcome == "moved") {
    if (run->pass == 0) return Join({"zuletzt ", when, ": nichts gefunden"});
    return Join({"zuletzt ", when, ": ", Quoted(run->moved),
                 " Dateien in den Papierkorb (Durchgang ", std::to_string(run->pass), ")"});
  }
  const char* why = "nichts verschoben";
  if (run->outcome == "folder_gone") why = "nichts verschoben, der Ordner fehlte";
  if (run->outcome == "folder_replaced") why = "nichts verschoben, ein anderer Ordner stand dort";
  if (run->outcome == "list_empty") why = "nichts verschoben, die Liste war leer";
  if (run->outcome == "over_limit") why = "nichts verschoben, zu viele Dateien";
  if (run->outcome == "busy") why = "ausgelassen, ein anderer Durchgang lief";
  return Join({"zuletzt ", when, ": ", why});
}

}  // namespace tarnwick::texts
