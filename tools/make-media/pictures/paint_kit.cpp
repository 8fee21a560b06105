// Shared drawing helpers: canvases, shaded balls, hash noise and fonts.
#include "pictures/paint_kit.h"

#include <QPainter>
#include <QRadialGradient>

#include <algorithm>
#include <cmath>

namespace media::paint {

QImage canvas(int width, int height, const QColor& fill, int scale)
{
    QImage image(width * scale, height * scale, QImage::Format_RGB32);
    image.setDevicePixelRatio(scale);
    image.fill(fill);
    return image;
}

QImage clearCanvas(int width, int height, int scale)
{
    QImage image(width * scale, height * scale, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(scale);
    image.fill(Qt::transparent);
    return image;
}

void ball(QPainter& painter, QPointF centre, double radius, const QColor& colour)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    const QPointF focal = centre + QPointF(-0.38 * radius, -0.42 * radius);
    QRadialGradient body(centre, radius * 1.05, focal);
    body.setColorAt(0.0, mix(colour, Qt::white, 0.75));
    body.setColorAt(0.35, mix(colour, Qt::white, 0.15));
    body.setColorAt(0.8, colour);
    body.setColorAt(1.0, mix(colour, Qt::black, 0.45));
    painter.setPen(QPen(mix(colour, Qt::black, 0.6), std::max(0.6, radius / 9.0)));
    painter.setBrush(body);
    painter.drawEllipse(centre, radius, radius);
    // A small sharp highlight makes it read as a glossy ball rather than a disc.
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(255, 255, 255, 200));
    painter.drawEllipse(centre + QPointF(-0.36 * radius, -0.4 * radius), radius * 0.2, radius * 0.15);
    painter.restore();
}

double hash01(int x, int y, std::uint32_t seed)
{
    std::uint32_t h = seed * 0x9e3779b1u;
    h ^= static_cast<std::uint32_t>(x) * 0x85ebca6bu;
    h = (h ^ (h >> 13)) * 0xc2b2ae35u;
    h ^= static_cast<std::uint32_t>(y) * 0x27d4eb2fu;
    h = (h ^ (h >> 16)) * 0x85ebca6bu;
    h ^= h >> 13;
    return static_cast<double>(h >> 8) / static_cast<double>(1u << 24);
}

double rowNoise(double x, int row, double period, std::uint32_t seed)
{
    const double u = x / period;
    const int cell = static_cast<int>(std::floor(u));
    const double f = u - cell;
    const double s = f * f * (3.0 - 2.0 * f);
    const double a = hash01(cell, row, seed);
    const double b = hash01(cell + 1, row, seed);
    return 2.0 * (a + (b - a) * s) - 1.0;
}

QColor mix(const QColor& a, const QColor& b, double t)
{
    const auto lerp = [t](int p, int q) { return clampByte(p + (q - p) * t); };
    return {lerp(a.red(), b.red()), lerp(a.green(), b.green()), lerp(a.blue(), b.blue()), lerp(a.alpha(), b.alpha())};
}

int clampByte(double v) { return std::clamp(static_cast<int>(std::lround(v)), 0, 255); }

namespace {

QFont pixelFont(const QString& family, QFont::StyleHint hint, int pixelSize, bool bold)
{
    QFont font(family);
    font.setStyleHint(hint, QFont::PreferAntialias);
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    // Hinting varies between font setups; unhinted outlines keep the
    // pictures the same wherever they are built with the same fonts.
    font.setHintingPreference(QFont::PreferNoHinting);
    return font;
}

}  // namespace

QFont sansFont(int pixelSize, bool bold)
{
    return pixelFont(QStringLiteral("Sans Serif"), QFont::SansSerif, pixelSize, bold);
}

QFont serifFont(int pixelSize, bool bold) { return pixelFont(QStringLiteral("Serif"), QFont::Serif, pixelSize, bold); }

}  // namespace media::paint
