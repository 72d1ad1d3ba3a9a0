#include "gui/window_helpers.h"

#include <gtest/gtest.h>

#include "fake_toolkit.h"

namespace tarnwick::gui {
namespace {

TEST(CenteredPosition, CentresInTheUpperPartAndPinsLargeWindows) {
  const struct {
    TwipsSize screen, window;
    int32_t top, left;
  } cases[] = {
      {{1000, 800}, {201, 301}, 190, 400},        // halves truncate after rounding
      {{1000, 800}, {201, 700}, 0, 400},          // taller than 85 % of the screen: pinned to the top
      {{1000, 800}, {1500, 100}, 290, 0},         // wider than the screen: pinned to the left
      {{1000, 800}, {200.5f, 300.5f}, 190, 400},  // 200.5 and 300.5 round to the even neighbour
      {{14400, 11520}, {2640, 6660}, 1566, 5880},  // a 960 x 768 pixel screen
  };
  for (const auto& c : cases) {
    const auto position = CenteredPosition(c.screen, c.window);
    ASSERT_TRUE(position.has_value());
    EXPECT_EQ(position->top, c.top);
    EXPECT_EQ(position->left, c.left);
  }
  EXPECT_FALSE(CenteredPosition({1e12f, 800}, {10, 10}).has_value());
}

TEST(ShowMessage, AnEmptyTitleBecomesAppTitleInTheCallersVariableToo) {
  testing::FakeToolkit toolkit;
  testing::FakeLaunchWindow window(toolkit);
  core::AppState state;
  state.AppTitle = core::kAppTitle;
  std::string title;
  ShowMessage(window, "Hallo", MessageKind::kQuestion, title, state);
  EXPECT_EQ(title, "Kelvane Tarnwick");
  std::string own = "Eigener Titel";
  ShowMessage(window, "x", MessageKind::kInformation, own, state);
  ASSERT_EQ(toolkit.messages.size(), 2u);
  EXPECT_EQ(toolkit.messages[0].title, "Kelvane Tarnwick");
  EXPECT_EQ(toolkit.messages[0].kind, MessageKind::kQuestion);
  EXPECT_EQ(toolkit.messages[1].title, "Eigener Titel");
}

}  // namespace
}  // namespace tarnwick::gui
