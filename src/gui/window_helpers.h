// The window helpers: placing a window, keeping it on top, a message box of one of four kinds.
#pragma once

#include <optional>
#include <string>

#include "core/app_state.h"
#include "gui/toolkit.h"

namespace tarnwick::gui {

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
