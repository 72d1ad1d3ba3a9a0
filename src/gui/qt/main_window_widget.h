#pragma once

#include <QAction>
#include <QListWidget>
#include <QPushButton>
#include <functional>

#include "gui/main_window.h"
#include "gui/qt/qt_support.h"
#include "gui/qt/wrapping_button.h"

namespace tarnwick::gui::qt {

// Form1's widgets; every event goes to the main window's rules.
class MainWindowWidget : public QtWindow<MainWindowView> {
 public:
  explicit MainWindowWidget(MainWindow& rules);

  void SetEntries(const std::vector<std::string>& entries) override;
  void AppendEntry(const std::string& entry) override;
  std::optional<int> SelectedIndex() const override;
  void EnableRemoveButton(bool enabled) override { Command3->setEnabled(enabled); }
  void EnableDeleteButton(bool enabled) override { Command4->setEnabled(enabled); }
  void SetDeleteButtonTip(const std::string& tip) override;
  void SetTrashChecked(bool checked) override;
  void SetLookFirstChecked(bool checked) override;
  void EnableTakeBack(bool enabled) override { TakeBackAction->setEnabled(enabled); }
  std::optional<std::string> ChooseFolder(const std::string& caption,
                                          const std::string& start) override;

  QListWidget* const List2;
  QPushButton* const Command1;     // "neuer Dateiname..."
  QPushButton* const Command3;     // "Dateiname entfernen..."
  WrappingButton* const Command4;  // the delete pass
  // "In den Papierkorb verschieben statt löschen", in the menu of the list and of Command4.
  QAction* const TrashAction;
  // "Vor dem Löschen zeigen, was gefunden wurde", in the same menus.
  QAction* const LookFirstAction;
  // "Letzten Durchgang aus dem Papierkorb zurückholen", in the same menus.
  QAction* const TakeBackAction;
  // "Ausgenommene Ordner...", in the same menus.
  QAction* const ExcludedFoldersAction;

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  void BindSwitch(QAction* action, std::function<void()> click);

  MainWindow& rules_;
};

}  // namespace tarnwick::gui::qt
