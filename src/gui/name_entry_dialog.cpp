#include "gui/name_entry_dialog.h"

#include "gui/window_helpers.h"

namespace tarnwick::gui {

NameEntryDialog::NameEntryDialog(Toolkit& toolkit, MainWindowView& owner)
    : toolkit_(toolkit), view_(toolkit.CreateNameEntryDialog(*this, owner)) {
  MakeTopmost(*view_, toolkit_);
  CenterForm(*view_);
}

std::optional<std::string> NameEntryDialog::Ask() {
  view_->SetText("");
  view_->ShowWindow();
  view_->FocusText();
  toolkit_.WaitUntil([this] { return closed_; });
  return accepted_;
}

void NameEntryDialog::AcceptClick() {
  accepted_ = view_->Text();
  Unload();
}

void NameEntryDialog::CancelClick() {
  view_->SetText("");
  Unload();
}

void NameEntryDialog::FrameClosed() { Unload(); }

void NameEntryDialog::Unload() {
  closed_ = true;
  view_->CloseWindow();
}

}  // namespace tarnwick::gui
