// What tarnwick-cli prints while a pass runs: a progress line on a terminal, every file dealt
// with when asked, and the paths as they may safely be shown.
#pragma once

#include <cstdint>
#include <iosfwd>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "cli/cli_app.h"
#include "cli/cli_options.h"
#include "cli/terminal_progress.h"
#include "engine/pass_observer.h"

namespace tarnwick::cli {

// Tells the user on the console what a pass does: a progress line on a terminal (not with
// --quiet), and with --verbose every file dealt with (on standard error with --json, whose
// standard output holds one JSON object) and every failure as it happens.
class PrintingObserver : public engine::PassObserver {
 public:
  PrintingObserver(const Options& options, bool toTrash, const CliEnvironment& environment,
                   std::ostream& out, std::ostream& err);

  bool OnWalkProgress(const engine::WalkProgress& walk) override;
  void OnDirectoryFailed(std::string_view path, std::error_code error) override;
  void OnDeletionsStarting(uint64_t matches) override;
  bool OnDeleteProgress(uint64_t deleted, uint64_t failed) override;
  void OnDeleted(std::string_view path) override;
  void OnOtherFileSystem(std::string_view path) override;
  void OnTrashFolder(std::string_view path) override;
  void OnExcludedFolder(std::string_view path) override;
  void OnAlreadyGone(std::string_view path) override;
  void OnDeleteFailed(std::string_view path, std::error_code error) override;

  // `text` as it may be printed here.
  std::string Shown(std::string_view text) const;
  // Keeps the path of every file dealt with, for a report that lists them.
  void CollectDealtWith(bool collect) { collect_ = collect; }
  const std::vector<std::string>& DealtWith() const { return dealtWith_; }
  // The stream, with the progress line taken away first so the text starts on a clean line.
  std::ostream& Line(std::ostream& stream);

 private:
  bool Stopped() const { return stopRequested_ && stopRequested_(); }

  bool verbose_;
  bool toTrash_;
  bool collect_ = false;
  std::vector<std::string> dealtWith_;
  bool escape_;
  const std::function<bool()>& stopRequested_;
  std::ostream& out_;
  std::ostream& err_;
  std::optional<TerminalProgress> progress_;
  uint64_t matches_ = 0;
};

}  // namespace tarnwick::cli
