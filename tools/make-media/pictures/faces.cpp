// The six mood faces that show how the player is doing, beaming down to sad.
#include "pictures/paint_kit.h"
#include "pictures/pictures.h"

#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

namespace media::pictures {
namespace {

constexpr double kSize = 30.0;
constexpr QPointF kCentre{15.0, 15.0};
const QColor kInk{58, 36, 4};

void paintHead(QPainter& p)
{
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 50));
    p.drawEllipse(kCentre + QPointF(0.8, 1.0), 13.2, 13.2);  // soft drop shadow

    QRadialGradient skin(kCentre, 13.5, kCentre + QPointF(-4.5, -5.0));
    skin.setColorAt(0.0, QColor(255, 252, 196));
    skin.setColorAt(0.35, QColor(255, 228, 64));
    skin.setColorAt(0.85, QColor(244, 186, 20));
    skin.setColorAt(1.0, QColor(214, 146, 8));
    p.setPen(QPen(kInk, 1.1));
    p.setBrush(skin);
    p.drawEllipse(kCentre, 13.0, 13.0);
}

void paintOpenEyes(QPainter& p, double lift)
{
    p.setPen(Qt::NoPen);
    for (double x : {10.8, 19.2}) {
        p.setBrush(kInk);
        p.drawEllipse(QPointF(x, 11.5 - lift), 1.7, 2.5);
        p.setBrush(QColor(255, 255, 255, 220));
        p.drawEllipse(QPointF(x - 0.5, 10.6 - lift), 0.6, 0.7);
    }
}

// Eyes squeezed shut by a big grin: two upturned arcs.
void paintLaughingEyes(QPainter& p)
{
    p.setPen(QPen(kInk, 1.5, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    for (double x : {10.8, 19.2}) {
        QPainterPath arc;
        arc.moveTo(x - 2.6, 12.4);
        arc.quadTo(x, 8.0, x + 2.6, 12.4);
        p.drawPath(arc);
    }
}

void paintCheeks(QPainter& p)
{
    p.setPen(Qt::NoPen);
    for (double x : {7.4, 22.6}) {
        QRadialGradient blush(QPointF(x, 17.0), 3.2);
        blush.setColorAt(0.0, QColor(255, 110, 70, 150));
        blush.setColorAt(1.0, QColor(255, 110, 70, 0));
        p.setBrush(blush);
        p.drawEllipse(QPointF(x, 17.0), 3.2, 3.2);
    }
}

// A mouth line from (15 - half, y) to (15 + half, y) whose middle sits
// `curve` pixels lower: positive smiles, negative frowns.
void paintMouthLine(QPainter& p, double half, double y, double curve)
{
    QPainterPath mouth;
    mouth.moveTo(15.0 - half, y);
    mouth.quadTo(15.0, y + 2.0 * curve, 15.0 + half, y);
    p.setPen(QPen(kInk, 1.5, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawPath(mouth);
}

// An open grin: a dark half-moon with a tongue, and teeth when beaming.
void paintOpenMouth(QPainter& p, double half, double top, double depth, bool teeth)
{
    QPainterPath mouth;
    mouth.moveTo(15.0 - half, top);
    mouth.quadTo(15.0, top + 0.8, 15.0 + half, top);
    mouth.quadTo(15.0, top + 2.0 * depth, 15.0 - half, top);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(120, 24, 16));
    p.drawPath(mouth);

    p.save();
    p.setClipPath(mouth);
    p.setBrush(QColor(236, 92, 96));
    p.drawEllipse(QPointF(15.0, top + depth + 1.6), half * 0.55, depth * 0.5);
    if (teeth) {
        p.setBrush(QColor(255, 255, 250));
        p.drawRect(QRectF(15.0 - half, top - 1.0, 2.0 * half, 2.2));
    }
    p.restore();
    p.setPen(QPen(kInk, 1.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(mouth);
}

void paintSadBrows(QPainter& p)
{
    p.setPen(QPen(kInk, 1.1, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(8.2, 7.8), QPointF(12.6, 6.4));
    p.drawLine(QPointF(21.8, 7.8), QPointF(17.4, 6.4));
}

}  // namespace

QImage face(Mood mood, int scale)
{
    QImage image = paint::clearCanvas(static_cast<int>(kSize), static_cast<int>(kSize), scale);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    paintHead(p);

    switch (mood) {
    case Mood::Beaming:
        paintLaughingEyes(p);
        paintCheeks(p);
        paintOpenMouth(p, 7.6, 16.6, 4.6, true);
        break;
    case Mood::BigSmile:
        paintOpenEyes(p, 0.4);
        paintOpenMouth(p, 6.6, 17.0, 3.6, false);
        break;
    case Mood::Smile:
        paintOpenEyes(p, 0.0);
        paintMouthLine(p, 6.2, 18.2, 2.4);
        break;
    case Mood::SlightSmile:
        paintOpenEyes(p, 0.0);
        paintMouthLine(p, 5.2, 19.6, 1.0);
        break;
    case Mood::Straight:
        paintOpenEyes(p, 0.0);
        paintMouthLine(p, 4.8, 20.2, 0.0);
        break;
    case Mood::Sad:
        paintSadBrows(p);
        paintOpenEyes(p, -0.6);
        paintMouthLine(p, 5.2, 22.0, -2.0);
        break;
    }
    return image;
}

}  // namespace media::pictures
