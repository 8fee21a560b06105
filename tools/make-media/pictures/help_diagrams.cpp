// The help page's diagrams: a corner of the board, the Bet window, the balls,
// the hourglass with the High Scores, and the Prizes window.
#include "pictures/help_diagrams.h"

#include "pictures/paint_kit.h"
#include "pictures/pictures.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace media::pictures::help_diagrams {
namespace {

const QColor kInk{40, 32, 24};
const QColor kPanel{216, 212, 204};

// A raised or sunken box in the window style the game uses.
void bevelBox(QPainter& p, const QRectF& r, const QColor& face, bool sunken)
{
    p.setPen(Qt::NoPen);
    p.setBrush(face);
    p.drawRect(r);
    const QColor light = sunken ? QColor(110, 110, 110) : QColor(255, 255, 255);
    const QColor dark = sunken ? QColor(255, 255, 255) : QColor(96, 96, 96);
    p.setPen(QPen(light, 1.0));
    p.drawLine(r.topLeft() + QPointF(0.5, 0.5), r.topRight() + QPointF(-0.5, 0.5));
    p.drawLine(r.topLeft() + QPointF(0.5, 0.5), r.bottomLeft() + QPointF(0.5, -0.5));
    p.setPen(QPen(dark, 1.0));
    p.drawLine(r.bottomLeft() + QPointF(0.5, -0.5), r.bottomRight() + QPointF(-0.5, -0.5));
    p.drawLine(r.topRight() + QPointF(-0.5, 0.5), r.bottomRight() + QPointF(-0.5, -0.5));
}

void button(QPainter& p, const QRectF& r, const QString& caption, bool pressed = false)
{
    QLinearGradient metal(r.topLeft(), r.bottomLeft());
    metal.setColorAt(0.0, pressed ? QColor(196, 198, 202) : QColor(238, 240, 244));
    metal.setColorAt(1.0, pressed ? QColor(170, 172, 176) : QColor(200, 202, 206));
    bevelBox(p, r, Qt::transparent, pressed);
    p.setPen(Qt::NoPen);
    p.setBrush(metal);
    p.drawRect(r.adjusted(1, 1, -1, -1));
    bevelBox(p, r, Qt::transparent, pressed);
    p.setPen(kInk);
    p.setFont(paint::sansFont(9));
    p.drawText(r.translated(pressed ? 0.5 : 0, pressed ? 0.5 : 0), Qt::AlignCenter, caption);
}

// One number on the board, optionally with a ball resting on it.
void cell(QPainter& p, const QRectF& r, int number, const QColor& ballColour = QColor())
{
    bevelBox(p, r, QColor(246, 240, 222), true);
    if (ballColour.isValid()) {
        paint::ball(p, r.center(), r.height() / 2 - 1.0, ballColour);
        p.setPen(Qt::white);
        p.setFont(paint::sansFont(8, true));
    } else {
        p.setPen(kInk);
        p.setFont(paint::sansFont(8));
    }
    p.drawText(r, Qt::AlignCenter, QString::number(number));
}

void pointer(QPainter& p, QPointF tip)
{
    QPainterPath arrow;
    arrow.moveTo(tip);
    arrow.lineTo(tip + QPointF(0, 11));
    arrow.lineTo(tip + QPointF(2.8, 8.4));
    arrow.lineTo(tip + QPointF(5.0, 12.6));
    arrow.lineTo(tip + QPointF(6.6, 11.8));
    arrow.lineTo(tip + QPointF(4.5, 7.8));
    arrow.lineTo(tip + QPointF(8.0, 7.8));
    arrow.closeSubpath();
    p.setPen(QPen(Qt::black, 0.9, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    p.setBrush(Qt::white);
    p.drawPath(arrow);
}

} // namespace

double pickNumbers(QPainter& p, QPointF at)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    constexpr double w = 21.0;
    constexpr double h = 17.0;
    for (int i = 0; i < 10; ++i) {
        const int number = i + 1;
        const bool picked = number == 3 || number == 7 || number == 9;
        cell(p, QRectF(at.x() + (i % 5) * (w + 1.0), at.y() + (i / 5) * (h + 1.0), w, h), number,
             picked ? paint::kPickedBlue : QColor());
    }
    pointer(p, at + QPointF(1 * (w + 1.0) + 13.0, h + 1.0 + 10.0));
    p.restore();
    return 2 * h + 1.0 + 4.0;
}

double placeBet(QPainter& p, QPointF at)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF window(at.x(), at.y(), kWidth, 62.0);
    bevelBox(p, window, kPanel, false);
    // Title bar of the little window.
    QLinearGradient title(window.topLeft(), window.topRight());
    title.setColorAt(0.0, QColor(20, 40, 120));
    title.setColorAt(1.0, QColor(90, 130, 200));
    p.fillRect(QRectF(window.left() + 2, window.top() + 2, window.width() - 4, 11), title);
    p.setPen(Qt::white);
    p.setFont(paint::sansFont(8, true));
    p.drawText(QRectF(window.left() + 5, window.top() + 2, 60, 11), Qt::AlignVCenter, QStringLiteral("Bet"));

    const QString amounts[] = {QStringLiteral("5"), QStringLiteral("10"), QStringLiteral("20"),
                               QStringLiteral("50"), QStringLiteral("100"), QStringLiteral("All")};
    for (int i = 0; i < 6; ++i)
        button(p, QRectF(window.left() + 5 + (i % 3) * 35.0, window.top() + 15 + (i / 3) * 14.0, 32, 13),
               amounts[i], i == 2);

    // Amount box, the Hold tick and Ok.
    const QRectF box(window.left() + 5, window.top() + 44, 26, 14);
    bevelBox(p, box, Qt::white, true);
    p.setPen(kInk);
    p.setFont(paint::sansFont(9));
    p.drawText(box.adjusted(2, 0, -2, 0), Qt::AlignVCenter | Qt::AlignRight, QStringLiteral("20"));
    const QRectF tick(window.left() + 36, window.top() + 46, 10, 10);
    bevelBox(p, tick, Qt::white, true);
    p.setPen(QPen(kInk, 1.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPolyline(QPolygonF({tick.topLeft() + QPointF(2.2, 5.0), tick.topLeft() + QPointF(4.3, 7.4),
                              tick.topLeft() + QPointF(8.0, 2.4)}));
    p.setPen(kInk);
    p.setFont(paint::sansFont(9));
    p.drawText(QPointF(tick.right() + 3, tick.bottom() - 1), QStringLiteral("Hold"));
    button(p, QRectF(window.right() - 33, window.top() + 44, 28, 14), QStringLiteral("Ok"));
    p.restore();
    return window.height() + 4.0;
}

double drawnBalls(QPainter& p, QPointF at)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    constexpr double w = 21.0;
    constexpr double h = 17.0;
    // A moment of play: 7 and 9 picked and hit, 3 picked still waiting,
    // 2, 5 and 8 drawn but not picked.
    const QColor none;
    const QColor colours[] = {none,          paint::kDrawnRed, paint::kPickedBlue, none,
                              paint::kDrawnRed, none,          paint::kHitPurple,  paint::kDrawnRed,
                              paint::kHitPurple, none};
    for (int i = 0; i < 10; ++i)
        cell(p, QRectF(at.x() + (i % 5) * (w + 1.0), at.y() + (i / 5) * (h + 1.0), w, h), i + 1, colours[i]);
    p.restore();
    return 2 * h + 1.0 + 4.0;
}

double gameAndScores(QPainter& p, QPointF at)
{
    p.save();
    p.translate(at);
    p.scale(0.72, 0.72);
    paintHourglass(p, 0.6, true);
    p.restore();

    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF table(at.x() + 38, at.y(), kWidth - 38, 48);
    bevelBox(p, table, QColor(250, 248, 240), true);
    p.setFont(paint::sansFont(8));
    const QString names[] = {QStringLiteral("Kim"), QStringLiteral("Alex"), QString(), QStringLiteral("Sam")};
    const int scores[] = {212, 168, 121, 97};
    for (int i = 0; i < 4; ++i) {
        const QRectF row(table.left() + 3, table.top() + 2 + i * 11, table.width() - 6, 11);
        if (names[i].isEmpty()) {
            // The new entry: the player types a name in the yellow box.
            p.setPen(QPen(QColor(150, 120, 0), 0.8));
            p.setBrush(QColor(255, 242, 80));
            p.drawRect(row.adjusted(0, 0.5, -26, -0.5));
            p.setPen(kInk);
            p.drawText(row.adjusted(2, 0, 0, 0), Qt::AlignVCenter, QStringLiteral("You|"));
        } else {
            p.setPen(kInk);
            p.drawText(row.adjusted(2, 0, 0, 0), Qt::AlignVCenter, names[i]);
        }
        p.setPen(kInk);
        p.drawText(row.adjusted(0, 0, -2, 0), Qt::AlignVCenter | Qt::AlignRight, QString::number(scores[i]));
    }
    p.restore();
    return 64 * 0.72 + 4.0;
}

double prizeTable(QPainter& p, QPointF at)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    constexpr double rowH = 10.5;
    const QRectF table(at.x(), at.y(), kWidth, rowH * 5 + 4);
    bevelBox(p, table, QColor(250, 248, 240), true);
    p.setFont(paint::sansFont(8, true));
    p.setPen(kInk);
    const double colSplit = table.left() + table.width() / 2;
    p.drawText(QRectF(table.left(), table.top() + 2, table.width() / 2, rowH), Qt::AlignCenter, QStringLiteral("Hits"));
    p.drawText(QRectF(colSplit, table.top() + 2, table.width() / 2, rowH), Qt::AlignCenter, QStringLiteral("Pays"));
    p.setFont(paint::sansFont(8));
    // A five-spot ticket at Easy for a bet of one credit, as the prize window
    // would show it.
    const int pays[] = {6, 8, 45, 105};
    for (int i = 0; i < 4; ++i) {
        const QRectF row(table.left() + 2, table.top() + 2 + (i + 1) * rowH, table.width() - 4, rowH);
        const bool current = i == 1;
        if (current)
            p.fillRect(row, QColor(255, 226, 220));
        p.setPen(current ? QColor(204, 0, 0) : kInk);
        p.drawText(QRectF(row.left(), row.top(), row.width() / 2, rowH), Qt::AlignCenter, QString::number(i + 2));
        p.drawText(QRectF(colSplit, row.top(), row.width() / 2, rowH), Qt::AlignCenter, QString::number(pays[i]));
    }
    p.restore();
    return table.height() + 4.0;
}

} // namespace media::pictures::help_diagrams
