// FrmInsferlow: the instructions window: two paragraphs over a background of scattered grey
// and white dots, and Close.
#pragma once

#include <QImage>
#include <random>

#include "engine/machine/instructions_window.h"
#include "engine/screens/instructions_window.h"
#include "ui/widgets/aux_window.h"

namespace ferlow {
class Machine;
}

namespace ferlow::ui {

class FaceButton;
class Panel;

class FrmInsferlow : public AuxWindow {
    Q_OBJECT
public:
    FrmInsferlow(Machine& machine, Dispatcher& dispatcher);

    void sync();
    // The dotted background as painted so far, at the screen's pixel ratio.
    const QImage& background() const { return background_; }

    static constexpr int kGreyDotsPerRun = 4000;
    static constexpr int kWhiteDotsPerRun = 1500;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    InstructionsWindowEvents& events_;
    const InstructionsScreen& screen_;

    void syncDots();
    void scatter(int count, const QColor& colour);

    Panel* Lblins1_ = nullptr;
    Panel* Lblins2_ = nullptr;
    FaceButton* CmdClose_ = nullptr;
    // The dots are decoration: they come from the window's own generator and are
    // kept in a backing image, so they persist as the window repaints.
    QImage background_;
    std::mt19937 random_;
    unsigned greyRunsDrawn_ = 0;
    unsigned whiteRunsDrawn_ = 0;
};

}  // namespace ferlow::ui
