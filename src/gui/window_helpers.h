#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "core/app_state.h"

namespace tarnwick::gui {

// Window geometry is laid out in twips; at 96 dots per inch a pixel is 15 twips.
inline constexpr int kTwipsPerPixel = 15;

struct TwipsRect {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
};

struct TwipsSize {
  float width = 0;
  float height = 0;
};

struct TwipsPosition {
  int32_t top = 0;
  int32_t left = 0;
};

enum class MessageKind { kInformation = 1, kWarning = 2, kCritical = 3, kQuestion = 4 };

class Toolkit;
class WindowView;

// Where a window goes: horizontally centred on the screen, vertically centred in its upper
// 85 %, pinned to the top and left edges when it is larger than that. Works in whole twips
// (ties to even, halves truncated toward zero); nothing when a value leaves the 32-bit range.
std::optional<TwipsPosition> CenteredPosition(TwipsSize screen, TwipsSize window);

// Places the window by CenteredPosition on its screen. Call before the window is shown.
void CenterForm(WindowView& window);

// Keeps the window above all ordinary windows, then processes pending events once.
void MakeTopmost(WindowView& window, Toolkit& toolkit);

// A modal message with one OK button, owned by `owner`. An empty `title` becomes AppTitle, in
// the caller's variable too.
void ShowMessage(WindowView& owner, const std::string& prompt, MessageKind kind,
                 std::string& title, const core::AppState& state);

}  // namespace tarnwick::gui
