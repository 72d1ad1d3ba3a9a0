// The name entry dialog's rules: the small window in which the user types one file name for the
// list, and the view interface its toolkits implement.
#pragma once

#include <memory>
#include <optional>
#include <string>

#include "gui/toolkit.h"

namespace tarnwick::gui {

class NameEntryDialogView : public WindowView {
 public:
  virtual std::string Text() const = 0;  // the text box
  virtual void SetText(const std::string& text) = 0;
  virtual void FocusText() = 0;
  virtual void BringToFront() = 0;
};

// Neither Enter nor Escape closes it: only "Übernehmen" accepts, and "Abbrechen" or the frame
// close it without a name.
class NameEntryDialog {
 public:
  // Makes the dialog's view and places it above all other windows; it is not shown yet.
  NameEntryDialog(Toolkit& toolkit, MainWindowView& owner);

  // Shows the dialog with an empty text box that has the focus and waits until it closes: the
  // name exactly as typed when it was accepted, nothing otherwise.
  std::optional<std::string> Ask();

  void AcceptClick();  // "Übernehmen"
  void CancelClick();  // "Abbrechen"
  // Closed by its frame: the same outcome as "Abbrechen".
  void FrameClosed();

  NameEntryDialogView& view() { return *view_; }

 private:
  void Unload();

  Toolkit& toolkit_;
  std::unique_ptr<NameEntryDialogView> view_;
  std::optional<std::string> accepted_;
  bool closed_ = false;
};

}  // namespace tarnwick::gui
