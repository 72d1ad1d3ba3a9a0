#pragma once

#include <memory>
#include <string>

#include "core/app_state.h"
#include "gui/toolkit.h"

namespace tarnwick::gui {

class NameEntryDialogView : public WindowView {
 public:
  virtual std::string Text() const = 0;  // Text1
  virtual void SetText(const std::string& text) = 0;
  virtual void FocusText() = 0;
  virtual void BringToFront() = 0;
};

// Form2: the small dialog in which the user types one file name. Accepting leaves the name in
// AppState (NameAccepted = 1, PendingName); every other way of closing it leaves AppState
// alone. Neither Enter nor Escape closes it.
class NameEntryDialog {
 public:
  // Makes the dialog's view and runs its Load handler; the dialog is not shown yet.
  NameEntryDialog(core::AppState& state, Toolkit& toolkit, MainWindowView& owner);

  void Command2Click();  // "Übernehmen"
  void Command1Click();  // "Abbrechen"
  // Closed by its frame: the same outcome as "Abbrechen".
  void FrameClosed();

  bool IsClosed() const { return closed_; }
  NameEntryDialogView& view() { return *view_; }

 private:
  void Load();
  void Unload();

  core::AppState& state_;
  Toolkit& toolkit_;
  std::unique_ptr<NameEntryDialogView> view_;
  bool closed_ = false;
};

}  // namespace tarnwick::gui
