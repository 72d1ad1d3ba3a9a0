// Renders each window offscreen into a PNG file, for the README and for looking at the windows
// without a display:  tarnwick-screenshots OUTPUT_DIR
#include <QApplication>
#include <QDir>
#include <QPixmap>
#include <cstdio>

#include "windows/progress_window.h"
#include "windows/startup.h"

namespace {

bool Save(QWidget& window, const QString& path) {
  window.show();
  QApplication::processEvents();
  const bool saved = window.grab().save(path);
  std::printf("%s %s\n", saved ? "wrote" : "could not write", qPrintable(path));
  return saved;
}

}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication application(argc, argv);
  if (argc < 2) {
    std::fprintf(stderr, "usage: tarnwick-screenshots OUTPUT_DIR\n");
    return 2;
  }
  const QString output = QString::fromLocal8Bit(argv[1]);
  QDir().mkpath(output);

  using namespace tarnwick;
  core::AppState state;
  state.AppTitle = core::kAppTitle;
  windows::MainWindow mainWindow(state, engine::BindHelperObjects());
  for (const char* name : {"Mscreate.dir", "Setup.log", "Thumbs.db"}) mainWindow.AppendName(name);
  mainWindow.List2->setCurrentRow(0);

  windows::NameEntryDialog dialog(state, &mainWindow);
  dialog.Text1->setText("Mscreate.dir");

  windows::LaunchWindow launchWindow(state, mainWindow);
  launchWindow.SetLabel("/home/benutzer/Downloads/Setup/Mscreate.dir/");

  windows::ProgressWindow progressWindow(mainWindow, state.AppTitle);
  progressWindow.ShowWalk("/home/benutzer/Downloads/Setup/Daten/", 1234, 56789);
  progressWindow.ShowDeletions("/home/benutzer/", 1234, 56789, 12);

  bool saved = Save(mainWindow, output + "/main-window.png");
  saved = Save(dialog, output + "/name-entry-dialog.png") && saved;
  saved = Save(launchWindow, output + "/launch-window.png") && saved;
  saved = Save(progressWindow, output + "/progress-window.png") && saved;
  launchWindow.setAttribute(Qt::WA_DeleteOnClose, false);
  dialog.setAttribute(Qt::WA_DeleteOnClose, false);
  return saved ? 0 : 1;
}
