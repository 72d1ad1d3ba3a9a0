#include "gui/qt/desktop_program.h"

#include <QIcon>

#include "platform/command_line.h"

namespace tarnwick::gui::qt {

DesktopProgram::DesktopProgram(int argc, char** argv,
                               const platform::ExecutableLocation& executable)
    : argc_(argc), application_(argc_, argv) {
  QApplication::setWindowIcon(QIcon(":/tarnwick.png"));
  // The program ends when the main window closes, not when a window happens to be the last.
  QApplication::setQuitOnLastWindowClosed(false);
  // argv itself, not QApplication::arguments(): those are decoded, and a folder name that is
  // not UTF-8 would come back changed.
  windows_ = Main(state_, executable,
                  platform::CommandLineText(platform::ProgramArguments(argc_, argv)), toolkit_);
}

int DesktopProgram::Run() { return QApplication::exec(); }

}  // namespace tarnwick::gui::qt
