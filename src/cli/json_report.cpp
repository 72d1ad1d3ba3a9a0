#include "cli/json_report.h"

#include <nlohmann/json.hpp>

#include "texts/texts.h"

namespace tarnwick::cli {
namespace {

using nlohmann::json;

const char* KindCode(engine::NamedPath::Kind kind) {
  switch (kind) {
    case engine::NamedPath::Kind::kFileNotDeleted: return "file_not_dealt_with";
    case engine::NamedPath::Kind::kFolderNotSearched: return "folder_not_searched";
    case engine::NamedPath::Kind::kOtherFileSystem: return "other_file_system";
    case engine::NamedPath::Kind::kTrashFolder: return "trash_folder";
    case engine::NamedPath::Kind::kDeletedForGood: return "deleted_for_good";
  }
  return "unknown";
}

json Named(const std::vector<engine::NamedPath>& paths) {
  json named = json::array();
  for (const engine::NamedPath& path : paths) {
    json entry = {{"path", path.path}, {"kind", KindCode(path.kind)}};
    if (path.error) {
      entry["reason"] = texts::Reason(path.error);
      entry["code"] = texts::ReasonCode(path.error);
    }
    named.push_back(std::move(entry));
  }
  return named;
}

json Common(const engine::DeleteReport& report, std::optional<uint64_t> notChosenFound) {
  json object = {
      {"to_trash", report.toTrash},
      {"stopped", report.stopped},
      {"failed", report.failed},
      {"deleted_for_good", report.deletedForGood},
      {"unreadable_folders", report.unreadableDirectories},
      {"other_file_systems", report.otherFileSystems},
      {"trash_folders", report.trashFolders},
  };
  if (notChosenFound) object["chosen_not_found"] = *notChosenFound;
  object["named"] = Named(report.named);
  return object;
}

// A file name need not be UTF-8; what is not is replaced rather than refused.
std::string Dump(const json& object) {
  return object.dump(-1, ' ', false, json::error_handler_t::replace);
}

}  // namespace

std::string JsonPassReport(const engine::DeleteReport& report,
                           std::optional<uint64_t> notChosenFound) {
  json object = Common(report, notChosenFound);
  object["dealt_with"] = report.deleted;
  return Dump(object);
}

std::string JsonDryRunReport(const engine::DeleteReport& report,
                             const std::vector<std::string>& wouldGo,
                             std::optional<uint64_t> notChosenFound) {
  json object = Common(report, notChosenFound);
  object["dry_run"] = true;
  object["would_deal_with"] = wouldGo.size();
  object["paths"] = wouldGo;
  return Dump(object);
}

std::string JsonTakeBackReport(const engine::TakeBackReport& report) {
  return Dump({{"taken_back", report.restored},
               {"stayed_in_trash", report.stayed},
               {"no_longer_in_trash", report.notInTrash},
               {"named", Named(report.named)}});
}

}  // namespace tarnwick::cli
