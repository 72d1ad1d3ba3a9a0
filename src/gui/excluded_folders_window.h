// The rules of the window "Ausgenommene Ordner" and the view interface its toolkits implement.
#pragma once

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "core/app_state.h"
#include "core/name_list.h"
#include "gui/toolkit.h"

namespace tarnwick::gui {

// "Ausgenommene Ordner": the folders no pass enters, one a row, with "Ordner hinzufügen...",
// "Entfernen" and "Schließen". Modal over the main window.
class ExcludedFoldersView : public WindowView {
 public:
  // Replaces every row, leaving none selected.
  virtual void SetEntries(const std::vector<std::string>& entries) = 0;
  virtual std::optional<int> SelectedIndex() const = 0;
  virtual void EnableRemoveButton(bool enabled) = 0;
  // The platform's folder chooser, opening at `start`; nothing when it was cancelled.
  virtual std::optional<std::string> ChooseFolder(const std::string& caption,
                                                  const std::string& start) = 0;
};

class ExcludedFoldersWindow {
 public:
  // Edits `folders`, the main window's list, which is stored when the main window's names are.
  ExcludedFoldersWindow(const core::AppState& state, Toolkit& toolkit, MainWindowView& owner,
                        core::NameList& folders);
  ~ExcludedFoldersWindow();

  // Shows the window and returns when it is closed, or the program ends.
  void ShowModal();

  void ListClick();    // the selection changed
  void AddClick();     // "Ordner hinzufügen..."
  void RemoveClick();  // "Entfernen": nothing is deleted, so nothing is asked
  void CloseClick();   // "Schließen", Escape, the window's frame

  ExcludedFoldersView& view() { return *view_; }

 private:
  void ShowFolders();

  const core::AppState& state_;
  Toolkit& toolkit_;
  core::NameList& folders_;
  bool closed_ = false;
  std::unique_ptr<ExcludedFoldersView> view_;
};

}  // namespace tarnwick::gui
