#include "gui/launch_window.h"

#include "gui/search_root.h"
#include "gui/window_helpers.h"

namespace tarnwick::gui {

LaunchWindow::LaunchWindow(core::AppState& state, Toolkit& toolkit, MainWindow& mainWindow)
    : state_(state), mainWindow_(mainWindow), view_(toolkit.CreateLaunchWindow(*this)) {
  CenterForm(*view_);
}

void LaunchWindow::SetLabel(const std::string& path) {
  label_ = path;
  view_->SetLabel(path);
}

void LaunchWindow::Command1Click() {
  state_.SearchRoot = SearchRootFor(label_);
  mainWindow_.ShowSearchRoot();
  ContinueIntoMainWindow();
}

void LaunchWindow::Command2Click() {
  state_.PendingName = NameToListFor(label_);
  mainWindow_.AppendName(state_.PendingName);
  ContinueIntoMainWindow();
}

void LaunchWindow::ContinueIntoMainWindow() {
  continued_ = true;
  mainWindow_.view().ShowWindow();
  view_->CloseWindow();
}

void LaunchWindow::FrameClosed() {
  // No window would be left, so the program ends as the main window does; when the user keeps
  // it open after a failed save, the main window is where to close it again.
  if (!continued_ && !mainWindow_.Unload()) ContinueIntoMainWindow();
}

}  // namespace tarnwick::gui
