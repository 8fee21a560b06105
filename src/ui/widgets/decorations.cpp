#include "ui/widgets/decorations.h"

#include <QPainter>

namespace ferlow::ui {

ShapeView::ShapeView(const QString& objectName, Kind kind, QWidget* parent)
    : QWidget(parent), kind_(kind), colour_(kind == Kind::Outline ? QColor(128, 128, 128) : QColor(Qt::white))
{
    setObjectName(objectName);
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void ShapeView::setColour(const QColor& colour)
{
    if (colour == colour_) return;
    colour_ = colour;
    update();
}

void ShapeView::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF box = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    if (kind_ == Kind::Swatch) {
        p.setPen(QPen(colour_.darker(170), 1));
        p.setBrush(colour_);
        p.drawRoundedRect(box, 3, 3);
    } else {
        p.setPen(QPen(colour_, 1));
        p.setBrush(Qt::NoBrush);
        p.drawRoundedRect(box, 4, 4);
    }
}

QFrame* makeLine(const QString& objectName, Qt::Orientation orientation, QWidget* parent)
{
    auto* line = new QFrame(parent);
    line->setObjectName(objectName);
    line->setFrameShape(orientation == Qt::Horizontal ? QFrame::HLine : QFrame::VLine);
    line->setFrameShadow(QFrame::Sunken);
    line->setAttribute(Qt::WA_TransparentForMouseEvents);
    return line;
}

}  // namespace ferlow::ui
