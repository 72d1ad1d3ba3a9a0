#include "engine/take_back.h"

#include <algorithm>
#include <span>

#include "core/trash_history.h"
#include "engine/work_sharing.h"
#include "platform/file/held_file.h"
#include "platform/trash/trash_record.h"
#include "platform/trash/trash_record_fields.h"

namespace tarnwick::engine {
namespace {

// A kept pass's record, held so that no pass or other take-back writes it meanwhile.
struct HeldRecord {
  platform::HeldFile file;
  platform::ParsedTrashRecord parsed;
  KeptRecord kept;
};

void Hold(const core::AppState& state, const core::KeptPass& pass, HeldRecord& held) {
  held.kept.number = pass.number;
  held.kept.path = pass.recordPath;
  std::string text;
  held.kept.error = core::HoldKeptPass(state, pass, held.file);
  if (!held.kept.error) held.kept.error = held.file.Read(core::kRecordLimit, text);
  if (!held.kept.error) held.parsed = platform::ParseTrashRecord(text);
  held.kept.badLine = held.parsed.badLine;
}

// Each entry's outcome, the work shared between threads a stretch of entries at a time: a
// stretch keeps a folder's files together, as they were recorded.
std::vector<std::error_code> TakeBackShared(std::span<const platform::TrashedEntry> entries) {
  constexpr size_t kStretch = 256;
  std::vector<std::error_code> outcomes(entries.size());
  if (entries.empty()) return outcomes;
  SharedWork work;
  for (size_t start = 0; start < entries.size(); start += kStretch) work.Add(start);
  ThreadPlan plan = PlanThreads(0, false);
  plan.first = plan.most = static_cast<unsigned>(
      std::min<size_t>(plan.first, (entries.size() + kStretch - 1) / kStretch));
  ShareWork(
      work, plan,
      [&](unsigned, size_t start) {
        const auto stretch = entries.subspan(start, std::min(kStretch, entries.size() - start));
        const std::vector<std::error_code> done = platform::TakeBack(stretch);
        std::copy(done.begin(), done.end(), outcomes.begin() + static_cast<ptrdiff_t>(start));
      },
      [] { return true; });  // taking back is not stopped half-way
  return outcomes;
}

}  // namespace

TakeBackReport TakeBackFromTrash(std::vector<platform::TrashedEntry>& entries) {
  const std::vector<std::error_code> outcomes = TakeBackShared(entries);
  TakeBackReport report;
  std::vector<platform::TrashedEntry> stayed;
  for (size_t i = 0; i < entries.size(); ++i) {
    const std::error_code& outcome = outcomes[i];
    if (!outcome) {
      ++report.restored;
      continue;
    }
    if (report.named.size() < DeleteReport::kPathsNamed) {
      report.named.push_back({entries[i].originalPath, outcome, NamedPath::Kind::kFileNotDeleted});
    }
    // Back in its place, though not by this take-back or not without a trace in the trash:
    // nothing is left to take back.
    if (outcome == platform::TrashError::kBackTrashEntryLeft) {
      ++report.restored;
      ++report.entriesLeft;
      continue;
    }
    if (outcome == platform::TrashError::kAlreadyBack) {
      ++report.alreadyBack;
      continue;
    }
    report.notBack.emplace_back(entries[i].originalPath, outcome);
    // Only a known loss is forgotten; whatever else kept a file in the trash keeps its way back.
    if (outcome == platform::TrashError::kNoLongerInTrash) {
      ++report.notInTrash;
    } else {
      ++report.stayed;
      stayed.push_back(std::move(entries[i]));
    }
  }
  entries = std::move(stayed);
  return report;
}

TakeBackResult TakeBackPass(const core::AppState& state, std::optional<uint64_t> number,
                            const EntryChooser& chosen) {
  TakeBackResult result;
  result.outcome = number ? TakeBackResult::Outcome::kNoSuchPass
                          : TakeBackResult::Outcome::kNothingToTakeBack;
  const std::vector<core::KeptPass> kept = core::KeptPasses(state, &result.historyError);
  result.historyFolder = core::HistoryFolder(state);
  if (result.historyError) result.outcome = TakeBackResult::Outcome::kHistoryUnusable;
  for (const core::KeptPass& pass : kept) {
    if (number && pass.number != *number) continue;
    HeldRecord held;
    Hold(state, pass, held);
    result.record = held.kept;
    if (held.kept.Unusable()) {
      result.outcome = TakeBackResult::Outcome::kRecordUnusable;
      return result;
    }
    platform::TrashRecord& record = held.parsed.record;
    result.lastLineCut = held.parsed.lastLineCut;
    if (record.entries.empty()) {
      // Nothing of it is left to take back: it is kept no longer. A line cut short is named.
      held.file.Remove();
      if (number || result.lastLineCut) {
        result.outcome = TakeBackResult::Outcome::kTakenBack;
        return result;
      }
      continue;
    }
    result.outcome = TakeBackResult::Outcome::kTakenBack;
    // The chosen files go back; the record keeps, in its order, what stays and every line that
    // was not chosen.
    std::vector<platform::TrashedEntry> taken;
    std::vector<bool> isChosen;
    for (const platform::TrashedEntry& entry : record.entries) {
      isChosen.push_back(!chosen || chosen(entry));
      if (isChosen.back()) taken.push_back(entry);
    }
    result.report = TakeBackFromTrash(taken);  // leaves those that stayed, in order
    std::vector<platform::TrashedEntry> kept;
    auto stayed = taken.begin();
    for (size_t i = 0; i < record.entries.size(); ++i) {
      const bool stays = stayed != taken.end() &&
                         platform::LineKey(*stayed) == platform::LineKey(record.entries[i]);
      if (isChosen[i] && !stays) continue;
      if (isChosen[i]) ++stayed;
      kept.push_back(std::move(record.entries[i]));
    }
    record.entries = std::move(kept);
    result.notSaved = record.entries.empty() ? held.file.Remove()
                                             : held.file.Replace(platform::FormatTrashRecord(record));
    return result;
  }
  return result;
}

KeptPassFiles FilesOfKeptPass(const core::AppState& state, uint64_t number) {
  KeptPassFiles files;
  for (const core::KeptPass& pass : core::KeptPasses(state)) {
    if (pass.number != number) continue;
    HeldRecord held;
    Hold(state, pass, held);  // held only while it is read: a take-back may follow at once
    files.found = true;
    files.record = held.kept;
    for (const platform::TrashedEntry& entry : held.parsed.record.entries) {
      files.files.push_back(entry.originalPath);
    }
  }
  return files;
}

std::vector<KeptPassSummary> SummariseKeptPasses(const core::AppState& state,
                                                 std::error_code* historyError) {
  std::vector<KeptPassSummary> summaries;
  for (const core::KeptPass& pass : core::KeptPasses(state, historyError)) {
    KeptPassSummary summary;
    HeldRecord held;
    Hold(state, pass, held);  // a pass that still runs holds its record: it is listed as busy
    summary.record = held.kept;
    summary.when = held.parsed.record.when;
    summary.root = held.parsed.record.root;
    summary.plan = held.parsed.record.plan;
    summary.toTakeBack = held.parsed.record.entries.size();
    summaries.push_back(std::move(summary));
  }
  return summaries;
}

}  // namespace tarnwick::engine
