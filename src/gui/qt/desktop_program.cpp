#include "gui/qt/desktop_program.h"

#include <QIcon>
#include <QLibraryInfo>
#include <QLocale>
#include <unistd.h>

#include "platform/process/command_line.h"
#include "platform/process/termination_signals.h"

namespace tarnwick::gui::qt {

DesktopProgram::DesktopProgram(int argc, char** argv,
                               const platform::ExecutableLocation& executable)
    : argc_(argc), application_(argc_, argv) {
  QApplication::setWindowIcon(QIcon(":/tarnwick.png"));
  if (qtTexts_.load(QLocale(QLocale::German), "qtbase", "_",
                    QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
    QApplication::installTranslator(&qtTexts_);
  }
  // The program ends when the main window closes, not when a window happens to be the last.
  QApplication::setQuitOnLastWindowClosed(false);
  // argv itself, not QApplication::arguments(): those are decoded, and a folder name that is
  // not UTF-8 would come back changed.
  windows_ = Main(state_, executable,
                  platform::CommandLineText(platform::ProgramArguments(argc_, argv)), toolkit_);

  MainWindow& mainWindow = *windows_.mainWindow;
  const auto unload = [&mainWindow] { mainWindow.Unload(); };
  QObject::connect(&application_, &QGuiApplication::commitDataRequest, unload);
  QObject::connect(&application_, &QCoreApplication::aboutToQuit, unload);
  const int signalPipe = platform::CatchTerminationSignals();
  if (signalPipe != -1) {
    terminationSignals_ = std::make_unique<QSocketNotifier>(signalPipe, QSocketNotifier::Read);
    QObject::connect(terminationSignals_.get(), &QSocketNotifier::activated, [signalPipe, unload] {
      char byte;
      while (::read(signalPipe, &byte, 1) == 1) {
      }
      unload();
    });
  }
}

int DesktopProgram::Run() { return QApplication::exec(); }

}  // namespace tarnwick::gui::qt
