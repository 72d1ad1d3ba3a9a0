// A list of rows with check boxes that a window shows virtually, asking for each row it draws:
// the found files of a pass, the files of a kept pass. Views of every toolkit draw any such
// list the same way.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace tarnwick::gui {

class TickableRows {
 public:
  virtual ~TickableRows() = default;

  virtual size_t RowCount() const = 0;
  virtual std::string TextAt(size_t row) const = 0;
  bool IsTicked(size_t row) const { return ticked_.at(row); }
  // A click on the row's check box, or Space on the row.
  void ToggleRow(size_t row) {
    if (row < ticked_.size()) ticked_[row] = !ticked_[row];
  }

 protected:
  // A bit a row, whatever their number.
  std::vector<bool> ticked_;
};

}  // namespace tarnwick::gui
