#include "media/board_balls.h"

#include <QPainter>
#include <QRadialGradient>

#include <algorithm>

namespace ferlow::media {
namespace {

QColor bodyColour(Ball ball)
{
    switch (ball) {
    case Ball::Picked: return {30, 70, 220};
    case Ball::Drawn: return {215, 25, 25};
    case Ball::Hit: return {150, 30, 170};
    }
    return {};
}

}  // namespace

void paintBall(QPainter& p, const QRectF& box, Ball ball)
{
    const QColor body = bodyColour(ball);
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    const qreal d = std::min(box.width(), box.height()) - 2;
    const QRectF disc(box.center() - QPointF(d / 2, d / 2), QSizeF(d, d));

    // A faint shadow on the board's green.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 60, 0, 110));
    p.drawEllipse(disc.translated(0.8, 1.0));

    QRadialGradient g(disc.center() - QPointF(d * 0.18, d * 0.2), d * 0.62);
    g.setColorAt(0.0, body.lighter(190));
    g.setColorAt(0.35, body.lighter(115));
    g.setColorAt(0.8, body);
    g.setColorAt(1.0, body.darker(170));
    p.setBrush(g);
    p.setPen(QPen(body.darker(220), 0.8));
    p.drawEllipse(disc);

    QRadialGradient shine(disc.center() - QPointF(d * 0.2, d * 0.24), d * 0.22);
    shine.setColorAt(0.0, QColor(255, 255, 255, 220));
    shine.setColorAt(1.0, QColor(255, 255, 255, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(shine);
    p.drawEllipse(disc);
    p.restore();
}

void paintBallNumber(QPainter& p, const QRectF& box, int number)
{
    p.save();
    p.setPen(QColor(0, 0, 0, 120));
    p.drawText(box.translated(1, 1), Qt::AlignCenter, QString::number(number));
    p.setPen(Qt::white);
    p.drawText(box, Qt::AlignCenter, QString::number(number));
    p.restore();
}

}  // namespace ferlow::media
