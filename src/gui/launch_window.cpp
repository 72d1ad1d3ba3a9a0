#include "gui/launch_window.h"

#include "gui/search_root.h"
#include "gui/window_helpers.h"

namespace tarnwick::gui {

LaunchWindow::LaunchWindow(core::AppState& state, Toolkit& toolkit, MainWindow& mainWindow)
    : state_(state), mainWindow_(mainWindow), view_(toolkit.CreateLaunchWindow(*this)) {
  CenterForm(*view_);
}

void LaunchWindow::SetPath(const std::string& path) {
  path_ = path;
  view_->SetPath(path);
}

void LaunchWindow::SearchPathClick() {
  state_.SearchRoot = SearchRootFor(path_);
  mainWindow_.ShowSearchRoot();
  ContinueIntoMainWindow();
}

void LaunchWindow::AddNameAndSearchClick() {
  mainWindow_.AppendName(NameToListFor(path_));
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
