// tarnwick-cli's JSON: the report of a pass, a take-back, the kept passes and the excluded
// folders, each as one object with the keys of the man page.
#pragma once

#include <string>
#include <system_error>
#include <vector>

#include "core/plans.h"
#include "engine/delete_report.h"
#include "engine/planned_run.h"
#include "engine/take_back.h"

namespace tarnwick::cli {

// The report of a pass as one JSON object, for scripts: the counts, and every path the report
// names with its kind and its reason, both in German and as a stable code. The keys are those
// of the man page. `notChosenFound`: with --only, the chosen paths the pass did not find;
// `dealtWith`: the paths it deleted or moved to the trash (none with --no-paths).
std::string JsonPassReport(const engine::DeleteReport& report,
                           const std::vector<std::string>* notChosenFound,
                           const std::vector<std::string>* dealtWith);

// The same for a look without deleting: the paths that would go, then as above.
std::string JsonDryRunReport(const engine::DeleteReport& report,
                             const std::vector<std::string>& wouldGo,
                             const std::vector<std::string>* notChosenFound);

// What taking a kept pass back did: which pass, the counts and the paths not back, as above;
// or why its record could not be used.
std::string JsonTakeBackResult(const engine::TakeBackResult& result);

// The kept passes to the trash, newest first.
std::string JsonKeptPasses(const std::vector<engine::KeptPassSummary>& passes,
                           const std::error_code& historyError = {});

// A list of entries under `key` (the names, the excluded folders), each an object with the entry
// as `field` and its bytes beside it where JSON cannot hold them.
std::string JsonList(const char* key, const char* field, const std::vector<std::string>& entries);

// The plans, each with its folder, time, limit and last run.
std::string JsonPlans(const std::vector<core::Plan>& plans);
// What a run of a plan did: its outcome's code, the pass it made, and the pass's report.
std::string JsonPlanRun(const core::Plan& plan, const engine::PlannedRun& run);

}  // namespace tarnwick::cli
