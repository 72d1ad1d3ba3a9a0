#include "gui/found_files_window.h"

#include "gui/window_helpers.h"
#include "texts/texts.h"

namespace tarnwick::gui {

FoundFilesWindow::FoundFilesWindow(Toolkit& toolkit, MainWindowView& owner,
                                   const engine::ResultList& results,
                                   const std::vector<size_t>& matches, bool toTrash)
    : toolkit_(toolkit),
      results_(results),
      matches_(matches),
      view_(toolkit.CreateFoundFilesWindow(*this, owner)) {
  ticked_.assign(matches.size(), true);
  view_->SetFoundLine(texts::FoundFilesLine(matches.size()));
  view_->SetDealCaption(texts::DealButton(toTrash));
  view_->SetRowCount(matches.size());
}

FoundFilesWindow::~FoundFilesWindow() = default;

bool FoundFilesWindow::Choose(std::vector<size_t>& matches) {
  CenterForm(*view_);
  view_->ShowWindow();
  toolkit_.WaitUntil([this] { return outcome_ != Outcome::kOpen; });
  view_->CloseWindow();
  if (outcome_ != Outcome::kDeal) return false;
  size_t kept = 0;
  for (size_t row = 0; row < ticked_.size(); ++row) {
    if (ticked_[row]) matches[kept++] = matches[row];
  }
  matches.resize(kept);
  return true;
}

std::string FoundFilesWindow::TextAt(size_t row) const { return results_.List(matches_.at(row)); }

void FoundFilesWindow::AllClick() { TickAll(true); }
void FoundFilesWindow::NoneClick() { TickAll(false); }

void FoundFilesWindow::TickAll(bool ticked) {
  ticked_.assign(ticked_.size(), ticked);
  view_->RefreshRows();
}

void FoundFilesWindow::DealClick() {
  if (outcome_ == Outcome::kOpen) outcome_ = Outcome::kDeal;
}

void FoundFilesWindow::CancelClick() {
  if (outcome_ == Outcome::kOpen) outcome_ = Outcome::kCancel;
}

}  // namespace tarnwick::gui
