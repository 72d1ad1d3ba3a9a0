// The reports of a pass and of taking one back, as both front ends show them.
#include <ctime>

#include "texts/texts.h"
#include "texts/text_building.h"

namespace tarnwick::texts {
namespace {

// Which paths, and why; then how many more there were than the report names.
std::string NamedLines(const std::vector<engine::NamedPath>& named, uint64_t total,
                       const std::function<std::string(std::string_view)>& shown) {
  std::string text;
  if (!named.empty()) text += "\n";
  for (const engine::NamedPath& path : named) {
    std::string why;
    switch (path.kind) {
      case engine::NamedPath::Kind::kOtherFileSystem: why = "anderes Dateisystem"; break;
      case engine::NamedPath::Kind::kTrashFolder: why = "Papierkorb"; break;
      case engine::NamedPath::Kind::kExcludedFolder: why = "ausgenommen"; break;
      default: why = Reason(path.error);
    }
    text += Join({"\n", shown(path.path), ": ", why});
  }
  if (total > named.size()) text += Join({"\n", AndMore(total - named.size())});
  return text;
}

std::string ExcludedNotFoundLines(const engine::DeleteReport& report,
                                  const std::function<std::string(std::string_view)>& shown) {
  std::string text;
  for (const std::string& folder : report.excludedNotFound) {
    text += Join({"\n", ExcludedFolderNotFound(shown(folder))});
  }
  return text;
}


// Why a kept pass's record cannot be used: held by a pass or a take-back, damaged, unreadable.
std::string UnusableRecord(const engine::KeptRecord& record,
                           const std::function<std::string(std::string_view)>& shown) {
  const std::string pass = std::to_string(record.number);
  const std::string path = shown(record.path);
  if (record.error == std::errc::device_or_resource_busy) {
    return Join({"Durchgang ", pass, " läuft noch oder wird gerade zurückgeholt; seine Liste ",
                 "ist in Gebrauch: ", path});
  }
  if (record.badLine != 0) {
    return Join({"Die Liste des Durchgangs ", pass, " ist ab Zeile ", std::to_string(record.badLine),
                 " beschädigt: ", path});
  }
  return Join({"Die Liste des Durchgangs ", pass, " kann nicht gelesen werden: ", path, " (",
               Reason(record.error), ")"});
}

// " (geplant, Plan N)" after a planned pass's time; nothing for a pass asked for.
std::string PlannedBy(const engine::KeptPassSummary& pass) {
  return pass.plan == 0 ? std::string() : Join({" (geplant, Plan ", std::to_string(pass.plan), ")"});
}

}  // namespace

// A time as German readers write it, in local time: 08.12.2026, 19:40 Uhr.
std::string LocalDateTime(int64_t when) {
  const std::time_t time = static_cast<std::time_t>(when);
  char text[32] = "";
  if (const std::tm* local = std::localtime(&time)) {
    std::strftime(text, sizeof text, "%d.%m.%Y, %H:%M Uhr", local);
  }
  return text;
}

std::string PassReport(const engine::DeleteReport& report,
                       const std::function<std::string(std::string_view)>& shown) {
  std::string text;
  if (report.rootExcluded) {
    text = "Es wurde nichts durchsucht: Der Ordner ist ausgenommen oder liegt in einem "
           "ausgenommenen Ordner.";
    return text + ExcludedNotFoundLines(report, shown) + NamedLines(report.named, 1, shown);
  }
  if (report.stopped) text += "Der Vorgang wurde abgebrochen.\n";
  if (report.stoppedUnrecorded) {
    text += "Der Durchgang wurde angehalten: Er ließ sich nicht weiter zum Zurückholen "
            "vermerken, und ohne Vermerk wird nichts verschoben.\n";
  }
  text += Join({"Es wurden ", Quoted(report.deleted), " Dateien gefunden und ",
                report.toTrash ? "in den Papierkorb verschoben.   " : "gelöscht.   "});
  if (report.failed > 0) {
    text += Join({"\n", Quoted(report.failed),
                  report.toTrash
                      ? " Dateien konnten nicht in den Papierkorb verschoben werden."
                      : " Dateien wurden gefunden, konnten aber nicht gelöscht werden."});
  }
  if (report.unreadableDirectories > 0) {
    text += Join({"\n", Quoted(report.unreadableDirectories),
                  " Ordner konnten nicht durchsucht werden."});
  }
  if (report.deletedForGood > 0) {
    text += Join({"\n", Quoted(report.deletedForGood),
                  " Dateien wurden endgültig gelöscht, obwohl der Papierkorb gewählt war."});
  }
  if (report.noWayBack > 0) {
    text += Join({"\n", Quoted(report.noWayBack),
                  " Dateien liegen im Papierkorb, können aber nicht zurückgeholt werden."});
  }
  if (report.otherFileSystems > 0) {
    text += Join({"\n", Quoted(report.otherFileSystems),
                  " Ordner wurden nicht betreten: Dort ist ein anderes Dateisystem eingehängt."});
  }
  if (report.trashFolders > 0) {
    text += Join({"\n", Quoted(report.trashFolders),
                  " Ordner wurden nicht betreten: Sie gehören zum Papierkorb."});
  }
  if (report.excludedFolders > 0) {
    text += Join({"\n", ExcludedFoldersSkipped(report.excludedFolders)});
  }
  return text + ExcludedNotFoundLines(report, shown) +
         NamedLines(report.named,
                    report.failed + report.unreadableDirectories + report.otherFileSystems +
                        report.trashFolders + report.excludedFolders + report.deletedForGood +
                        report.noWayBack,
                    shown);
}

std::string TakeBackReport(const engine::TakeBackReport& report,
                           const std::function<std::string(std::string_view)>& shown) {
  std::string text = Join({"Es wurden ", Quoted(report.restored), " Dateien zurückgeholt."});
  if (report.stayed > 0) {
    text += Join({"\n", Quoted(report.stayed), " Dateien blieben im Papierkorb."});
  }
  if (report.notInTrash > 0) {
    text += Join({"\n", Quoted(report.notInTrash),
                  " Dateien waren nicht mehr im Papierkorb und blieben unberührt."});
  }
  if (report.alreadyBack > 0) {
    text += Join({"\n", Quoted(report.alreadyBack),
                  " Dateien waren schon wieder an ihrem Platz."});
  }
  if (report.entriesLeft > 0) {
    text += Join({"\n", Quoted(report.entriesLeft),
                  " zurückgeholte Dateien behielten ihren Eintrag im Papierkorb."});
  }
  return text + NamedLines(report.named,
                           report.stayed + report.notInTrash + report.alreadyBack +
                               report.entriesLeft,
                           shown);
}

std::string TakeBackResultText(const engine::TakeBackResult& result,
                               const std::function<std::string(std::string_view)>& shown) {
  using Outcome = engine::TakeBackResult::Outcome;
  switch (result.outcome) {
    case Outcome::kNothingToTakeBack: return kNothingToTakeBack;
    case Outcome::kNoSuchPass:
      return "Es gibt keinen Durchgang dieser Nummer, der zurückgeholt werden könnte.";
    case Outcome::kRecordUnusable:
      if (result.record.error == std::errc::device_or_resource_busy) {
        return UnusableRecord(result.record, shown);
      }
      return UnusableRecord(result.record, shown) +
             "\nNichts wurde zurückgeholt; die Liste bleibt, wie sie ist.";
    case Outcome::kHistoryUnusable:
      return HistoryUnusable(shown(result.historyFolder), result.historyError) +
             "\nNichts wurde zurückgeholt.";
    case Outcome::kTakenBack: break;
  }
  std::string text = TakeBackReport(result.report, shown);
  const std::string record = shown(result.record.path);
  if (result.lastLineCut) {
    text += Join({"\n\nDie letzte Zeile der Liste war unvollständig (der Durchgang endete, ",
                  "während er sie schrieb) und wurde übergangen: ", record});
  }
  if (result.notSaved) text += "\n\n" + TrashRecordNotSaved(record, result.notSaved);
  return text;
}

std::string KeptPassLine(const engine::KeptPassSummary& pass,
                         const std::function<std::string(std::string_view)>& shown) {
  if (pass.record.Unusable()) return UnusableRecord(pass.record, shown);
  const std::string when = pass.when == 0 ? std::string("aus einer früheren Version")
                                          : Join({"vom ", LocalDateTime(pass.when)});
  return Join({"Durchgang ", std::to_string(pass.record.number), " ", when, PlannedBy(pass), ": ",
               Quoted(pass.toTakeBack), " Dateien zurückzuholen, aus ", shown(pass.root)});
}

std::string HistoryUnusable(std::string_view folder, const std::error_code& error) {
  return Join({"Der Ordner der Durchgänge wird nicht verwendet: ", folder, " (", Reason(error),
               "). Er bleibt, wie er ist."});
}

std::string TrashPassNotStarted(std::string_view folder, const std::error_code& error) {
  return Join({"Es wurde nichts in den Papierkorb verschoben: Der Durchgang ließe sich nicht ",
               "zurückholen.\n", HistoryUnusable(folder, error)});
}

std::vector<std::string> PassRow(const engine::KeptPassSummary& pass) {
  const auto asIs = [](std::string_view path) { return std::string(path); };
  if (pass.record.Unusable()) {
    return {std::to_string(pass.record.number), "", UnusableRecord(pass.record, asIs), ""};
  }
  return {std::to_string(pass.record.number),
          (pass.when == 0 ? std::string("frühere Version") : LocalDateTime(pass.when)) +
              PlannedBy(pass),
          pass.root,
          std::to_string(pass.toTakeBack)};
}

std::string PassFilesCaption(uint64_t number) {
  return Join({"Dateien des Durchgangs ", std::to_string(number)});
}

std::string StayedInTrash(const std::error_code& error) {
  return Join({"blieb im Papierkorb: ", Reason(error)});
}

std::string TrashRecordNotSaved(std::string_view recordPath, const std::error_code& error) {
  return Join({"Der Durchgang konnte nicht zum Zurückholen vermerkt werden: ", recordPath, " (",
               Reason(error), ")"});
}

}  // namespace tarnwick::texts
