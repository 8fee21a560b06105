// FrmStats' events.
#pragma once

namespace ferlow {

class StatisticsWindowEvents {
public:
    virtual void statsCloseClicked() = 0;
    virtual void statsFrameClosed() = 0;
    virtual void statsBackgroundClicked() = 0;

protected:
    ~StatisticsWindowEvents() = default;
};

}  // namespace ferlow
