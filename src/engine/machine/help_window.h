// Frmhlpkeno's events.
#pragma once

namespace ferlow {

class HelpWindowEvents {
public:
    virtual void helpCloseClicked() = 0;
    virtual void helpFrameClosed() = 0;
    virtual void helpBackgroundClicked() = 0;

protected:
    ~HelpWindowEvents() = default;
};

}  // namespace ferlow
