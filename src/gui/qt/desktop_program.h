// The desktop program on Qt: start-up, the event loop, and the session's end.
#pragma once

#include <QApplication>
#include <QSocketNotifier>
#include <QTranslator>
#include <memory>
#include <string>

#include "core/app_state.h"
#include "gui/qt/qt_toolkit.h"
#include "gui/startup.h"
#include "platform/process/executable_location.h"

namespace tarnwick::gui::qt {

// The desktop program once it has started: Qt, the toolkit and the windows of the run.
class DesktopProgram {
 public:
  // Starts Qt, which takes its own options out of the arguments, then runs start-up with the
  // rest, byte for byte, as the command line. From then on a termination signal or the end
  // of the desktop session closes the main window, saving the list.
  DesktopProgram(int argc, char** argv, const platform::ExecutableLocation& executable);

  // Runs the events until the main window closes; returns the exit status.
  int Run();

  const core::AppState& state() const { return state_; }
  StartedWindows& windows() { return windows_; }

 private:
  int argc_;  // QApplication keeps a reference to it
  QApplication application_;
  QTranslator qtTexts_;  // German for Qt's own dialogs, the folder chooser among them
  QtToolkit toolkit_;
  core::AppState state_;
  StartedWindows windows_;
  std::unique_ptr<QSocketNotifier> terminationSignals_;
};

}  // namespace tarnwick::gui::qt
