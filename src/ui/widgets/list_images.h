// The pictures of the main window's image list, drawn by the program: the board's
// three marker balls and the about window's two emblem frames. Drawn at the
// screen's device pixel ratio so they stay crisp on any screen.
#pragma once

#include <QPixmap>

#include "engine/screens/controls.h"

namespace ferlow::ui {

// Size in device-independent pixels: blue ball 25 x 24, red 27 x 24, purple
// 27 x 25, emblems 28 x 31.
QSize listImageSize(ListImage image);

QPixmap listImage(ListImage image, qreal devicePixelRatio);

}  // namespace ferlow::ui
