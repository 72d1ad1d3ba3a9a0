// The launch window's rules: shown first when a path was passed on the command line, it offers
// to search that path, or to list the path's own name first.
#pragma once

#include <memory>
#include <string>

#include "core/app_state.h"
#include "gui/main_window.h"
#include "gui/toolkit.h"

namespace tarnwick::gui {

class LaunchWindowView : public WindowView {
 public:
  virtual void SetPath(const std::string& text) = 0;  // the label across the top
};

// Either way on leads into the main window with that path as the search root; closing it by its
// frame ends the program.
class LaunchWindow {
 public:
  LaunchWindow(core::AppState& state, Toolkit& toolkit, MainWindow& mainWindow);

  // The path the label shows, kept byte for byte for the buttons.
  void SetPath(const std::string& path);

  void SearchPathClick();        // search this path
  void AddNameAndSearchClick();  // add the path's file name, then search
  void FrameClosed();

  LaunchWindowView& view() { return *view_; }

 private:
  void ContinueIntoMainWindow();

  core::AppState& state_;
  MainWindow& mainWindow_;
  std::unique_ptr<LaunchWindowView> view_;
  std::string path_;
  bool continued_ = false;
};

}  // namespace tarnwick::gui
