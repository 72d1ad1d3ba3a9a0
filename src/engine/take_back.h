// Taking a kept pass back from the trash, whole, and summing up the kept passes for a listing.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <utility>
#include <system_error>
#include <vector>

#include "core/app_state.h"
#include "engine/delete_report.h"
#include "platform/trash/trash.h"

namespace tarnwick::engine {

// What taking a pass back from the trash did with its files.
struct TakeBackReport {
  uint64_t restored = 0;    // back where they were
  uint64_t stayed = 0;      // still in the trash, and still recorded: their place taken, ...
  uint64_t notInTrash = 0;  // known to be no longer in the trash as the pass left them: forgotten
  uint64_t alreadyBack = 0;  // put back in their places by someone else: forgotten
  uint64_t entriesLeft = 0;  // of those restored: their entries in the trash could not be removed
  std::vector<NamedPath> named;  // the first DeleteReport::kPathsNamed of those not back, and
                                 // of those back whose entries stayed
  // Every file not back, where it was, and why.
  std::vector<std::pair<std::string, std::error_code>> notBack;

  bool Complete() const { return stayed == 0 && notInTrash == 0; }
};

// Puts the files of `entries` back; afterwards `entries` holds only those that stayed in the
// trash, so that taking back again finishes the job and never moves a file twice.
TakeBackReport TakeBackFromTrash(std::vector<platform::TrashedEntry>& entries);

// Which files of a pass to take back; all when there is none.
using EntryChooser = std::function<bool(const platform::TrashedEntry& entry)>;

// A kept pass's record as taking back or listing found it.
struct KeptRecord {
  uint64_t number = 0;
  std::string path;
  std::error_code error;  // it cannot be read (busy: a pass or a take-back holds it)
  size_t badLine = 0;     // it is no record from this line on

  bool Unusable() const { return error || badLine != 0; }
};

// Taking one kept pass back: which, and what came of it.
struct TakeBackResult {
  enum class Outcome {
    kNothingToTakeBack,  // no kept pass has files to take back
    kNoSuchPass,         // none of the number asked for is kept
    kRecordUnusable,     // its record cannot be used: nothing moved, the record left as it is
    kHistoryUnusable,    // the kept passes' folder cannot be trusted: nothing moved
    kTakenBack,          // the report tells what came back
  };
  Outcome outcome = Outcome::kNothingToTakeBack;
  KeptRecord record;
  std::error_code historyError;  // why the kept passes' folder is not used
  std::string historyFolder;
  bool lastLineCut = false;  // a last line cut short (a pass ended while writing it) was set aside
  TakeBackReport report;
  std::error_code notSaved;  // the record could not be brought up to date

  // Nothing was to be done, or all of the pass came back and its record was whole and kept up
  // to date.
  bool Complete() const { return !Refused() && report.Complete() && !notSaved && !lastLineCut; }
  // Nothing could be done as asked: no such pass, or what it needs cannot be used.
  bool Refused() const {
    return outcome == Outcome::kRecordUnusable || outcome == Outcome::kNoSuchPass ||
           outcome == Outcome::kHistoryUnusable;
  }
};

// Takes back the kept pass numbered `number`, or without one the newest kept pass that has
// files to take back; using it again walks back through the earlier passes. With `chosen`
// only the files it chooses: the record keeps every other line, to be taken back later. A
// record that is no use is never guessed at: it moves nothing and stays exactly as it is.
TakeBackResult TakeBackPass(const core::AppState& state, std::optional<uint64_t> number,
                            const EntryChooser& chosen = {});

// The files a kept pass's record still lists, where they were, in its order; nothing useful
// when the record cannot be used (`record` says why) or no pass of that number is kept.
struct KeptPassFiles {
  bool found = false;
  KeptRecord record;
  std::vector<std::string> files;
};
KeptPassFiles FilesOfKeptPass(const core::AppState& state, uint64_t number);

// A kept pass as a listing shows it; the rest is known only when its record can be used.
struct KeptPassSummary {
  KeptRecord record;
  int64_t when = 0;  // seconds since 1970; 0 for the record of an earlier version
  std::string root;
  uint64_t plan = 0;        // the plan that ran it on its own; 0 for a pass asked for
  uint64_t toTakeBack = 0;  // files its record still lists
};

// Every kept pass, newest first; `historyError`, when given, says why the kept passes' folder is
// not used (then only an earlier version's record can be listed).
std::vector<KeptPassSummary> SummariseKeptPasses(const core::AppState& state,
                                                 std::error_code* historyError = nullptr);

}  // namespace tarnwick::engine
