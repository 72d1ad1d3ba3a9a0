#include "gui/pass_files_window.h"

#include <algorithm>
#include <unordered_set>

#include "engine/take_back.h"
#include "gui/window_helpers.h"
#include "texts/texts.h"

namespace tarnwick::gui {

PassFilesWindow::PassFilesWindow(const core::AppState& state, Toolkit& toolkit, WindowView& owner,
                                 uint64_t number)
    : state_(state),
      toolkit_(toolkit),
      number_(number),
      view_(toolkit.CreatePassFilesWindow(*this, owner)) {
  view_->SetCaption(texts::PassFilesCaption(number));
  ShowFiles();
}

PassFilesWindow::~PassFilesWindow() = default;

void PassFilesWindow::ShowModal() {
  std::string title;
  if (!unusable_.empty()) {
    ShowMessage(*view_, unusable_, MessageKind::kWarning, title, state_);
    return;
  }
  CenterForm(*view_);
  view_->ShowWindow();
  toolkit_.WaitUntil([this] { return closed_ || files_.empty(); });
  view_->CloseWindow();
}

void PassFilesWindow::ShowFiles() {
  const engine::KeptPassFiles kept = engine::FilesOfKeptPass(state_, number_);
  if (kept.record.Unusable()) {
    engine::TakeBackResult unusable;
    unusable.outcome = engine::TakeBackResult::Outcome::kRecordUnusable;
    unusable.record = kept.record;
    unusable_ = texts::TakeBackResultText(unusable);
  }
  std::unordered_set<std::string> unticked;
  for (size_t row = 0; row < files_.size(); ++row) {
    if (!ticked_[row]) unticked.insert(files_[row]);
  }
  files_ = kept.files;
  // The record holds them as the pass moved them, folders interleaved; by path, each folder's
  // files stand together.
  std::ranges::sort(files_);
  ticked_.clear();
  for (const std::string& file : files_) ticked_.push_back(!unticked.contains(file));
  view_->SetRowCount(files_.size());
}

std::string PassFilesWindow::TextAt(size_t row) const {
  const std::string& file = files_.at(row);
  const auto stayed = stayed_.find(file);
  return stayed == stayed_.end() ? file : file + " (" + stayed->second + ")";
}

void PassFilesWindow::AllClick() { TickAll(true); }
void PassFilesWindow::NoneClick() { TickAll(false); }

void PassFilesWindow::TickAll(bool ticked) {
  ticked_.assign(ticked_.size(), ticked);
  view_->RefreshRows();
}

void PassFilesWindow::TakeBackClick() {
  std::unordered_set<std::string> chosen;
  for (size_t row = 0; row < files_.size(); ++row) {
    if (ticked_[row]) chosen.insert(files_[row]);
  }
  if (chosen.empty()) return;
  toolkit_.SetWaitCursor(true);
  const engine::TakeBackResult result =
      engine::TakeBackPass(state_, number_, [&chosen](const platform::TrashedEntry& entry) {
        return chosen.contains(entry.originalPath);
      });
  toolkit_.SetWaitCursor(false);
  stayed_.clear();
  for (const auto& [path, why] : result.report.notBack) stayed_[path] = texts::StayedInTrash(why);
  std::string title;
  ShowMessage(*view_, texts::TakeBackResultText(result),
              result.Complete() ? MessageKind::kInformation : MessageKind::kWarning, title, state_);
  if (!closed_) ShowFiles();
}

void PassFilesWindow::CloseClick() { closed_ = true; }

}  // namespace tarnwick::gui
