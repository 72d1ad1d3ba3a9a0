// The rules of the window "Dateien des Durchgangs N": the files a kept pass still lists, each
// with a check box, the ticked ones taken back, the rest kept in its record for later; and the
// view interface its toolkits implement.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

#include "core/app_state.h"
#include "gui/tickable_rows.h"
#include "gui/toolkit.h"

namespace tarnwick::gui {

// The files, virtually, as TickableRows; "Alle", "Keine", "Zurückholen", "Schließen". Modal
// over its owner.
class PassFilesView : public WindowView {
 public:
  virtual void SetCaption(const std::string& caption) = 0;
  virtual void SetRowCount(size_t rows) = 0;
  // Ticks or texts of many rows have changed.
  virtual void RefreshRows() = 0;
};

class PassFilesWindow : public TickableRows {
 public:
  PassFilesWindow(const core::AppState& state, Toolkit& toolkit, WindowView& owner,
                  uint64_t number);
  ~PassFilesWindow();

  // Shows the window, unless the pass's files cannot be read (then says why), and returns when
  // it is closed, or the program ends, or none of the pass's files is left.
  void ShowModal();

  size_t RowCount() const override { return files_.size(); }
  // The file's path, and why it stayed in the trash when it was to come back.
  std::string TextAt(size_t row) const override;

  void AllClick();
  void NoneClick();
  void TakeBackClick();  // the ticked files
  void CloseClick();     // "Schließen", Escape, the window's frame

  PassFilesView& view() { return *view_; }

 private:
  // Reads the files the record still lists; each keeps its tick, a new one is ticked.
  void ShowFiles();
  void TickAll(bool ticked);

  const core::AppState& state_;
  Toolkit& toolkit_;
  uint64_t number_;
  std::vector<std::string> files_;
  std::unordered_map<std::string, std::string> stayed_;  // path: why it stayed in the trash
  std::string unusable_;                                 // why the record cannot be read
  bool closed_ = false;
  std::unique_ptr<PassFilesView> view_;
};

}  // namespace tarnwick::gui
