#pragma once

#include <QDialog>
#include <QLabel>
#include <QPushButton>
#include <cstdint>
#include <string>
#include <string_view>

namespace tarnwick::windows {

// The window a long delete pass shows: where the walk is, how much it has seen, how many files
// are gone, and a button that stops the pass. Closing it by its frame or Escape stops it too;
// the window itself stays until the pass has ended.
class ProgressWindow : public QDialog {
  Q_OBJECT

 public:
  ProgressWindow(QWidget& owner, const std::string& title);

  void ShowWalk(std::string_view folder, uint64_t folders, uint64_t files);
  void ShowDeletions(std::string_view root, uint64_t folders, uint64_t files, uint64_t deleted);
  bool StopRequested() const { return stopRequested_; }

  QLabel* const HeadingLabel;  // "Durchsuche:", then what the pass does with the finds
  QLabel* const FolderLabel;   // the folder, shortened in the middle when it does not fit
  QLabel* const CountLabel;    // "Ordner: N   Dateien: M"
  QLabel* const DeletedLabel;  // "Gelöscht: K", once the matching has started
  QPushButton* const CancelButton;

 signals:
  // The labels show new figures.
  void Refreshed();

 public slots:
  void reject() override;

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  void ShowFolder(std::string_view folder);
  void ShowCounts(uint64_t folders, uint64_t files);

  bool stopRequested_ = false;
};

}  // namespace tarnwick::windows
