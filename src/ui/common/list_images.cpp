#include "ui/common/list_images.h"

#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include "engine/screens/main_window.h"

namespace ferlow::ui {
namespace {

QColor boardGreen() { return QColor(kBoardGreen.r, kBoardGreen.g, kBoardGreen.b); }

// A shaded sphere: a highlight up and to the left, the body colour, a darker rim
// and a faint shadow, on the board's green.
void drawBall(QPainter& p, QSizeF size, QColor body)
{
    p.fillRect(QRectF(QPointF(0, 0), size), boardGreen());
    const qreal d = std::min(size.width(), size.height()) - 2;
    const QRectF ball((size.width() - d) / 2, (size.height() - d) / 2, d, d);

    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 60, 0, 110));
    p.drawEllipse(ball.translated(0.8, 1.0));

    QRadialGradient g(ball.center() - QPointF(d * 0.18, d * 0.2), d * 0.62);
    g.setColorAt(0.0, body.lighter(190));
    g.setColorAt(0.35, body.lighter(115));
    g.setColorAt(0.8, body);
    g.setColorAt(1.0, body.darker(170));
    p.setBrush(g);
    p.setPen(QPen(body.darker(220), 0.8));
    p.drawEllipse(ball);

    QRadialGradient shine(ball.center() - QPointF(d * 0.2, d * 0.24), d * 0.22);
    shine.setColorAt(0.0, QColor(255, 255, 255, 220));
    shine.setColorAt(1.0, QColor(255, 255, 255, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(shine);
    p.drawEllipse(ball);
}

// A faceted kite: four facets alternating between two colours, swapped between
// the two frames so the emblem seems to turn.
void drawEmblem(QPainter& p, QSizeF size, QColor a, QColor b)
{
    p.fillRect(QRectF(QPointF(0, 0), size), Qt::transparent);
    const qreal w = size.width(), h = size.height();
    const QPointF top(w / 2, 1), right(w - 1, h * 0.38), bottom(w / 2, h - 1), left(1, h * 0.38),
        centre(w / 2, h * 0.42);
    const auto facet = [&](QPointF p1, QPointF p2, QColor c) {
        QPainterPath path;
        path.moveTo(centre);
        path.lineTo(p1);
        path.lineTo(p2);
        path.closeSubpath();
        p.setBrush(c);
        p.drawPath(path);
    };
    p.setPen(QPen(QColor(0, 0, 80), 0.7));
    facet(top, right, a);
    facet(right, bottom, b);
    facet(bottom, left, a);
    facet(left, top, b);
}

}  // namespace

QSize listImageSize(ListImage image)
{
    switch (image) {
    case ListImage::Picked: return {25, 24};
    case ListImage::Drawn: return {27, 24};
    case ListImage::Hit: return {27, 25};
    case ListImage::EmblemA:
    case ListImage::EmblemB: return {28, 31};
    }
    return {};
}

QPixmap listImage(ListImage image, qreal devicePixelRatio)
{
    const QSize logical = listImageSize(image);
    QPixmap pixmap(logical * devicePixelRatio);
    pixmap.setDevicePixelRatio(devicePixelRatio);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    const QSizeF size(logical);
    const QColor blue(30, 80, 230), cyan(40, 220, 240);
    switch (image) {
    case ListImage::Picked: drawBall(p, size, QColor(30, 70, 220)); break;
    case ListImage::Drawn: drawBall(p, size, QColor(215, 25, 25)); break;
    case ListImage::Hit: drawBall(p, size, QColor(150, 30, 170)); break;
    case ListImage::EmblemA: drawEmblem(p, size, blue, cyan); break;
    case ListImage::EmblemB: drawEmblem(p, size, cyan, blue); break;
    }
    return pixmap;
}

}  // namespace ferlow::ui
