// Frmabtkeno: the About window: the program's emblem and title, the credit line, the notices
// and the small emblem that turns five times a second while the window is open.
#pragma once

#include <QTimer>

#include "engine/machine/about_window.h"
#include "engine/screens/about_window.h"
#include "ui/widgets/aux_window.h"

namespace ferlow {
class Machine;
}

namespace ferlow::ui {

class FaceButton;
class Panel;

// The animated emblem's box: draws whichever image-list frame the model holds,
// or nothing when it holds neither.
class CyclerView : public QWidget {
public:
    CyclerView(const QString& objectName, QWidget* parent);

    void sync(ListImage frame, bool showsFrame);
    ListImage frame() const { return frame_; }
    bool showsFrame() const { return showsFrame_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    ListImage frame_ = ListImage::EmblemA;
    bool showsFrame_ = false;
};

class Frmabtkeno : public AuxWindow {
    Q_OBJECT
public:
    Frmabtkeno(Machine& machine, Dispatcher& dispatcher);

    void sync();
    const QTimer& cycleTimer() const { return cycle_; }

private:
    AboutWindowEvents& events_;
    const AboutScreen& screen_;

    Panel* SSPanel1_ = nullptr;
    Panel* Label1_ = nullptr;
    Panel* Label2_ = nullptr;
    Panel* SSpnlreg_ = nullptr;
    Panel* Label5_ = nullptr;
    FaceButton* Cmdok_ = nullptr;
    CyclerView* cycler_ = nullptr;
    QTimer cycle_;
};

}  // namespace ferlow::ui
