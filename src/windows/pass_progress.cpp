#include "windows/pass_progress.h"

#include <QApplication>
#include <QCursor>

namespace tarnwick::windows {
namespace {

// The walk reports every folder; its figures are shown often enough to look live, seldom
// enough that repainting costs the walk nothing. Deletions report at their own pace.
constexpr qint64 kWalkRefreshMilliseconds = 50;

}  // namespace

PassProgress::PassProgress(QWidget& owner, std::string title, std::string searchRoot,
                           std::chrono::milliseconds showAfter, const bool& closing,
                           std::function<void(ProgressWindow*)> windowOpened)
    : owner_(owner),
      title_(std::move(title)),
      searchRoot_(std::move(searchRoot)),
      showAfter_(showAfter),
      closing_(closing),
      windowOpened_(std::move(windowOpened)) {
  QApplication::setOverrideCursor(Qt::WaitCursor);
  sinceStart_.start();
}

PassProgress::~PassProgress() {
  delete window_;
  QApplication::restoreOverrideCursor();
}

bool PassProgress::OnDirectory(const engine::WalkProgress& progress) {
  folders_ = progress.directories;
  files_ = progress.files;
  if (ProcessEvents(kWalkRefreshMilliseconds)) {
    window_->ShowWalk(progress.currentDirectory, folders_, files_);
  }
  return Continue();
}

void PassProgress::OnWalkEnded(const engine::WalkProgress& progress) {
  folders_ = progress.directories;
  files_ = progress.files;
}

bool PassProgress::OnDeleteProgress(uint64_t deleted, uint64_t /*failed*/) {
  if (ProcessEvents(0)) window_->ShowDeletions(searchRoot_, folders_, files_, deleted);
  return Continue();
}

bool PassProgress::ProcessEvents(qint64 refreshMilliseconds) {
  QCoreApplication::processEvents();
  if (closing_ || (window_ && window_->StopRequested())) return false;
  if (!window_) {
    if (sinceStart_.elapsed() < showAfter_.count()) return false;
    window_ = new ProgressWindow(owner_, title_);
    window_->show();
    if (windowOpened_) windowOpened_(window_);
  } else if (sinceRefresh_.elapsed() < refreshMilliseconds) {
    return false;
  }
  sinceRefresh_.start();
  return true;
}

bool PassProgress::Continue() const {
  return !closing_ && !(window_ && window_->StopRequested());
}

}  // namespace tarnwick::windows
