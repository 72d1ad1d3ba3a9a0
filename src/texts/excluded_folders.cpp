// The texts of the folders a pass never enters.
#include "texts/texts.h"
#include "texts/text_building.h"

namespace tarnwick::texts {

std::string SearchesNothingTip(std::string_view folder) {
  return Join({"Durchsucht nichts: ", folder,
               " ist ausgenommen oder liegt in einem ausgenommenen Ordner."});
}

std::string ExcludedFoldersSkipped(uint64_t count) {
  return Join({Quoted(count), " Ordner wurden ausgelassen: Sie sind ausgenommen."});
}

std::string ExcludedFolderNotFound(std::string_view folder) {
  return Join({"Ausgenommener Ordner nicht gefunden: ", folder});
}

std::string FolderRefused(core::NameList::Refusal refusal) {
  return Join({"Der Ordner kann nicht ausgenommen werden: ",
               RefusalReason(refusal, "Sein Pfad", "zu lang für die Einstellungsdatei")});
}

std::string CliExcludedFolder(std::string_view path) {
  return Join({"nicht betreten (ausgenommen): ", path});
}

std::string AlreadyExcluded(std::string_view folder) {
  return Join({"Der Ordner ist schon ausgenommen; nichts geändert: ", folder});
}

std::string CliNotExcluded(std::string_view folder) {
  return Join({"Der Ordner ist nicht unter den ausgenommenen: ", folder});
}

std::string FolderCannotBeExcluded(std::string_view folder, const std::error_code& error) {
  return Join({"Der Ordner kann nicht ausgenommen werden: ", folder, " (", Reason(error), ")"});
}

}  // namespace tarnwick::texts
