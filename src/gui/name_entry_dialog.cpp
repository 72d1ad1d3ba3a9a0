#include "gui/name_entry_dialog.h"

#include "gui/window_helpers.h"

namespace tarnwick::gui {

NameEntryDialog::NameEntryDialog(core::AppState& state, Toolkit& toolkit, MainWindowView& owner)
    : state_(state), toolkit_(toolkit), view_(toolkit.CreateNameEntryDialog(*this, owner)) {
  Load();
}

void NameEntryDialog::Load() {
  MakeTopmost(*view_, toolkit_);
  CenterForm(*view_);
}

void NameEntryDialog::Command2Click() {
  state_.NameAccepted = 1;
  state_.PendingName = view_->Text();
  Unload();
}

void NameEntryDialog::Command1Click() {
  view_->SetText("");
  Unload();
}

void NameEntryDialog::FrameClosed() { Unload(); }

void NameEntryDialog::Unload() {
  closed_ = true;
  view_->CloseWindow();
}

}  // namespace tarnwick::gui
