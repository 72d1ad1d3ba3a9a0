#pragma once

#include <QLineEdit>
#include <QPushButton>
#include <QWidget>

#include "core/app_state.h"

namespace tarnwick::windows {

// Form2: the small dialog in which the user types one file name. Accepting leaves the name in
// AppState (NameAccepted = 1, PendingName); every way of closing it destroys it.
// Neither Enter nor Escape closes it.
class NameEntryDialog : public QWidget {
  Q_OBJECT

 public:
  NameEntryDialog(core::AppState& state, QWidget* owner);

  QLineEdit* const Text1;
  QPushButton* const Command1;  // "Abbrechen"
  QPushButton* const Command2;  // "Übernehmen"

 private:
  void Command2Click();
  void Command1Click();

  core::AppState& state_;
};

}  // namespace tarnwick::windows
