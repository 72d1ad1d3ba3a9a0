// Twips, the unit every window's geometry is given in, and its rectangles and sizes.
#pragma once

#include <cstdint>

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

}  // namespace tarnwick::gui
