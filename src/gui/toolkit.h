// The toolkit interface the window rules talk to: each window's view is made by it, and it runs
// the events; and what every view offers (showing, placing, message boxes).
#pragma once

#include <functional>
#include <memory>
#include <string>

#include "gui/window_geometry.h"

namespace tarnwick::gui {

class ExcludedFoldersView;
class ExcludedFoldersWindow;
class FoundFilesView;
class FoundFilesWindow;
class LaunchWindow;
class LaunchWindowView;
class MainWindow;
class MainWindowView;
class NameEntryDialog;
class NameEntryDialogView;
class PassFilesView;
class PassFilesWindow;
class PassesView;
class PlansView;
class PlansWindow;
class PassesWindow;
class PassProgress;
class ProgressView;

// The icon of a message box; each kind has one OK button.
enum class MessageKind { kInformation = 1, kWarning = 2, kCritical = 3, kQuestion = 4 };

// What every window's view offers the rules: showing and closing it, its place on the
// screen, and the message boxes it owns.
class WindowView {
 public:
  virtual ~WindowView() = default;

  virtual void ShowWindow() = 0;
  // Takes the window off the screen without running any of its handlers.
  virtual void CloseWindow() = 0;
  // The size of the window's screen and of the window itself, frame and title bar included.
  virtual TwipsSize ScreenSize() const = 0;
  virtual TwipsSize OuterSize() const = 0;
  // Moves the window's outer top left corner to `position` on its screen.
  virtual void MoveTo(TwipsPosition position) = 0;
  virtual void SetTopmost() = 0;
  // A modal box with the kind's icon and one OK button.
  virtual void ShowMessageBox(const std::string& prompt, MessageKind kind,
                              const std::string& title) = 0;
  // A modal question with the buttons Yes and No; true for Yes.
  virtual bool AskYesNo(const std::string& prompt, const std::string& title) = 0;
};

// The toolkit under the windows: it makes each window's view, bound to the window's rules,
// and runs the events.
class Toolkit {
 public:
  virtual ~Toolkit() = default;

  virtual std::unique_ptr<MainWindowView> CreateMainWindow(MainWindow& rules) = 0;
  virtual std::unique_ptr<NameEntryDialogView> CreateNameEntryDialog(NameEntryDialog& rules,
                                                                     MainWindowView& owner) = 0;
  virtual std::unique_ptr<LaunchWindowView> CreateLaunchWindow(LaunchWindow& rules) = 0;
  // A modal window over `owner` that shows how a delete pass gets on.
  virtual std::unique_ptr<ProgressView> CreateProgressWindow(PassProgress& rules,
                                                             MainWindowView& owner,
                                                             const std::string& title) = 0;

  // A modal window over `owner` that shows what a pass found, to choose from.
  virtual std::unique_ptr<FoundFilesView> CreateFoundFilesWindow(FoundFilesWindow& rules,
                                                                 MainWindowView& owner) = 0;

  // A modal window over `owner` that lists the folders no pass enters.
  virtual std::unique_ptr<ExcludedFoldersView> CreateExcludedFoldersWindow(
      ExcludedFoldersWindow& rules, MainWindowView& owner) = 0;

  // A modal window over `owner` that lists the kept passes to the trash.
  virtual std::unique_ptr<PassesView> CreatePassesWindow(PassesWindow& rules,
                                                         WindowView& owner) = 0;
  // A modal window over `owner` that lists the files of one kept pass.
  virtual std::unique_ptr<PassFilesView> CreatePassFilesWindow(PassFilesWindow& rules,
                                                               WindowView& owner) = 0;

  // A modal window over `owner` that lists the plans and adds and removes them.
  virtual std::unique_ptr<PlansView> CreatePlansWindow(PlansWindow& rules, WindowView& owner) = 0;

  // Handles the events that are pending, once, and returns.
  virtual void ProcessPendingEvents() = 0;
  // Handles events, sleeping while there are none, until `done` holds or the program ends.
  virtual void WaitUntil(const std::function<bool()>& done) = 0;
  virtual void SetWaitCursor(bool shown) = 0;
  // Ends the program: every running event loop and wait returns.
  virtual void EndProgram() = 0;
};

}  // namespace tarnwick::gui
