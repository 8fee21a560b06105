// Shared drawing helpers for the game's pictures: canvases, balls, texture noise.
#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPointF>

#include <cstdint>

class QPainter;

namespace media::paint {

// A picture of width x height points, `scale` pixels to the point: a painter on
// it draws in points, at that resolution.
QImage canvas(int width, int height, const QColor& fill, int scale);
// For pictures shown on a control's face (the hourglass, the faces): what lies
// around the drawing stays transparent, so it sits on whatever face the
// desktop's theme gives the control.
QImage clearCanvas(int width, int height, int scale);

// A glossy ball lit from the upper left.
void ball(QPainter& painter, QPointF centre, double radius, const QColor& colour);

// Repeatable pseudo-random value in [0, 1) for a pixel; the same every build.
double hash01(int x, int y, std::uint32_t seed);
// Smooth 1-D value noise in [-1, 1] along x, a different curve for every row and seed.
double rowNoise(double x, int row, double period, std::uint32_t seed);

QColor mix(const QColor& a, const QColor& b, double t);
int clampByte(double v);

// The desktop's ordinary sans-serif face at a pixel size (pixel sizes keep
// the pictures independent of the screen's dots per inch).
QFont sansFont(int pixelSize, bool bold = false);
QFont serifFont(int pixelSize, bool bold = false);

}  // namespace media::paint
