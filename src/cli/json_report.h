// tarnwick-cli's JSON: the report of a pass, a take-back, the kept passes and the excluded
// folders, each as one object with the keys of the man page.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "engine/delete_report.h"
#include "engine/take_back.h"

namespace tarnwick::cli {

// The report of a pass as one JSON object, for scripts: the counts, and every path the report
// names with its kind and its reason, both in German and as a stable code. The keys are those
// of the man page. `notChosenFound`: with --nur-diese, the chosen paths the pass did not find.
std::string JsonPassReport(const engine::DeleteReport& report,
                           std::optional<uint64_t> notChosenFound);

// The same for a look without deleting: the paths that would go, then as above.
std::string JsonDryRunReport(const engine::DeleteReport& report,
                             const std::vector<std::string>& wouldGo,
                             std::optional<uint64_t> notChosenFound);

// What taking a kept pass back did: which pass, the counts and the paths not back, as above;
// or why its record could not be used.
std::string JsonTakeBackResult(const engine::TakeBackResult& result);

// The kept passes to the trash, newest first.
std::string JsonKeptPasses(const std::vector<engine::KeptPassSummary>& passes,
                           const std::error_code& historyError = {});

// The stored excluded folders, in the order of the list.
std::string JsonExcludedFolders(const std::vector<std::string>& folders);

}  // namespace tarnwick::cli
