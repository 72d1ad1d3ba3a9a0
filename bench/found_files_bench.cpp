// The look before deleting on many found files: how long the window "Gefundene Dateien" takes
// to open and show its first rows, and the peak memory of a pass with the look beside one
// without, over a tree that tree_bench generated.
//
//   found_files_bench --settings FILE --root DIR [--look]
#include <sys/resource.h>

#include <QApplication>
#include <QWidget>
#include <chrono>
#include <cstdio>
#include <string>

#include "core/app_state.h"
#include "core/name_list_store.h"
#include "engine/delete_pass.h"
#include "gui/found_files_window.h"
#include "gui/main_window.h"
#include "gui/qt/qt_toolkit.h"

int main(int argc, char** argv) {
  using namespace tarnwick;
  std::string settings, root;
  bool look = false;
  for (int i = 1; i < argc; ++i) {
    const std::string option = argv[i];
    if (option == "--look") look = true;
    else if (option == "--settings" && i + 1 < argc) settings = argv[++i];
    else if (option == "--root" && i + 1 < argc) root = argv[++i];
  }
  if (settings.empty() || root.empty()) {
    std::fprintf(stderr, "usage: found_files_bench --settings FILE --root DIR [--look]\n");
    return 2;
  }
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication application(argc, argv);
  core::AppState state;
  state.AppTitle = core::kAppTitle;
  state.SettingsPath = settings;
  state.SearchRoot = root;
  engine::HelperObjects helpers;
  gui::qt::QtToolkit toolkit;
  gui::MainWindow mainWindow(state, helpers, toolkit);
  core::LoadNameList(state, mainWindow.names());

  engine::PassRequest request;
  request.root = state.SearchRoot;
  request.names = mainWindow.names();
  engine::DeleteReport report;
  std::vector<size_t> matches = engine::FindListedFiles(request, helpers, report);
  double openSeconds = 0;
  if (look) {
    const auto started = std::chrono::steady_clock::now();
    gui::FoundFilesWindow found(toolkit, mainWindow.view(), helpers.resultList, matches, false);
    found.view().ShowWindow();
    QApplication::processEvents();
    dynamic_cast<QWidget&>(found.view()).repaint();  // its first rows, drawn
    openSeconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
  }
  rusage usage{};
  ::getrusage(RUSAGE_SELF, &usage);
  std::printf("%zu found%s: peak %.1f MB", matches.size(), look ? ", with the look" : "",
              static_cast<double>(usage.ru_maxrss) / 1024.0);
  if (look) std::printf(", the window open in %.3f s (target < 1 s)", openSeconds);
  std::printf("\n");
  return 0;
}
