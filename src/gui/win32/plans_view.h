// The window "Regelmäßig bereinigen" on Win32.
#pragma once

#include "gui/plans_window.h"
#include "gui/win32/folder_chooser.h"
#include "gui/win32/win32_window.h"

namespace tarnwick::gui::win32 {

// "Regelmäßig bereinigen", modal over the main window; Escape and the frame close it.
class PlansWin32 : public Win32View<PlansView> {
 public:
  enum Control {
    kPlanList = 801,
    kKind = 802,
    kDay = 803,
    kClock = 804,
    kLimit = 805,
    kAdd = 806,
    kRemove = 807,
    kRun = 808,
    kPreview = 809,
    kClose = IDCANCEL
  };

  PlansWin32(Win32Toolkit& toolkit, PlansWindow& rules, HWND owner);

  void SetRows(const std::vector<std::string>& rows) override;
  std::optional<int> SelectedIndex() const override;
  void EnablePlanButtons(bool enabled) override;
  std::optional<std::string> ChooseFolder(const std::string& caption,
                                          const std::string& start) override {
    return win32::ChooseFolder(handle(), caption, start);
  }
  int KindIndex() const override { return Selection(kKind); }
  int DayIndex() const override { return Selection(kDay); }
  std::string ClockText() const override { return TextOf(kClock); }
  std::string LimitText() const override { return TextOf(kLimit); }

 private:
  int Selection(int comboBox) const;
  std::string TextOf(int edit) const;

  HWND list_ = nullptr;
};

}  // namespace tarnwick::gui::win32
