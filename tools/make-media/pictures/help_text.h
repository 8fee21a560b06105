// Word-wrapped text for the help page: bold runs, little balls in the line,
// and lines that run short beside a diagram and full width below it.
#pragma once

#include <QColor>
#include <QString>

class QPainter;

namespace media::pictures::help_text {

struct Frame {
    double left = 0.0;
    double top = 0.0;
    double fullWidth = 0.0;    // width of a line below the diagram
    double besideWidth = 0.0;  // width of a line next to it
    double diagramBottom = 0.0;
};

// Markup: **bold**, a newline for a line break, ~ for a space that never
// breaks, and [blue], [red] or [purple] for a ball as the board shows a pick,
// a drawn number and a hit, which stays on the same line as the word after
// it. Returns the y just below the last line.
double paint(QPainter& painter, const Frame& frame, const QString& markup, int pixelSize, const QColor& ink);

}  // namespace media::pictures::help_text
