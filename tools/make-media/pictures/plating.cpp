// Brushed-metal face of the command buttons, resting (raised) and pressed (sunken).
#include "pictures/paint_kit.h"
#include "pictures/pictures.h"

#include <algorithm>
#include <cmath>

namespace media::pictures {
namespace {

constexpr int kWidth = 120;
constexpr int kHeight = 40;

// Metal brightness before the bevel, at device pixel (x, y) of a picture drawn
// `scale` pixels to the point: a soft sheen near the top, and fine horizontal
// brush strokes, kept faint in the middle where the caption sits. The strokes
// run along device rows, so a finer drawing shows finer brushing.
double metal(int x, int y, int scale)
{
    const double v = static_cast<double>(y) / scale / (kHeight - 1);
    double base = 228.0 - 26.0 * v;
    base += 7.0 * std::exp(-std::pow((v - 0.2) / 0.12, 2.0));  // sheen band
    const double calm = std::abs(v - 0.5) < 0.28 ? 0.5 : 1.0;
    double brush = 4.2 * paint::rowNoise(x, y, 23.0 * scale, 5)   // long strokes
                   + 1.8 * paint::rowNoise(x, y, 5.0 * scale, 6)  // short grain
                   + 1.6 * (paint::hash01(0, y, 7) - 0.5);        // each row a shade apart
    // Now and then a brighter scratch along a row, as on real brushed steel.
    if (paint::hash01(1, y, 8) > 0.8) brush += 5.0 * std::max(0.0, paint::rowNoise(x, y, 31.0 * scale, 9));
    return base + brush * calm;
}

// Bevel shading by ring (1 = outermost pixel): the rim, then three rings
// blending from a strong edge into the flat face.
struct Ring {
    double lit;     // top and left edges when raised
    double shaded;  // bottom and right edges when raised
    double weight;  // how much of the ring is edge rather than face
};
constexpr Ring kRaised[] = {{72, 72, 1.0}, {255, 118, 1.0}, {246, 150, 0.75}, {240, 176, 0.3}};
constexpr Ring kSunken[] = {{58, 58, 1.0}, {104, 226, 1.0}, {140, 220, 0.75}, {170, 214, 0.3}};

}  // namespace

QImage plating(bool pressed, int scale)
{
    QImage image = paint::canvas(kWidth, kHeight, Qt::black, scale);
    // Pressed metal sits in shadow and its texture shifts with the face.
    const double shade = pressed ? 0.88 : 1.0;
    const int shift = pressed ? scale : 0;
    const Ring* rings = pressed ? kSunken : kRaised;
    const int width = image.width(), height = image.height();

    for (int y = 0; y < height; ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < width; ++x) {
            double g = metal(x - shift, y - shift, scale) * shade;
            const int nearTopLeft = std::min(x, y);
            const int nearBottomRight = std::min(width - 1 - x, height - 1 - y);
            // Rings are a point wide, whatever the scale.
            const int ring = std::min(nearTopLeft, nearBottomRight) / scale;
            if (ring < 4) {
                // Corners split along the diagonal, like a mitred frame.
                const bool topLeft = nearTopLeft < nearBottomRight ||
                                     (nearTopLeft == nearBottomRight && x + y < width - 1 - x + height - 1 - y);
                const Ring& r = rings[ring];
                const double edge = topLeft ? r.lit : r.shaded;
                g += (edge - g) * r.weight;
            }
            // Slightly cool, like polished steel rather than grey paint.
            line[x] = qRgb(paint::clampByte(g - 2), paint::clampByte(g), paint::clampByte(g + 5));
        }
    }
    return image;
}

}  // namespace media::pictures
