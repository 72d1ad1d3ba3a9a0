// The window "Gefundene Dateien" in Qt: a virtual list over the rules' rows.
#pragma once

#include <QDialog>
#include <QLabel>
#include <QListView>
#include <QPushButton>

#include "gui/found_files_window.h"
#include "gui/qt/qt_support.h"
#include "gui/qt/tick_list_model.h"

namespace tarnwick::gui::qt {

// "Gefundene Dateien", modal over the main window. Space toggles the focused row; Escape and
// the frame cancel.
class FoundFilesWidget : public QtWindow<FoundFilesView, QDialog> {
 public:
  FoundFilesWidget(FoundFilesWindow& rules, QWidget& owner);

  void SetFoundLine(const std::string& text) override;
  void SetDealCaption(const std::string& caption) override;
  void SetRowCount(size_t rows) override;
  void RefreshRows() override { model_.TicksChanged(); }

  QLabel* const FoundLabel;
  QListView* const FileList;
  QPushButton* const TickAllButton;
  QPushButton* const TickNoneButton;
  QPushButton* const DealButton;
  QPushButton* const CancelButton;

 protected:
  void reject() override { rules_.CancelClick(); }
  void closeEvent(QCloseEvent* event) override;

 private:
  FoundFilesWindow& rules_;
  TickListModel model_;
};

}  // namespace tarnwick::gui::qt
