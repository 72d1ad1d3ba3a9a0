// The rules of the window "Gefundene Dateien", the look before deleting, and its view interface.
#pragma once

#include <cstddef>
#include <memory>
#include <string>
#include <vector>

#include "engine/result_list.h"
#include "gui/tickable_rows.h"
#include "gui/toolkit.h"

namespace tarnwick::gui {

// "Gefundene Dateien": every file a pass found, by its full path in the order of the walk, each
// with a check box, ticked at first. The list is virtual: the view asks for the rows it shows.
class FoundFilesView : public WindowView {
 public:
  virtual void SetFoundLine(const std::string& text) = 0;
  virtual void SetDealCaption(const std::string& caption) = 0;
  // The list has `rows` rows; each is read from the rules (TickableRows) when it is shown.
  virtual void SetRowCount(size_t rows) = 0;
  // Ticks of many rows have changed.
  virtual void RefreshRows() = 0;
};

class FoundFilesWindow : public TickableRows {
 public:
  // `matches`: result-list indices of the found files.
  FoundFilesWindow(Toolkit& toolkit, MainWindowView& owner, const engine::ResultList& results,
                   const std::vector<size_t>& matches, bool toTrash);
  ~FoundFilesWindow();

  // Shows the window and waits until it closes: true, with only the ticked files left in
  // `matches`, when the deal button was pressed; false when it was cancelled or the program
  // ends.
  bool Choose(std::vector<size_t>& matches);

  size_t RowCount() const override { return ticked_.size(); }
  std::string TextAt(size_t row) const override;  // the file's full path

  void AllClick();
  void NoneClick();
  void DealClick();    // "Löschen", or "In den Papierkorb verschieben"
  void CancelClick();  // "Abbrechen", Escape, the window's frame

  FoundFilesView& view() { return *view_; }

 private:
  enum class Outcome { kOpen, kDeal, kCancel };

  void TickAll(bool ticked);

  Toolkit& toolkit_;
  const engine::ResultList& results_;
  const std::vector<size_t>& matches_;
  Outcome outcome_ = Outcome::kOpen;
  std::unique_ptr<FoundFilesView> view_;
};

}  // namespace tarnwick::gui
