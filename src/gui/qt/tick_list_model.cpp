#include "gui/qt/tick_list_model.h"

namespace tarnwick::gui::qt {

int TickListModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(rows_.RowCount());
}

QVariant TickListModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid()) return {};
  const auto row = static_cast<size_t>(index.row());
  if (role == Qt::DisplayRole) return QString::fromStdString(rows_.TextAt(row));
  if (role == Qt::CheckStateRole) return rows_.IsTicked(row) ? Qt::Checked : Qt::Unchecked;
  return {};
}

bool TickListModel::setData(const QModelIndex& index, const QVariant& value, int role) {
  if (!index.isValid() || role != Qt::CheckStateRole) return false;
  const auto row = static_cast<size_t>(index.row());
  if ((value.toInt() == Qt::Checked) != rows_.IsTicked(row)) rows_.ToggleRow(row);
  emit dataChanged(index, index, {Qt::CheckStateRole});
  return true;
}

Qt::ItemFlags TickListModel::flags(const QModelIndex& index) const {
  if (!index.isValid()) return Qt::NoItemFlags;
  return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable;
}

void TickListModel::Reset(QListView& view) {
  beginResetModel();
  endResetModel();
  if (rowCount({}) > 0) view.setCurrentIndex(index(0));
}

void TickListModel::TicksChanged() {
  if (rowCount({}) == 0) return;
  emit dataChanged(index(0), index(rowCount({}) - 1), {Qt::CheckStateRole, Qt::DisplayRole});
}

}  // namespace tarnwick::gui::qt
