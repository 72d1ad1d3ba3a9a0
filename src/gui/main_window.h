// The main window's rules: the list of names to delete, adding and removing names, the delete
// pass and the menus around it; and the view interface its toolkits implement.
#pragma once

#include <chrono>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "core/app_state.h"
#include "core/name_list.h"
#include "engine/helper_objects.h"
#include "gui/main_window_menu.h"
#include "gui/toolkit.h"

namespace tarnwick::gui {

class MainWindowView : public WindowView {
 public:
  // The list of names: replaces every entry, leaving none selected.
  virtual void SetEntries(const std::vector<std::string>& entries) = 0;
  virtual void AppendEntry(const std::string& entry) = 0;
  virtual std::optional<int> SelectedIndex() const = 0;
  virtual void EnableRemoveButton(bool enabled) = 0;  // "Dateiname entfernen..."
  virtual void EnableDeleteButton(bool enabled) = 0;  // the big button of the delete pass
  virtual void SetDeleteButtonCaption(const std::string& caption) = 0;
  virtual void SetDeleteButtonTip(const std::string& tip) = 0;
  // The state of an item of the menus (main_window_menu.h), in every menu that shows it.
  virtual void SetItemChecked(MenuItem item, bool checked) = 0;
  virtual void EnableItem(MenuItem item, bool enabled) = 0;
  // The platform's folder chooser, opening at `start`; nothing when it was cancelled.
  virtual std::optional<std::string> ChooseFolder(const std::string& caption,
                                                  const std::string& start) = 0;
};

class NameEntryDialog;

// Closing the main window saves the list and ends the program.
class MainWindow {
 public:
  // Makes the window's view, hidden, and runs its Load handler.
  MainWindow(core::AppState& state, engine::HelperObjects& helpers, Toolkit& toolkit);
  ~MainWindow();

  // The list the window shows; after changing it directly, call ShowNames.
  core::NameList& names() { return names_; }
  void ShowNames();
  // The folders no pass enters, stored with the names.
  core::NameList& excludedFolders() { return excludedFolders_; }
  // Tells, in the delete button's caption, whether a pass deletes or moves to the trash, and in
  // its tip which folder it searches and whether it shows what it found first, or that it
  // searches nothing, the folder being excluded; call when any of them changes.
  void ShowSearchRoot();
  // Enables the take-back item while the last pass to the trash left something to take back.
  void ShowTakeBack();
  // Appends a name at the end of the list; a name the list refuses is refused with a message
  // that says why.
  void AppendName(const std::string& name);
  // How long a delete pass runs before its progress window opens.
  void SetProgressDelay(std::chrono::milliseconds delay) { progressDelay_ = delay; }

  void NameListClick();    // the selection changed
  void AddNameClick();     // "neuer Dateiname..."
  void RemoveNameClick();  // "Dateiname entfernen..."
  void DeleteClick();      // "Jetzt rekursiv nach den gelisteten Dateinamen suchen und löschen"
  // An item of the window's menus was chosen: one of the handlers below.
  void MenuItemClick(MenuItem item);
  // "In den Papierkorb verschieben statt löschen": a pass moves what it
  // finds to the trash from now on, or deletes it again; the choice is remembered.
  void TrashItemClick();
  // "Vor dem Löschen zeigen, was gefunden wurde": a pass shows what it found, to untick any,
  // before it deals with them; the choice is remembered.
  void LookFirstItemClick();
  // "Letzten Durchgang aus dem Papierkorb zurückholen": the files of the last pass to the
  // trash go back where they were, and the report says what stayed.
  void TakeBackItemClick();
  // "Durchgänge...": the window of the kept passes, each taken back whole or file by file.
  void PassesItemClick();
  // "Regelmäßig bereinigen...": the window of the plans. The list is saved first: a plan runs
  // with the stored list, which should be the one the window shows.
  void PlansItemClick();
  // "Ausgenommene Ordner...": the window that lists the folders no pass enters, to add and
  // remove them.
  void ExcludedFoldersItemClick();
  // The window closes (by the user, or because the session ends): saves the list and ends the
  // program. When the list cannot be saved, the user may keep the program open instead, to
  // mend the cause and close again; then it returns false.
  bool Unload();

  MainWindowView& view() { return *view_; }

 private:
  std::optional<std::string> SelectedName() const;
  // Flips one of the remembered switches and saves it; a failure to save is told.
  void FlipSwitch(bool& value, const char* key);
  void UpdateDeleteButton();

  core::AppState& state_;
  engine::HelperObjects& helpers_;
  Toolkit& toolkit_;
  std::unique_ptr<MainWindowView> view_;
  core::NameList names_;
  core::NameList excludedFolders_{core::NameList::Kind::kFolderPaths};
  std::chrono::milliseconds progressDelay_{1000};
  bool addRunning_ = false;
  bool excludedFoldersOpen_ = false;
  bool passesOpen_ = false;
  bool plansOpen_ = false;
  NameEntryDialog* nameEntry_ = nullptr;  // the open dialog of the running add action
  bool passRunning_ = false;
  bool closing_ = false;
};

}  // namespace tarnwick::gui
