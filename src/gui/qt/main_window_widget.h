// The main window in Qt: the menu bar, and below it the client area with its widgets; the
// actions of the main window's menu table, shared by the menu bar and the menu of a right
// click on the list or the big button.
#pragma once

#include <QAction>
#include <QListWidget>
#include <QMenuBar>
#include <QPushButton>
#include <map>

#include "gui/main_window.h"
#include "gui/qt/qt_support.h"
#include "gui/qt/wrapping_button.h"

namespace tarnwick::gui::qt {

// Every event goes to the main window's rules.
class MainWindowWidget : public QtWindow<MainWindowView> {
 public:
  explicit MainWindowWidget(MainWindow& rules);

  void SetEntries(const std::vector<std::string>& entries) override;
  void AppendEntry(const std::string& entry) override;
  std::optional<int> SelectedIndex() const override;
  void EnableRemoveButton(bool enabled) override;
  void EnableDeleteButton(bool enabled) override;
  void SetDeleteButtonCaption(const std::string& caption) override;
  void SetDeleteButtonTip(const std::string& tip) override;
  void SetItemChecked(MenuItem item, bool checked) override { Action(item)->setChecked(checked); }
  void EnableItem(MenuItem item, bool enabled) override { Action(item)->setEnabled(enabled); }
  std::optional<std::string> ChooseFolder(const std::string& caption,
                                          const std::string& start) override;

  // The action of a menu item, shared by every menu that shows it.
  QAction* Action(MenuItem item) const { return actions_.at(item); }

  QMenuBar* const MenuBar;
  QWidget* const Client;  // the client area below the menu bar, of the described size
  QListWidget* const NamesList;
  QPushButton* const AddNameButton;
  QPushButton* const RemoveNameButton;
  WrappingButton* const DeleteButton;

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  void MakeMenus();

  MainWindow& rules_;
  std::map<MenuItem, QAction*> actions_;
};

}  // namespace tarnwick::gui::qt
