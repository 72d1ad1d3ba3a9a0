#include "texts/texts.h"

#include <gtest/gtest.h>

#include "platform/trash/trash.h"

namespace tarnwick::texts {
namespace {

using Kind = engine::NamedPath::Kind;

engine::DeleteReport Report(uint64_t deleted, uint64_t failed, uint64_t unreadable,
                            uint64_t otherFileSystems, bool stopped,
                            std::vector<engine::NamedPath> named = {}) {
  engine::DeleteReport report;
  report.deleted = deleted;
  report.failed = failed;
  report.unreadableDirectories = unreadable;
  report.otherFileSystems = otherFileSystems;
  report.stopped = stopped;
  report.named = std::move(named);
  return report;
}

TEST(PassReport, SaysWhatWentAndNamesWhatDidNot) {
  const auto denied = std::make_error_code(std::errc::permission_denied);
  const auto busy = std::make_error_code(std::errc::device_or_resource_busy);
  const auto missing = std::make_error_code(std::errc::no_such_file_or_directory);
  const struct {
    engine::DeleteReport report;
    const char* text;
  } cases[] = {
      {Report(3, 0, 0, 0, false), "Es wurden '3' Dateien gefunden und gelöscht.   "},
      {Report(0, 0, 0, 0, true),
       "Der Vorgang wurde abgebrochen.\nEs wurden '0' Dateien gefunden und gelöscht.   "},
      {Report(1, 1, 1, 1, false,
              {{"/a/Setup.log", busy, Kind::kFileNotDeleted},
               {"/a/zu", denied, Kind::kFolderNotSearched},
               {"/a/usb", {}, Kind::kOtherFileSystem}}),
       "Es wurden '1' Dateien gefunden und gelöscht.   \n"
       "'1' Dateien wurden gefunden, konnten aber nicht gelöscht werden.\n"
       "'1' Ordner konnten nicht durchsucht werden.\n"
       "'1' Ordner wurden nicht betreten: Dort ist ein anderes Dateisystem eingehängt.\n"
       "\n/a/Setup.log: wird verwendet"
       "\n/a/zu: Zugriff verweigert"
       "\n/a/usb: anderes Dateisystem"},
      {Report(0, 12, 0, 0, false, {{"/x", denied, Kind::kFileNotDeleted}}),
       "Es wurden '0' Dateien gefunden und gelöscht.   \n"
       "'12' Dateien wurden gefunden, konnten aber nicht gelöscht werden.\n"
       "\n/x: Zugriff verweigert\n… und 11 weitere"},
      // To the trash, and what could not go there.
      {[] {
         auto report = Report(2, 1, 0, 0, false,
                              {{"/a/b", make_error_code(platform::TrashError::kNoTrashHere),
                                Kind::kFileNotDeleted}});
         report.toTrash = true;
         return report;
       }(),
       "Es wurden '2' Dateien gefunden und in den Papierkorb verschoben.   \n"
       "'1' Dateien konnten nicht in den Papierkorb verschoben werden.\n"
       "\n/a/b: kein Papierkorb auf diesem Datenträger"},
      // Deleted though the trash was asked for; the trash's own folder left alone; a reason
      // the system words in English is said in German.
      {[] {
         auto report = Report(1, 1, 0, 0, false,
                              {{"/a/c", make_error_code(platform::TrashError::kDeletedForGood),
                                Kind::kDeletedForGood},
                               {"/h/Trash/", {}, Kind::kTrashFolder},
                               {"/a/d", std::make_error_code(std::errc::not_a_directory),
                                Kind::kFileNotDeleted}});
         report.toTrash = true;
         report.deletedForGood = 1;
         report.trashFolders = 1;
         return report;
       }(),
       "Es wurden '1' Dateien gefunden und in den Papierkorb verschoben.   \n"
       "'1' Dateien konnten nicht in den Papierkorb verschoben werden.\n"
       "'1' Dateien wurden endgültig gelöscht, obwohl der Papierkorb gewählt war.\n"
       "'1' Ordner wurden nicht betreten: Sie gehören zum Papierkorb.\n"
       "\n/a/c: endgültig gelöscht statt in den Papierkorb verschoben"
       "\n/h/Trash/: Papierkorb"
       "\n/a/d: kein Ordner"},
      // In the Recycle Bin but without a way back; one the full bin would have made room for.
      {[] {
         auto report = Report(2, 1, 0, 0, false,
                              {{"C:\\a\\b", make_error_code(platform::TrashError::kNoWayBack),
                                Kind::kNoWayBack},
                               {"C:\\a\\c", make_error_code(platform::TrashError::kTrashFull),
                                Kind::kFileNotDeleted}});
         report.toTrash = true;
         report.noWayBack = 1;
         return report;
       }(),
       "Es wurden '2' Dateien gefunden und in den Papierkorb verschoben.   \n"
       "'1' Dateien konnten nicht in den Papierkorb verschoben werden.\n"
       "'1' Dateien liegen im Papierkorb, können aber nicht zurückgeholt werden.\n"
       "\nC:\\a\\b: kann nicht zurückgeholt werden"
       "\nC:\\a\\c: der Papierkorb ist voll: er würde ältere Dateien endgültig löschen"},
      // A root that could not be opened is named with its reason.
      {Report(0, 0, 1, 0, false, {{"/nope/", missing, Kind::kFolderNotSearched}}),
       "Es wurden '0' Dateien gefunden und gelöscht.   \n"
       "'1' Ordner konnten nicht durchsucht werden.\n"
       "\n/nope/: nicht vorhanden"},
      // Excluded folders left alone, named with the others, and one that was not there.
      {[] {
         auto report = Report(3, 0, 0, 0, false, {{"/r/keep/", {}, Kind::kExcludedFolder}});
         report.excludedFolders = 1;
         report.excludedNotFound = {"/gone"};
         return report;
       }(),
       "Es wurden '3' Dateien gefunden und gelöscht.   \n"
       "'1' Ordner wurden ausgelassen: Sie sind ausgenommen.\n"
       "Ausgenommener Ordner nicht gefunden: /gone\n"
       "\n/r/keep/: ausgenommen"},
      // A root in an excluded folder: nothing searched, and why.
      {[] {
         auto report = Report(0, 0, 0, 0, false, {{"/r/keep/sub/", {}, Kind::kExcludedFolder}});
         report.excludedFolders = 1;
         report.rootExcluded = true;
         return report;
       }(),
       "Es wurde nichts durchsucht: Der Ordner ist ausgenommen oder liegt in einem ausgenommenen "
       "Ordner.\n"
       "\n/r/keep/sub/: ausgenommen"},
  };
  for (const auto& c : cases) EXPECT_EQ(PassReport(c.report), c.text);
}

// Files back in their places by someone else's hand, or without their trace in the trash
// removed, are said apart from those that stayed.
TEST(TakeBackReport, SaysWhatCameBackAndHow) {
  engine::TakeBackReport report;
  report.restored = 2;
  report.entriesLeft = 1;
  report.alreadyBack = 1;
  report.named = {
      {"C:\\a", make_error_code(platform::TrashError::kBackTrashEntryLeft), Kind::kFileNotDeleted},
      {"C:\\b", make_error_code(platform::TrashError::kAlreadyBack), Kind::kFileNotDeleted}};
  EXPECT_EQ(TakeBackReport(report),
            "Es wurden '2' Dateien zurückgeholt.\n"
            "'1' Dateien waren schon wieder an ihrem Platz.\n"
            "'1' zurückgeholte Dateien behielten ihren Eintrag im Papierkorb.\n"
            "\nC:\\a: zurückgeholt, aber ihr Eintrag im Papierkorb ließ sich nicht entfernen"
            "\nC:\\b: war schon wieder an ihrem Platz");
}

}  // namespace
}  // namespace tarnwick::texts
