#include "gui/excluded_folders_window.h"

#include "core/folder_entries.h"
#include "gui/main_window.h"
#include "gui/window_helpers.h"
#include "platform/process/user_folders.h"
#include "texts/texts.h"

namespace tarnwick::gui {

ExcludedFoldersWindow::ExcludedFoldersWindow(const core::AppState& state, Toolkit& toolkit,
                                             MainWindowView& owner, core::NameList& folders)
    : state_(state),
      toolkit_(toolkit),
      folders_(folders),
      view_(toolkit.CreateExcludedFoldersWindow(*this, owner)) {
  ShowFolders();
}

ExcludedFoldersWindow::~ExcludedFoldersWindow() = default;

void ExcludedFoldersWindow::ShowModal() {
  CenterForm(*view_);
  view_->ShowWindow();
  toolkit_.WaitUntil([this] { return closed_; });
  view_->CloseWindow();
}

void ExcludedFoldersWindow::ShowFolders() {
  view_->SetEntries(folders_.Entries());
  view_->EnableRemoveButton(false);
}

void ExcludedFoldersWindow::ListClick() {
  const auto row = view_->SelectedIndex();
  view_->EnableRemoveButton(row && *row >= 0 && *row < folders_.Count());
}

void ExcludedFoldersWindow::AddClick() {
  const auto folder =
      view_->ChooseFolder(texts::kChooseExcludedFolderCaption, platform::UserHomeFolder());
  if (!folder || closed_) return;
  using Outcome = core::FolderAddition::Outcome;
  const core::FolderAddition addition = core::AddExcludedFolder(folders_, *folder);
  std::string title;
  switch (addition.outcome) {
    case Outcome::kAdded:
      ShowFolders();
      return;
    case Outcome::kAlreadyThere:
      ShowMessage(*view_, texts::AlreadyExcluded(*folder), MessageKind::kInformation, title,
                  state_);
      return;
    case Outcome::kNoFolder:  // gone since it was chosen
      ShowMessage(*view_, texts::FolderCannotBeExcluded(*folder, addition.error),
                  MessageKind::kWarning, title, state_);
      return;
    case Outcome::kRefused:
      ShowMessage(*view_, texts::FolderRefused(addition.refusal), MessageKind::kWarning, title,
                  state_);
      return;
  }
}

void ExcludedFoldersWindow::RemoveClick() {
  const auto row = view_->SelectedIndex();
  if (!row || *row < 0 || *row >= folders_.Count()) return;
  folders_.RemoveEvery(std::string(folders_.At(static_cast<int16_t>(*row))));
  ShowFolders();
}

void ExcludedFoldersWindow::CloseClick() { closed_ = true; }

}  // namespace tarnwick::gui
