// Labels and 3-D panels that draw a label model: caption, colours, tooltip,
// enabled and visible state, and what a screen reader says for them.
#pragma once

#include <QLabel>
#include <functional>

#include "engine/controls.h"
#include "ui/common/speech.h"

namespace ferlow::ui {

enum class PanelStyle { Flat, Raised, Inset };

class Panel : public QLabel {
    Q_OBJECT
public:
    Panel(const QString& objectName, PanelStyle style, QWidget* parent);

    void sync(const Label& model);

    // By default a panel is read as its caption, described by its tooltip; a
    // panel without a caption is read as `name`.
    void setSpokenName(const QString& name) { spokenName_ = name; }
    // Replaces the default reading, for panels whose meaning lies beyond their
    // caption (a board number's state, a rating shown only as a colour).
    using SpeechRule = std::function<Spoken(const Label&)>;
    void setSpeechRule(SpeechRule rule) { speechRule_ = std::move(rule); }

signals:
    void pressed();

protected:
    void mousePressEvent(QMouseEvent* event) override;

private:
    Color fore_{};
    Color back_{};
    bool coloured_ = false;
    QString spokenName_;
    SpeechRule speechRule_;
};

// Makes a plain frame of the given 3-D style (a group box without a title).
QFrame* makeFrame(const QString& objectName, PanelStyle style, QWidget* parent);

}  // namespace ferlow::ui
