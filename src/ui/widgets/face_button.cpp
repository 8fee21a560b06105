#include "ui/widgets/face_button.h"

#include <QKeyEvent>
#include <QPainter>
#include <QStyleOptionButton>

#include "media/pictures.h"
#include "ui/widgets/speech.h"

namespace ferlow::ui {

FaceButton::FaceButton(const QString& objectName, QWidget* parent) : QPushButton(parent)
{
    setObjectName(objectName);
    setAutoDefault(false);
}

void FaceButton::sync(const Button& model)
{
    const QString caption = QString::fromStdString(model.caption);
    if (text() != caption) setText(caption);
    const QString tip = QString::fromStdString(model.tooltip);
    if (toolTip() != tip) setToolTip(tip);
    speak(this, {spokenCaption(model.caption), spokenText(model.tooltip)});
    setEnabled(model.enabled);
    setVisible(model.visible);
    if (model.face.showings != showings_) {
        showings_ = model.face.showings;
        face_ = model.face.file.empty()
                    ? QPixmap()
                    : media::loadPicture(QString::fromStdString(model.face.file), devicePixelRatioF());
        update();
    }
}

void FaceButton::paintEvent(QPaintEvent* event)
{
    if (face_.isNull()) {
        QPushButton::paintEvent(event);
        return;
    }
    QPainter p(this);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    p.drawPixmap(rect(), face_);
    QRect textRect = rect();
    if (isDown()) textRect.translate(1, 1);
    p.setPen(isEnabled() ? QColor(Qt::black) : QColor(110, 110, 110));
    p.drawText(textRect, Qt::AlignCenter | Qt::TextShowMnemonic, text());
    if (hasFocus()) {
        QStyleOptionFocusRect focus;
        focus.initFrom(this);
        focus.rect = rect().adjusted(4, 4, -4, -4);
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, &p, this);
    }
}

void FaceButton::mousePressEvent(QMouseEvent* event)
{
    emit pressedDown();
    QPushButton::mousePressEvent(event);
}

void FaceButton::mouseReleaseEvent(QMouseEvent* event)
{
    emit releasedUp();
    QPushButton::mouseReleaseEvent(event);
}

void FaceButton::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        emit enterPressed();
        event->accept();
        return;
    }
    if (event->key() == Qt::Key_Space && !event->isAutoRepeat()) emit pressedDown();
    QPushButton::keyPressEvent(event);
}

void FaceButton::keyReleaseEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Space && !event->isAutoRepeat()) emit releasedUp();
    QPushButton::keyReleaseEvent(event);
}

void FaceButton::focusInEvent(QFocusEvent* event)
{
    emit focusGained();
    QPushButton::focusInEvent(event);
}

}  // namespace ferlow::ui
