#include "gui/passes_window.h"

#include "core/trash_history.h"
#include "gui/pass_files_window.h"
#include "gui/window_helpers.h"
#include "texts/texts.h"

namespace tarnwick::gui {

PassesWindow::PassesWindow(const core::AppState& state, Toolkit& toolkit, WindowView& owner)
    : state_(state), toolkit_(toolkit), view_(toolkit.CreatePassesWindow(*this, owner)) {
  ShowPasses(std::nullopt);
}

PassesWindow::~PassesWindow() = default;

void PassesWindow::ShowModal() {
  CenterForm(*view_);
  view_->ShowWindow();
  if (historyError_) {
    std::string title;
    ShowMessage(*view_, texts::HistoryUnusable(core::HistoryFolder(state_), historyError_),
                MessageKind::kWarning, title, state_);
  }
  toolkit_.WaitUntil([this] { return closed_; });
  view_->CloseWindow();
}

void PassesWindow::ShowPasses(std::optional<uint64_t> number) {
  passes_ = engine::SummariseKeptPasses(state_, &historyError_);
  std::vector<std::vector<std::string>> rows;
  std::optional<int> selected;
  for (const engine::KeptPassSummary& pass : passes_) {
    if (number && pass.record.number == *number) selected = static_cast<int>(rows.size());
    rows.push_back(texts::PassRow(pass));
  }
  // The newest at first, so that Enter on "Zurückholen" does what the main window's item does.
  if (!selected && !rows.empty()) selected = 0;
  view_->SetRows(rows, selected);
  ListClick();
}

const engine::KeptPassSummary* PassesWindow::Selected() const {
  const auto row = view_->SelectedIndex();
  if (!row || *row < 0 || static_cast<size_t>(*row) >= passes_.size()) return nullptr;
  return &passes_[static_cast<size_t>(*row)];
}

void PassesWindow::ListClick() {
  const engine::KeptPassSummary* pass = Selected();
  const bool usable = pass != nullptr && !pass->record.Unusable();
  view_->EnableTakeBackButton(usable);
  view_->EnableFilesButton(usable);
}

void PassesWindow::TakeBackClick() {
  const engine::KeptPassSummary* pass = Selected();
  if (pass == nullptr) return;
  const uint64_t number = pass->record.number;
  toolkit_.SetWaitCursor(true);
  const engine::TakeBackResult result = engine::TakeBackPass(state_, number);
  toolkit_.SetWaitCursor(false);
  std::string title;
  ShowMessage(*view_, texts::TakeBackResultText(result),
              result.Complete() ? MessageKind::kInformation : MessageKind::kWarning, title, state_);
  if (!closed_) ShowPasses(number);
}

void PassesWindow::FilesClick() {
  const engine::KeptPassSummary* pass = Selected();
  if (pass == nullptr) return;
  const uint64_t number = pass->record.number;
  PassFilesWindow files(state_, toolkit_, *view_, number);
  files.ShowModal();
  if (!closed_) ShowPasses(number);
}

void PassesWindow::CloseClick() { closed_ = true; }

}  // namespace tarnwick::gui
