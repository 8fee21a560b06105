// The program's icon, drawn by the program: a red keno ball with a white disc
// carrying the number 80. Used as every window's icon and as the About emblem.
#pragma once

#include <QIcon>
#include <QPixmap>

class QPainter;
class QRectF;

namespace ferlow::ui {

// Paints the icon into `box` (square boxes look best).
void paintProgramIcon(QPainter& painter, const QRectF& box);

// The icon at `size` device-independent pixels for a screen's pixel ratio.
QPixmap programIconPixmap(int size, qreal devicePixelRatio);

// The icon in the usual sizes, for window frames and task bars.
QIcon programIcon();

}  // namespace ferlow::ui
