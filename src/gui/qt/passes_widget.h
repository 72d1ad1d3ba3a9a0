// The windows of the kept passes in Qt: "Durchgänge", a row a pass in columns, and "Dateien des
// Durchgangs N", its files with check boxes.
#pragma once

#include <QDialog>
#include <QLabel>
#include <QListView>
#include <QPushButton>
#include <QTreeWidget>

#include "gui/pass_files_window.h"
#include "gui/passes_window.h"
#include "gui/qt/qt_support.h"
#include "gui/qt/tick_list_model.h"

namespace tarnwick::gui::qt {

// "Durchgänge", modal over the main window; Escape and the frame close it.
class PassesWidget : public QtWindow<PassesView, QDialog> {
 public:
  PassesWidget(PassesWindow& rules, QWidget& owner);

  void SetRows(const std::vector<std::vector<std::string>>& rows,
               std::optional<int> selected) override;
  std::optional<int> SelectedIndex() const override;
  void EnableTakeBackButton(bool enabled) override {
    EnableKeepingFocus(*TakeBackButton, enabled, *PassList);
  }
  void EnableFilesButton(bool enabled) override {
    EnableKeepingFocus(*FilesButton, enabled, *PassList);
  }

  QTreeWidget* const PassList;
  QPushButton* const TakeBackButton;
  QPushButton* const FilesButton;
  QPushButton* const CloseButton;

 protected:
  void reject() override { rules_.CloseClick(); }
  void closeEvent(QCloseEvent* event) override;

 private:
  PassesWindow& rules_;
};

// "Dateien des Durchgangs N", modal over "Durchgänge"; Escape and the frame close it.
class PassFilesWidget : public QtWindow<PassFilesView, QDialog> {
 public:
  PassFilesWidget(PassFilesWindow& rules, QWidget& owner);

  void SetCaption(const std::string& caption) override;
  void SetRowCount(size_t) override { model_.Reset(*FileList); }
  void RefreshRows() override { model_.TicksChanged(); }

  QLabel* const Line;
  QListView* const FileList;
  QPushButton* const TickAllButton;
  QPushButton* const TickNoneButton;
  QPushButton* const TakeBackButton;
  QPushButton* const CloseButton;

 protected:
  void reject() override { rules_.CloseClick(); }
  void closeEvent(QCloseEvent* event) override;

 private:
  PassFilesWindow& rules_;
  TickListModel model_;
};

}  // namespace tarnwick::gui::qt
