// The board's balls: drawn by the program on the board, and by make-media into
// the help page, from this one painter, so the page shows the balls the board does.
#pragma once

#include <QRectF>

class QPainter;

namespace ferlow::media {

enum class Ball { Picked, Drawn, Hit };  // blue, red, purple

// A shaded ball centred in `box`, as large as fits less a point for its
// shadow, lit from the upper left. What lies around it is left as it is.
void paintBall(QPainter& painter, const QRectF& box, Ball ball);

// The ball's number in white over a soft shadow, centred in `box`, in the
// painter's font.
void paintBallNumber(QPainter& painter, const QRectF& box, int number);

}  // namespace ferlow::media
