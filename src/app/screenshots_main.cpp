// Renders each window offscreen into a PNG file, for the README and for looking at the windows
// without a display:  tarnwick-screenshots OUTPUT_DIR
#include <QApplication>
#include <QDir>
#include <QPixmap>
#include <QTemporaryDir>
#include <cstdio>
#include <span>

#include "core/plans.h"
#include "core/trash_history.h"
#include "gui/excluded_folders_window.h"
#include "gui/launch_window.h"
#include "gui/main_window.h"
#include "gui/name_entry_dialog.h"
#include "gui/pass_files_window.h"
#include "gui/passes_window.h"
#include "gui/plans_window.h"
#include "gui/qt/qt_toolkit.h"
#include "gui/qt/progress_window_widget.h"
#include "texts/texts.h"

namespace {

bool Save(QWidget& window, const QString& path) {
  window.show();
  QApplication::processEvents();
  const bool saved = window.grab().save(path);
  std::printf("%s %s\n", saved ? "wrote" : "could not write", qPrintable(path));
  return saved;
}

template <typename View>
QWidget& Widget(View& view) { return dynamic_cast<QWidget&>(view); }

// Keeps a pass of a few files to the trash, as a pass records it, for the windows that show
// the kept passes; no file is moved.
bool KeepSamplePass(const tarnwick::core::AppState& state) {
  tarnwick::core::PassRecorder record(state, "/home/benutzer/Downloads", 1796220000);
  if (record.Prepare()) return false;
  std::vector<tarnwick::platform::TrashedEntry> moved;
  uint64_t inode = 4711;
  for (const char* name : {"Setup/Mscreate.dir", "Setup/Thumbs.db", "Treiber/Setup.log"}) {
    tarnwick::platform::TrashedEntry entry;
    entry.originalPath = std::string("/home/benutzer/Downloads/") + name;
    entry.trash = "/home/benutzer/.local/share/Trash";
    entry.entryName = std::to_string(inode);
    entry.device = 2049;
    entry.inode = inode++;
    entry.modified = 1796220000000000000;
    moved.push_back(entry);
  }
  record.BeforeMove(std::span(moved));
  record.Finish();
  return !record.Error();
}

// Keeps two plans, one of which ran, for the window of the plans; nothing is scheduled.
bool KeepSamplePlans(const tarnwick::core::AppState& state) {
  using tarnwick::core::Plan;
  Plan downloads{0, "/home/benutzer/Downloads", {2049, 131073},
                 *tarnwick::core::DailyAt("03:00"), 500, std::nullopt};
  Plan desktop{0, "/home/benutzer/Schreibtisch", {2049, 131074},
               *tarnwick::core::WeeklyAt("Mo", "08:30"), 50, std::nullopt};
  bool added = false;
  return !tarnwick::core::AddPlan(state, downloads, added) &&
         !tarnwick::core::AddPlan(state, desktop, added) &&
         !tarnwick::core::NoteRun(state, 1, {1796220000, 1, 3, "moved"});
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
  const QTemporaryDir settingsFolder;  // where the sample pass is kept
  state.SettingsPath = (settingsFolder.path() + "/tarnwick.ini").toStdString();
  gui::qt::QtToolkit toolkit;
  gui::MainWindow mainWindow(state, engine::BindHelperObjects(), toolkit);
  for (const char* name : {"Mscreate.dir", "Setup.log", "Thumbs.db"}) mainWindow.AppendName(name);

  gui::NameEntryDialog dialog(toolkit, mainWindow.view());
  dialog.view().SetText("Mscreate.dir");

  gui::LaunchWindow launchWindow(state, toolkit, mainWindow);
  launchWindow.SetPath("/home/benutzer/Downloads/Setup/Mscreate.dir/");

  const bool closing = false;
  gui::PassProgress progress(toolkit, mainWindow.view(), state.AppTitle, "/home/benutzer/", false,
                             std::chrono::milliseconds(0), closing);
  gui::qt::ProgressWindowWidget progressWindow(progress, Widget(mainWindow.view()), state.AppTitle);
  progressWindow.SetHeading(texts::ProgressDeleting(false));
  progressWindow.SetFolder("/home/benutzer/");
  progressWindow.SetCounts(texts::ProgressCounts(1234, 56789));
  progressWindow.SetDeleted(texts::ProgressDeleted(12, false));
  progressWindow.SetProgress(0.4);

  for (const char* folder : {"/home/benutzer/Projekte", "/home/benutzer/.wine/drive_c/Programme"}) {
    mainWindow.excludedFolders().Append(folder);
  }
  gui::ExcludedFoldersWindow excludedFolders(state, toolkit, mainWindow.view(),
                                             mainWindow.excludedFolders());

  if (!KeepSamplePass(state)) {
    std::fprintf(stderr, "could not keep the sample pass\n");
    return 1;
  }
  if (!KeepSamplePlans(state)) {
    std::fprintf(stderr, "could not keep the sample plans\n");
    return 1;
  }
  gui::PlansWindow plans(state, toolkit, mainWindow.view());
  gui::PassesWindow passes(state, toolkit, mainWindow.view());
  gui::PassFilesWindow passFiles(state, toolkit, passes.view(), 1);

  bool saved = Save(Widget(mainWindow.view()), output + "/main-window.png");
  saved = Save(Widget(dialog.view()), output + "/name-entry-dialog.png") && saved;
  saved = Save(Widget(launchWindow.view()), output + "/launch-window.png") && saved;
  saved = Save(progressWindow, output + "/progress-window.png") && saved;
  saved = Save(Widget(excludedFolders.view()), output + "/excluded-folders-window.png") && saved;
  saved = Save(Widget(passes.view()), output + "/passes-window.png") && saved;
  saved = Save(Widget(plans.view()), output + "/plans-window.png") && saved;
  saved = Save(Widget(passFiles.view()), output + "/pass-files-window.png") && saved;
  return saved ? 0 : 1;
}
