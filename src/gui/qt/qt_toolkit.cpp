#include "gui/qt/qt_toolkit.h"

#include <QApplication>

#include "gui/qt/excluded_folders_widget.h"
#include "gui/qt/found_files_widget.h"
#include "gui/qt/launch_window_widget.h"
#include "gui/qt/main_window_widget.h"
#include "gui/qt/name_entry_dialog_widget.h"
#include "gui/qt/passes_widget.h"
#include "gui/qt/plans_widget.h"
#include "gui/qt/progress_window_widget.h"

namespace tarnwick::gui::qt {
namespace {

// Every view this toolkit makes is a widget.
QWidget& Widget(WindowView& view) { return dynamic_cast<QWidget&>(view); }

}  // namespace

std::unique_ptr<MainWindowView> QtToolkit::CreateMainWindow(MainWindow& rules) {
  return std::make_unique<MainWindowWidget>(rules);
}

std::unique_ptr<NameEntryDialogView> QtToolkit::CreateNameEntryDialog(NameEntryDialog& rules,
                                                                      MainWindowView& owner) {
  return std::make_unique<NameEntryDialogWidget>(rules, Widget(owner));
}

std::unique_ptr<LaunchWindowView> QtToolkit::CreateLaunchWindow(LaunchWindow& rules) {
  return std::make_unique<LaunchWindowWidget>(rules);
}

std::unique_ptr<ProgressView> QtToolkit::CreateProgressWindow(PassProgress& rules,
                                                              MainWindowView& owner,
                                                              const std::string& title) {
  return std::make_unique<ProgressWindowWidget>(rules, Widget(owner), title);
}

std::unique_ptr<FoundFilesView> QtToolkit::CreateFoundFilesWindow(FoundFilesWindow& rules,
                                                                  MainWindowView& owner) {
  return std::make_unique<FoundFilesWidget>(rules, Widget(owner));
}

std::unique_ptr<ExcludedFoldersView> QtToolkit::CreateExcludedFoldersWindow(
    ExcludedFoldersWindow& rules, MainWindowView& owner) {
  return std::make_unique<ExcludedFoldersWidget>(rules, Widget(owner));
}

std::unique_ptr<PassesView> QtToolkit::CreatePassesWindow(PassesWindow& rules, WindowView& owner) {
  return std::make_unique<PassesWidget>(rules, Widget(owner));
}

std::unique_ptr<PlansView> QtToolkit::CreatePlansWindow(PlansWindow& rules, WindowView& owner) {
  return std::make_unique<PlansWidget>(rules, Widget(owner));
}

std::unique_ptr<PassFilesView> QtToolkit::CreatePassFilesWindow(PassFilesWindow& rules,
                                                                WindowView& owner) {
  return std::make_unique<PassFilesWidget>(rules, Widget(owner));
}

void QtToolkit::ProcessPendingEvents() { QCoreApplication::processEvents(); }

void QtToolkit::WaitUntil(const std::function<bool()>& done) {
  while (!ended_ && !done()) QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
}

void QtToolkit::SetWaitCursor(bool shown) {
  if (shown) {
    QApplication::setOverrideCursor(Qt::WaitCursor);
  } else {
    QApplication::restoreOverrideCursor();
  }
}

void QtToolkit::EndProgram() {
  ended_ = true;
  QCoreApplication::exit(0);
}

}  // namespace tarnwick::gui::qt
