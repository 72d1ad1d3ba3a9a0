// The progress window of a long pass in Qt.
#pragma once

#include <QDialog>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>

#include "gui/pass_progress.h"
#include "gui/qt/qt_support.h"

namespace tarnwick::gui::qt {

// The progress window's widgets, modal over the main window and centred on it. Its button,
// Escape and its frame all ask the pass to stop.
class ProgressWindowWidget : public QDialog, public ProgressView {
 public:
  ProgressWindowWidget(PassProgress& rules, QWidget& owner, const std::string& title);

  void ShowWindow() override { show(); }
  void SetHeading(const std::string& text) override;
  void SetFolder(std::string_view folder) override;
  void SetCounts(const std::string& text) override;
  void SetDeleted(const std::string& text) override;
  // The window keeps the focus, so that Escape still reaches it.
  void DisableCancel() override { EnableKeepingFocus(*CancelButton, false, *this); }
  void SetProgress(std::optional<double> done) override;

  QLabel* const HeadingLabel;  // "Durchsuche:", then what the pass does with the finds
  QLabel* const FolderLabel;
  QLabel* const CountLabel;    // "Ordner: N   Dateien: M"
  QLabel* const DeletedLabel;  // "Gelöscht: K", once the deletions have started
  QProgressBar* const Bar;     // busy during the walk, then deleted of found
  QPushButton* const CancelButton;

 protected:
  void reject() override { rules_.CancelClick(); }
  void closeEvent(QCloseEvent* event) override;

 private:
  PassProgress& rules_;
};

}  // namespace tarnwick::gui::qt
