#include "gui/pass_progress.h"

#include "texts/texts.h"

namespace tarnwick::gui {
namespace {

// The walk reports every folder; its figures are shown often enough to look live, seldom
// enough that repainting costs the walk nothing. Deletions report at their own pace.
constexpr std::chrono::milliseconds kWalkRefresh{50};

}  // namespace

PassProgress::PassProgress(Toolkit& toolkit, MainWindowView& owner, std::string title,
                           std::string searchRoot, bool toTrash,
                           std::chrono::milliseconds showAfter, const bool& closing)
    : toolkit_(toolkit),
      owner_(owner),
      title_(std::move(title)),
      searchRoot_(std::move(searchRoot)),
      toTrash_(toTrash),
      showAfter_(showAfter),
      closing_(closing) {
  ShowWaitCursor(true);
}

PassProgress::~PassProgress() {
  window_.reset();
  ShowWaitCursor(false);
}

// The toolkit's wait cursor may stack; it is set once and taken once.
void PassProgress::ShowWaitCursor(bool shown) {
  if (shown == waitCursor_) return;
  waitCursor_ = shown;
  toolkit_.SetWaitCursor(shown);
}

bool PassProgress::OnWalkProgress(const engine::WalkProgress& progress) {
  folders_ = progress.directories;
  files_ = progress.files;
  if (ProcessEvents(kWalkRefresh)) {
    window_->SetFolder(progress.currentDirectory);
    window_->SetCounts(texts::ProgressCounts(folders_, files_));
  }
  return Continue();
}

void PassProgress::OnWalkEnded(const engine::WalkProgress& progress) {
  folders_ = progress.directories;
  files_ = progress.files;
}

bool PassProgress::OnDeleteProgress(uint64_t deleted, uint64_t failed) {
  if (ProcessEvents(std::chrono::milliseconds(0))) {
    if (!deleting_ && !stopRequested_) window_->SetHeading(texts::ProgressDeleting(toTrash_));
    deleting_ = true;
    window_->SetFolder(searchRoot_);
    window_->SetCounts(texts::ProgressCounts(folders_, files_));
    window_->SetDeleted(texts::ProgressDeleted(deleted, toTrash_));
    // Before the matching is done the amount of work is unknown.
    if (matches_ > 0) {
      window_->SetProgress(static_cast<double>(deleted + failed) / static_cast<double>(matches_));
    }
  }
  return Continue();
}

void PassProgress::OnDeletionsStarting(uint64_t matches) {
  matches_ = matches;
  ShowWaitCursor(true);
}

void PassProgress::StepAside() {
  window_.reset();
  ShowWaitCursor(false);
  started_ = Clock::now();  // the deletions show their window after the same delay
}

void PassProgress::CancelClick() {
  // Stopping takes until the pass looks again; the window stays so the user sees it end.
  if (stopRequested_) return;
  stopRequested_ = true;
  if (!window_) return;
  window_->DisableCancel();
  window_->SetHeading(texts::kProgressStopping);
}

bool PassProgress::ProcessEvents(std::chrono::milliseconds refresh) {
  toolkit_.ProcessPendingEvents();
  if (!Continue()) return false;
  const Clock::time_point now = Clock::now();
  if (!window_) {
    if (now - started_ < showAfter_) return false;
    window_ = toolkit_.CreateProgressWindow(*this, owner_, title_);
    window_->SetHeading(texts::kProgressSearching);
    window_->SetProgress(std::nullopt);
    window_->ShowWindow();
  } else if (now - refreshed_ < refresh) {
    return false;
  }
  refreshed_ = now;
  return true;
}

bool PassProgress::Continue() const { return !closing_ && !stopRequested_; }

}  // namespace tarnwick::gui
