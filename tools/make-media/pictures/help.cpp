// The help page: how to pick, bet and play, what the balls and panels mean, and
// the other windows, each beside a picture of the window it is about.
#include "engine/help_page.h"
#include "pictures/help_diagrams.h"
#include "pictures/help_text.h"
#include "pictures/paint_kit.h"
#include "pictures/pictures.h"

#include <QLinearGradient>
#include <QPainter>

#include <cstdio>
#include <iterator>

namespace media::pictures {
namespace {

constexpr int kWidth = 484;
constexpr int kHeight = 400;
constexpr double kMargin = 12.0;
constexpr double kTextLeft = 36.0;
constexpr double kDiagramLeft = kWidth - kMargin - help_diagrams::kWidth;
constexpr double kBesideWidth = kDiagramLeft - 10.0 - kTextLeft;
constexpr double kFullWidth = kWidth - kMargin - kTextLeft;

const QColor kInk{40, 30, 20};
const QColor kHeading{128, 16, 20};

// The pictures beside the sections' words (engine/help_page.h), in order.
using Diagram = double (*)(QPainter&, QPointF);
constexpr Diagram kDiagrams[] = {help_diagrams::pickNumbers, help_diagrams::betDialog, help_diagrams::drawnBalls,
                                 help_diagrams::statusPanels, help_diagrams::prizeWindow};
static_assert(std::size(kDiagrams) == ferlow::help::kSections.size());

void paintParchment(QPainter& p)
{
    QLinearGradient paper(0, 0, kWidth * 0.3, kHeight);
    paper.setColorAt(0.0, QColor(255, 252, 242));
    paper.setColorAt(1.0, QColor(246, 238, 216));
    p.fillRect(QRect(0, 0, kWidth, kHeight), paper);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(150, 110, 40), 1.0));
    p.drawRect(QRectF(0.5, 0.5, kWidth - 1, kHeight - 1));
    p.setPen(QPen(QColor(214, 176, 96), 1.0));
    p.drawRect(QRectF(3.5, 3.5, kWidth - 8, kHeight - 8));
}

double paintHeading(QPainter& p, int bodyPixels)
{
    p.setFont(paint::serifFont(18, true));
    p.setPen(kHeading);
    const QRectF band(kMargin, 5, kWidth - 2 * kMargin, 22);
    p.drawText(band, Qt::AlignLeft | Qt::AlignVCenter, QString::fromLatin1(ferlow::help::kTitle));

    p.setFont(paint::sansFont(bodyPixels));
    p.setPen(QColor(110, 90, 60));
    p.drawText(band, Qt::AlignRight | Qt::AlignVCenter, QString::fromLatin1(ferlow::help::kTagline));

    QLinearGradient rule(kMargin, 0, kWidth - kMargin, 0);
    rule.setColorAt(0.0, QColor(180, 120, 20));
    rule.setColorAt(0.5, QColor(240, 200, 100));
    rule.setColorAt(1.0, QColor(180, 120, 20));
    p.setPen(QPen(QBrush(rule), 1.6));
    p.drawLine(QPointF(kMargin, 29), QPointF(kWidth - kMargin, 29));
    p.setPen(QPen(QBrush(rule), 0.7));
    p.drawLine(QPointF(kMargin, 32), QPointF(kWidth - kMargin, 32));
    return 36.0;
}

// The section number on a gold keno ball, the way numbers appear on the board.
void paintMarker(QPainter& p, QPointF centre, int number)
{
    paint::ball(p, centre, 9.0, QColor(226, 164, 28));
    p.setPen(QColor(60, 30, 0));
    p.setFont(paint::sansFont(11, true));
    p.drawText(QRectF(centre.x() - 9, centre.y() - 9, 18, 18), Qt::AlignCenter, QString::number(number));
}

// Paints the whole page and returns how far down its content reaches.
double paintPage(QImage& image, int bodyPixels)
{
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    paintParchment(p);
    double y = paintHeading(p, bodyPixels);

    const auto& list = ferlow::help::kSections;
    for (std::size_t i = 0; i < list.size(); ++i) {
        const ferlow::help::Section& s = list[i];
        paintMarker(p, QPointF(kMargin + 10, y + 8), static_cast<int>(i) + 1);

        p.setFont(paint::sansFont(bodyPixels + 1, true));
        p.setPen(kHeading);
        p.drawText(QRectF(kTextLeft, y, kBesideWidth, 16), Qt::AlignLeft | Qt::AlignVCenter,
                   QString::fromLatin1(s.title));

        // The text runs beside the picture and then on at full width below it.
        const double diagramBottom = y + 2 + kDiagrams[i](p, QPointF(kDiagramLeft, y + 2));
        const help_text::Frame frame{.left = kTextLeft,
                                     .top = y + 14,
                                     .fullWidth = kFullWidth,
                                     .besideWidth = kBesideWidth,
                                     .diagramBottom = diagramBottom};
        const double textBottom = help_text::paint(p, frame, QString::fromLatin1(s.text), bodyPixels, kInk);
        y = std::max(textBottom, diagramBottom) + 5.0;

        if (i + 1 < list.size()) {
            p.setPen(QPen(QColor(214, 190, 140), 0.8, Qt::DotLine));
            p.drawLine(QPointF(kTextLeft, y - 3), QPointF(kWidth - kMargin, y - 3));
        }
    }
    return y;
}

}  // namespace

QImage help(int scale)
{
    // Fonts differ between desktops; if the text would run off the page,
    // set it a pixel smaller rather than cut the last section short.
    // The help window's Close button lies over the page's lower right corner,
    // so the content ends above that band.
    constexpr int kPreferredPixels = 11;
    constexpr int kSmallestPixels = 9;
    constexpr int kCloseButtonBand = 40;
    QImage image = paint::canvas(kWidth, kHeight, Qt::white, scale);
    for (int pixels = kPreferredPixels; pixels >= kSmallestPixels; --pixels) {
        const double bottom = paintPage(image, pixels);
        if (bottom <= kHeight - kCloseButtonBand) return image;
        std::fprintf(stderr, "make-media: help text at %d px runs %.0f px past the page\n", pixels,
                     bottom - (kHeight - kCloseButtonBand));
    }
    // A help page with its end cut off is no help; report it as a failure.
    return {};
}

}  // namespace media::pictures
