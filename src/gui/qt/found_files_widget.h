// The window "Gefundene Dateien" in Qt: a virtual list over the rules' rows.
#pragma once

#include <QAbstractListModel>
#include <QDialog>
#include <QLabel>
#include <QListView>
#include <QPushButton>

#include "gui/found_files_window.h"
#include "gui/qt/qt_support.h"

namespace tarnwick::gui::qt {

// The found files as a list model over the rules: nothing is copied, each row is asked for as
// the view shows it, and its check box is the row's tick.
class FoundFilesModel : public QAbstractListModel {
 public:
  explicit FoundFilesModel(FoundFilesWindow& rules) : rules_(rules) {}

  int rowCount(const QModelIndex& parent) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  bool setData(const QModelIndex& index, const QVariant& value, int role) override;
  Qt::ItemFlags flags(const QModelIndex& index) const override;

  void Reset() {
    beginResetModel();
    endResetModel();
  }
  void TicksChanged();

 private:
  FoundFilesWindow& rules_;
};

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
  FoundFilesModel model_;
};

}  // namespace tarnwick::gui::qt
