// Why something failed: in German for the user, and as a stable code for scripts. The
// system's own text is English on many systems and never shown.
#include <cerrno>
#include <system_error>

#include "core/plans.h"
#include "core/trash_history.h"
#include "engine/kept_files.h"
#include "platform/file/held_file.h"
#include "platform/file/private_folder.h"
#include "platform/trash/trash.h"
#include "texts/texts.h"

namespace tarnwick::texts {
namespace {

struct KnownReason {
  std::error_condition condition;
  const char* code;
  const char* text;
};

const std::vector<KnownReason>& KnownReasons() {
  using std::errc;
  const auto is = [](errc code) { return std::make_error_condition(code); };
  const auto own = [](std::error_code code) { return code.default_error_condition(); };
  static const std::vector<KnownReason> reasons = {
      {is(errc::permission_denied), "permission_denied", "Zugriff verweigert"},
      {is(errc::operation_not_permitted), "permission_denied", "Zugriff verweigert"},
      {is(errc::read_only_file_system), "read_only", "schreibgeschützter Datenträger"},
      {is(errc::no_space_on_device), "no_space", "kein Platz mehr auf dem Datenträger"},
      {is(errc::no_such_file_or_directory), "not_found", "nicht vorhanden"},
      {is(errc::is_a_directory), "is_a_folder", "ist ein Ordner"},
      {is(errc::device_or_resource_busy), "in_use", "wird verwendet"},
      {is(errc::text_file_busy), "in_use", "wird verwendet"},
      {is(errc::timed_out), "changed_elsewhere", "wird gerade von einem anderen Programm geändert"},
      {is(errc::illegal_byte_sequence), "unstorable_name",
       "ein Name enthält Zeichen, die die Einstellungsdatei nicht speichern kann"},
      {own(engine::KeptFileError()), "program_file", "eine Datei des Programms selbst"},
      {own(make_error_code(platform::TrashError::kNoTrashHere)), "no_trash",
       "kein Papierkorb auf diesem Datenträger"},
      {own(make_error_code(platform::TrashError::kWouldBeDeleted)), "trash_would_delete",
       "der Papierkorb würde sie endgültig löschen"},
      {own(make_error_code(platform::TrashError::kNoTrashOffered)), "no_trash_offered",
       "das System bietet keinen Papierkorb an"},
      {own(make_error_code(platform::TrashError::kDeletedForGood)), "deleted_for_good",
       "endgültig gelöscht statt in den Papierkorb verschoben"},
      {own(make_error_code(platform::TrashError::kIsTrash)), "trash_folder", "Papierkorb"},
      {own(make_error_code(platform::TrashError::kNoLongerInTrash)), "no_longer_in_trash",
       "nicht mehr im Papierkorb"},
      {own(make_error_code(platform::TrashError::kPlaceTaken)), "place_taken",
       "an ihrem Platz liegt schon eine Datei"},
      {own(make_error_code(platform::TrashError::kFolderGone)), "folder_gone",
       "ihr Ordner ist nicht mehr vorhanden"},
      {own(make_error_code(platform::TrashError::kFolderIsLink)), "folder_is_link",
       "ihr Ordner ist jetzt ein Verweis"},
      {own(make_error_code(platform::TrashError::kFolderElsewhere)), "folder_elsewhere",
       "ihr Ordner liegt jetzt auf einem anderen Datenträger"},
      {own(make_error_code(platform::TrashError::kNotVouched)), "trash_does_not_vouch",
       "der Papierkorb bestätigt nicht, dass sie von dort kam"},
      {own(make_error_code(platform::TrashError::kTrashUnreachable)), "trash_unreachable",
       "ihr Papierkorb ist gerade nicht erreichbar"},
      {own(make_error_code(platform::TrashError::kTrashNotTrusted)), "trash_not_trusted",
       "ihr Papierkorb ist keiner, den ein Durchgang verwenden würde (ein Verweis, fremd oder "
       "ungeschützt)"},
      {own(make_error_code(platform::TrashError::kNotRecorded)), "not_recorded",
       "nicht verschoben: der Durchgang ließ sich nicht vermerken"},
      {own(make_error_code(platform::TrashError::kTrashSwitchedOff)), "trash_off",
       "der Papierkorb ist für diesen Datenträger ausgeschaltet"},
      {own(make_error_code(platform::TrashError::kTooLargeForTrash)), "too_large_for_trash",
       "zu groß für den Papierkorb"},
      {own(make_error_code(platform::TrashError::kTrashFull)), "trash_full",
       "der Papierkorb ist voll: er würde ältere Dateien endgültig löschen"},
      {own(make_error_code(platform::TrashError::kNotNameable)), "not_nameable",
       "der Papierkorb kann ihren Pfad nicht genau benennen (ein Name endet auf Punkt oder "
       "Leerzeichen)"},
      {own(make_error_code(platform::TrashError::kNotTheFileFound)), "not_the_file_found",
       "an ihrer Stelle steht nicht mehr die gefundene Datei"},
      {own(make_error_code(platform::TrashError::kNoWayBack)), "no_way_back",
       "kann nicht zurückgeholt werden"},
      {own(make_error_code(platform::TrashError::kAlreadyBack)), "already_back",
       "war schon wieder an ihrem Platz"},
      {own(make_error_code(platform::TrashError::kBackTrashEntryLeft)), "trash_entry_left",
       "zurückgeholt, aber ihr Eintrag im Papierkorb ließ sich nicht entfernen"},
      {own(make_error_code(platform::PrivacyError::kLink)), "link_in_place",
       "ein Verweis steht an dieser Stelle"},
      {own(make_error_code(platform::PrivacyError::kOtherOwner)), "other_owner",
       "gehört einem anderen Benutzer"},
      {own(make_error_code(platform::PrivacyError::kWritableByOthers)), "writable_by_others",
       "für andere Benutzer beschreibbar"},
      {own(core::DamagedPlan()), "damaged_plan",
       "ein gespeicherter Plan ist beschädigt; die Pläne bleiben, wie sie sind"},
      {own(make_error_code(platform::ScheduleError::kNoUserManager)), "no_user_manager",
       "kein systemd-Benutzerdienst hat ihn übernommen"},
      {own(core::NoPassNumberLeft()), "no_pass_number_left",
       "es ist keine Nummer für einen weiteren Durchgang frei"},
      {own(platform::NotARegularFile()), "not_a_file", "keine gewöhnliche Datei"},
      {is(errc::cross_device_link), "other_file_system", "auf einem anderen Datenträger"},
      {is(errc::operation_canceled), "cancelled", "vom System abgebrochen"},
      {is(errc::not_a_directory), "not_a_folder", "kein Ordner"},
      {is(errc::too_many_symbolic_link_levels), "link", "eine Verknüpfung"},
      {is(errc::file_exists), "exists", "schon vorhanden"},
      {is(errc::filename_too_long), "name_too_long", "Name oder Pfad zu lang"},
      {is(errc::too_many_files_open), "too_many_open", "zu viele offene Dateien"},
      {is(errc::too_many_files_open_in_system), "too_many_open", "zu viele offene Dateien"},
      {is(errc::io_error), "io_error", "Lese- oder Schreibfehler des Datenträgers"},
      {is(errc::file_too_large), "too_large", "Datei zu groß"},
      {is(errc::invalid_argument), "invalid", "ungültige Angabe"},
      {is(errc::not_enough_memory), "no_memory", "nicht genug Arbeitsspeicher"},
      {is(errc::resource_unavailable_try_again), "unavailable", "vorübergehend nicht verfügbar"},
      {is(errc::directory_not_empty), "folder_not_empty", "Ordner ist nicht leer"},
      {is(errc::function_not_supported), "not_supported", "vom Dateisystem nicht unterstützt"},
      {is(errc::not_supported), "not_supported", "vom Dateisystem nicht unterstützt"},
      {is(errc::operation_not_supported), "not_supported", "vom Dateisystem nicht unterstützt"},
      {is(errc::bad_file_descriptor), "bad_handle", "ungültiger Zugriff"},
      {is(errc::interrupted), "interrupted", "unterbrochen"},
      {is(errc::too_many_links), "too_many_links", "zu viele Verweise"},
      {is(errc::no_such_device), "no_device", "Datenträger nicht vorhanden"},
      {is(errc::no_such_device_or_address), "no_device", "Datenträger nicht vorhanden"},
      {is(errc::network_unreachable), "network", "Netzwerk nicht erreichbar"},
      {is(errc::connection_reset), "network", "Netzwerkverbindung getrennt"},
#ifdef EDQUOT
      {std::error_condition(EDQUOT, std::generic_category()), "quota", "Speicherkontingent erschöpft"},
#endif
#ifdef ESTALE
      {std::error_condition(ESTALE, std::generic_category()), "stale", "nicht mehr erreichbar"},
#endif
  };
  return reasons;
}

const KnownReason* Known(const std::error_code& error) {
  const std::error_condition condition = error.default_error_condition();
  for (const KnownReason& known : KnownReasons()) {
    if (condition == known.condition) return &known;
  }
  return nullptr;
}

}  // namespace

std::string Reason(const std::error_code& error) {
  if (const KnownReason* known = Known(error)) return known->text;
  return "Systemfehler " + std::to_string(error.value());
}

std::string ReasonCode(const std::error_code& error) {
  if (const KnownReason* known = Known(error)) return known->code;
  return "system_error";
}

}  // namespace tarnwick::texts
