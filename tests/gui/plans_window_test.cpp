// The window of the plans through the fake toolkit: a plan added from its fields and the
// folder chooser, run now, looked at and removed, each with the system's scheduler standing in.
#include "gui/plans_window.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "fake_toolkit.h"
#include "gui/main_window.h"
#include "support/scoped_variable.h"
#include "support/stand_in_scheduler.h"
#include "support/temp_dir.h"
#include "support/temp_state.h"

namespace tarnwick::gui {
namespace {

namespace fs = std::filesystem;
using tarnwick::testing::TempDir;
using tarnwick::testing::WriteFile;

class PlansWindowTest : public ::testing::Test {
 protected:
  PlansWindowTest() : dataHome_("XDG_DATA_HOME", dir_ / "data") {
    window_.names().Append("Setup.log");
    window_.ShowNames();
    WriteFile(dir_ / "downloads/a/Setup.log", "a");
  }

  // Opens "Regelmäßig bereinigen" from the menu bar; `inside` acts on it while it is open.
  void OpenPlans(const std::function<void(PlansWindow&, testing::FakePlansWindow&)>& inside) {
    bool acted = false;
    toolkit_.onEvents = [&] {
      if (acted || toolkit_.plansWindow == nullptr || !toolkit_.plansWindow->shown) return;
      acted = true;
      inside(*toolkit_.plans, *toolkit_.plansWindow);
      toolkit_.plans->CloseClick();
    };
    window_.MenuItemClick(MenuItem::kPlans);
    toolkit_.onEvents = [] {};
    EXPECT_TRUE(acted);
  }

  TempDir dir_;
  tarnwick::testing::ScopedVariable dataHome_;
  tarnwick::testing::StandInScheduler scheduler_;
  tarnwick::testing::StandInNotifier notifier_;
  core::AppState state_ = testing::StateIn(dir_);
  engine::HelperObjects helpers_;
  testing::FakeToolkit toolkit_;
  MainWindow window_{state_, helpers_, toolkit_};
};

TEST_F(PlansWindowTest, APlanIsAddedFromItsFieldsRunLookedAtAndRemoved) {
  OpenPlans([&](PlansWindow& rules, testing::FakePlansWindow& shown) {
    // A time that is none is said, and nothing is asked or added.
    shown.clock = "3 Uhr";
    rules.AddClick();
    ASSERT_EQ(toolkit_.messages.size(), 1u);
    EXPECT_EQ(toolkit_.messages[0].prompt,
              "Uhrzeit: „3 Uhr“ ist keine Uhrzeit (HH:MM, etwa 03:00).");
    shown.clock = "04:15";
    shown.kind = 1;
    shown.day = 2;
    shown.limit = "20";
    shown.chosenFolder = dir_ / "downloads";
    toolkit_.messages.clear();
    rules.AddClick();
    EXPECT_TRUE(toolkit_.messages.empty());
    ASSERT_EQ(scheduler_.runs.size(), 1u);
    EXPECT_EQ(scheduler_.runs.begin()->second.time, *core::WeeklyAt("Mi", "04:15"));
    ASSERT_EQ(shown.rows.size(), 1u);
    EXPECT_TRUE(shown.rows[0].starts_with("Plan 1: " + (dir_ / "downloads") +
                                          ", wöchentlich Mi 04:15, höchstens 20 Dateien; "
                                          "nächster Lauf "))
        << shown.rows[0];
    EXPECT_FALSE(shown.planButtonsEnabled);
    shown.selected = 0;
    rules.ListClick();
    EXPECT_TRUE(shown.planButtonsEnabled);

    rules.PreviewClick();
    ASSERT_EQ(toolkit_.messages.size(), 1u);
    EXPECT_EQ(toolkit_.messages[0].prompt,
              "Plan 1 würde jetzt '1' Dateien aus " + (dir_ / "downloads") +
                  " in den Papierkorb verschieben:\n" + (dir_ / "downloads/a/Setup.log"));
    EXPECT_TRUE(fs::exists(dir_ / "downloads/a/Setup.log"));
    shown.selected = 0;
    rules.RunClick();
    EXPECT_FALSE(fs::exists(dir_ / "downloads/a/Setup.log"));
    EXPECT_NE(toolkit_.messages.back().prompt.find("(Durchgang 1;"), std::string::npos);
    EXPECT_NE(shown.rows[0].find("zuletzt "), std::string::npos);

    shown.selected = 0;
    rules.RemoveClick();
    EXPECT_TRUE(shown.rows.empty());
    EXPECT_TRUE(scheduler_.runs.empty());
  });
}

}  // namespace
}  // namespace tarnwick::gui
