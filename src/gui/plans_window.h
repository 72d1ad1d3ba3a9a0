// The rules of the window "Regelmäßig bereinigen" and the view interface its toolkits
// implement.
#pragma once

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "core/app_state.h"
#include "core/plans.h"
#include "gui/toolkit.h"

namespace tarnwick::gui {

// "Regelmäßig bereinigen": the plans, one a row with its next and last run; below them when a
// new plan runs (daily, weekly on a day, at login; its time; at most how many files), and
// "Hinzufügen...", "Entfernen", "Jetzt ausführen", "Vorschau", "Schließen". Modal over the
// main window.
class PlansView : public WindowView {
 public:
  // Replaces every row, leaving none selected.
  virtual void SetRows(const std::vector<std::string>& rows) = 0;
  virtual std::optional<int> SelectedIndex() const = 0;
  // "Entfernen", "Jetzt ausführen" and "Vorschau", which act on the selected plan.
  virtual void EnablePlanButtons(bool enabled) = 0;
  // The platform's folder chooser, opening at `start`; nothing when it was cancelled.
  virtual std::optional<std::string> ChooseFolder(const std::string& caption,
                                                  const std::string& start) = 0;
  // What the fields of a new plan hold: the kind (its index in kPlanKinds), the day (from
  // Monday), the time and the limit as typed.
  virtual int KindIndex() const = 0;
  virtual int DayIndex() const = 0;
  virtual std::string ClockText() const = 0;
  virtual std::string LimitText() const = 0;
};

class PlansWindow {
 public:
  PlansWindow(const core::AppState& state, Toolkit& toolkit, WindowView& owner);
  ~PlansWindow();

  // Shows the window and returns when it is closed, or the program ends.
  void ShowModal();

  void ListClick();     // the selection changed
  void AddClick();      // "Hinzufügen...": the folder chooser, then the plan as the fields say
  void RemoveClick();   // "Entfernen": the plan and its timer or task
  void RunClick();      // "Jetzt ausführen": as the scheduler would, then what it did
  void PreviewClick();  // "Vorschau": what the plan would move now, moving nothing
  void CloseClick();    // "Schließen", Escape, the window's frame

  PlansView& view() { return *view_; }

 private:
  void ShowPlans();
  std::optional<core::Plan> SelectedPlan() const;
  // The time and limit the fields give; nothing, and said, when one is no such value.
  std::optional<core::Plan> PlanFromFields();
  void Say(const std::string& text, MessageKind kind);

  const core::AppState& state_;
  Toolkit& toolkit_;
  std::vector<core::Plan> plans_;
  bool closed_ = false;
  std::unique_ptr<PlansView> view_;
};

}  // namespace tarnwick::gui
