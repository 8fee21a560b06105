// Frmhsc: the high-score window: five places with their scores, percentages of the
// Average and name fields, the face of the last result and the credits lost.
// At the end of a good game the new place's name field takes the player's name.
#pragma once

#include <QLineEdit>
#include <array>
#include <functional>

#include "engine/machine/game_state.h"
#include "engine/machine/high_score_window.h"
#include "engine/screens/high_score_window.h"
#include "ui/widgets/aux_window.h"

namespace ferlow {
class Machine;
}

namespace ferlow::ui {

class FaceButton;
class Panel;
class PictureView;

// A name field: every typed character is first offered to `filter`, which answers
// the character to insert in its place (Backspace included), or 0 for nothing.
// Keys with Ctrl, Alt or Meta are editing commands (paste, undo, select all) and
// reach the field unfiltered; what they change is reported through textEdited.
class NameField : public QLineEdit {
    Q_OBJECT
public:
    NameField(const QString& objectName, QWidget* parent);

    void setFilter(std::function<int(int)> filter) { filter_ = std::move(filter); }
    void sync(const TextBox& model);

signals:
    void mouseDown();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    std::function<int(int)> filter_;
    Color back_{};
    bool coloured_ = false;
};

class Frmhsc : public AuxWindow {
    Q_OBJECT
public:
    Frmhsc(Machine& machine, Dispatcher& dispatcher);

    void sync();

private:
    HighScoreWindowEvents& events_;
    const HighScoreScreen& screen_;
    const GameState& state_;  // the scores, which a screen reader hears whole

    void buildRows();
    void buildBottomRow();

    Panel* Lblpercent_ = nullptr;
    Panel* Lblsign_ = nullptr;
    std::array<Panel*, kHighScorePlaces> Lblhi_{};
    std::array<Panel*, kHighScorePlaces> Lblp_{};
    std::array<NameField*, kHighScorePlaces> Txtnam_{};
    PictureView* PicFace_ = nullptr;
    FaceButton* CmdClose_ = nullptr;
    Panel* LblLoss_ = nullptr;
};

}  // namespace ferlow::ui
