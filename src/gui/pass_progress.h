// The progress of a long pass in the window: when its progress window opens, what it shows,
// and a stop; and the view interface its toolkits implement.
#pragma once

#include <chrono>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "engine/pass_observer.h"
#include "gui/toolkit.h"

namespace tarnwick::gui {

// The window of a long delete pass. Its "Abbrechen" button, Escape and its frame all go to
// PassProgress::CancelClick; the window stays until the pass has ended.
class ProgressView {
 public:
  virtual ~ProgressView() = default;

  virtual void ShowWindow() = 0;
  virtual void SetHeading(const std::string& text) = 0;
  // The folder, shortened in the middle when it does not fit.
  virtual void SetFolder(std::string_view folder) = 0;
  virtual void SetCounts(const std::string& text) = 0;
  // Shows the line of deleted files, hidden until the deletions start.
  virtual void SetDeleted(const std::string& text) = 0;
  // The bar: busy while the amount of work is unknown, else the share done, 0 to 1.
  virtual void SetProgress(std::optional<double> done) = 0;
  virtual void DisableCancel() = 0;
};

// What the user sees of a running delete pass: the wait cursor from start to end, pending
// events processed at every step so the windows stay alive, and, once the pass has taken
// longer than `showAfter`, a progress window whose "Abbrechen" stops it.
class PassProgress : public engine::PassObserver {
 public:
  // `closing` is the main window's: once it is set, the pass stops.
  // `toTrash`: the pass moves the files it finds to the trash rather than deleting them.
  PassProgress(Toolkit& toolkit, MainWindowView& owner, std::string title, std::string searchRoot,
               bool toTrash, std::chrono::milliseconds showAfter, const bool& closing);
  ~PassProgress() override;
  PassProgress(const PassProgress&) = delete;
  PassProgress& operator=(const PassProgress&) = delete;

  bool OnWalkProgress(const engine::WalkProgress& progress) override;
  void OnWalkEnded(const engine::WalkProgress& progress) override;
  void OnDeletionsStarting(uint64_t matches) override;

  // What was found is shown before the deletions: the progress window and the wait cursor
  // give way to it, and come back with the deletions.
  void StepAside();
  bool OnDeleteProgress(uint64_t deleted, uint64_t failed) override;

  // "Abbrechen": the pass stops at its next step.
  void CancelClick();
  bool StopRequested() const { return stopRequested_; }

 private:
  using Clock = std::chrono::steady_clock;

  // Processes pending events; true when the window is open and its figures are due again,
  // which they are at once when it opens and then after `refresh`.
  bool ProcessEvents(std::chrono::milliseconds refresh);
  bool Continue() const;
  void ShowWaitCursor(bool shown);

  Toolkit& toolkit_;
  MainWindowView& owner_;
  const std::string title_;
  const std::string searchRoot_;
  const bool toTrash_;
  const std::chrono::milliseconds showAfter_;
  const bool& closing_;
  Clock::time_point started_ = Clock::now();
  Clock::time_point refreshed_{};
  std::unique_ptr<ProgressView> window_;
  bool stopRequested_ = false;
  bool waitCursor_ = false;
  bool deleting_ = false;
  uint64_t folders_ = 0;  // the walk's figures, shown on with the deletions
  uint64_t files_ = 0;
  uint64_t matches_ = 0;  // files to delete, once the matching is done
};

}  // namespace tarnwick::gui
