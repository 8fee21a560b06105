#include "ui/board/marker_view.h"

#include <QPainter>

#include "media/board_balls.h"
#include "ui/widgets/list_images.h"
#include "ui/widgets/speech.h"

namespace ferlow::ui {

QString markerStateWord(const Marker& marker)
{
    if (!marker.visible) return {};
    switch (marker.image) {
    case ListImage::Picked: return QStringLiteral("picked");
    case ListImage::Drawn: return QStringLiteral("drawn");
    case ListImage::Hit: return QStringLiteral("hit");
    case ListImage::EmblemA:
    case ListImage::EmblemB: break;
    }
    return {};
}

MarkerView::MarkerView(const QString& objectName, QWidget* parent) : QWidget(parent)
{
    setObjectName(objectName);
    setAttribute(Qt::WA_TranslucentBackground);
}

void MarkerView::setNumber(int number) { number_ = number; }

void MarkerView::sync(const Marker& model)
{
    const QString state = markerStateWord(model);
    speakName(this, state.isEmpty() ? QStringLiteral("Ball %1").arg(number_)
                                    : QStringLiteral("Ball %1, %2").arg(number_).arg(state));
    if (model.image != image_) {
        image_ = model.image;
        update();
    }
    setVisible(model.visible);
    setEnabled(model.enabled);
    // A disabled marker takes no input of its own: a press falls through to the
    // number it lies on.
    setAttribute(Qt::WA_TransparentForMouseEvents, !model.enabled);
}

void MarkerView::paintEvent(QPaintEvent*)
{
    // The picture is stretched to the marker's box, whose height is set with
    // every picture.
    QPainter p(this);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    p.drawPixmap(rect(), listImage(image_, devicePixelRatioF()));
    if (number_ > 0) {
        QFont f = font();
        f.setBold(true);
        p.setFont(f);
        media::paintBallNumber(p, rect(), number_);
    }
}

void MarkerView::mousePressEvent(QMouseEvent*) { emit pressed(); }

}  // namespace ferlow::ui
