#include "gui/plans_window.h"

#include <ctime>

#include "engine/plan_schedule.h"
#include "engine/planned_run.h"
#include "gui/window_helpers.h"
#include "platform/process/user_folders.h"
#include "texts/texts.h"

namespace tarnwick::gui {

PlansWindow::PlansWindow(const core::AppState& state, Toolkit& toolkit, WindowView& owner)
    : state_(state), toolkit_(toolkit), view_(toolkit.CreatePlansWindow(*this, owner)) {
  ShowPlans();
}

PlansWindow::~PlansWindow() = default;

void PlansWindow::ShowModal() {
  CenterForm(*view_);
  view_->ShowWindow();
  toolkit_.WaitUntil([this] { return closed_; });
  view_->CloseWindow();
}

void PlansWindow::ShowPlans() {
  plans_.clear();
  size_t damaged = 0;
  const std::error_code error = core::LoadPlans(state_, plans_, &damaged);
  std::vector<std::string> rows;
  const std::time_t now = std::time(nullptr);
  for (const core::Plan& plan : plans_) {
    rows.push_back(texts::PlanRow(plan, engine::NextRun(plan.time, now)));
  }
  view_->SetRows(rows);
  view_->EnablePlanButtons(false);
  if (error) Say(texts::SettingsUnreadable(state_.SettingsPath, error), MessageKind::kWarning);
  if (damaged > 0) Say(texts::Reason(core::DamagedPlan()), MessageKind::kWarning);
}

std::optional<core::Plan> PlansWindow::SelectedPlan() const {
  const auto row = view_->SelectedIndex();
  if (!row || *row < 0 || static_cast<size_t>(*row) >= plans_.size()) return std::nullopt;
  return plans_[static_cast<size_t>(*row)];
}

void PlansWindow::Say(const std::string& text, MessageKind kind) {
  std::string title;
  ShowMessage(*view_, text, kind, title, state_);
}

void PlansWindow::ListClick() { view_->EnablePlanButtons(SelectedPlan().has_value()); }

std::optional<core::Plan> PlansWindow::PlanFromFields() {
  core::Plan plan;
  // The fields' kinds are in the order of core::PlanTime::Kind.
  const auto kind = static_cast<core::PlanTime::Kind>(view_->KindIndex());
  if (kind == core::PlanTime::Kind::kAtLogin) {
    plan.time.kind = kind;
  } else {
    const std::string clock = view_->ClockText();
    const auto time = core::DailyAt(clock);
    if (!time) {
      Say(texts::CliBadClock("Uhrzeit", clock), MessageKind::kWarning);
      return std::nullopt;
    }
    plan.time = *time;
    plan.time.kind = kind;
    if (kind == core::PlanTime::Kind::kWeekly) plan.time.weekday = view_->DayIndex();
  }
  const std::string limit = view_->LimitText();
  const auto number = core::PlanLimitOf(limit);
  if (!number) {
    Say(texts::CliBadLimit("Höchstens", limit), MessageKind::kWarning);
    return std::nullopt;
  }
  plan.limit = *number;
  return plan;
}

void PlansWindow::AddClick() {
  auto plan = PlanFromFields();
  if (!plan) return;
  const auto folder =
      view_->ChooseFolder(texts::kChoosePlanFolderCaption, platform::UserHomeFolder());
  if (!folder || closed_) return;
  const auto identity = platform::IdentityOfFolder(*folder);
  if (!identity) {  // gone since it was chosen
    Say(texts::CliRootUnreadable(*folder,
                                 std::make_error_code(std::errc::no_such_file_or_directory)),
        MessageKind::kWarning);
    return;
  }
  plan->folder = *folder;
  plan->identity = *identity;
  const engine::PlanAddition addition = engine::AddPlan(state_, *plan);
  if (addition.saveError) {
    Say(texts::PlansNotSaved(state_.SettingsPath, addition.saveError), MessageKind::kWarning);
    return;
  }
  ShowPlans();
  if (!addition.added) {
    Say(texts::PlanExists(*plan, *folder), MessageKind::kInformation);
  } else if (addition.scheduleError == platform::ScheduleError::kNoUserManager) {
    Say(texts::PlanWaitsForUserManager(addition.cronLine), MessageKind::kInformation);
  } else if (addition.scheduleError) {
    Say(texts::PlanNotScheduled(addition.scheduleError), MessageKind::kWarning);
  }
}

void PlansWindow::RemoveClick() {
  const auto plan = SelectedPlan();
  if (!plan) return;
  std::error_code unscheduled;
  const std::error_code error = engine::RemovePlan(state_, plan->number, unscheduled);
  ShowPlans();
  if (error) {
    Say(texts::PlansNotSaved(state_.SettingsPath, error), MessageKind::kWarning);
  } else if (unscheduled) {
    Say(texts::PlanNotUnscheduled(plan->number, unscheduled), MessageKind::kWarning);
  }
}

void PlansWindow::RunClick() {
  const auto plan = SelectedPlan();
  if (!plan) return;
  toolkit_.SetWaitCursor(true);
  const engine::PlannedRun run = engine::RunPlan(state_, *plan, nullptr);
  core::NoteRun(state_, plan->number, engine::PlanRunOf(run, std::time(nullptr)));
  toolkit_.SetWaitCursor(false);
  ShowPlans();
  Say(texts::PlanRunText(*plan, run, plan->folder), MessageKind::kInformation);
}

void PlansWindow::PreviewClick() {
  const auto plan = SelectedPlan();
  if (!plan) return;
  toolkit_.SetWaitCursor(true);
  const engine::PlannedRun look = engine::LookAtPlan(state_, *plan);
  toolkit_.SetWaitCursor(false);
  Say(texts::PlanPreviewText(*plan, look), MessageKind::kInformation);
}

void PlansWindow::CloseClick() { closed_ = true; }

}  // namespace tarnwick::gui
