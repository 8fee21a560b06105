// Labels and 3-D panels that draw a label model: caption, colours, tooltip,
// enabled and visible state, and what a screen reader says for them.
#pragma once

#include <QLabel>
#include <functional>
#include <optional>
#include <string>
#include <utility>

#include "engine/screens/controls.h"
#include "ui/widgets/speech.h"

namespace ferlow::ui {

enum class PanelStyle { Flat, Raised, Inset };

class Panel : public QLabel {
    Q_OBJECT
public:
    Panel(const QString& objectName, PanelStyle style, QWidget* parent);

    void sync(const Label& model);

    // By default a panel is read as its caption, described by its tooltip; a
    // panel without a caption is read as `name`.
    void setSpokenName(const QString& name)
    {
        spokenName_ = name;
        spokenFor_.reset();
    }
    // Replaces the default reading, for panels whose meaning lies beyond their
    // caption (a board number's state, a rating shown only as a colour).
    // `fromLabelOnly`: the rule reads nothing but the label, so the reading is
    // worked out again only when the caption, tooltip or colours change.
    using SpeechRule = std::function<Spoken(const Label&)>;
    void setSpeechRule(SpeechRule rule, bool fromLabelOnly = false)
    {
        speechRule_ = std::move(rule);
        speechFromLabelOnly_ = fromLabelOnly;
        spokenFor_.reset();
    }

signals:
    void pressed();

protected:
    void mousePressEvent(QMouseEvent* event) override;

private:
    Color fore_{};
    Color back_{};
    bool enabled_ = true;
    bool coloured_ = false;
    QString spokenName_;
    SpeechRule speechRule_;
    bool speechFromLabelOnly_ = true;
    // What the current reading was worked out from.
    struct SpokenFrom {
        std::string caption, tooltip;
        Color fore, back;
    };
    std::optional<SpokenFrom> spokenFor_;
};

// Makes a plain frame of the given 3-D style (a group box without a title).
QFrame* makeFrame(const QString& objectName, PanelStyle style, QWidget* parent);

}  // namespace ferlow::ui
