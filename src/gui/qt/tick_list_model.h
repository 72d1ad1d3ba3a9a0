// A Qt list model over rows with check boxes (TickableRows): nothing is copied, each row is asked
// for as the view shows it, and its check box is the row's tick.
#pragma once

#include <QAbstractListModel>
#include <QListView>

#include "gui/tickable_rows.h"

namespace tarnwick::gui::qt {

class TickListModel : public QAbstractListModel {
 public:
  explicit TickListModel(TickableRows& rows) : rows_(rows) {}

  int rowCount(const QModelIndex& parent) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  bool setData(const QModelIndex& index, const QVariant& value, int role) override;
  Qt::ItemFlags flags(const QModelIndex& index) const override;

  // The rows are others now; the view shows the first as its current one.
  void Reset(QListView& view);
  void TicksChanged();

 private:
  TickableRows& rows_;
};

}  // namespace tarnwick::gui::qt
