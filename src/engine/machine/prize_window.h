// Ferlowprize's events.
#pragma once

namespace ferlow {

class PrizeWindowEvents {
public:
    virtual void prizeCloseClicked() = 0;
    virtual void prizeCloseKey(int key) = 0;  // a key pressed while Close has the focus
    virtual void prizeFrameClosed() = 0;
    virtual void prizeBackgroundClicked() = 0;

protected:
    ~PrizeWindowEvents() = default;
};

}  // namespace ferlow
