#include "gui/texts.h"

namespace tarnwick::gui::texts {
namespace {

std::string Quoted(uint64_t count) { return "'" + std::to_string(count) + "'"; }

}  // namespace

std::string RemoveQuestion(std::string_view name) {
  return "Soll der Dateiname '" + std::string(name) + "' entfernt werden ?";
}

std::string NameRefused(core::NameList::Refusal refusal) {
  const std::string start = "Der Dateiname kann nicht in die Liste aufgenommen werden: ";
  switch (refusal) {
    case core::NameList::Refusal::kListFull:
      return start + "Die Liste ist voll (höchstens " + std::to_string(core::NameList::kMaxCount) +
             " Einträge).";
    case core::NameList::Refusal::kLineBreak:
      return start + "Er enthält einen Zeilenumbruch.";
    case core::NameList::Refusal::kOutsideCodePage:
      return start + "Er enthält Zeichen, die die Einstellungsdatei nicht speichern kann.";
  }
  return start;
}

std::string ListNotSaved(std::string_view settingsPath) {
  return "Die Liste konnte nicht gespeichert werden: " + std::string(settingsPath);
}

std::string PassReport(const engine::DeleteReport& report) {
  std::string text;
  if (report.stopped) text += "Der Vorgang wurde abgebrochen.\n";
  text += "Es wurden " + Quoted(report.deleted) + " Dateien gefunden und gelöscht.   ";
  if (report.failed > 0) {
    text += "\n" + Quoted(report.failed) +
            " Dateien wurden gefunden, konnten aber nicht gelöscht werden.";
  }
  if (report.unreadableDirectories > 0) {
    text += "\n" + Quoted(report.unreadableDirectories) +
            " Ordner konnten nicht durchsucht werden.";
  }
  return text;
}

std::string ProgressCounts(uint64_t folders, uint64_t files) {
  return "Ordner: " + std::to_string(folders) + "   Dateien: " + std::to_string(files);
}

std::string ProgressDeleted(uint64_t deleted) { return "Gelöscht: " + std::to_string(deleted); }

std::string CliWouldDelete(uint64_t count) {
  return Quoted(count) + " Dateien würden gelöscht (Probelauf, nichts gelöscht).";
}

std::string CliRootUnreadable(std::string_view root) {
  return "Der Ordner kann nicht gelesen werden: " + std::string(root);
}

std::string CliNotInList(std::string_view name) {
  return "Der Name steht nicht in der Liste: " + std::string(name);
}

std::string CliDeleted(std::string_view path) { return "gelöscht: " + std::string(path); }

std::string CliNotDeleted(std::string_view path, const std::error_code& error) {
  return "nicht gelöscht: " + std::string(path) + ": " + error.message();
}

std::string CliNotSearched(std::string_view path, const std::error_code& error) {
  return "nicht durchsucht: " + std::string(path) + ": " + error.message();
}

}  // namespace tarnwick::gui::texts
