#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include <QFont>
#include <QRect>

#include "core/app_state.h"

class QWidget;

namespace tarnwick::windows {

// Window geometry is laid out in twips; at 96 dots per inch a pixel is 15 twips, and Qt's
// device-independent pixels keep that ratio on high-dpi screens.
inline constexpr int kTwipsPerPixel = 15;
QRect TwipsRect(int left, int top, int width, int height);

struct TwipsPosition {
  int32_t top = 0;
  int32_t left = 0;
};

// Where a window goes: horizontally centred on the screen, vertically centred in its upper
// 85 %, pinned to the top and left edges when it is larger than that. Works in whole twips
// (ties to even, halves truncated toward zero); nothing when a value leaves the 32-bit range.
std::optional<TwipsPosition> CenteredPosition(float screenWidth, float screenHeight,
                                              float windowWidth, float windowHeight);

// Places the window by CenteredPosition on its screen. Call before the window is shown.
void CenterForm(QWidget& window);

// Keeps the window above all ordinary windows, then processes pending events once.
void MakeTopmost(QWidget& window);

// A modal message with one "OK" button. Kinds: 1 information, 2 warning, 3 critical,
// 4 question; any other kind shows nothing. An empty `title` becomes AppTitle, in the
// caller's variable too.
void ShowMessage(QWidget* parent, const std::string& prompt, int16_t kind, std::string& title,
                 const core::AppState& state);

// A modal question with the buttons "Ja" and "Nein"; true for "Ja".
bool AskYesNo(QWidget* parent, const std::string& prompt, const std::string& title);

// The interface font: MS Sans Serif where it exists, else a sans-serif face of the same size.
QFont UiFont(double points, bool bold = false);

}  // namespace tarnwick::windows
