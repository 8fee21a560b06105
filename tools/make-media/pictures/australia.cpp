// The opening window's picture: a golden map of Australia on sky and sea.
#include "pictures/paint_kit.h"
#include "pictures/pictures.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <cmath>
#include <numbers>

namespace media::pictures {
namespace {

constexpr int kWidth = 96;
constexpr int kHeight = 64;

struct LonLat {
    double lon, lat;
};

// The coastline, clockwise from the Kimberley; coarse, but every bay and
// cape a player would recognise is there.
constexpr LonLat kMainland[] = {
    {126.9, -13.9}, {129.5, -14.9}, {130.3, -12.9}, {131.3, -12.2}, {132.6, -11.4}, {133.5, -11.9}, {135.2, -12.2},
    {136.9, -12.3}, {136.5, -13.2}, {135.6, -14.8}, {137.4, -16.0}, {139.3, -17.4}, {140.8, -17.5}, {141.5, -15.6},
    {141.6, -12.6}, {142.5, -10.7}, {143.4, -12.6}, {143.8, -14.3}, {145.3, -15.2}, {145.8, -17.0}, {146.3, -18.9},
    {147.6, -19.6}, {149.0, -21.0}, {150.7, -22.4}, {151.0, -23.6}, {152.9, -25.3}, {153.1, -26.5}, {153.6, -28.6},
    {153.0, -31.0}, {152.0, -32.6}, {151.2, -33.9}, {150.2, -35.7}, {149.9, -37.5}, {148.0, -37.8}, {146.4, -39.1},
    {144.9, -38.3}, {143.5, -38.8}, {141.6, -38.4}, {140.0, -37.5}, {139.6, -36.4}, {138.9, -35.6}, {138.1, -34.6},
    {138.0, -35.6}, {137.4, -34.9}, {137.8, -32.6}, {136.8, -33.5}, {135.8, -34.8}, {135.1, -33.4}, {134.2, -32.7},
    {132.0, -32.0}, {131.0, -31.5}, {128.9, -31.7}, {126.0, -32.3}, {123.6, -33.9}, {121.9, -33.9}, {119.8, -34.3},
    {117.9, -35.1}, {115.1, -34.4}, {115.7, -33.3}, {115.7, -31.8}, {115.0, -30.0}, {114.6, -28.8}, {113.4, -26.3},
    {113.7, -24.9}, {113.4, -23.4}, {114.0, -21.8}, {115.5, -21.3}, {116.7, -20.6}, {118.6, -20.3}, {121.0, -19.5},
    {122.2, -18.0}, {122.9, -16.4}, {124.2, -16.3}, {124.5, -15.3}, {125.8, -14.4},
};
constexpr LonLat kTasmania[] = {
    {144.7, -40.7}, {146.3, -41.1}, {148.3, -40.9}, {148.3, -42.2},
    {147.9, -43.2}, {146.9, -43.6}, {146.0, -43.5}, {145.2, -42.2},
};

// Equirectangular, squeezed east-west by the cosine of the middle latitude.
QPointF project(LonLat p)
{
    constexpr double kScale = 1.58;
    const double squeeze = std::cos(27.0 * std::numbers::pi / 180.0);
    return {30.0 + (p.lon - 113.0) * kScale * squeeze, 7.0 + (-10.5 - p.lat) * kScale};
}

template <std::size_t N>
QPainterPath outline(const LonLat (&coast)[N])
{
    QPainterPath path;
    path.moveTo(project(coast[0]));
    for (std::size_t i = 1; i < N; ++i) path.lineTo(project(coast[i]));
    path.closeSubpath();
    return path;
}

void paintSkyAndSea(QPainter& p)
{
    QLinearGradient sky(0, 0, 0, kHeight);
    sky.setColorAt(0.0, QColor(120, 186, 236));
    sky.setColorAt(0.45, QColor(46, 120, 204));
    sky.setColorAt(1.0, QColor(10, 40, 112));
    p.fillRect(QRect(0, 0, kWidth, kHeight), sky);
    // Faint swell lines in the sea.
    p.setPen(QPen(QColor(160, 210, 255, 46), 0.8));
    for (int i = 0; i < 5; ++i) {
        const double y = 40.0 + i * 5.0;
        QPainterPath wave;
        wave.moveTo(0, y);
        for (double x = 0; x <= kWidth; x += 2.0) wave.lineTo(x, y + 0.9 * std::sin(x * 0.35 + i * 1.7));
        p.drawPath(wave);
    }
}

void paintSun(QPainter& p, QPointF c)
{
    QRadialGradient glow(c, 15);
    glow.setColorAt(0.0, QColor(255, 250, 210, 230));
    glow.setColorAt(0.4, QColor(255, 226, 120, 90));
    glow.setColorAt(1.0, QColor(255, 210, 90, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(glow);
    p.drawEllipse(c, 15, 15);
    p.setPen(QPen(QColor(255, 228, 120, 170), 1.0, Qt::SolidLine, Qt::RoundCap));
    for (int i = 0; i < 12; ++i) {
        const double a = i * std::numbers::pi / 6.0 + 0.2;
        const QPointF dir(std::cos(a), std::sin(a));
        p.drawLine(c + dir * 7.5, c + dir * (i % 2 ? 10.0 : 12.0));
    }
    QRadialGradient disc(c, 6, c + QPointF(-1.5, -1.5));
    disc.setColorAt(0.0, QColor(255, 255, 236));
    disc.setColorAt(0.6, QColor(255, 222, 90));
    disc.setColorAt(1.0, QColor(244, 170, 30));
    p.setPen(Qt::NoPen);
    p.setBrush(disc);
    p.drawEllipse(c, 5.5, 5.5);
}

void paintLand(QPainter& p, const QPainterPath& land)
{
    // Shadow on the sea, then the land as beaten gold with a bright rim.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 10, 40, 110));
    p.drawPath(land.translated(1.3, 1.5));

    const QRectF b = land.boundingRect();
    QLinearGradient gold(b.topLeft(), b.bottomRight());
    gold.setColorAt(0.0, QColor(255, 228, 132));
    gold.setColorAt(0.45, QColor(226, 168, 52));
    gold.setColorAt(1.0, QColor(170, 104, 20));
    p.setBrush(gold);
    p.drawPath(land);

    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(255, 240, 170), 1.3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(land);
    p.setPen(QPen(QColor(120, 70, 8), 0.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(land.translated(0.5, 0.6));
}

}  // namespace

QImage australia(int scale)
{
    QImage image = paint::canvas(kWidth, kHeight, Qt::black, scale);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    paintSkyAndSea(p);
    paintSun(p, QPointF(14, 13));
    QPainterPath land = outline(kMainland);
    land.addPath(outline(kTasmania));
    paintLand(p, land);
    return image;
}

}  // namespace media::pictures
