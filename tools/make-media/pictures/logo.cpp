// The "Ferlow" logotype: gold lettering on red casino felt inside a gold frame.
#include "pictures/paint_kit.h"
#include "pictures/pictures.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

namespace media::pictures {
namespace {

constexpr int kWidth = 136;
constexpr int kHeight = 48;

void paintFelt(QImage& image)
{
    {
        QPainter p(&image);
        QRadialGradient glow(kWidth * 0.5, kHeight * 0.42, kWidth * 0.6);
        glow.setColorAt(0.0, QColor(176, 26, 34));
        glow.setColorAt(0.55, QColor(126, 14, 24));
        glow.setColorAt(1.0, QColor(58, 4, 10));
        p.fillRect(image.rect(), glow);
    }
    // Felt nap: fine speckle, a touch stronger than any single-pixel step of
    // the gradient, so the cloth does not look like flat plastic. One grain
    // to the pixel at every scale: finer pixels show a finer cloth.
    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            const double n = (paint::hash01(x, y, 21) - 0.5) * 14.0;
            const QColor c = QColor::fromRgb(line[x]);
            line[x] = qRgb(paint::clampByte(c.red() + n), paint::clampByte(c.green() + n * 0.4),
                           paint::clampByte(c.blue() + n * 0.4));
        }
    }
}

void paintFrame(QPainter& p)
{
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(34, 2, 6), 1.0));
    p.drawRect(QRectF(0.5, 0.5, kWidth - 1, kHeight - 1));
    QLinearGradient gold(0, 0, kWidth, kHeight);
    gold.setColorAt(0.0, QColor(255, 236, 150));
    gold.setColorAt(0.45, QColor(206, 150, 40));
    gold.setColorAt(0.55, QColor(236, 188, 76));
    gold.setColorAt(1.0, QColor(150, 98, 18));
    p.setPen(QPen(QBrush(gold), 1.6));
    p.drawRoundedRect(QRectF(2.3, 2.3, kWidth - 4.6, kHeight - 4.6), 3.0, 3.0);
    p.setPen(QPen(QColor(222, 176, 70, 110), 0.8));
    p.drawRoundedRect(QRectF(4.6, 4.6, kWidth - 9.2, kHeight - 9.2), 2.0, 2.0);
}

// Four-pointed glint, the way light catches polished gold.
void sparkle(QPainter& p, QPointF c, double r)
{
    QPainterPath star;
    star.moveTo(c + QPointF(0, -r));
    star.quadTo(c, c + QPointF(r, 0));
    star.quadTo(c, c + QPointF(0, r));
    star.quadTo(c, c + QPointF(-r, 0));
    star.quadTo(c, c + QPointF(0, -r));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 250, 220, 235));
    p.drawPath(star);
    p.setBrush(QColor(255, 255, 255));
    p.drawEllipse(c, r * 0.16, r * 0.16);
}

QPainterPath lettering(const QRectF& box)
{
    QPainterPath text;
    text.addText(0, 0, paint::serifFont(40, true), QStringLiteral("Ferlow"));
    // Lean the upright face forward for a script-like, lively logotype.
    text = QTransform().shear(-0.2, 0).map(text);
    const QRectF r = text.boundingRect();
    const double scale = std::min(box.width() / r.width(), box.height() / r.height());
    QTransform fit;
    fit.translate(box.center().x(), box.center().y());
    fit.scale(scale, scale);
    fit.translate(-r.center().x(), -r.center().y());
    return fit.map(text);
}

}  // namespace

QImage logo(int scale)
{
    QImage image = paint::canvas(kWidth, kHeight, Qt::black, scale);
    paintFelt(image);

    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    paintFrame(p);

    const QPainterPath text = lettering(QRectF(11, 9, kWidth - 22, kHeight - 17));
    const QRectF tb = text.boundingRect();

    p.setPen(Qt::NoPen);
    p.setBrush(QColor(20, 0, 0, 150));
    p.drawPath(text.translated(1.4, 1.8));  // drop shadow on the felt

    p.setPen(QPen(QColor(48, 18, 0), 1.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(text);

    QLinearGradient gold(0, tb.top(), 0, tb.bottom());
    gold.setColorAt(0.0, QColor(255, 248, 204));
    gold.setColorAt(0.4, QColor(252, 214, 96));
    gold.setColorAt(0.56, QColor(214, 150, 32));
    gold.setColorAt(0.75, QColor(240, 186, 60));
    gold.setColorAt(1.0, QColor(255, 226, 130));
    p.setBrush(gold);
    p.drawPath(text);

    // Gloss on the upper part of the letters only.
    QPainterPath upper;
    upper.addRect(QRectF(tb.left() - 2, tb.top() - 2, tb.width() + 4, tb.height() * 0.36 + 2));
    p.setBrush(QColor(255, 255, 255, 70));
    p.drawPath(text.intersected(upper));

    sparkle(p, QPointF(tb.left() + tb.width() * 0.08, tb.top() + 2.0), 4.2);
    sparkle(p, QPointF(tb.right() - 3.0, tb.top() + tb.height() * 0.3), 3.2);
    return image;
}

}  // namespace media::pictures
