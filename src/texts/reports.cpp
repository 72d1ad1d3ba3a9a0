// The reports of a pass and of taking one back, as both front ends show them.
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
      default: why = Reason(path.error);
    }
    text += Join({"\n", shown(path.path), ": ", why});
  }
  if (total > named.size()) text += Join({"\n… und ", std::to_string(total - named.size()), " weitere"});
  return text;
}

}  // namespace

std::string PassReport(const engine::DeleteReport& report,
                       const std::function<std::string(std::string_view)>& shown) {
  std::string text;
  if (report.stopped) text += "Der Vorgang wurde abgebrochen.\n";
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
  if (report.otherFileSystems > 0) {
    text += Join({"\n", Quoted(report.otherFileSystems),
                  " Ordner wurden nicht betreten: Dort ist ein anderes Dateisystem eingehängt."});
  }
  if (report.trashFolders > 0) {
    text += Join({"\n", Quoted(report.trashFolders),
                  " Ordner wurden nicht betreten: Sie gehören zum Papierkorb."});
  }
  return text + NamedLines(report.named,
                          report.failed + report.unreadableDirectories + report.otherFileSystems +
                              report.trashFolders + report.deletedForGood,
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
  return text + NamedLines(report.named, report.stayed + report.notInTrash, shown);
}

std::string TrashRecordNotSaved(std::string_view recordPath, const std::error_code& error) {
  return Join({"Der Durchgang konnte nicht zum Zurückholen vermerkt werden: ", recordPath, " (",
               Reason(error), ")"});
}

}  // namespace tarnwick::texts
