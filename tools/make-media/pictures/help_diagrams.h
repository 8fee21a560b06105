// Small pictures of the game's windows for the help page, each fitted into the
// page's right-hand column.
#pragma once

#include <QPointF>

class QPainter;

namespace media::pictures::help_diagrams {

// Each paints at `topLeft` and returns the height it used, so the page can lay
// out around it.
double pickNumbers(QPainter& p, QPointF topLeft);   // a corner of the board with three picks
double betDialog(QPainter& p, QPointF topLeft);     // the Bet window as it opens on turn 4
double drawnBalls(QPainter& p, QPointF topLeft);    // the same corner as the balls fall
double statusPanels(QPainter& p, QPointF topLeft);  // the hourglass and the four status panels
double prizeWindow(QPainter& p, QPointF topLeft);   // the Prizes window's rows for that ticket

// Width every diagram keeps within.
constexpr double kWidth = 150.0;

}  // namespace media::pictures::help_diagrams
