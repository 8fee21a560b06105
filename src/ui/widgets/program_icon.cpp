#include "ui/widgets/program_icon.h"

#include <QPainter>
#include <QRadialGradient>

namespace ferlow::ui {

void paintProgramIcon(QPainter& p, const QRectF& box)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    const qreal d = std::min(box.width(), box.height());
    const QRectF ball(box.center().x() - d / 2 + d * 0.03, box.center().y() - d / 2 + d * 0.03, d * 0.94, d * 0.94);

    // A soft shadow under the ball, then the shaded red sphere.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 60));
    p.drawEllipse(ball.translated(d * 0.03, d * 0.04));
    const QColor red(205, 25, 30);
    QRadialGradient body(ball.center() - QPointF(d * 0.18, d * 0.2), d * 0.62);
    body.setColorAt(0.0, red.lighter(175));
    body.setColorAt(0.45, red);
    body.setColorAt(1.0, red.darker(190));
    p.setBrush(body);
    p.setPen(QPen(red.darker(250), std::max<qreal>(0.8, d / 40)));
    p.drawEllipse(ball);

    // The white disc with the highest number of the board.
    const QRectF disc(ball.center().x() - d * 0.27, ball.center().y() - d * 0.27, d * 0.54, d * 0.54);
    p.setPen(QPen(QColor(150, 150, 150), std::max<qreal>(0.6, d / 64)));
    p.setBrush(QColor(252, 252, 250));
    p.drawEllipse(disc);
    QFont f("DejaVu Sans");
    f.setBold(true);
    f.setPixelSize(std::max(4, static_cast<int>(d * 0.3)));
    p.setFont(f);
    p.setPen(QColor(20, 20, 20));
    p.drawText(disc, Qt::AlignCenter, QStringLiteral("80"));

    // A highlight up and to the left.
    QRadialGradient shine(ball.topLeft() + QPointF(d * 0.3, d * 0.25), d * 0.22);
    shine.setColorAt(0.0, QColor(255, 255, 255, 200));
    shine.setColorAt(1.0, QColor(255, 255, 255, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(shine);
    p.drawEllipse(ball);
    p.restore();
}

QPixmap programIconPixmap(int size, qreal devicePixelRatio)
{
    QPixmap pixmap(QSize(size, size) * devicePixelRatio);
    pixmap.setDevicePixelRatio(devicePixelRatio);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    paintProgramIcon(p, QRectF(0, 0, size, size));
    return pixmap;
}

// Drawn afresh for each window rather than kept in a static: pixmaps must not
// outlive the application object.
QIcon programIcon()
{
    QIcon icon;
    for (int size : {16, 24, 32, 48, 64, 128}) icon.addPixmap(programIconPixmap(size, 1));
    return icon;
}

}  // namespace ferlow::ui
