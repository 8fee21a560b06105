#include "ui/widgets/picture_view.h"

#include <QPainter>
#include <QStyle>

#include "media/pictures.h"
#include "ui/widgets/colors.h"
#include "ui/widgets/speech.h"

namespace ferlow::ui {

PictureView::PictureView(const QString& objectName, QWidget* parent, bool scaled) : QLabel(parent), scaled_(scaled)
{
    setObjectName(objectName);
    setAlignment(Qt::AlignCenter);
    setAutoFillBackground(true);
}

void PictureView::setSpokenName(const QString& name) { speakName(this, name); }

void PictureView::syncPicture(const Picture& picture)
{
    if (picture.showings == showings_) return;
    showings_ = picture.showings;
    // Read at the screen's pixel density, so a picture shown at its own size is
    // never enlarged; one fitted to the box is drawn from the finer pixels.
    const qreal ratio = devicePixelRatioF();
    QPixmap pixmap = media::loadPicture(QString::fromStdString(picture.file), ratio);
    if (!pixmap.isNull() && scaled_ && !size().isEmpty()) {
        pixmap = pixmap.scaled(size() * ratio, Qt::KeepAspectRatio, Qt::SmoothTransformation);
        pixmap.setDevicePixelRatio(ratio);
    }
    setPixmap(pixmap);
}

void PictureView::sync(const PictureBox& model)
{
    syncPicture(model.picture);
    const QString tip = QString::fromStdString(model.tooltip);
    if (toolTip() != tip) setToolTip(tip);
    const QString description = spokenText(model.tooltip);
    speakDescription(this, description.isEmpty() && describe_ ? describe_(model) : description);
    setVisible(model.visible);
    setEnabled(model.enabled);
    QPalette pal = palette();
    const QColor back = toQColor(model.back, pal);
    if (pal.color(QPalette::Window) != back) {
        pal.setColor(QPalette::Window, back);
        setPalette(pal);
    }
}

void PictureView::mousePressEvent(QMouseEvent* event)
{
    emit pressed();
    QLabel::mousePressEvent(event);
}

void PictureView::paintEvent(QPaintEvent* event)
{
    const QPixmap shown = pixmap();
    if (shown.isNull()) {
        QLabel::paintEvent(event);
        return;
    }
    QPainter p(this);
    drawFrame(&p);
    style()->drawItemPixmap(&p, contentsRect(), static_cast<int>(alignment()), shown);
}

}  // namespace ferlow::ui
