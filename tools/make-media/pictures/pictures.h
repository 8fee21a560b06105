// Painters for every picture the game shows; each returns the finished image.
// Sizes are in points; `scale` draws the same picture with that many pixels to
// the point (2 for the fine drawings HiDPI screens show).
#pragma once

#include <QImage>

class QPainter;

namespace media::pictures {

QImage logo(int scale);                   // 136 x 48, top of the main window's right column
QImage plating(bool pressed, int scale);  // 120 x 40, face of a command button

// 44 x 64; stage 1 has all the sand in the top bulb, stage 6 all in the bottom.
constexpr int kHourglassStages = 6;
QImage hourglass(int stage, int scale);
// Paints the hourglass into the 44 x 64 box at the painter's origin (scale
// the painter for other sizes); topShare is the part of the sand still on top.
void paintHourglass(QPainter& painter, double topShare, bool running);

QImage australia(int scale);  // 96 x 64, the opening window
QImage help(int scale);       // 484 x 400, the help page; null if the text cannot fit

enum class Mood { Beaming, BigSmile, Smile, SlightSmile, Straight, Sad };
QImage face(Mood mood, int scale);  // 30 x 30

}  // namespace media::pictures
