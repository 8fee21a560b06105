// Frmabtkeno's events: its animation timer, Ok and the close box.
#pragma once

namespace ferlow {

class AboutWindowEvents {
public:
    virtual void aboutTimerTick() = 0;
    virtual void aboutOkClicked() = 0;
    virtual void aboutFrameClosed() = 0;
    virtual void aboutBackgroundClicked() = 0;

protected:
    ~AboutWindowEvents() = default;
};

}  // namespace ferlow
