#include "cli/printing_observer.h"

#include <ostream>

#include "cli/terminal_text.h"
#include "texts/texts.h"

namespace tarnwick::cli {

PrintingObserver::PrintingObserver(const Options& options, bool toTrash,
                                   const CliEnvironment& environment, std::ostream& out,
                                   std::ostream& err)
    : verbose_(options.verbose), toTrash_(toTrash), escape_(environment.escapeOutput),
      stopRequested_(environment.stopRequested), out_(options.json ? err : out), err_(err) {
  if (environment.progressColumns > 0 && !options.quiet) {
    progress_.emplace(err, environment.progressColumns, toTrash);
  }
}

bool PrintingObserver::OnWalkProgress(const engine::WalkProgress& walk) {
  if (progress_) progress_->ShowWalk(walk.currentDirectory, walk.directories, walk.files);
  return !Stopped();
}

void PrintingObserver::OnDirectoryFailed(std::string_view path, std::error_code error) {
  if (verbose_) Line(err_) << texts::CliNotSearched(Shown(path), error) << '\n';
}

void PrintingObserver::OnDeletionsStarting(uint64_t matches) { matches_ = matches; }

bool PrintingObserver::OnDeleteProgress(uint64_t deleted, uint64_t failed) {
  if (progress_) progress_->ShowDeletions(deleted, deleted + failed, matches_);
  return !Stopped();
}

void PrintingObserver::OnDeleted(std::string_view path) {
  if (collect_) dealtWith_.emplace_back(path);
  if (verbose_) Line(out_) << texts::CliDeleted(Shown(path), toTrash_) << '\n';
}

void PrintingObserver::OnOtherFileSystem(std::string_view path) {
  if (verbose_) Line(err_) << texts::CliOtherFileSystem(Shown(path)) << '\n';
}

void PrintingObserver::OnTrashFolder(std::string_view path) {
  if (verbose_) Line(err_) << texts::CliTrashFolder(Shown(path)) << '\n';
}

void PrintingObserver::OnExcludedFolder(std::string_view path) {
  if (verbose_) Line(err_) << texts::CliExcludedFolder(Shown(path)) << '\n';
}

void PrintingObserver::OnAlreadyGone(std::string_view path) {
  if (verbose_) Line(err_) << texts::CliAlreadyGone(Shown(path)) << '\n';
}

void PrintingObserver::OnDeleteFailed(std::string_view path, std::error_code error) {
  if (verbose_) Line(err_) << texts::CliNotDeleted(Shown(path), error, toTrash_) << '\n';
}

std::string PrintingObserver::Shown(std::string_view text) const { return Printable(text, escape_); }

std::ostream& PrintingObserver::Line(std::ostream& stream) {
  if (progress_) progress_->Clear();
  return stream;
}

}  // namespace tarnwick::cli
