#include "windows/window_helpers.h"

#include <gtest/gtest.h>

#include <QFontDatabase>
#include <QFontInfo>
#include <QScreen>
#include <QWidget>

#include "window_test_support.h"

namespace tarnwick::windows {
namespace {

using tarnwick::testing::AnswerMessageBox;
using tarnwick::testing::SeenMessage;

TEST(CenteredPosition, CentresInTheUpperPartAndPinsLargeWindows) {
  const struct {
    float screenWidth, screenHeight, windowWidth, windowHeight;
    int32_t top, left;
  } cases[] = {
      {1000, 800, 201, 301, 190, 400},    // the worked example: halves truncate after rounding
      {1000, 800, 201, 700, 0, 400},      // taller than 85 % of the screen: pinned to the top
      {1000, 800, 1500, 100, 290, 0},     // wider than the screen: pinned to the left
      {1000, 800, 200.5f, 300.5f, 190, 400},  // 200.5 and 300.5 round to the even neighbour
      {14400, 11520, 2640, 6660, 1566, 5880},  // a 960 x 768 pixel screen
  };
  for (const auto& c : cases) {
    const auto position = CenteredPosition(c.screenWidth, c.screenHeight, c.windowWidth, c.windowHeight);
    ASSERT_TRUE(position.has_value());
    EXPECT_EQ(position->top, c.top);
    EXPECT_EQ(position->left, c.left);
  }
  EXPECT_FALSE(CenteredPosition(1e12f, 800, 10, 10).has_value());
}

TEST(CenterForm, PlacesTheWindowOnTheScreen) {
  QWidget window;
  window.resize(200, 100);
  CenterForm(window);
  const QRect screen = window.screen()->geometry();
  EXPECT_NEAR(window.x() + 100, screen.width() / 2, 1);
  EXPECT_NEAR(window.y() + 50, screen.height() * 0.425, 1);
}

TEST(ShowMessage, ShowsTheFourKindsWithOneOkButton) {
  core::AppState state;
  state.AppTitle = core::kAppTitle;
  const QMessageBox::Icon icons[] = {QMessageBox::Information, QMessageBox::Warning,
                                     QMessageBox::Critical, QMessageBox::Question};
  for (int16_t kind = 1; kind <= 4; ++kind) {
    SeenMessage seen;
    AnswerMessageBox("MessageBox", "OK", seen);
    std::string title;
    ShowMessage(nullptr, "Hallo", kind, title, state);
    EXPECT_EQ(title, "Kelvane Tarnwick");
    EXPECT_EQ(seen.title, "Kelvane Tarnwick");
    EXPECT_EQ(seen.text, "Hallo");
    EXPECT_EQ(seen.icon, icons[kind - 1]);
    EXPECT_EQ(seen.buttons, QStringList{"OK"});
  }

  SeenMessage seen;
  AnswerMessageBox("MessageBox", "OK", seen);
  std::string own = "Eigener Titel";
  ShowMessage(nullptr, "x", 1, own, state);
  EXPECT_EQ(seen.title, "Eigener Titel");
  EXPECT_EQ(own, "Eigener Titel");
}

TEST(ShowMessage, OtherKindsShowNothing) {
  core::AppState state;
  for (int16_t kind : {0, 5, -1}) {
    std::string title = "t";
    ShowMessage(nullptr, "x", kind, title, state);  // would block if a box appeared
    EXPECT_EQ(title, "t");
  }
}

TEST(UiFont, ResolvesToARealSansSerifFamily) {
  const QFontInfo info(UiFont(8.25, true));
  EXPECT_FALSE(info.family().isEmpty());
  EXPECT_TRUE(QFontDatabase::families().contains(info.family())) << info.family().toStdString();
  EXPECT_TRUE(info.bold());
}

}  // namespace
}  // namespace tarnwick::windows
