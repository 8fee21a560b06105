// Twips, the unit of the machine's sizes and positions, to device-independent
// pixels: 15 twips to a pixel; Qt's high-DPI scaling does the rest. The views
// place controls in twips where the machine gives their places, in pixels where
// the look is theirs, never both in one layout; these are the only conversions.
#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>
#include <cmath>

#include "engine/screens/controls.h"

namespace ferlow::ui {

inline constexpr double kTwipsPerPixel = 15.0;

inline int px(double twips) { return static_cast<int>(std::lround(twips / kTwipsPerPixel)); }
inline double twips(int pixels) { return pixels * kTwipsPerPixel; }
inline QRect px(const TwipsRect& r) { return {px(r.left), px(r.top), px(r.width), px(r.height)}; }

// The client area of a window whose model holds its outer size.
inline QSize clientSize(double outerWidth, double outerHeight)
{
    return {px(outerWidth - kFrameWidthTwips), px(outerHeight - kFrameHeightTwips)};
}
inline QSize clientSize(const WindowState& model) { return clientSize(model.width, model.height); }
inline QSize clientSize(const WindowSize& outer) { return clientSize(outer.width, outer.height); }

}  // namespace ferlow::ui
