#include "ui/widgets/list_images.h"

#include <QPainter>
#include <QPainterPath>

#include "engine/screens/main_window.h"
#include "media/board_balls.h"

namespace ferlow::ui {
namespace {

QColor boardGreen() { return QColor(kBoardGreen.r, kBoardGreen.g, kBoardGreen.b); }

// A ball on the board's green.
void drawBall(QPainter& p, QSizeF size, media::Ball ball)
{
    const QRectF box(QPointF(0, 0), size);
    p.fillRect(box, boardGreen());
    media::paintBall(p, box, ball);
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
    case ListImage::Picked: drawBall(p, size, media::Ball::Picked); break;
    case ListImage::Drawn: drawBall(p, size, media::Ball::Drawn); break;
    case ListImage::Hit: drawBall(p, size, media::Ball::Hit); break;
    case ListImage::EmblemA: drawEmblem(p, size, blue, cyan); break;
    case ListImage::EmblemB: drawEmblem(p, size, cyan, blue); break;
    }
    return pixmap;
}

}  // namespace ferlow::ui
