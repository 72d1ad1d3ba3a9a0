// The delete pass: one request names everything a front end decides before a pass (where,
// which names, which folders to leave alone, delete or trash, which matches); the pass finds
// the listed names and deals with them, reporting figures.
#pragma once

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "core/name_list.h"
#include "engine/delete_report.h"
#include "engine/helper_objects.h"
#include "engine/kept_files.h"
#include "engine/pass_observer.h"
#include "platform/trash/trash.h"

namespace tarnwick::engine {

// What becomes of the matching files: deleted for good, or moved to the user's trash.
enum class Disposal { kDelete, kTrash };

// Chooses, between the walk and the deletions, which of the matches (result-list indices, in
// the order of the walk) the pass deals with: it may take any out of `matches`, never add
// one. False: the pass deals with none and gives no report.
using MatchChooser = std::function<bool(const ResultList& results, std::vector<size_t>& matches)>;

// One pass, as a front end asks for it.
struct PassRequest {
  std::string root;  // the folder searched; the walk gives it a trailing separator
  core::NameList names;
  std::vector<std::string> excludedFolders;  // never entered, nor anything below them
  Disposal disposal = Disposal::kDelete;
  KeptFiles kept;            // never dealt with, though their names be listed
  MatchChooser choose;       // asked when anything was found; none: every match is dealt with
  PassObserver* observer = nullptr;  // told how the pass gets on; none: nobody is
  uint64_t plan = 0;                 // the plan that runs it on its own; 0: asked for now
};

// Collects every file under `request.root` and gives the indices, in the result list, of those
// whose name equals a listed name without regard to case; each file once. With
// `report.toTrash` the trash's own folders are left alone, and always the excluded folders
// (looked up now; those not there are named in the report).
std::vector<size_t> FindListedFiles(PassRequest& request, HelperObjects& helpers,
                                    DeleteReport& report);

// The main action: finds the listed names under the root and deletes them (or moves them to
// the trash), read-only and hidden files included. Every file is reached through the
// directory handles of the walk's root, so nothing outside the root can be reached. Nothing is
// deleted when the observer stops the walk; a stop during the deletions ends them after the
// files in hand. Returns nothing, and does nothing, when the list is empty or `choose` says no.
// Only the matches it keeps are dealt with, by the same rules; the report counts those. In a
// pass to the trash `recorder` records each batch of files before it moves, so that the pass
// can be taken back however it ends (see RunRecordedPass); without one nothing is recorded.
std::optional<DeleteReport> DeleteListedFiles(PassRequest& request, HelperObjects& helpers,
                                              platform::TrashRecorder* recorder = nullptr);

}  // namespace tarnwick::engine
