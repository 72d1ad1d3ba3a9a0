#pragma once

#include <QLabel>
#include <QPushButton>
#include <QWidget>
#include <string>

#include "core/app_state.h"
#include "windows/main_window.h"

namespace tarnwick::windows {

// Form3: shown first when a path was passed on the command line. Either way on leads into the
// main window with that path as the search root; closing it by its frame ends the program.
class LaunchWindow : public QWidget {
  Q_OBJECT

 public:
  LaunchWindow(core::AppState& state, MainWindow& mainWindow);

  // The path the label shows, kept byte for byte for the buttons.
  void SetLabel(const std::string& path);

  QLabel* const Label1;
  QPushButton* const Command1;  // search this path
  QPushButton* const Command2;  // add the path's file name, then search

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  void Command1Click();
  void Command2Click();
  void ContinueIntoMainWindow();

  core::AppState& state_;
  MainWindow& mainWindow_;
  std::string label_;
  bool continued_ = false;
};

}  // namespace tarnwick::windows
