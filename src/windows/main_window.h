#pragma once

#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QWidget>
#include <chrono>

#include "core/app_state.h"
#include "core/name_list.h"
#include "engine/helper_objects.h"
#include "windows/name_entry_dialog.h"
#include "windows/progress_window.h"
#include "windows/wrapping_button.h"

namespace tarnwick::windows {

// Form1: the list of names to delete, adding and removing names, and the delete pass.
// Closing it saves the list and ends the program.
class MainWindow : public QWidget {
  Q_OBJECT

 public:
  MainWindow(core::AppState& state, engine::HelperObjects& helpers);

  // The list that List2 shows; after changing it directly, call ShowNames.
  core::NameList& names() { return names_; }
  const core::NameList& names() const { return names_; }
  void ShowNames();
  // Appends a name at the end of the list (a name the settings file cannot hold is refused).
  void AppendName(const std::string& name);
  // The open name entry dialog, if any.
  NameEntryDialog* nameEntryDialog() const { return dialog_; }
  // How long a delete pass runs before its progress window opens.
  void setProgressDelay(std::chrono::milliseconds delay) { progressDelay_ = delay; }

  QListWidget* const List2;
  QPushButton* const Command1;     // "neuer Dateiname..."
  QPushButton* const Command3;     // "Dateiname entfernen..."
  WrappingButton* const Command4;  // the delete pass

 signals:
  void progressWindowOpened(ProgressWindow* window);

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  void List2Click();
  void Command1Click();
  void Command3Click();
  void Command4Click();
  void UpdateDeleteButton();

  core::AppState& state_;
  engine::HelperObjects& helpers_;
  core::NameList names_;
  QPointer<NameEntryDialog> dialog_;
  std::chrono::milliseconds progressDelay_{1000};
  bool passRunning_ = false;
  bool closing_ = false;
};

}  // namespace tarnwick::windows
