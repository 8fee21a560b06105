// The help page's pictures of the windows, drawn from what the windows show: the
// board's green with its balls, the Bet window's layout and captions, the status
// panels' dark face and texts, the Prizes window's rows. One small story runs
// through them: a new game (30 credits), four picks, a bet of 10 on the first
// turn at Easy, and two hits.
#include "pictures/help_diagrams.h"

#include "engine/rules/difficulty.h"
#include "engine/rules/prize_table.h"
#include "engine/screens/bet_dialog.h"
#include "engine/screens/main_window.h"
#include "media/board_balls.h"
#include "pictures/paint_kit.h"
#include "pictures/pictures.h"

#include <QLinearGradient>
#include <QPainter>

#include <algorithm>
#include <functional>
#include <optional>

namespace media::pictures::help_diagrams {
namespace {

using ferlow::media::Ball;

// The story's numbers.
constexpr int kPicks[] = {2, 5, 13, 16};
constexpr int kFirstTurn = 1;
constexpr int kTurns = 20;
constexpr double kStartCredit = 30;
constexpr double kBet = 10;
constexpr int kHits = 2;

const QColor kFace{239, 239, 239};  // the default theme's window and button face
const QColor kInk{0, 0, 0};
const QColor kGreyedInk{190, 190, 190};

QColor rgb(const ferlow::Color& c) { return {c.r, c.g, c.b}; }

QString caption(const std::string& text) { return QString::fromStdString(text); }

// A 3-D panel's one-pixel bevel, raised or sunken, around `r`.
void bevel(QPainter& p, const QRectF& r, bool sunken)
{
    const QColor light(255, 255, 255), dark(160, 160, 160);
    p.setPen(QPen(sunken ? dark : light, 1.0));
    p.drawLine(QPointF(r.left() + 0.5, r.bottom() - 0.5), QPointF(r.left() + 0.5, r.top() + 0.5));
    p.drawLine(QPointF(r.left() + 0.5, r.top() + 0.5), QPointF(r.right() - 0.5, r.top() + 0.5));
    p.setPen(QPen(sunken ? light : dark, 1.0));
    p.drawLine(QPointF(r.right() - 0.5, r.top() + 0.5), QPointF(r.right() - 0.5, r.bottom() - 0.5));
    p.drawLine(QPointF(r.right() - 0.5, r.bottom() - 0.5), QPointF(r.left() + 0.5, r.bottom() - 0.5));
}

void panel(QPainter& p, const QRectF& r, const QColor& face, bool sunken)
{
    p.fillRect(r, face);
    bevel(p, r, sunken);
}

// A push button as the desktop draws one: a softly lit face with a rounded rim.
void pushButton(QPainter& p, const QRectF& r, const std::string& text, bool enabled)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient face(r.topLeft(), r.bottomLeft());
    face.setColorAt(0.0, enabled ? QColor(252, 252, 252) : QColor(244, 244, 244));
    face.setColorAt(1.0, enabled ? QColor(226, 226, 226) : QColor(236, 236, 236));
    p.setBrush(face);
    p.setPen(QPen(enabled ? QColor(150, 150, 150) : QColor(190, 190, 190), 0.8));
    p.drawRoundedRect(r.adjusted(0.4, 0.4, -0.4, -0.4), 1.6, 1.6);
    p.setFont(paint::sansFont(8));
    p.setPen(enabled ? kInk : kGreyedInk);
    p.drawText(r, Qt::AlignCenter | Qt::TextShowMnemonic, caption(text));
    p.restore();
}

// Two rows of the board's top left corner, 1 to 6 and 11 to 16, on its green,
// with a ball on each number that has one; `greyed` digits when the board is
// locked, as it is while the balls fall.
double boardCorner(QPainter& p, QPointF at, const std::function<std::optional<Ball>(int)>& ballOn, bool greyed)
{
    constexpr int kColumns = 6;
    constexpr double kCellW = 24.0, kCellH = 19.0;
    const QRectF frame(at, QSizeF(kColumns * kCellW + 4, 2 * kCellH + 4));
    panel(p, frame, rgb(ferlow::kBoardGreen), true);
    QFont numbers = paint::sansFont(9, true);
    for (int row = 0; row < 2; ++row)
        for (int column = 0; column < kColumns; ++column) {
            const int number = row * 10 + column + 1;
            const QRectF cell(frame.left() + 2 + column * kCellW, frame.top() + 2 + row * kCellH, kCellW, kCellH);
            p.setFont(numbers);
            if (const std::optional<Ball> ball = ballOn(number)) {
                // The ball lies over the number, a little narrower than its cell.
                ferlow::media::paintBall(p, cell.adjusted(2, 0.5, -2, -0.5), *ball);
                ferlow::media::paintBallNumber(p, cell, number);
            } else {
                p.setPen(greyed ? kGreyedInk : kInk);
                p.drawText(cell, Qt::AlignCenter, QString::number(number));
            }
        }
    return frame.height();
}

bool picked(int number) { return std::find(std::begin(kPicks), std::end(kPicks), number) != std::end(kPicks); }

// What each hit count pays for the story's ticket, as the Prizes window shows it.
ferlow::PrizeFactors prizes()
{
    const ferlow::DifficultyLevel& easy = ferlow::difficultyLevel(ferlow::Difficulty::Easy);
    ferlow::PrizeFactors table{};
    double average = 0;
    ferlow::buildPrizeTable(std::size(kPicks), easy.prizeDivisor, easy.factor, table, average);
    return table;
}

}  // namespace

double pickNumbers(QPainter& p, QPointF at)
{
    return boardCorner(
        p, at, [](int n) { return picked(n) ? std::optional(Ball::Picked) : std::nullopt; }, false);
}

double drawnBalls(QPainter& p, QPointF at)
{
    // The balls so far: 5 and 13 are hits, 3, 11 and 14 fell on no pick, and
    // 2 and 16 are still waiting.
    const auto ballOn = [](int n) -> std::optional<Ball> {
        const bool drawn = n == 3 || n == 5 || n == 11 || n == 13 || n == 14;
        if (drawn) return picked(n) ? Ball::Hit : Ball::Drawn;
        return picked(n) ? std::optional(Ball::Picked) : std::nullopt;
    };
    return boardCorner(p, at, ballOn, true);
}

double betDialog(QPainter& p, QPointF at)
{
    const ferlow::BetScreen bet;
    // The window's own layout in pixels, made smaller; its texts stay readable.
    constexpr double kScale = 0.44;
    constexpr double kTitle = 11.0;
    const QRectF window(at + QPointF(kWidth - 296 * kScale - 2, 0),
                        QSizeF(296 * kScale + 2, 152 * kScale + kTitle + 2));
    const QPointF client = window.topLeft() + QPointF(1, kTitle + 1);
    const auto place = [&](double x, double y, double w, double h) {
        return QRectF(client + QPointF(x, y) * kScale, QSizeF(w, h) * kScale);
    };

    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(120, 120, 120), 1.0));
    p.setBrush(kFace);
    p.drawRoundedRect(window.adjusted(0.5, 0.5, -0.5, -0.5), 2.5, 2.5);
    QLinearGradient title(window.topLeft(), window.topLeft() + QPointF(0, kTitle));
    title.setColorAt(0.0, QColor(222, 222, 222));
    title.setColorAt(1.0, QColor(204, 204, 204));
    p.setPen(Qt::NoPen);
    p.setBrush(title);
    p.drawRect(QRectF(window.left() + 1, window.top() + 1, window.width() - 2, kTitle));
    p.setPen(kInk);
    p.setFont(paint::sansFont(8, true));
    p.drawText(QRectF(window.left(), window.top() + 1, window.width(), kTitle), Qt::AlignCenter,
               caption(bet.window.caption));
    p.restore();

    // The amount buttons the first turn's credit allows.
    panel(p, place(4, 5, 288, 54), kFace, false);
    struct Amount {
        const ferlow::Button* button;
        double amount;  // 0 for All
        double left;
    };
    const Amount amounts[] = {{&bet.Cmd5, 5, 10},    {&bet.Cmd10, 10, 54},    {&bet.Cmd20, 20, 98},
                              {&bet.Cmd50, 50, 143}, {&bet.Cmd100, 100, 188}, {&bet.Cmdall, 0, 239}};
    for (const Amount& a : amounts) {
        const bool enabled = a.amount == 0 ? kStartCredit < 100 : kStartCredit >= a.amount;
        pushButton(p, place(a.left, 12, 41, a.amount == 0 ? 41 : 33), a.button->caption, enabled);
    }

    // The amount typed beside "Other :", and Hold.
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(128, 128, 128), 0.8));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(place(4, 62, 288, 39), 2, 2);
    p.restore();
    p.setFont(paint::sansFont(8));
    p.setPen(kInk);
    p.drawText(place(0, 74, 80, 17), Qt::AlignRight | Qt::AlignVCenter, caption(bet.Lblother.caption.text()));
    const QRectF field = place(82, 69, 121, 25);
    p.fillRect(field, Qt::white);
    p.setPen(QPen(QColor(150, 150, 150), 1.0));
    p.drawRect(field.adjusted(0.5, 0.5, -0.5, -0.5));
    p.setPen(kInk);
    p.drawText(field.adjusted(3, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter, QString::number(kBet));
    pushButton(p, place(216, 67, 65, 33), bet.Cmdhold.caption, true);

    // The turn, Ok and the gauge, filled for one turn of twenty.
    p.setFont(paint::sansFont(8));
    p.setPen(kInk);
    p.drawText(place(5, 116, 97, 17).adjusted(0, 0, 6, 0), Qt::AlignLeft | Qt::AlignVCenter,
               caption(ferlow::turnText(kFirstTurn)));
    pushButton(p, place(105, 104, 81, 33), bet.Cmdok.caption, true);
    const QRectF gauge = place(195, 110, 81, 22);
    panel(p, gauge, kFace, true);
    p.fillRect(QRectF(gauge.left() + 1, gauge.top() + 1, (gauge.width() - 2) * kFirstTurn / kTurns, gauge.height() - 2),
               QColor(255, 0, 0));
    return window.height();
}

double statusPanels(QPainter& p, QPointF at)
{
    p.save();
    p.translate(at);
    p.scale(0.72, 0.72);
    paintHourglass(p, 0.9, true);  // the first turn under way
    p.restore();

    const double won = kBet * prizes()[kHits];
    const std::string texts[] = {ferlow::hitsText(kHits), ferlow::wonText(won), ferlow::creditText(kStartCredit + won),
                                 ferlow::betText(kBet)};
    const QRectF frame(at.x() + 40, at.y(), kWidth - 40, 4 * 12.0 + 4);
    panel(p, frame, kFace, false);
    p.setFont(paint::sansFont(8, true));
    for (int i = 0; i < 4; ++i) {
        const QRectF r(frame.left() + 2, frame.top() + 2 + i * 12.0, frame.width() - 4, 11.0);
        panel(p, r, rgb(ferlow::kStatusPanelFace), true);
        p.setPen(rgb(ferlow::kStatusPanelText));
        p.drawText(r, Qt::AlignCenter, caption(texts[i]));
    }
    return std::max(frame.height(), 64 * 0.72);
}

double prizeWindow(QPainter& p, QPointF at)
{
    const ferlow::PrizeFactors table = prizes();
    const int spots = static_cast<int>(std::size(kPicks));
    constexpr double kRow = 13.0;
    const QRectF window(at, QSizeF(kWidth, (spots - 1) * kRow + 4));
    panel(p, window, kFace, false);
    p.setFont(paint::sansFont(8, true));
    for (int hits = spots; hits >= 2; --hits) {
        const QRectF row(window.left() + 2, window.top() + 2 + (spots - hits) * kRow, window.width() - 4, kRow);
        panel(p, row, kFace, false);
        // The row of the hits so far is red, as in the window.
        p.setPen(hits == kHits ? rgb(ferlow::palette::brightRed) : kInk);
        p.drawText(row.adjusted(4, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter,
                   caption(ferlow::prizeRowText(hits, spots, kBet * table[static_cast<std::size_t>(hits)])));
    }
    return window.height();
}

}  // namespace media::pictures::help_diagrams
