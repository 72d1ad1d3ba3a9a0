#pragma once

#include <QElapsedTimer>
#include <QPointer>
#include <chrono>
#include <functional>
#include <string>

#include "engine/pass_observer.h"
#include "windows/progress_window.h"

namespace tarnwick::windows {

// What the user sees of a running delete pass: the wait cursor from start to end, pending
// events processed at every step so the windows stay alive, and, once the pass has taken
// longer than `showAfter`, a progress window whose "Abbrechen" stops it.
class PassProgress : public engine::PassObserver {
 public:
  PassProgress(QWidget& owner, std::string title, std::string searchRoot,
               std::chrono::milliseconds showAfter, const bool& closing,
               std::function<void(ProgressWindow*)> windowOpened);
  ~PassProgress() override;
  PassProgress(const PassProgress&) = delete;
  PassProgress& operator=(const PassProgress&) = delete;

  bool OnDirectory(const engine::WalkProgress& progress) override;
  void OnWalkEnded(const engine::WalkProgress& progress) override;
  bool OnDeleteProgress(uint64_t deleted, uint64_t failed) override;

 private:
  // Processes pending events; true when the window is open and its figures are due again,
  // which they are at once when it opens and then after `refreshMilliseconds`.
  bool ProcessEvents(qint64 refreshMilliseconds);
  bool Continue() const;

  QWidget& owner_;
  const std::string title_;
  const std::string searchRoot_;
  const std::chrono::milliseconds showAfter_;
  const bool& closing_;
  std::function<void(ProgressWindow*)> windowOpened_;
  QElapsedTimer sinceStart_;
  QElapsedTimer sinceRefresh_;
  QPointer<ProgressWindow> window_;
  uint64_t folders_ = 0;  // the walk's figures, shown on with the deletions
  uint64_t files_ = 0;
};

}  // namespace tarnwick::windows
