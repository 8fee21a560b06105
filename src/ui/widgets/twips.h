// Twips, the unit of the machine's sizes and positions, to device-independent
// pixels: 15 twips to a pixel; Qt's high-DPI scaling does the rest.
#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>
#include <cmath>

namespace ferlow::ui {

inline constexpr double kTwipsPerPixel = 15.0;

inline int px(double twips) { return static_cast<int>(std::lround(twips / kTwipsPerPixel)); }
inline double twips(int pixels) { return pixels * kTwipsPerPixel; }

}  // namespace ferlow::ui
