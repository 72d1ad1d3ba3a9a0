#include "gui/main_window.h"

#include "core/name_list_store.h"
#include "core/path_helpers.h"
#include "core/switch_setting.h"
#include "core/trash_history.h"
#include "engine/recorded_pass.h"
#include "engine/excluded_folders.h"
#include "engine/take_back.h"
#include "gui/excluded_folders_window.h"
#include "gui/found_files_window.h"
#include "gui/name_entry_dialog.h"
#include "gui/pass_progress.h"
#include "gui/passes_window.h"
#include "gui/plans_window.h"
#include "gui/window_helpers.h"
#include "platform/process/user_folders.h"
#include "texts/texts.h"

namespace tarnwick::gui {

MainWindow::MainWindow(core::AppState& state, engine::HelperObjects& helpers, Toolkit& toolkit)
    : state_(state), helpers_(helpers), toolkit_(toolkit), view_(toolkit.CreateMainWindow(*this)) {
  view_->EnableRemoveButton(false);
  view_->EnableDeleteButton(false);
  CenterForm(*view_);
}

MainWindow::~MainWindow() = default;

void MainWindow::ShowNames() {
  view_->SetEntries(names_.Entries());
  UpdateDeleteButton();
}

void MainWindow::ShowSearchRoot() {
  if (state_.AskForSearchRoot) {
    view_->SetDeleteButtonTip(texts::AsksForFolderTip(state_.UseTrash, state_.LookFirst));
  } else if (engine::ExcludedFolders(excludedFolders_.Entries()).ExcludesRoot(state_.SearchRoot)) {
    view_->SetDeleteButtonTip(texts::SearchesNothingTip(state_.SearchRoot));
  } else {
    view_->SetDeleteButtonTip(
        texts::SearchesFolderTip(state_.SearchRoot, state_.UseTrash, state_.LookFirst));
  }
  view_->SetDeleteButtonCaption(texts::DeleteButton(state_.UseTrash));
  view_->SetItemChecked(MenuItem::kTrash, state_.UseTrash);
  view_->SetItemChecked(MenuItem::kLookFirst, state_.LookFirst);
}

// Offered while a pass is kept; its record is read only when the item is used, so that a
// damaged one is said then, and nothing at start-up waits on it.
void MainWindow::ShowTakeBack() {
  view_->EnableItem(MenuItem::kTakeBack, !core::KeptPasses(state_).empty());
}

void MainWindow::AppendName(const std::string& name) {
  if (const auto refusal = names_.WhyRefused(name)) {
    std::string title;
    ShowMessage(*view_, texts::NameRefused(*refusal), MessageKind::kWarning, title, state_);
    return;
  }
  names_.Append(name);
  view_->AppendEntry(name);
  UpdateDeleteButton();
}

// The delete button follows the list, so it is never enabled for a pass that does nothing.
void MainWindow::UpdateDeleteButton() { view_->EnableDeleteButton(names_.Count() > 0); }

std::optional<std::string> MainWindow::SelectedName() const {
  const std::optional<int> row = view_->SelectedIndex();
  if (!row || *row < 0 || *row >= names_.Count()) return std::nullopt;
  return names_.At(static_cast<int16_t>(*row));
}

void MainWindow::NameListClick() {
  const auto name = SelectedName();
  view_->EnableRemoveButton(name && !name->empty());
}

void MainWindow::AddNameClick() {
  // One add action at a time: making the dialog processes events, so a second click may
  // arrive before the dialog is even there.
  if (addRunning_) {
    if (nameEntry_ != nullptr) nameEntry_->view().BringToFront();
    return;
  }
  addRunning_ = true;
  NameEntryDialog dialog(toolkit_, *view_);
  nameEntry_ = &dialog;
  const std::optional<std::string> name = dialog.Ask();
  nameEntry_ = nullptr;
  addRunning_ = false;
  if (!closing_ && name) AppendName(*name);
}

void MainWindow::RemoveNameClick() {
  const auto name = SelectedName();
  if (!name || name->empty()) return;
  if (!view_->AskYesNo(texts::RemoveQuestion(*name), texts::kMainWindowCaption)) return;
  names_.RemoveEvery(*name);
  // The remove button keeps its state until the next selection.
  ShowNames();
}

void MainWindow::DeleteClick() {
  if (passRunning_) return;  // a pass is already running further down this stack
  if (state_.AskForSearchRoot && names_.Count() > 0) {
    // An installed copy's own folder is the system's program folder: never search that.
    const auto folder = view_->ChooseFolder(texts::kChooseFolderCaption, platform::UserHomeFolder());
    if (!folder) return;
    state_.SearchRoot = *folder;
    core::EnsureTrailingBackslash(state_.SearchRoot);
  }
  passRunning_ = true;
  engine::PassRequest request = engine::PassRequestFor(state_);
  request.names = names_;
  request.excludedFolders = excludedFolders_.Entries();
  engine::RecordedPass pass;
  {
    PassProgress progress(toolkit_, *view_, state_.AppTitle, state_.SearchRoot, state_.UseTrash,
                          progressDelay_, closing_);
    request.observer = &progress;
    if (state_.LookFirst) {
      request.choose = [&](const engine::ResultList& results, std::vector<size_t>& matches) {
        if (closing_) return false;
        progress.StepAside();
        FoundFilesWindow found(toolkit_, *view_, results, matches, state_.UseTrash);
        return found.Choose(matches) && !closing_;
      };
    }
    pass = engine::RunRecordedPass(state_, request, helpers_);
  }
  state_.SearchRoot = request.root;
  passRunning_ = false;
  if (closing_) return;
  std::string title;
  if (pass.historyError) {
    ShowMessage(*view_, texts::TrashPassNotStarted(core::HistoryFolder(state_), pass.historyError),
                MessageKind::kWarning, title, state_);
    return;
  }
  if (!pass.report) return;
  const engine::DeleteReport& report = *pass.report;
  std::string text = texts::PassReport(report);
  bool complete = report.Complete();
  if (report.toTrash) {
    if (pass.recordError) {
      text += "\n\n" + texts::TrashRecordNotSaved(pass.recordPath, pass.recordError);
      complete = false;
    }
    if (report.deleted > 0) text += std::string("\n\n") + texts::kTakeBackHint;
    ShowTakeBack();
  }
  ShowMessage(*view_, text, complete ? MessageKind::kInformation : MessageKind::kWarning, title,
              state_);
}

void MainWindow::TakeBackItemClick() {
  if (passRunning_) return;
  toolkit_.SetWaitCursor(true);
  const engine::TakeBackResult result = engine::TakeBackPass(state_, std::nullopt);
  toolkit_.SetWaitCursor(false);
  ShowTakeBack();
  std::string title;
  ShowMessage(*view_, texts::TakeBackResultText(result),
              result.Complete() ? MessageKind::kInformation : MessageKind::kWarning, title, state_);
}

void MainWindow::ExcludedFoldersItemClick() {
  if (passRunning_ || excludedFoldersOpen_) return;
  excludedFoldersOpen_ = true;
  ExcludedFoldersWindow window(state_, toolkit_, *view_, excludedFolders_);
  window.ShowModal();
  excludedFoldersOpen_ = false;
  if (!closing_) ShowSearchRoot();
}

void MainWindow::MenuItemClick(MenuItem item) {
  switch (item) {
    case MenuItem::kTrash: TrashItemClick(); return;
    case MenuItem::kLookFirst: LookFirstItemClick(); return;
    case MenuItem::kTakeBack: TakeBackItemClick(); return;
    case MenuItem::kExcludedFolders: ExcludedFoldersItemClick(); return;
    case MenuItem::kPlans: PlansItemClick(); return;
    case MenuItem::kPasses: PassesItemClick(); return;
  }
}

void MainWindow::PlansItemClick() {
  if (passRunning_ || plansOpen_) return;
  std::error_code error = core::SaveNameList(state_, names_);
  if (!error) error = core::SaveExcludedFolders(state_, excludedFolders_);
  if (error) {
    std::string title;
    ShowMessage(*view_, texts::SettingNotSaved(state_.SettingsPath, error), MessageKind::kWarning,
                title, state_);
  }
  plansOpen_ = true;
  PlansWindow window(state_, toolkit_, *view_);
  window.ShowModal();
  plansOpen_ = false;
}

void MainWindow::PassesItemClick() {
  if (passRunning_ || passesOpen_) return;
  passesOpen_ = true;
  PassesWindow window(state_, toolkit_, *view_);
  window.ShowModal();
  passesOpen_ = false;
  if (!closing_) ShowTakeBack();
}

void MainWindow::TrashItemClick() { FlipSwitch(state_.UseTrash, core::kTrashKey); }

void MainWindow::LookFirstItemClick() { FlipSwitch(state_.LookFirst, core::kLookKey); }

void MainWindow::FlipSwitch(bool& value, const char* key) {
  value = !value;
  ShowSearchRoot();
  // The choice holds for this run even when it cannot be remembered.
  if (const std::error_code error = core::SaveSwitch(state_, key, value)) {
    std::string title;
    ShowMessage(*view_, texts::SettingNotSaved(state_.SettingsPath, error), MessageKind::kWarning,
                title, state_);
  }
}

bool MainWindow::Unload() {
  if (closing_) return true;
  std::error_code error = core::SaveNameList(state_, names_);
  if (!error) error = core::SaveExcludedFolders(state_, excludedFolders_);
  if (error) {
    if (!view_->AskYesNo(texts::EndWithoutSaving(state_.SettingsPath, error), state_.AppTitle)) {
      return false;
    }
  }
  closing_ = true;
  view_->CloseWindow();
  toolkit_.EndProgram();
  return true;
}

}  // namespace tarnwick::gui
