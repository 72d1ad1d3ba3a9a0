#include "cli/json_report.h"

#include <cstdint>
#include <optional>
#include <string_view>

#include <nlohmann/json.hpp>

#include "texts/texts.h"

namespace tarnwick::cli {
namespace {

using nlohmann::json;

std::string Base64(std::string_view bytes) {
  static constexpr char kDigits[] =
      "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
  const auto byte = [&bytes](size_t i) -> uint32_t {
    return i < bytes.size() ? static_cast<unsigned char>(bytes[i]) : 0;
  };
  std::string text;
  text.reserve((bytes.size() + 2) / 3 * 4);
  for (size_t i = 0; i < bytes.size(); i += 3) {
    const uint32_t group = byte(i) << 16 | byte(i + 1) << 8 | byte(i + 2);
    text += kDigits[group >> 18];
    text += kDigits[(group >> 12) & 63];
    text += i + 1 < bytes.size() ? kDigits[(group >> 6) & 63] : '=';
    text += i + 2 < bytes.size() ? kDigits[group & 63] : '=';
  }
  return text;
}

// JSON holds only UTF-8: a path that is not (a file name may be any bytes) is shown with
// U+FFFD where it is not, and its exact bytes go beside it in base64, so that a script can
// name the very file again. Nothing for a path JSON takes as it is.
std::optional<std::string> BytesOfNonText(const std::string& path) {
  try {
    (void)json(path).dump();
    return std::nullopt;
  } catch (const json::type_error&) {
    return Base64(path);
  }
}

const char* KindCode(engine::NamedPath::Kind kind) {
  switch (kind) {
    case engine::NamedPath::Kind::kFileNotDeleted: return "file_not_dealt_with";
    case engine::NamedPath::Kind::kFolderNotSearched: return "folder_not_searched";
    case engine::NamedPath::Kind::kOtherFileSystem: return "other_file_system";
    case engine::NamedPath::Kind::kTrashFolder: return "trash_folder";
    case engine::NamedPath::Kind::kDeletedForGood: return "deleted_for_good";
    case engine::NamedPath::Kind::kExcludedFolder: return "excluded_folder";
    case engine::NamedPath::Kind::kNoWayBack: return "no_way_back";
  }
  return "unknown";
}

// A text as `field`, and its exact bytes as `field`_bytes where JSON cannot hold it.
json Entry(const char* field, const std::string& text) {
  json entry = {{field, text}};
  if (auto bytes = BytesOfNonText(text)) entry[std::string(field) + "_bytes"] = std::move(*bytes);
  return entry;
}

json Entries(const char* field, const std::vector<std::string>& texts) {
  json entries = json::array();
  for (const std::string& text : texts) entries.push_back(Entry(field, text));
  return entries;
}

json Named(const std::vector<engine::NamedPath>& paths) {
  json named = json::array();
  for (const engine::NamedPath& path : paths) {
    json entry = Entry("path", path.path);
    entry["kind"] = KindCode(path.kind);
    if (path.error) {
      entry["reason"] = texts::Reason(path.error);
      entry["code"] = texts::ReasonCode(path.error);
    }
    named.push_back(std::move(entry));
  }
  return named;
}

json Common(const engine::DeleteReport& report, const std::vector<std::string>* notChosenFound) {
  json object = {
      {"to_trash", report.toTrash},
      {"stopped", report.stopped},
      {"failed", report.failed},
      {"deleted_for_good", report.deletedForGood},
      {"no_way_back", report.noWayBack},
      {"unreadable_folders", report.unreadableDirectories},
      {"other_file_systems", report.otherFileSystems},
      {"trash_folders", report.trashFolders},
      {"excluded_folders", report.excludedFolders},
      {"root_excluded", report.rootExcluded},
      {"excluded_not_found", Entries("path", report.excludedNotFound)},
  };
  if (notChosenFound != nullptr) {
    object["chosen_not_found"] = notChosenFound->size();
    object["chosen_not_found_paths"] = Entries("path", *notChosenFound);
  }
  object["named"] = Named(report.named);
  return object;
}

// The paths as "paths"; beside them, in the same order, the bytes of each that JSON cannot hold
// exactly, null for the others, only when there is such a path.
void PutPaths(const std::vector<std::string>& paths, json& object) {
  object["paths"] = paths;
  json bytes = json::array();
  bool anyBytes = false;
  for (const std::string& path : paths) {
    auto exact = BytesOfNonText(path);
    anyBytes = anyBytes || exact.has_value();
    bytes.push_back(exact ? json(std::move(*exact)) : json(nullptr));
  }
  if (anyBytes) object["paths_bytes"] = std::move(bytes);
}

// A kept pass's record: its path, and why it cannot be used, if so.
void PutRecord(const engine::KeptRecord& record, json& object) {
  object["record"] = record.path;
  if (!record.Unusable()) return;
  object["record_unusable"] = true;
  if (record.badLine != 0) object["bad_line"] = record.badLine;
  if (record.error) {
    object["reason"] = texts::Reason(record.error);
    object["code"] = texts::ReasonCode(record.error);
  }
}

// A file name need not be UTF-8; what is not is replaced rather than refused.
std::string Dump(const json& object) {
  return object.dump(-1, ' ', false, json::error_handler_t::replace);
}

}  // namespace

std::string JsonPassReport(const engine::DeleteReport& report,
                           const std::vector<std::string>* notChosenFound,
                           const std::vector<std::string>* dealtWith) {
  json object = Common(report, notChosenFound);
  object["dealt_with"] = report.deleted;
  if (dealtWith != nullptr) PutPaths(*dealtWith, object);
  return Dump(object);
}

std::string JsonDryRunReport(const engine::DeleteReport& report,
                             const std::vector<std::string>& wouldGo,
                             const std::vector<std::string>* notChosenFound) {
  json object = Common(report, notChosenFound);
  object["dry_run"] = true;
  object["would_deal_with"] = wouldGo.size();
  PutPaths(wouldGo, object);
  return Dump(object);
}

std::string JsonTakeBackResult(const engine::TakeBackResult& result) {
  using Outcome = engine::TakeBackResult::Outcome;
  json object = {{"taken_back", result.report.restored},
                 {"stayed_in_trash", result.report.stayed},
                 {"no_longer_in_trash", result.report.notInTrash},
                 {"already_back", result.report.alreadyBack},
                 {"trash_entries_left", result.report.entriesLeft},
                 {"named", Named(result.report.named)}};
  if (result.outcome == Outcome::kHistoryUnusable) {
    object["history_unusable"] = {{"reason", texts::Reason(result.historyError)},
                                  {"code", texts::ReasonCode(result.historyError)}};
  }
  if (result.outcome == Outcome::kNothingToTakeBack ||
      result.outcome == Outcome::kHistoryUnusable) {
    return Dump(object);
  }
  object["pass"] = result.record.number;
  if (result.outcome == Outcome::kNoSuchPass) {
    object["no_such_pass"] = true;
    return Dump(object);
  }
  PutRecord(result.record, object);
  object["last_line_set_aside"] = result.lastLineCut;
  if (result.notSaved) object["record_not_saved"] = texts::Reason(result.notSaved);
  return Dump(object);
}

std::string JsonKeptPasses(const std::vector<engine::KeptPassSummary>& passes,
                           const std::error_code& historyError) {
  json list = json::array();
  for (const engine::KeptPassSummary& pass : passes) {
    json entry = {{"number", pass.record.number}};
    PutRecord(pass.record, entry);
    if (!pass.record.Unusable()) {
      entry["when"] = pass.when;
      entry["root"] = pass.root;
      if (auto bytes = BytesOfNonText(pass.root)) entry["root_bytes"] = std::move(*bytes);
      entry["to_take_back"] = pass.toTakeBack;
      entry["plan"] = pass.plan;
    }
    list.push_back(std::move(entry));
  }
  json object = {{"passes", std::move(list)}};
  if (historyError) {
    object["history_unusable"] = {{"reason", texts::Reason(historyError)},
                                  {"code", texts::ReasonCode(historyError)}};
  }
  return Dump(object);
}

std::string JsonList(const char* key, const char* field, const std::vector<std::string>& entries) {
  return Dump({{key, Entries(field, entries)}});
}

std::string JsonPlans(const std::vector<core::Plan>& plans) {
  static constexpr const char* kKinds[] = {"daily", "weekly", "at_login"};
  json list = json::array();
  for (const core::Plan& plan : plans) {
    json entry = Entry("folder", plan.folder);
    entry["number"] = plan.number;
    entry["when"] = {{"kind", kKinds[static_cast<size_t>(plan.time.kind)]},
                     {"text", core::PlanTimeText(plan.time)}};
    if (plan.time.kind != core::PlanTime::Kind::kAtLogin) {
      entry["when"]["hour"] = plan.time.hour;
      entry["when"]["minute"] = plan.time.minute;
    }
    if (plan.time.kind == core::PlanTime::Kind::kWeekly) entry["when"]["weekday"] = plan.time.weekday;
    entry["limit"] = plan.limit;
    if (plan.lastRun) {
      entry["last_run"] = {{"when", plan.lastRun->when},
                           {"outcome", plan.lastRun->outcome},
                           {"moved", plan.lastRun->moved},
                           {"pass", plan.lastRun->pass}};
    }
    list.push_back(std::move(entry));
  }
  return Dump(json{{"plans", std::move(list)}});
}

std::string JsonPlanRun(const core::Plan& plan, const engine::PlannedRun& run) {
  json object = {{"plan", plan.number},
                 {"outcome", engine::OutcomeCode(run.outcome)},
                 {"pass", run.passNumber},
                 {"text", texts::PlanRunText(plan, run, plan.folder)}};
  if (run.outcome == engine::PlannedRun::Outcome::kOverLimit) object["found"] = run.found;
  if (run.pass.report) {
    json report = Common(*run.pass.report, nullptr);
    report["dealt_with"] = run.pass.report->deleted;
    object["report"] = std::move(report);
  }
  return Dump(object);
}

}  // namespace tarnwick::cli
