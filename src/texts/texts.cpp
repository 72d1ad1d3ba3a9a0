#include "texts/texts.h"

#include "texts/text_building.h"

namespace tarnwick::texts {

namespace {

// What the tip says of the found files: where they go, and whether they are shown first.
std::string WhatBecomesOfThem(bool toTrash, bool lookFirst) {
  std::string text = toTrash ? "verschiebt die gefundenen Dateien in den Papierkorb "
                               "(zurückholen: Verlauf > Durchgänge)."
                             : "löscht die gefundenen Dateien endgültig.";
  if (lookFirst) text += " Die gefundenen Dateien werden zuerst gezeigt.";
  return text;
}

}  // namespace

const char* DeleteButton(bool toTrash) {
  return toTrash ? "Jetzt rekursiv nach den gelisteten Dateinamen suchen und in den Papierkorb "
                   "verschieben"
                 : kDeleteButton;
}

std::string SearchesFolderTip(std::string_view folder, bool toTrash, bool lookFirst) {
  return Join({"Durchsucht ", folder, " und alle Unterordner und ",
               WhatBecomesOfThem(toTrash, lookFirst)});
}

std::string AsksForFolderTip(bool toTrash, bool lookFirst) {
  return Join({"Fragt zuerst, welcher Ordner durchsucht wird, und ",
               WhatBecomesOfThem(toTrash, lookFirst)});
}

std::string SettingNotSaved(std::string_view settingsPath, const std::error_code& error) {
  return Join({"Die Einstellung konnte nicht gespeichert werden: ", settingsPath, " (",
               Reason(error), ")"});
}

std::string RemoveQuestion(std::string_view name) {
  return Join({"Soll der Dateiname '", name, "' entfernt werden ?"});
}

std::string RefusalReason(core::NameList::Refusal refusal, std::string_view subject,
                          std::string_view tooLong) {
  switch (refusal) {
    case core::NameList::Refusal::kListFull:
      return Join({"Die Liste ist voll (höchstens ", std::to_string(core::NameList::kMaxCount),
                   " Einträge)."});
    case core::NameList::Refusal::kTooLong:
      return Join({subject, " ist ", tooLong, "."});
    case core::NameList::Refusal::kLineBreak:
      return Join({subject, " enthält einen Zeilenumbruch."});
    case core::NameList::Refusal::kOutsideCodePage:
      return Join({subject, " enthält Zeichen, die die Einstellungsdatei nicht speichern kann."});
  }
  return {};
}

std::string NameRefused(core::NameList::Refusal refusal) {
  return Join({"Der Dateiname kann nicht in die Liste aufgenommen werden: ",
               RefusalReason(refusal, "Er", "länger, als ein Dateiname sein kann")});
}

std::string SettingsUnreadable(std::string_view settingsPath, const std::error_code& error) {
  return Join({"Die Einstellungsdatei kann nicht gelesen werden: ", settingsPath, " (",
               Reason(error), "). Sie bleibt, wie sie ist; die Liste ist leer, bis sie sich "
               "lesen lässt."});
}

std::string ListNotSaved(std::string_view settingsPath, const std::error_code& error) {
  return Join({"Die Liste konnte nicht gespeichert werden: ", settingsPath, " (", Reason(error),
               ")"});
}

std::string EndWithoutSaving(std::string_view settingsPath, const std::error_code& error) {
  return Join({ListNotSaved(settingsPath, error),
               "\n\nTrotzdem beenden? Die Änderungen an der Liste gehen dann verloren."});
}

std::string FoundFilesLine(uint64_t found) {
  return Join({"Es wurden ", Quoted(found), " Dateien gefunden."});
}

const char* DealButton(bool toTrash) { return toTrash ? "In den Papierkorb verschieben" : "Löschen"; }

std::string ProgressCounts(uint64_t folders, uint64_t files) {
  return Join({"Ordner: ", std::to_string(folders), "   Dateien: ", std::to_string(files)});
}

const char* ProgressDeleting(bool toTrash) {
  return toTrash ? "Verschiebe die gefundenen Dateien in den Papierkorb, aus:"
                 : "Lösche die gefundenen Dateien in:";
}

std::string ProgressDeleted(uint64_t deleted, bool toTrash) {
  return Join(
      {toTrash ? "In den Papierkorb verschoben: " : "Gelöscht: ", std::to_string(deleted)});
}

std::string CliWouldDelete(uint64_t count, bool toTrash) {
  if (toTrash) {
    return Join({Quoted(count),
                 " Dateien würden in den Papierkorb verschoben (Probelauf, nichts verschoben)."});
  }
  return Join({Quoted(count), " Dateien würden gelöscht (Probelauf, nichts gelöscht)."});
}

std::string CliRootUnreadable(std::string_view root, const std::error_code& error) {
  return Join({"Der Ordner kann nicht gelesen werden: ", root, " (", Reason(error), ")"});
}

std::string CliNotInList(std::string_view name) {
  return Join({"Der Name steht nicht in der Liste: ", name});
}

std::string CliDeleted(std::string_view path, bool toTrash) {
  return Join({toTrash ? "in den Papierkorb: " : "gelöscht: ", path});
}

std::string CliAlreadyGone(std::string_view path) {
  return Join({"nicht mehr vorhanden: ", path});
}

std::string CliOtherFileSystem(std::string_view path) {
  return Join({"nicht betreten (ein anderes Dateisystem): ", path});
}

std::string CliTrashFolder(std::string_view path) {
  return Join({"nicht betreten (der Papierkorb): ", path});
}

std::string CliChosenUnreadable(std::string_view file, const std::error_code& error) {
  return Join({"Die Auswahl kann nicht gelesen werden: ", file, " (", Reason(error), ")"});
}

std::string CliChosenNotFound(uint64_t count) {
  return Join({Quoted(count),
               " Pfade der Auswahl wurden bei der Suche nicht gefunden; sie bleiben unberührt."});
}

std::string CliChosenNotInPass(uint64_t count) {
  return Join({Quoted(count), " Pfade der Auswahl gehören nicht zu diesem Durchgang; nichts von ",
               "ihnen wurde zurückgeholt."});
}

std::string CliChosenNotFoundPath(std::string_view path) {
  return Join({"nicht gefunden, unberührt: ", path});
}

std::string CliNotDeleted(std::string_view path, const std::error_code& error, bool toTrash) {
  return Join({toTrash ? "nicht in den Papierkorb verschoben: " : "nicht gelöscht: ", path, ": ",
               Reason(error)});
}

std::string CliNotSearched(std::string_view path, const std::error_code& error) {
  return Join({"nicht durchsucht: ", path, ": ", Reason(error)});
}

}  // namespace tarnwick::texts
