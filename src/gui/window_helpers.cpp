#include "gui/window_helpers.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace tarnwick::gui {
namespace {

// Nearest whole number, ties to the even neighbour; nothing outside the 32-bit range.
std::optional<int64_t> Nearest(double value) {
  const double rounded = std::nearbyint(value);
  if (!(rounded >= INT32_MIN && rounded <= INT32_MAX)) return std::nullopt;
  return static_cast<int64_t>(rounded);
}

std::optional<int32_t> HalfDifference(double outer, double inner) {
  const auto a = Nearest(outer);
  const auto b = Nearest(inner);
  if (!a || !b) return std::nullopt;
  const int64_t difference = *a / 2 - *b / 2;  // integer division truncates toward zero
  if (difference < INT32_MIN || difference > INT32_MAX) return std::nullopt;
  return static_cast<int32_t>(difference);
}

}  // namespace

std::optional<TwipsPosition> CenteredPosition(TwipsSize screen, TwipsSize window) {
  const double usableHeight = static_cast<double>(screen.height) * 0.85;
  if (!std::isfinite(usableHeight)) return std::nullopt;
  const auto top = HalfDifference(usableHeight, window.height);
  const auto left = HalfDifference(screen.width, window.width);
  if (!top || !left) return std::nullopt;
  return TwipsPosition{std::max(*top, 0), std::max(*left, 0)};
}

void CenterForm(WindowView& window) {
  if (const auto position = CenteredPosition(window.ScreenSize(), window.OuterSize())) {
    window.MoveTo(*position);
  }
}

void MakeTopmost(WindowView& window, Toolkit& toolkit) {
  window.SetTopmost();
  toolkit.ProcessPendingEvents();
}

void ShowMessage(WindowView& owner, const std::string& prompt, MessageKind kind,
                 std::string& title, const core::AppState& state) {
  if (title.empty()) title = state.AppTitle;
  owner.ShowMessageBox(prompt, kind, title);
}

}  // namespace tarnwick::gui
