// tarnwick-cli's help and the mistakes of its command line: what a user reads before anything
// runs.
#include "texts/text_building.h"
#include "texts/texts.h"

namespace tarnwick::texts {

const char* const kCliHelp =
    R"(Aufruf: tarnwick-cli [OPTIONEN] [ORDNER]
Löscht in ORDNER und allen Unterordnern jede Datei, deren Name in der Liste steht,
ohne auf Groß- und Kleinschreibung zu achten (ohne ORDNER: den Ordner des Programms).

Suchen und löschen:
  -n, --dry-run          nur ausgeben, was gelöscht würde
      --trash            in den Papierkorb verschieben (--no-trash: endgültig löschen)
  -y, --yes              auf einem Terminal nicht fragen, bevor endgültig gelöscht wird
      --only DATEI       nur die Pfade aus DATEI, wie --dry-run sie ausgibt (- liest die Eingabe)
      --exclude ORDNER   ORDNER und alles darin auslassen (mehrfach möglich)
Die Liste:
      --list             die Namen ausgeben
      --add NAME...      Namen hinzufügen          --remove NAME...  Namen entfernen
      --excluded         die ausgenommenen Ordner ausgeben
      --exclude-add ORDNER, --exclude-remove ORDNER   dauerhaft ausnehmen, nicht mehr
      --settings DATEI   eine andere Einstellungsdatei (--settings-path gibt sie aus)
Papierkorb und Zurückholen:
      --passes           die Durchgänge in den Papierkorb, die sich zurückholen lassen
      --undo [NR]        den letzten Durchgang (oder Durchgang NR) zurückholen
Regelmäßig bereinigen, immer in den Papierkorb:
      --plan-add ORDNER --daily HH:MM | --weekly TAG HH:MM | --at-login  [--limit N]
                         (--crontab: ohne systemd-Benutzerdienst in die crontab)
      --plans            die Pläne         --plan-remove NR   einen Plan entfernen
      --run-plan NR      einen Plan jetzt ausführen, wie es der Zeitplaner tut
Ausgabe:
  -v, --verbose          jede Datei und jeden Fehler ausgeben
  -q, --quiet            nur ausgeben, was nicht gelang
      --json             ein JSON-Objekt ausgeben (--no-paths: ohne die Liste der Pfade)
  -0, --null             Pfade mit NUL statt Zeilenumbruch beenden, aus- und eingelesen
  -h, --help             diese Hilfe         -V, --version   die Version

Beispiele:
  tarnwick-cli -n ~/Downloads          zeigen, was gelöscht würde
  tarnwick-cli --trash ~/Downloads     in den Papierkorb verschieben
  tarnwick-cli --undo                  den letzten Durchgang zurückholen
  tarnwick-cli --plan-add ~/Downloads --daily 03:00   täglich um 3 Uhr bereinigen

Rückgabewerte: 0 alles erledigt; 1 nicht alles gelöscht oder durchsucht; 2 falscher
Aufruf oder Ordner nicht lesbar; 130 mit Strg+C abgebrochen.
Die deutschen Schreibweisen früherer Versionen gelten weiter (man tarnwick-cli).
)";

std::string CliUnexpectedArgument(std::string_view argument) {
  return Join({"unerwartetes Argument: „", argument, "“."});
}

std::string CliUnknownOption(std::string_view option, std::string_view nearest) {
  std::string text = Join({"unbekannte Option: ", option, "."});
  if (!nearest.empty()) text += Join({" Meinten Sie ", nearest, "?"});
  return text;
}

std::string CliMissingValue(std::string_view option) {
  return Join({option, " braucht einen Wert."});
}

std::string CliBadValue(std::string_view option, std::string_view value) {
  return Join({option, ": „", value, "“ ist kein gültiger Wert."});
}

std::string CliGivenTwice(std::string_view option) {
  return Join({option, " darf nur einmal dastehen."});
}

std::string CliTogether(std::string_view first, std::string_view second) {
  return Join({first, " und ", second, " passen nicht zusammen."});
}

std::string CliBadPassNumber(std::string_view given) {
  return Join({"--undo nimmt keine Nummer oder die Nummer eines Durchgangs (1, 2, …; ",
               "--passes listet sie), nicht „", given, "“."});
}

std::string CliSearchesProgramFolder(std::string_view folder) {
  return Join({"Kein Ordner angegeben: durchsucht wird der Ordner des Programms, ", folder});
}

std::string CliDeleteForGoodQuestion(uint64_t count) {
  return Join({Quoted(count), " Dateien endgültig löschen? [j/N] "});
}

std::string NotAFileName(std::string_view name, platform::NameFault fault) {
  const char* why = "";
  switch (fault) {
    case platform::NameFault::kEmpty: why = "ein leerer Name"; break;
    case platform::NameFault::kDots: why = "„.“ und „..“ nennen Ordner"; break;
    case platform::NameFault::kSeparator:
      why = "er enthält einen Pfadtrenner; ein Eintrag ist der Name einer Datei, kein Pfad";
      break;
    case platform::NameFault::kForbiddenCharacter:
      why = "er enthält ein Zeichen, das kein Dateiname haben kann";
      break;
    case platform::NameFault::kDeviceName: why = "so heißt ein Gerät, keine Datei"; break;
    case platform::NameFault::kTrailingDotOrBlank:
      why = "Punkte und Leerzeichen am Ende lässt das System weg";
      break;
  }
  return Join({"Kein Dateiname, nicht hinzugefügt: „", name, "“ (", why, ")."});
}

std::string NameIsNoPattern(std::string_view name) {
  return Join({"Hinweis: * und ? sind keine Platzhalter; „", name,
               "“ findet nur eine Datei, die genau so heißt."});
}

std::string AlreadyListed(std::string_view listed) {
  return Join({"Schon in der Liste, nichts geändert: ", listed});
}

std::string AndMore(uint64_t count) { return Join({"… und ", std::to_string(count), " weitere"}); }

}  // namespace tarnwick::texts
