// Greedy line breaking for the help page text, with inline balls and a
// diagram that the first lines flow beside.
#include "pictures/help_text.h"

#include "media/board_balls.h"
#include "pictures/paint_kit.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QRegularExpression>

#include <cmath>
#include <optional>
#include <vector>

namespace media::pictures::help_text {
namespace {

using ferlow::media::Ball;

struct Piece {
    QString text;  // empty for a ball
    bool bold = false;
    std::optional<Ball> ball;  // set for a ball
};

// Pieces with no break allowed between them (a word, or a ball and its word);
// an empty unit stands for a forced line break.
using Unit = std::vector<Piece>;

Ball ballNamed(const QString& colour)
{
    if (colour == QLatin1String("blue")) return Ball::Picked;
    if (colour == QLatin1String("red")) return Ball::Drawn;
    return Ball::Hit;
}

std::vector<Unit> split(const QString& markup)
{
    std::vector<Unit> units;
    Unit pending;  // a ball waiting for its word
    bool bold = false;
    static const QRegularExpression token(QStringLiteral(R"(\*\*|\[(blue|red|purple)\]|\s+|[^\s*\[]+|.)"));
    Unit word;
    const auto endWord = [&] {
        if (!word.empty()) {
            Unit unit = pending;
            unit.insert(unit.end(), word.begin(), word.end());
            units.push_back(unit);
            pending.clear();
            word.clear();
        }
    };
    for (auto it = token.globalMatch(markup); it.hasNext();) {
        const auto m = it.next();
        const QString t = m.captured(0);
        if (t == QLatin1String("**")) {
            bold = !bold;
        } else if (m.hasCaptured(1)) {
            endWord();
            pending.push_back({QString(), false, ballNamed(m.captured(1))});
        } else if (t.at(0).isSpace()) {
            endWord();
            if (t.contains(QLatin1Char('\n'))) units.emplace_back();
        } else {
            word.push_back({QString(t).replace(QLatin1Char('~'), QLatin1Char(' ')), bold, std::nullopt});
        }
    }
    endWord();
    if (!pending.empty()) units.push_back(pending);
    return units;
}

}  // namespace

double paint(QPainter& p, const Frame& frame, const QString& markup, int pixelSize, const QColor& ink)
{
    const QFont regular = paint::sansFont(pixelSize);
    const QFont bold = paint::sansFont(pixelSize, true);
    const QFontMetricsF regularMetrics(regular);
    const QFontMetricsF boldMetrics(bold);
    const double ballSize = pixelSize + 1.0;
    const double lineHeight = std::ceil(regularMetrics.lineSpacing());
    const double space = regularMetrics.horizontalAdvance(QLatin1Char(' '));

    const auto widthOf = [&](const Unit& unit) {
        double w = 0.0;
        for (const Piece& piece : unit) {
            w +=
                piece.ball ? ballSize + 3.0 : (piece.bold ? boldMetrics : regularMetrics).horizontalAdvance(piece.text);
        }
        return w;
    };

    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.setPen(ink);
    double y = frame.top;
    double x = 0.0;
    bool lineEmpty = true;
    for (const Unit& unit : split(markup)) {
        if (unit.empty()) {
            y += lineHeight;
            x = 0.0;
            lineEmpty = true;
            continue;
        }
        const double lineWidth = y < frame.diagramBottom ? frame.besideWidth : frame.fullWidth;
        const double w = widthOf(unit);
        if (!lineEmpty && x + space + w > lineWidth) {
            y += lineHeight;
            x = 0.0;
            lineEmpty = true;
        }
        if (!lineEmpty) x += space;
        const double baseline = y + regularMetrics.ascent();
        for (const Piece& piece : unit) {
            if (piece.ball) {
                // The painter leaves a point around the ball for its shadow.
                const double centreY = baseline - regularMetrics.xHeight() / 2.0;
                const QRectF box(frame.left + x - 1.0, centreY - ballSize / 2.0 - 1.0, ballSize + 2.0, ballSize + 2.0);
                ferlow::media::paintBall(p, box, *piece.ball);
                x += ballSize + 3.0;
            } else {
                p.setFont(piece.bold ? bold : regular);
                p.drawText(QPointF(frame.left + x, baseline), piece.text);
                x += (piece.bold ? boldMetrics : regularMetrics).horizontalAdvance(piece.text);
            }
        }
        lineEmpty = false;
    }
    p.restore();
    return y + lineHeight;
}

}  // namespace media::pictures::help_text
