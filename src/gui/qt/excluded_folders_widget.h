// The window "Ausgenommene Ordner" in Qt.
#pragma once

#include <QDialog>
#include <QListWidget>
#include <QPushButton>

#include "gui/excluded_folders_window.h"
#include "gui/qt/qt_support.h"

namespace tarnwick::gui::qt {

// "Ausgenommene Ordner", modal over the main window; Escape and the frame close it.
class ExcludedFoldersWidget : public QtWindow<ExcludedFoldersView, QDialog> {
 public:
  ExcludedFoldersWidget(ExcludedFoldersWindow& rules, QWidget& owner);

  void SetEntries(const std::vector<std::string>& entries) override;
  std::optional<int> SelectedIndex() const override;
  void EnableRemoveButton(bool enabled) override {
    EnableKeepingFocus(*RemoveButton, enabled, *FolderList);
  }
  std::optional<std::string> ChooseFolder(const std::string& caption,
                                          const std::string& start) override {
    return qt::ChooseFolder(this, caption, start);
  }

  QListWidget* const FolderList;
  QPushButton* const AddButton;
  QPushButton* const RemoveButton;
  QPushButton* const CloseButton;

 protected:
  void reject() override { rules_.CloseClick(); }
  void closeEvent(QCloseEvent* event) override;

 private:
  ExcludedFoldersWindow& rules_;
};

}  // namespace tarnwick::gui::qt
