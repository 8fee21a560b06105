// Small explanatory drawings for the help page, each fitted into a given box.
#pragma once

#include <QPointF>

class QPainter;

namespace media::pictures::help_diagrams {

// Each returns the height it used, so the page can lay out around it.
double pickNumbers(QPainter& p, QPointF topLeft);
double placeBet(QPainter& p, QPointF topLeft);
double drawnBalls(QPainter& p, QPointF topLeft);
double gameAndScores(QPainter& p, QPointF topLeft);
double prizeTable(QPainter& p, QPointF topLeft);

// Width every diagram keeps within.
constexpr double kWidth = 112.0;

} // namespace media::pictures::help_diagrams
