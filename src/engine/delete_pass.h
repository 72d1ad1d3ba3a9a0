#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "core/name_list.h"
#include "engine/delete_report.h"
#include "engine/helper_objects.h"
#include "engine/kept_files.h"
#include "engine/pass_observer.h"

namespace tarnwick::engine {

// Collects every file under `searchRoot` and gives the indices, in the result list, of those
// whose name equals a listed name without regard to case; each file once. With
// `report.toTrash` the trash's own folders are left alone.
std::vector<size_t> FindListedFiles(std::string& searchRoot, const core::NameList& names,
                                    HelperObjects& helpers, PassObserver& observer,
                                    DeleteReport& report);

// What becomes of the matching files: deleted for good, or moved to the user's trash.
enum class Disposal { kDelete, kTrash };

// The main action: finds the listed names under `searchRoot` and deletes them (or moves them
// to the trash), read-only and hidden files included. Every file is reached through the
// directory handles of the walk's root, so nothing outside the root can be reached. Nothing is
// deleted when the observer stops the walk; a stop during the deletions ends them after the
// files in hand. Returns nothing, and does nothing, when the list is empty.
std::optional<DeleteReport> DeleteListedFiles(std::string& searchRoot,
                                              const core::NameList& names, HelperObjects& helpers,
                                              PassObserver& observer,
                                              const KeptFiles& kept = KeptFiles(),
                                              Disposal disposal = Disposal::kDelete);

}  // namespace tarnwick::engine
