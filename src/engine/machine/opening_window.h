// Ferlowopnscr's events: Play, its close box, a click on a title label.
#pragma once

namespace ferlow {

class OpeningWindowEvents {
public:
    virtual void openingPlayClicked() = 0;
    virtual void openingClosed() = 0;  // the window closes, by Play or by its frame
    virtual void openingLabelClicked() = 0;

protected:
    ~OpeningWindowEvents() = default;
};

}  // namespace ferlow
