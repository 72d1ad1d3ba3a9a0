// The rules of the window "Durchgänge": the kept passes to the trash, newest first, each taken
// back whole or file by file; and the view interface its toolkits implement.
#pragma once

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "core/app_state.h"
#include "engine/take_back.h"
#include "gui/toolkit.h"

namespace tarnwick::gui {

// A row a pass, in the columns of texts::kPassesColumns; "Zurückholen", "Dateien..." and
// "Schließen". Modal over its owner.
class PassesView : public WindowView {
 public:
  // Replaces every row and selects `selected`, when there is one.
  virtual void SetRows(const std::vector<std::vector<std::string>>& rows,
                       std::optional<int> selected) = 0;
  virtual std::optional<int> SelectedIndex() const = 0;
  // Both act on the selected pass.
  virtual void EnableTakeBackButton(bool enabled) = 0;
  virtual void EnableFilesButton(bool enabled) = 0;
};

class PassesWindow {
 public:
  PassesWindow(const core::AppState& state, Toolkit& toolkit, WindowView& owner);
  ~PassesWindow();

  // Shows the window and returns when it is closed, or the program ends.
  void ShowModal();

  void ListClick();      // the selection changed
  void TakeBackClick();  // "Zurückholen": the selected pass, whole
  void FilesClick();     // "Dateien...": its files, to take back some
  void CloseClick();     // "Schließen", Escape, the window's frame

  PassesView& view() { return *view_; }

 private:
  // Reads the kept passes anew and shows them, selecting the pass `number` if it is there.
  void ShowPasses(std::optional<uint64_t> number);
  const engine::KeptPassSummary* Selected() const;

  const core::AppState& state_;
  Toolkit& toolkit_;
  std::vector<engine::KeptPassSummary> passes_;
  std::error_code historyError_;
  bool closed_ = false;
  std::unique_ptr<PassesView> view_;
};

}  // namespace tarnwick::gui
