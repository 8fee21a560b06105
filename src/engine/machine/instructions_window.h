// FrmInsferlow's events.
#pragma once

namespace ferlow {

class InstructionsWindowEvents {
public:
    virtual void instructionsCloseClicked() = 0;
    virtual void instructionsFrameClosed() = 0;
    virtual void instructionsBackgroundClicked() = 0;

protected:
    ~InstructionsWindowEvents() = default;
};

}  // namespace ferlow
