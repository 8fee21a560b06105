// The turn-counting hourglass: wooden caps, brass posts, glass and amber sand.
#include "pictures/paint_kit.h"
#include "pictures/pictures.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>
#include <numbers>

namespace media::pictures {
namespace {

// Geometry in the 44 x 64 box.
constexpr double kCentreX = 22.0;
constexpr double kGlassTop = 9.0;
constexpr double kNeckY = 32.0;
constexpr double kGlassBottom = 55.0;
constexpr double kSandTop = 14.5;  // a full top bulb still has air above the sand

const QColor kSandLight{246, 196, 92};
const QColor kSand{226, 158, 46};
const QColor kSandDark{178, 112, 24};

// Half the glass width at height y: round bulbs pinched to a narrow neck.
double halfWidth(double y)
{
    const double span = y < kNeckY ? kNeckY - kGlassTop : kGlassBottom - kNeckY;
    const double u = std::clamp(std::abs(y - kNeckY) / span, 0.0, 1.0);
    const double bulb = std::pow(std::sin(std::numbers::pi * 0.74 * u), 0.75);
    return 1.3 + 11.4 * bulb;
}

QPainterPath glassOutline()
{
    QPainterPath path;
    const double step = 0.5;
    path.moveTo(kCentreX - halfWidth(kGlassTop), kGlassTop);
    for (double y = kGlassTop; y <= kGlassBottom; y += step) path.lineTo(kCentreX - halfWidth(y), y);
    for (double y = kGlassBottom; y >= kGlassTop; y -= step) path.lineTo(kCentreX + halfWidth(y), y);
    path.closeSubpath();
    return path;
}

// Glass area between two heights, by integrating the width.
double area(double from, double to)
{
    double sum = 0.0;
    const double dy = 0.05;
    for (double y = from; y < to; y += dy) sum += 2.0 * halfWidth(y + dy / 2) * dy;
    return sum;
}

// The height whose band down to `base` holds `wanted` area: the level of
// that much sand resting on that base.
double levelFor(double wanted, double base)
{
    double lo = kGlassTop;
    double hi = base;
    for (int i = 0; i < 50; ++i) {
        const double mid = (lo + hi) / 2;
        if (area(mid, base) > wanted)
            lo = mid;
        else
            hi = mid;
    }
    return (lo + hi) / 2;
}

void paintCap(QPainter& p, double top, bool upper)
{
    // Turned wood, lit from the left; a brass collar where the glass is held.
    QLinearGradient wood(3, 0, 41, 0);
    wood.setColorAt(0.0, QColor(70, 36, 14));
    wood.setColorAt(0.25, QColor(176, 112, 56));
    wood.setColorAt(0.4, QColor(148, 88, 40));
    wood.setColorAt(1.0, QColor(62, 30, 10));
    p.setPen(QPen(QColor(44, 22, 6), 0.8));
    p.setBrush(wood);
    p.drawRoundedRect(QRectF(2.5, top, 39, 6.5), 2.2, 2.2);
    // Grain lines.
    p.setPen(QPen(QColor(90, 50, 20, 120), 0.6));
    p.drawLine(QPointF(6, top + 2.3), QPointF(38, top + 2.6));
    p.drawLine(QPointF(5, top + 4.3), QPointF(39, top + 4.0));

    QLinearGradient brass(8, 0, 36, 0);
    brass.setColorAt(0.0, QColor(120, 88, 20));
    brass.setColorAt(0.3, QColor(250, 226, 140));
    brass.setColorAt(0.55, QColor(200, 160, 60));
    brass.setColorAt(1.0, QColor(110, 80, 18));
    p.setPen(QPen(QColor(90, 64, 12), 0.6));
    p.setBrush(brass);
    const double collarY = upper ? top + 6.3 : top - 2.0;
    p.drawRect(QRectF(9.5, collarY, 25, 2.2));
}

void paintPosts(QPainter& p)
{
    for (double x : {4.2, 37.0}) {
        QLinearGradient brass(x, 0, x + 2.8, 0);
        brass.setColorAt(0.0, QColor(130, 96, 24));
        brass.setColorAt(0.35, QColor(252, 232, 150));
        brass.setColorAt(1.0, QColor(104, 74, 14));
        p.setPen(QPen(QColor(84, 60, 10), 0.5));
        p.setBrush(brass);
        p.drawRect(QRectF(x, 8.5, 2.8, 47.0));
        // Turned knobs halfway, where a real frame would be braced.
        p.drawEllipse(QPointF(x + 1.4, kNeckY), 2.2, 2.6);
    }
}

void paintSand(QPainter& p, const QPainterPath& glass, double topShare, bool running)
{
    const double full = area(kSandTop, kNeckY);
    const double topAmount = full * topShare;
    const double bottomAmount = full - topAmount;

    QLinearGradient sand(kCentreX - 12, 0, kCentreX + 12, 0);
    sand.setColorAt(0.0, kSandDark);
    sand.setColorAt(0.35, kSandLight);
    sand.setColorAt(0.6, kSand);
    sand.setColorAt(1.0, kSandDark);
    p.setPen(Qt::NoPen);
    p.setBrush(sand);

    if (topAmount > 0.5) {
        const double level = levelFor(topAmount, kNeckY);
        // Sand running out of the neck leaves a shallow funnel in the surface.
        const double dip = running ? std::min(2.5, (kNeckY - level) * 0.3) : 0.0;
        QPainterPath body;
        body.moveTo(0, level);
        body.lineTo(kCentreX - 6, level);
        body.quadTo(kCentreX, level + 2 * dip, kCentreX + 6, level);
        body.lineTo(44, level);
        body.lineTo(44, kNeckY + 0.6);
        body.lineTo(0, kNeckY + 0.6);
        body.closeSubpath();
        p.drawPath(glass.intersected(body));
    }
    if (bottomAmount > 0.5) {
        const double level = levelFor(bottomAmount, kGlassBottom);
        // A heap, not a flat layer: higher in the middle, lower at the walls.
        const double heap = std::min(3.0, (kGlassBottom - level) * 0.45);
        QPainterPath body;
        body.moveTo(0, level + heap * 0.5);
        body.quadTo(kCentreX, level - heap * 1.5, 44, level + heap * 0.5);
        body.lineTo(44, 64);
        body.lineTo(0, 64);
        body.closeSubpath();
        p.drawPath(glass.intersected(body));
        if (running) {
            p.setPen(QPen(kSand, 1.1, Qt::SolidLine, Qt::FlatCap));
            p.drawLine(QPointF(kCentreX, kNeckY), QPointF(kCentreX, level - heap * 0.5));
        }
    }
}

void paintGlassShine(QPainter& p)
{
    // Reflections of a window on the left of each bulb, and a rim light right.
    p.setBrush(Qt::NoBrush);
    for (const bool upper : {true, false}) {
        QPainterPath shine;
        const double a = upper ? 13.0 : 38.0;
        const double b = upper ? 26.0 : 51.0;
        shine.moveTo(kCentreX - halfWidth(a) + 2.6, a);
        for (double y = a; y <= b; y += 0.5) shine.lineTo(kCentreX - halfWidth(y) + 2.6, y);
        p.setPen(QPen(QColor(255, 255, 255, 190), 1.5, Qt::SolidLine, Qt::RoundCap));
        p.drawPath(shine);
        QPainterPath rim;
        rim.moveTo(kCentreX + halfWidth(a + 2) - 1.6, a + 2);
        for (double y = a + 2; y <= b - 3; y += 0.5) rim.lineTo(kCentreX + halfWidth(y) - 1.6, y);
        p.setPen(QPen(QColor(255, 255, 255, 90), 0.8, Qt::SolidLine, Qt::RoundCap));
        p.drawPath(rim);
    }
}

}  // namespace

void paintHourglass(QPainter& p, double topShare, bool running)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    paintPosts(p);

    const QPainterPath glass = glassOutline();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(226, 236, 242, 150));  // tinted glass over the background
    p.drawPath(glass);
    paintSand(p, glass, std::clamp(topShare, 0.0, 1.0), running);
    paintGlassShine(p);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(78, 92, 104), 0.9));
    p.drawPath(glass);

    paintCap(p, 2.0, true);
    paintCap(p, 55.5, false);
    p.restore();
}

QImage hourglass(int stage, int scale)
{
    stage = std::clamp(stage, 1, kHourglassStages);
    QImage image = paint::clearCanvas(44, 64, scale);
    QPainter p(&image);
    const double topShare = 1.0 - static_cast<double>(stage - 1) / (kHourglassStages - 1);
    paintHourglass(p, topShare, stage > 1 && stage < kHourglassStages);
    return image;
}

}  // namespace media::pictures
