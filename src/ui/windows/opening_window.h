// Ferlowopnscr: the opening window: the title artwork on its red ribbon, and Play.
#pragma once

#include <QPushButton>
#include <QWidget>

#include "engine/machine/events.h"
#include "engine/machine/opening_window.h"
#include "engine/screens/opening_window.h"
#include "ui/widgets/window_binding.h"

namespace ferlow {
class Machine;
}

namespace ferlow::ui {

class Dispatcher;
class FaceButton;
class Panel;
class PictureView;

class Ferlowopnscr : public QWidget {
    Q_OBJECT
public:
    Ferlowopnscr(Machine& machine, Dispatcher& dispatcher);

    void sync();

protected:
    void paintEvent(QPaintEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void moveEvent(QMoveEvent* event) override;

private:
    OpeningWindowEvents& events_;
    WindowEvents& windows_;
    const OpeningScreen& screen_;

    Dispatcher& dispatch_;
    WindowBinding binding_;
    QPixmap background_;
    std::vector<std::pair<Panel*, const Label*>> labels_;
    PictureView* Picture1_ = nullptr;
    QPushButton* CmdPlay_ = nullptr;
};

// The ribbon behind the title: 53 pairs of rectangle outlines sliding right, in
// dark and light red, as pixel corner pairs (x1, y1, x2, y2).
struct RibbonRect {
    double x1, y1, x2, y2;
    bool light;
};
std::vector<RibbonRect> openingRibbon();

}  // namespace ferlow::ui
