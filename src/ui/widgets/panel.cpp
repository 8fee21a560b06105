#include "ui/widgets/panel.h"

#include <QApplication>
#include <QMouseEvent>

#include "ui/widgets/colors.h"

namespace ferlow::ui {
namespace {

void applyStyle(QFrame* frame, PanelStyle style)
{
    switch (style) {
    case PanelStyle::Flat: frame->setFrameStyle(QFrame::NoFrame); break;
    case PanelStyle::Raised: frame->setFrameStyle(QFrame::Panel | QFrame::Raised); break;
    case PanelStyle::Inset: frame->setFrameStyle(QFrame::Panel | QFrame::Sunken); break;
    }
    frame->setLineWidth(style == PanelStyle::Flat ? 0 : 1);
}

}  // namespace

Panel::Panel(const QString& objectName, PanelStyle style, QWidget* parent) : QLabel(parent)
{
    setObjectName(objectName);
    applyStyle(this, style);
    setAlignment(Qt::AlignCenter);
    setAutoFillBackground(true);
    setTextFormat(Qt::PlainText);
}

void Panel::sync(const Label& model)
{
    const QString text = QString::fromStdString(model.caption.text());
    if (this->text() != text) setText(text);
    const QString tip = QString::fromStdString(model.tooltip);
    if (toolTip() != tip) setToolTip(tip);
    setEnabled(model.enabled);
    setVisible(model.visible);
    if (!coloured_ || !(fore_ == model.fore) || !(back_ == model.back) || enabled_ != model.enabled) {
        // A disabled label shows greyed text. A label that is only locked with
        // its window keeps its colours, as it would on the original platform.
        // System colours come from the desktop's palette, not from this one, which
        // holds the colours set last.
        const QPalette desktop = QApplication::palette(this);
        const QColor fore = toQColor(model.fore, desktop);
        QPalette pal = palette();
        pal.setColor(QPalette::Active, QPalette::WindowText, fore);
        pal.setColor(QPalette::Inactive, QPalette::WindowText, fore);
        pal.setColor(QPalette::Disabled, QPalette::WindowText,
                     model.enabled ? fore : desktop.color(QPalette::Disabled, QPalette::WindowText));
        pal.setColor(QPalette::Window, toQColor(model.back, desktop));
        setPalette(pal);
        fore_ = model.fore;
        back_ = model.back;
        enabled_ = model.enabled;
        coloured_ = true;
    }
    if (speechFromLabelOnly_) {
        if (spokenFor_ && spokenFor_->caption == model.caption.text() && spokenFor_->tooltip == model.tooltip &&
            spokenFor_->fore == model.fore && spokenFor_->back == model.back)
            return;
        spokenFor_ = SpokenFrom{model.caption.text(), model.tooltip, model.fore, model.back};
    }
    if (speechRule_) {
        speak(this, speechRule_(model));
    } else {
        const QString caption = spokenCaption(model.caption.text());
        speak(this, {caption.isEmpty() ? spokenName_ : caption, spokenText(model.tooltip)});
    }
}

void Panel::mousePressEvent(QMouseEvent* event)
{
    emit pressed();
    QLabel::mousePressEvent(event);
}

QFrame* makeFrame(const QString& objectName, PanelStyle style, QWidget* parent)
{
    auto* frame = new QFrame(parent);
    frame->setObjectName(objectName);
    applyStyle(frame, style);
    return frame;
}

}  // namespace ferlow::ui
